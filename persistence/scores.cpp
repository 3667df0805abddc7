#include "scores.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <system_error>
#include <vector>

namespace kp {

namespace {

constexpr std::string_view SectionScores = "Scores";

int32_t EnEntier(const std::string& texte) {
    return ParseInteger(texte).value_or(0);
}

// Whether a game of this level and smiley count ranks above the entry. An equal game does not.
bool Bat(const ScoreEntry& entree, int32_t niveau, int32_t restants) {
    const int32_t niv = EnEntier(entree.Niv);
    return niv < niveau || (niv == niveau && restants < EnEntier(entree.Vir));
}

// The entries as a later reading of the file gives them back: numbers in plain decimal, texts
// on one line without the blanks around them.
std::array<ScoreEntry, 3> TelsQueRelus(const std::array<ScoreEntry, 3>& entrees) {
    ScoreTable table;
    table.Entrees = entrees;
    IniFile brouillon;
    writeScores(brouillon, table);
    readScores(brouillon, table);
    return table.Entrees;
}

bool Contient(const std::array<ScoreEntry, 3>& entrees, const ScoreEntry& e) {
    return std::find(entrees.begin(), entrees.end(), e) != entrees.end();
}

// The file's entries; without a "scores" section the file tells nothing, and is taken to hold
// what this copy last saw in it.
std::array<ScoreEntry, 3> entriesInFile(const IniFile& ini, const ScoreTable& table) {
    if (!ini.HasSection(SectionScores)) return TelsQueRelus(table.Fichier);
    ScoreTable lue;
    readScores(ini, lue);
    return lue.Entrees;
}

// Three-way merge of this copy's table with the file's, against the entries both started from
// (table.Fichier). An entry stays when both hold it or when one side added it; an entry one side
// no longer holds was erased there, or fell off its table, and goes.
std::array<ScoreEntry, 3> Fusion(const std::array<ScoreEntry, 3>& fichier,
                                 const ScoreTable& table) {
    const auto memoire = TelsQueRelus(table.Entrees);
    const auto depart = TelsQueRelus(table.Fichier);

    // Entries are compared as read back, but this copy's go to the file with their own text
    // (a date's leading blank as the date was made).
    struct Place {
        ScoreEntry relue;
        const ScoreEntry* telle;
    };
    std::vector<Place> classement;
    // Each new entry goes below those it does not beat, as a new game below an equal older
    // one; the file's entries come first, being older than this copy's unsaved ones.
    auto placer = [&](const ScoreEntry& e, const ScoreEntry& telle, const auto& autreCote) {
        if (e == ScoreEntry{}) return;
        if (Contient(depart, e) && !Contient(autreCote, e)) return;
        if (std::any_of(classement.begin(), classement.end(),
                        [&](const Place& p) { return p.relue == e; }))
            return;
        auto at = std::find_if(classement.begin(), classement.end(), [&](const Place& p) {
            return Bat(p.relue, EnEntier(e.Niv), EnEntier(e.Vir));
        });
        classement.insert(at, Place{e, &telle});
    };
    for (const ScoreEntry& e : fichier) placer(e, e, memoire);
    for (size_t i = 0; i < memoire.size(); ++i) placer(memoire[i], table.Entrees[i], fichier);

    std::array<ScoreEntry, 3> out;
    for (size_t i = 0; i < out.size() && i < classement.size(); ++i) out[i] = *classement[i].telle;
    return out;
}

} // namespace

std::string scoreKey(int rang, std::string_view champ) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "Score%02d_", rang);
    return prefix + std::string(champ);
}

bool qualifiesForScores(const ScoreTable& table, int32_t niveau, int32_t restants, bool tricherie) {
    return !tricherie && Bat(table.Entrees[2], niveau, restants);
}

int insertScore(ScoreTable& table, int32_t niveau, int32_t restants, const std::string& nom,
                const std::string& date) {
    auto& e = table.Entrees;
    for (size_t k = 0; k < e.size(); ++k) {
        if (!Bat(e[k], niveau, restants)) continue;
        for (size_t j = e.size() - 1; j > k; --j) e[j] = e[j - 1];
        e[k] = ScoreEntry{std::to_string(niveau), std::to_string(restants), nom, date};
        return static_cast<int>(k) + 1;
    }
    return 0;
}

