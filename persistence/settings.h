#pragma once
// The settings file: every user preference ("Options"), the game parameters ("Configuration")
// and the high-score table ("Scores"), read once at start-up and written once at close.

#include "controls.h"
#include "file_result.h"
#include "scores.h"

#include "engine/game_state.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace kp {

// The choices of the last match ("Duel"), offered again for the next one.
struct DuelSettings {
    static constexpr int32_t SecondPlayer = 5;
    static constexpr int32_t MaxStartLevel = 20;
    int32_t opponent = 2;                    // 0..4 the computer, Beginner..Expert; 5 a player
    std::array<int32_t, 2> startLevel{1, 1}; // the left board's, then the right one's
    int32_t roundsToWin = 2;                 // 1..5
    bool cancelAttacks = false;
    bool operator==(const DuelSettings&) const = default;
};

// Every setting with its default. The names are the keys of the file.
struct Settings {
    // "Options"
    int32_t background = 2;       // 0 plain colour, 1 gradient, 2 logo, 3 picture file
    int32_t soundOutput = 1;      // 0 none, 1 loudspeakers, 2 PC speaker
    int32_t effectsVolume = 2;    // 0 low, 1 medium, 2 loud
    int32_t musicVolume = 0;      // same scale
    int32_t music = 0;            // 0 no music, 1..5 the tunes
    int32_t smileyAnimation = 2;  // 0 none, 1 slow, 2 medium, 3 fast
    int32_t removalAnimation = 2; // same
    int32_t language = 0;         // "Langue": 0 French, 1 English, 2..8 the others (ui/language.h)
    int32_t Pinup = 3;            // 0 none, 1 left, 2 right, 3 both
    int32_t showCounters = 1;
    int32_t showNextCapsule = 1;
    int32_t shake = 0;
    // Colours are 0x00BBGGRR words, red in the low byte.
    int32_t plainColour = 0;
    int32_t gradientTop = 0;
    int32_t gradientBottom = 0xF0CAA6;
    int32_t borderColour = 0;
    int32_t pictureSize = 0;   // 0 normal, 1 stretched, 2 width, 3 height, 4..8 25..200 %
    int32_t pictureAlignH = 1; // 0 left, 1 centred, 2 right
    int32_t pictureAlignV = 1; // 0 top, 1 centred, 2 bottom
    std::array<int32_t, 5> smileyColours{0xFF8306, 0x09E7FF, 0xFF00FF, 0xACFF00, 0x0099FF};
    int32_t smileySize = 0; // 0 default, 1 50 %, 2 75 %, 3 150 %, 4 200 %, 5 300 %
    bool loopMusic = true;
    bool tiled = false;
    bool greyscale = false;
    bool negative = false;
    std::array<std::string, 10> recentPictures; // recent pictures, most recent first
    // The message line's font.
    std::string messageFont = "Arial Black";
    int32_t messageFontSize = 14;
    int32_t messageColour = 0xFFFFFF;
    // Every colour also carries a shape of its own, for players who tell colours apart poorly.
    bool colourSymbols = false;
    // The player's own General MIDI bank (a .sf2 file), tried before the system's; empty for
    // the fullest the system has.
    std::string soundBank;

    // "Configuration"
    LevelParameters parameters;

    // "Scores"
    ScoreTable scores;

    // "Touches"
    Controls controls;
    // Whether the file has that section: a file without it is given one only once the
    // controls differ from the defaults, so that a file the player never changed stays as it is.
    bool controlsInFile = false;

    // "Duel", written after every other section once a match has been played (or when the
    // file already has it), so that the file of a player who never plays one stays as it is.
    DuelSettings duel;
    bool duelInFile = false;
};

// A key of "Configuration" and the values it accepts: its level parameter's range, which the
// configuration dialog's edits keep to as well.
struct ParameterKey {
    std::string_view key;
    int32_t LevelParameters::*field;
    int32_t min;
    int32_t max;
};

// The keys in the file's order, which is also the order of ParameterRanges.
inline constexpr std::array<std::string_view, ParameterRanges.size()> ParameterKeyNames{
    "NbLgn",
    "NbCol",
    "NbVirus",
    "NbVirusLignes",
    "NbVirusInc",
    "NbVirusLignesInc",
    "NbVirusLignesMax",
    "TempoDepart",
    "TempoNiveauInc",
    "MinCasesConsecutives",
    "NbColor",
};

inline constexpr std::array<ParameterKey, ParameterRanges.size()> ParameterKeys = [] {
    std::array<ParameterKey, ParameterRanges.size()> keys{};
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i] = {ParameterKeyNames[i], ParameterRanges[i].field, ParameterRanges[i].min,
                   ParameterRanges[i].max};
    return keys;
}();

// Reads the whole file into `s`. Whatever is missing, unreadable or out of its range takes its
// default (out-of-range values are not brought to the nearest bound); colours are taken as
// they are. A font without a name or with a size below 1 point gives the whole default font.
// The result only says whether an existing file could not be read: `s` is usable either way.
FileResult loadSettings(Settings& s, const std::filesystem::path& file);

// Writes every key of the three sections in their usual order, then the controls; other
// sections and keys of the file are kept. The folder is created when missing. The file is never
// left half written. The settings of the last copy of the game to close win, but the score table is
// merged with the file's as saveScores does, and s.scores becomes the merged table.
FileResult saveSettings(Settings& s, const std::filesystem::path& file);
// The same, leaving the caller's table as it was.
FileResult saveSettings(const Settings& s, const std::filesystem::path& file);

// Puts the message line's font back to Arial Black, 14 points, white (when it cannot be used).
void defaultMessageFont(Settings& s);

// The settings file's name: the executable's file name with its extension, if any, replaced
// by ".ini" ("kp.bin" gives "kp.ini", ".hidden" gives ".hidden.ini").
std::string SettingsBareName(std::string_view executable);

// Where the settings file lives: $XDG_CONFIG_HOME/kembrolla-panic/<bare name>, with
// ~/.config when XDG_CONFIG_HOME is unset, empty or not an absolute path.
std::filesystem::path SettingsFilePath(std::string_view executable);
// The same from given values of XDG_CONFIG_HOME and HOME (either may be null).
std::filesystem::path SettingsFilePath(std::string_view executable, const char* xdgConfigHome,
                                       const char* home);

} // namespace kp
