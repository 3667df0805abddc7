#include "scores.h"

#include <cstdio>
#include <system_error>

namespace kp {

namespace {

constexpr std::string_view SectionScores = "Scores";

int32_t EnEntier(const std::string& texte) {
    return ParseInteger(texte).value_or(0);
}

// Whether a game of this level and smiley count ranks above the entry. An equal game does not.
bool Bat(const EntreePalmares& entree, int32_t niveau, int32_t restants) {
    const int32_t niv = EnEntier(entree.Niv);
    return niv < niveau || (niv == niveau && restants < EnEntier(entree.Vir));
}

} // namespace

std::string CleScore(int rang, std::string_view champ) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "Score%02d_", rang);
    return prefix + std::string(champ);
}

bool QualifiePalmares(const Palmares& table, int32_t niveau, int32_t restants, bool tricherie) {
    return !tricherie && Bat(table.Entrees[2], niveau, restants);
}

int InsererPalmares(Palmares& table, int32_t niveau, int32_t restants, const std::string& nom,
                    const std::string& date) {
    auto& e = table.Entrees;
    for (size_t k = 0; k < e.size(); ++k) {
        if (!Bat(e[k], niveau, restants)) continue;
        for (size_t j = e.size() - 1; j > k; --j) e[j] = e[j - 1];
        e[k] = EntreePalmares{std::to_string(niveau), std::to_string(restants), nom, date};
        return static_cast<int>(k) + 1;
    }
    return 0;
}

ResultatPalmares MettreAJourPalmares(Palmares& table, const std::filesystem::path& settingsFile,
                                     int32_t niveau, int32_t restants, const std::string& nom,
                                     const std::string& date) {
    ResultatPalmares result;
    result.rang = InsererPalmares(table, niveau, restants, nom, date);
    if (result.rang > 0) result.fichier = EnregistrerINI_Scores(table, settingsFile);
    return result;
}

void LireScores(const IniFile& ini, Palmares& table) {
    for (int rang = 1; rang <= 3; ++rang) {
        EntreePalmares& e = table.Entrees[rang - 1];
        e.Niv = std::to_string(ini.ReadInteger(SectionScores, CleScore(rang, "Niv"), 0));
        e.Vir = std::to_string(ini.ReadInteger(SectionScores, CleScore(rang, "Vir"), 0));
        e.Nom = ini.ReadString(SectionScores, CleScore(rang, "Nom"), "");
        e.Dat = ini.ReadString(SectionScores, CleScore(rang, "Dat"), "");
    }
}

void EcrireScores(IniFile& ini, const Palmares& table) {
    for (int rang = 1; rang <= 3; ++rang) {
        const EntreePalmares& e = table.Entrees[rang - 1];
        ini.WriteInteger(SectionScores, CleScore(rang, "Niv"), EnEntier(e.Niv));
        ini.WriteInteger(SectionScores, CleScore(rang, "Vir"), EnEntier(e.Vir));
        ini.WriteString(SectionScores, CleScore(rang, "Nom"), e.Nom);
        ini.WriteString(SectionScores, CleScore(rang, "Dat"), e.Dat);
    }
}

FileResult EnregistrerINI_Scores(const Palmares& table, const std::filesystem::path& settingsFile) {
    IniFile ini;
    // A file that exists but cannot be read is left alone rather than replaced by the scores.
    if (FileResult read = IniFile::Load(settingsFile, ini); !read) return read;
    EcrireScores(ini, table);
    if (settingsFile.has_parent_path()) {
        std::error_code ignored; // a missing folder is reported by the write itself
        std::filesystem::create_directories(settingsFile.parent_path(), ignored);
    }
    return ini.Save(settingsFile);
}

void EffacerScores(Palmares& table) {
    table = Palmares{};
}

const MoisCourts& MoisCourtsParDefaut(int langue) {
    static const MoisCourts francais{"janv.", "févr.", "mars",  "avr.", "mai",  "juin",
                                     "juil.", "août",  "sept.", "oct.", "nov.", "déc."};
    static const MoisCourts anglais{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return langue == 1 ? anglais : francais;
}

std::string TexteDatePalmares(const std::tm& moment, const MoisCourts& mois) {
    const int m = moment.tm_mon >= 0 && moment.tm_mon < 12 ? moment.tm_mon : 0;
    char jour[16], annee[16], heure[32];
    std::snprintf(jour, sizeof jour, "%02d", moment.tm_mday);
    std::snprintf(annee, sizeof annee, "%04d", moment.tm_year + 1900);
    std::snprintf(heure, sizeof heure, "%02dh%02d", moment.tm_hour, moment.tm_min);
    return std::string(" ") + jour + " " + mois[m] + " " + annee + "  -  " + heure;
}

std::string TexteDatePalmaresMaintenant(const MoisCourts& mois) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return TexteDatePalmares(local, mois);
}

} // namespace kp
