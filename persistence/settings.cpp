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
constexpr std::string_view SectionDuel = "Duel";

// The "Duel" keys, for reading and writing alike.
template <class S, class V> void VisitDuel(S& d, V&& v) {
    v.Integer("Adversaire", d.opponent, 0, DuelSettings::SecondPlayer);
    v.Integer("NiveauJoueur1", d.startLevel[0], 1, DuelSettings::MaxStartLevel);
    v.Integer("NiveauJoueur2", d.startLevel[1], 1, DuelSettings::MaxStartLevel);
    v.Integer("Manches", d.roundsToWin, 1, 5);
    v.Flag("AnnulerAttaques", d.cancelAttacks);
}

// Walks the "Options" keys in the order of the file, handing each key, its field and its
// accepted range (none for colours and the font) to the visitor. Reading and writing share it, so
// they cannot drift apart.
template <class S, class V> void VisitOptions(S& s, V&& v) {
    v.Integer("Fond", s.background, 0, 3);
    v.Integer("Son", s.soundOutput, 0, 2);
    v.Integer("WaveVolume", s.effectsVolume, 0, 2);
    v.Integer("MidiVolume", s.musicVolume, 0, 2);
    v.Integer("Musique", s.music, 0, 5);
    v.Integer("AnimationVirus", s.smileyAnimation, 0, 3);
    v.Integer("AnimationSuppr", s.removalAnimation, 0, 3);
    v.Integer("Langue", s.language, 0, 8);
    v.Integer("Pinup", s.Pinup, 0, 3);
    v.Integer("AffCompteurs", s.showCounters, 0, 1);
    v.Integer("AffPieceSuivante", s.showNextCapsule, 0, 1);
    v.Integer("Tremblement", s.shake, 0, 1);
    v.Integer("CouleurFondUni", s.plainColour);
    v.Integer("CouleurDegrade1", s.gradientTop);
    v.Integer("CouleurDegrade2", s.gradientBottom);
    v.Integer("CouleurBordure", s.borderColour);
    v.Integer("ImageFondTaille", s.pictureSize, 0, 8);
    v.Integer("ImageFondPositionH", s.pictureAlignH, 0, 2);
    v.Integer("ImageFondPositionV", s.pictureAlignV, 0, 2);
    for (size_t i = 0; i < s.smileyColours.size(); ++i)
        v.Integer("SmileyCouleur" + std::to_string(i), s.smileyColours[i]);
    v.Integer("SmileyTaille", s.smileySize, 0, 5);
    v.Boolean("MusiqueEnBoucle", s.loopMusic);
    v.Boolean("Mosaique", s.tiled);
    v.Boolean("NoirEtBlanc", s.greyscale);
    v.Boolean("Negatif", s.negative);
    for (size_t i = 0; i < s.recentPictures.size(); ++i)
        v.Path("CheminFond" + std::to_string(i + 1), s.recentPictures[i]);
    v.String("NameTexte", s.messageFont);
    v.Integer("SizeTexte", s.messageFontSize);
    v.Integer("ColorTexte", s.messageColour);
    v.Boolean("SymbolesCouleur", s.colourSymbols);
    v.Path("BanqueSons", s.soundBank);
}

// Reads each key with the field's current value (the default) as the fallback.
struct Reader {
    const IniFile& ini;
    std::string_view section = SectionOptions;
    void Integer(std::string_view key, int32_t& field, int32_t min, int32_t max) {
        int32_t value = ini.ReadInteger(section, key, field);
        if (value >= min && value <= max) field = value;
    }
    void Integer(std::string_view key, int32_t& field) {
        field = ini.ReadInteger(section, key, field);
    }
    void Boolean(std::string_view key, bool& field) { field = ini.ReadBool(section, key, field); }
    // A key of this game's own, which no older file wrote as any other number than 0 or 1.
    void Flag(std::string_view key, bool& field) {
        int32_t value = field ? 1 : 0;
        Integer(key, value, 0, 1);
        field = value != 0;
    }
    void String(std::string_view key, std::string& field) {
        field = ini.ReadString(section, key, field);
    }
    // A path is the file's name as the system knows it: its bytes, in whatever encoding.
    void Path(std::string_view key, std::string& field) {
        field = ini.Bytes(section, key).value_or(field);
    }
};

struct Writer {
    IniFile& ini;
    std::string_view section = SectionOptions;
    void Integer(std::string_view key, int32_t field, int32_t = 0, int32_t = 0) {
        ini.WriteInteger(section, key, field);
    }
    void Boolean(std::string_view key, bool field) { ini.WriteBool(section, key, field); }
    void Flag(std::string_view key, bool field) { ini.WriteBool(section, key, field); }
    void String(std::string_view key, const std::string& field) {
        ini.WriteString(section, key, field);
    }
    void Path(std::string_view key, const std::string& field) {
        ini.WriteBytes(section, key, field);
    }
};

bool usableMessageFont(const Settings& s) {
    return s.messageFont.find_first_not_of(" \t") != std::string::npos && s.messageFontSize >= 1;
}

} // namespace

void defaultMessageFont(Settings& s) {
    const Settings defaults;
    s.messageFont = defaults.messageFont;
    s.messageFontSize = defaults.messageFontSize;
    s.messageColour = defaults.messageColour;
}

FileResult loadSettings(Settings& s, const std::filesystem::path& file) {
    IniFile ini;
    FileResult read = IniFile::Load(file, ini);
    s = Settings{};
    VisitOptions(s, Reader{ini});
    for (const ParameterKey& k : ParameterKeys) {
        int32_t& field = s.parameters.*k.field;
        int32_t value = ini.ReadInteger(SectionConfiguration, k.key, field);
        if (value >= k.min && value <= k.max) field = value;
    }
    readScores(ini, s.scores);
    s.controlsInFile = readControls(ini, s.controls);
    s.duelInFile = ini.HasSection(SectionDuel);
    VisitDuel(s.duel, Reader{ini, SectionDuel});
    if (!usableMessageFont(s)) defaultMessageFont(s);
    return read;
}

FileResult saveSettings(Settings& s, const std::filesystem::path& file) {
    return saveWithScores(
        s.scores, file,
        [&s](IniFile& ini) {
            VisitOptions(std::as_const(s), Writer{ini});
            for (const ParameterKey& k : ParameterKeys)
                ini.WriteInteger(SectionConfiguration, k.key, s.parameters.*k.field);
        },
        [&s](IniFile& ini) {
            if (s.controlsInFile || s.controls != Controls{}) writeControls(ini, s.controls);
            if (s.duelInFile) VisitDuel(std::as_const(s.duel), Writer{ini, SectionDuel});
        });
}

FileResult saveSettings(const Settings& s, const std::filesystem::path& file) {
    Settings copy = s;
    return saveSettings(copy, file);
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
