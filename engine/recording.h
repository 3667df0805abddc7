#pragma once
// What one board or a match's two boards took in from outside: how they began (seed,
// parameters, options, maybe a saved board; a match's rules), every input at its time on the
// table's clock, to the board it went to, and where they ended. The rules are deterministic and
// the table's clock fires the timers at their instants, a command given at a time coming after
// the timers due then: playing the inputs again at their times on a clock begun with them gives
// the same game tick for tick. Games recorded before the single game ran on the table's clock
// hold their timers' fires as inputs instead, timed by the wall: those are fed in their order
// and the clock fires nothing.

#include "game.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kp {

enum class InputKind : uint8_t {
    Fire,    // value: the timer, fired from outside the table's clock
    Handle,  // value: the command, one press of a window that repeats keys itself
    Press,   // value: the command, held down where the game repeats it
    Release, // value: the command let go
    RestartLevel,
    SkipLevel,
    TogglePause,
    Pause,
    Resume,
    Panic,
    Unhide,
    WindowActive,     // value: 1 active, 0 not
    SmileyAnimation,  // value: the option
    RemovalAnimation, // value: the option
    Shake,            // value: 1 on, 0 off
    Pinup,            // value: the option
    KeyRepeat,        // value: delay, value2: interval
    Parameters,       // value: index in Recording::parameters
    Helped,           // the player asked where the capsule should go
    Follow,           // value: 1 pauses, 0 resumes the board as the other board's player did
    Forfeit,          // the board's player left a match between two computers: it loses it
};
constexpr int InputKindCount = static_cast<int>(InputKind::Forfeit) + 1;

struct Input {
    int64_t time = 0; // ms on the table's clock, from the recording's start
    InputKind kind = InputKind::Fire;
    int32_t value = 0;
    int32_t value2 = 0;
    int32_t board = 0; // 0 or 1; -1 both boards of a match (its pause and panic)
    bool operator==(const Input&) const = default;
};

// What the end of a recording must show: the counters in the clear, and a checksum of them
// and of every cell of the board, walls included.
struct GameEnd {
    int32_t level = 1;
    int32_t smileysLeft = 0;
    std::array<int32_t, 5> chrono{};
    uint64_t checksum = 0;
    bool operator==(const GameEnd&) const = default;
};
GameEnd gameEnd(const GameState& s);

// Where a recording ended: each board's end, and a match's rounds' winners (-1 a draw).
struct Ending {
    std::vector<GameEnd> boards;
    std::vector<int32_t> rounds;
    bool operator==(const Ending&) const = default;
};

// What a match plays to, beside the seed, parameters and options of its two boards.
struct MatchRules {
    std::array<int32_t, 2> startLevel{1, 1};
    int32_t roundsToWin = 2;
    bool cancelAttacks = false;
    // Between two computers: the ms an attack takes to fall on the other board (0: one table).
    int32_t attackDelay = 0;
    bool operator==(const MatchRules&) const = default;
};

struct Recording {
    uint32_t seed = 0;
    LevelParameters params;
    GameOptions options;
    bool windowActive = true;
    bool hidden = false;
    std::shared_ptr<const SavedGame> saved; // the board it began from, when it was opened
    std::optional<MatchRules> match;        // a match of two boards; none for a game alone
    std::array<std::string, 2> players;     // a match between two computers: who played each
    // The timers' fires are inputs, the clock firing none (games recorded on the wall's time).
    bool timersRecorded = false;
    std::vector<Input> inputs;
    std::vector<LevelParameters> parameters; // parameters set while it was played
    int64_t duration = 0;                    // the table's time at its end
    Ending end;

    int boards() const { return match ? 2 : 1; }
    // Whether the player did anything at all (timer fires alone make no game).
    bool played() const;
};

// Hands the options to the game, as the menus would.
void applyOptions(Game& game, const GameOptions& options);
// Sets `game` up as the recording began: a fresh state, the parameters, options and seed, then
// the new game. The game's events hear it all, as they would a live game.
void beginReplay(Game& game, const Recording& recording);
// Feeds one input to the game, as the window or the player gave it.
void feedInput(Game& game, const Recording& recording, const Input& input);

} // namespace kp
