#include "settings.h"

#include "ini_file.h"

#include <cstdlib>
#include <utility>

#include <pwd.h>
#include <unistd.h>

namespace kp {

namespace {

constexpr std::string_view SectionOptions = "Options";
constexpr std::string_view SectionConfiguration = "Configuration";

// Walks the "Options" keys in the order of the file, handing each key, its field and its
// accepted range (none for colours and the font) to the visitor. Reading and writing share it, so
// they cannot drift apart.
template <class S, class V> void VisitOptions(S& s, V&& v) {
    v.Integer("Fond", s.Fond, 0, 3);
    v.Integer("Son", s.Son, 0, 2);
    v.Integer("WaveVolume", s.WaveVolume, 0, 2);
    v.Integer("MidiVolume", s.MidiVolume, 0, 2);
    v.Integer("Musique", s.Musique, 0, 5);
    v.Integer("AnimationVirus", s.AnimationVirus, 0, 3);
    v.Integer("AnimationSuppr", s.AnimationSuppr, 0, 3);
    v.Integer("Langue", s.Langue, 0, 1);
    v.Integer("Pinup", s.Pinup, 0, 3);
    v.Integer("AffCompteurs", s.AffCompteurs, 0, 1);
    v.Integer("AffPieceSuivante", s.AffPieceSuivante, 0, 1);
    v.Integer("Tremblement", s.Tremblement, 0, 1);
    v.Integer("CouleurFondUni", s.CouleurFondUni);
    v.Integer("CouleurDegrade1", s.CouleurDegrade1);
    v.Integer("CouleurDegrade2", s.CouleurDegrade2);
    v.Integer("CouleurBordure", s.CouleurBordure);
    v.Integer("ImageFondTaille", s.ImageFondTaille, 0, 8);
    v.Integer("ImageFondPositionH", s.ImageFondPositionH, 0, 2);
    v.Integer("ImageFondPositionV", s.ImageFondPositionV, 0, 2);
    for (size_t i = 0; i < s.SmileyCouleur.size(); ++i)
        v.Integer("SmileyCouleur" + std::to_string(i), s.SmileyCouleur[i]);
    v.Integer("SmileyTaille", s.SmileyTaille, 0, 5);
    v.Boolean("MusiqueEnBoucle", s.MusiqueEnBoucle);
    v.Boolean("Mosaique", s.Mosaique);
    v.Boolean("NoirEtBlanc", s.NoirEtBlanc);
    v.Boolean("Negatif", s.Negatif);
    for (size_t i = 0; i < s.CheminFond.size(); ++i)
        v.String("CheminFond" + std::to_string(i + 1), s.CheminFond[i]);
    v.String("NameTexte", s.NameTexte);
    v.Integer("SizeTexte", s.SizeTexte);
    v.Integer("ColorTexte", s.ColorTexte);
}

// Reads each key with the field's current value (the default) as the fallback.
struct Reader {
    const IniFile& ini;
    void Integer(std::string_view key, int32_t& field, int32_t min, int32_t max) {
        int32_t value = ini.ReadInteger(SectionOptions, key, field);
        if (value >= min && value <= max) field = value;
    }
    void Integer(std::string_view key, int32_t& field) {
        field = ini.ReadInteger(SectionOptions, key, field);
    }
    void Boolean(std::string_view key, bool& field) {
        field = ini.ReadBool(SectionOptions, key, field);
    }
    void String(std::string_view key, std::string& field) {
        field = ini.ReadString(SectionOptions, key, field);
    }
};

struct Writer {
    IniFile& ini;
    void Integer(std::string_view key, int32_t field, int32_t = 0, int32_t = 0) {
        ini.WriteInteger(SectionOptions, key, field);
    }
    void Boolean(std::string_view key, bool field) { ini.WriteBool(SectionOptions, key, field); }
    void String(std::string_view key, const std::string& field) {
        ini.WriteString(SectionOptions, key, field);
    }
};

bool PoliceUtilisable(const Settings& s) {
    return s.NameTexte.find_first_not_of(" \t") != std::string::npos && s.SizeTexte >= 1;
}

} // namespace

void PoliceParDefaut(Settings& s) {
    const Settings defaults;
    s.NameTexte = defaults.NameTexte;
    s.SizeTexte = defaults.SizeTexte;
    s.ColorTexte = defaults.ColorTexte;
}

FileResult ChargerINI(Settings& s, const std::filesystem::path& file) {
    IniFile ini;
    FileResult read = IniFile::Load(file, ini);
    s = Settings{};
    VisitOptions(s, Reader{ini});
    for (const CleConfiguration& k : ClesConfiguration) {
        int32_t& field = s.Configuration.*k.field;
        int32_t value = ini.ReadInteger(SectionConfiguration, k.key, field);
        if (value >= k.min && value <= k.max) field = value;
    }
    LireScores(ini, s.Scores);
    if (!PoliceUtilisable(s)) PoliceParDefaut(s);
    return read;
}

FileResult EnregistrerINI(Settings& s, const std::filesystem::path& file) {
    return EnregistrerAvecScores(s.Scores, file, [&s](IniFile& ini) {
        VisitOptions(std::as_const(s), Writer{ini});
        for (const CleConfiguration& k : ClesConfiguration)
            ini.WriteInteger(SectionConfiguration, k.key, s.Configuration.*k.field);
    });
}

FileResult EnregistrerINI(const Settings& s, const std::filesystem::path& file) {
    Settings copie = s;
    return EnregistrerINI(copie, file);
}

std::string SettingsBareName(std::string_view executable) {
    return std::filesystem::path(executable).filename().replace_extension(".ini").string();
}

std::filesystem::path SettingsFilePath(std::string_view executable, const char* xdgConfigHome,
                                       const char* home) {
    std::filesystem::path config;
    if (xdgConfigHome && std::filesystem::path(xdgConfigHome).is_absolute()) {
        config = xdgConfigHome;
    } else {
        std::filesystem::path base = home && *home ? home : "";
        if (base.empty()) {
            if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) base = pw->pw_dir;
        }
        config = base / ".config";
    }
    return config / "kembrolla-panic" / SettingsBareName(executable);
}

std::filesystem::path SettingsFilePath(std::string_view executable) {
    return SettingsFilePath(executable, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

} // namespace kp
