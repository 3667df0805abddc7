#include "controls.h"

#include "ini_file.h"

namespace kp {

namespace {

constexpr std::string_view SectionControls = "Touches";

// The file's name of each action; a key slot adds its number ("Gauche1"), a pad slot comes
// after "Manette" ("ManetteGauche1").
constexpr std::array<std::string_view, ActionCount> ActionKeys{
    "Gauche",  "Droite",         "Tourner",           "Descendre",    "Lacher", "Pause",
    "Panique", "NouvellePartie", "RecommencerNiveau", "PasserNiveau", "Indice",
};
constexpr std::string_view PadPrefix = "Manette";
constexpr std::string_view SecondPlayerPrefix = "Joueur2";
constexpr std::string_view RepeatKey = "RepetitionTouches"; // 0 the desktop's, 1 the game's
constexpr std::string_view RepeatDelayKey = "DelaiRepetition";
constexpr std::string_view RepeatIntervalKey = "IntervalleRepetition";

std::string slotKey(std::string_view prefix, int action, size_t slot) {
    return std::string(prefix) + std::string(ActionKeys[action]) + std::to_string(slot + 1);
}

// Walks every key of the section with its field, for reading and writing alike.
template <class C, class V> void visitControls(C& c, V&& v) {
    for (int a = 0; a < ActionCount; ++a) {
        for (size_t k = 0; k < c.keys[a].size(); ++k) v.name(slotKey("", a, k), c.keys[a][k]);
        for (size_t p = 0; p < c.pad[a].size(); ++p) v.name(slotKey(PadPrefix, a, p), c.pad[a][p]);
    }
    v.flag(RepeatKey, c.gameRepeat);
    v.number(RepeatDelayKey, c.repeatDelay, MinRepeatDelay, MaxRepeatDelay);
    v.number(RepeatIntervalKey, c.repeatInterval, MinRepeatInterval, MaxRepeatInterval);
}

struct Reader {
    const IniFile& ini;
    void name(const std::string& key, std::string& field) {
        field = ini.ReadString(SectionControls, key, field);
    }
    void flag(std::string_view key, bool& field) {
        const int32_t value = ini.ReadInteger(SectionControls, key, field ? 1 : 0);
        if (value == 0 || value == 1) field = value == 1;
    }
    void number(std::string_view key, int32_t& field, int32_t min, int32_t max) {
        const int32_t value = ini.ReadInteger(SectionControls, key, field);
        if (value >= min && value <= max) field = value;
    }
};

struct Writer {
    IniFile& ini;
    void name(const std::string& key, const std::string& field) {
        ini.WriteString(SectionControls, key, field);
    }
    void flag(std::string_view key, bool field) {
        ini.WriteInteger(SectionControls, key, field ? 1 : 0);
    }
    void number(std::string_view key, int32_t field, int32_t, int32_t) {
        ini.WriteInteger(SectionControls, key, field);
    }
};

} // namespace

bool readControls(const IniFile& ini, Controls& c) {
    visitControls(c, Reader{ini});
    Reader r{ini};
    for (int a = 0; a < MoveCount; ++a)
        r.name(std::string(SecondPlayerPrefix) + std::string(ActionKeys[a]), c.secondPlayer[a]);
    return ini.HasSection(SectionControls);
}

void writeControls(IniFile& ini, const Controls& c) {
    visitControls(c, Writer{ini});
    Writer w{ini};
    for (int a = 0; a < MoveCount; ++a)
        w.name(std::string(SecondPlayerPrefix) + std::string(ActionKeys[a]), c.secondPlayer[a]);
}

} // namespace kp
