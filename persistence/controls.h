#pragma once
// The player's controls: which keys and gamepad buttons do what, and how a held direction
// repeats. Kept in the settings file's "Touches" section as readable names (Qt's portable key
// names, SDL's game-controller button names); making sense of a name is the input layer's work.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kp {

// Everything a player can bind, in the order the bindings page lists them.
// Hint shows where the computer's best player would put the falling capsule.
enum class Action {
    Left,
    Right,
    Turn,
    Down,
    Drop,
    Pause,
    Panic,
    NewGame,
    RestartLevel,
    SkipLevel,
    Hint
};
inline constexpr int ActionCount = 11;
inline constexpr int MoveCount = 5; // the first five actions move the capsule
inline constexpr int KeySlots = 3;  // turning has three keys out of the box (Up, keypad 8 and 5)
inline constexpr int PadSlots = 2;

using KeyNames = std::array<std::string, KeySlots>;
using PadNames = std::array<std::string, PadSlots>;

struct Controls {
    // An empty name is a free slot.
    std::array<KeyNames, ActionCount> keys{{
        {"Left", "Num+4"},
        {"Right", "Num+6"},
        {"Up", "Num+8", "Num+5"},
        {"Down", "Num+2"},
        {"Space", "Num+0"},
        {"F5"},
        {"Esc", "Return", "Num+Enter"},
        {"F2"},
        {"F3"},
        {"F4"},
        {},
    }};
    std::array<PadNames, ActionCount> pad{{
        {"dpleft"},
        {"dpright"},
        {"a", "dpup"},
        {"dpdown"},
        {"b"},
        {"start"},
        {"back"},
        {},
        {},
        {},
        {},
    }};
    // The second player's keys in a match, for the moves (Left .. Drop): keys that sit at the
    // same place on AZERTY and QWERTY keyboards, away from the first player's.
    std::array<std::string, MoveCount> secondPlayer{"S", "F", "E", "D", "C"};
    // false: the desktop's auto-repeat, as keys always did; true: the game's own repeat.
    bool gameRepeat = false;
    int32_t repeatDelay = 170;   // ms before the first repeat
    int32_t repeatInterval = 50; // ms between repeats; 0 goes to the wall at once

    bool operator==(const Controls&) const = default;
};

inline constexpr int32_t MinRepeatDelay = 50, MaxRepeatDelay = 500;
inline constexpr int32_t MinRepeatInterval = 0, MaxRepeatInterval = 200;

class IniFile;

// Reads the "Touches" section over the defaults (a missing key keeps its default, an
// out-of-range repeat value too); says whether the file has the section at all.
bool readControls(const IniFile& ini, Controls& c);
// Writes the section after whatever the file already holds.
void writeControls(IniFile& ini, const Controls& c);

} // namespace kp