ScoreUpdate enterScore(ScoreTable& table, const std::filesystem::path& settingsFile, int32_t niveau,
                       int32_t restants, const std::string& nom, const std::string& date) {
    ScoreUpdate result;
    result.rang = insertScore(table, niveau, restants, nom, date);
    if (result.rang > 0) result.fichier = saveScores(table, settingsFile);
    return result;
}

void readScores(const IniFile& ini, ScoreTable& table) {
    for (int rang = 1; rang <= 3; ++rang) {
        ScoreEntry& e = table.Entrees[rang - 1];
        e.Niv = std::to_string(ini.ReadInteger(SectionScores, scoreKey(rang, "Niv"), 0));
        e.Vir = std::to_string(ini.ReadInteger(SectionScores, scoreKey(rang, "Vir"), 0));
        e.Nom = ini.ReadString(SectionScores, scoreKey(rang, "Nom"), "");
        e.Dat = ini.ReadString(SectionScores, scoreKey(rang, "Dat"), "");
    }
    table.Fichier = table.Entrees;
}

void writeScores(IniFile& ini, const ScoreTable& table) {
    for (int rang = 1; rang <= 3; ++rang) {
        const ScoreEntry& e = table.Entrees[rang - 1];
        ini.WriteInteger(SectionScores, scoreKey(rang, "Niv"), EnEntier(e.Niv));
        ini.WriteInteger(SectionScores, scoreKey(rang, "Vir"), EnEntier(e.Vir));
        ini.WriteString(SectionScores, scoreKey(rang, "Nom"), e.Nom);
        ini.WriteString(SectionScores, scoreKey(rang, "Dat"), e.Dat);
    }
}

FileResult EnregistrerAvecScores(ScoreTable& table, const std::filesystem::path& settingsFile,
                                 const std::function<void(IniFile&)>& autresCles) {
    if (settingsFile.has_parent_path()) {
        std::error_code ignored; // a folder that cannot be made is reported by the write
        std::filesystem::create_directories(settingsFile.parent_path(), ignored);
    }
    std::optional<std::array<ScoreEntry, 3>> lues; // none when the file could not be read
    ScoreTable fusion;
    // A file that exists but cannot be read is left alone rather than replaced.
    const FileResult result = IniFile::Update(settingsFile, [&](IniFile& ini) {
        if (autresCles) autresCles(ini);
        lues = entriesInFile(ini, table);
        fusion.Entrees = Fusion(*lues, table);
        writeScores(ini, fusion);
    });
    if (lues) {
        // The window shows the table as the file now gives it back.
        table.Entrees = TelsQueRelus(fusion.Entrees);
        // After a failed write the file still holds what was read from it.
        table.Fichier = result.ok() ? table.Entrees : *lues;
    }
    return result;
}

FileResult saveScores(ScoreTable& table, const std::filesystem::path& settingsFile) {
    return EnregistrerAvecScores(table, settingsFile, {});
}

void eraseScores(ScoreTable& table) {
    table.Entrees = {};
}

const ShortMonths& DefaultShortMonths(int language) {
    static const ShortMonths francais{"janv.", "févr.", "mars",  "avr.", "mai",  "juin",
                                      "juil.", "août",  "sept.", "oct.", "nov.", "déc."};
    static const ShortMonths anglais{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return language == 1 ? anglais : francais;
}

std::string scoreDateText(const std::tm& moment, const ShortMonths& mois) {
    const int m = moment.tm_mon >= 0 && moment.tm_mon < 12 ? moment.tm_mon : 0;
    char jour[16], annee[16], heure[32];
    std::snprintf(jour, sizeof jour, "%02d", moment.tm_mday);
    std::snprintf(annee, sizeof annee, "%04d", moment.tm_year + 1900);
    std::snprintf(heure, sizeof heure, "%02dh%02d", moment.tm_hour, moment.tm_min);
    return std::string(" ") + jour + " " + mois[m] + " " + annee + "  -  " + heure;
}

std::string scoreDateNow(const ShortMonths& mois) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return scoreDateText(local, mois);
}

} // namespace kp
