#pragma once
// A game as the rules took it in: where it began (seed, parameters, options, maybe a saved
// board) and every input in the order it came, timer fires included. The rules are
// deterministic, so feeding the same inputs in the same order to a game begun the same way
// gives the same game tick for tick, whatever the clock did meanwhile; the times only pace a
// replay for the eye.

#include "game.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace kp {

enum class InputKind : uint8_t {
    Fire,    // value: the timer
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
};
constexpr int InputKindCount = static_cast<int>(InputKind::Helped) + 1;

struct Input {
    int64_t time = 0; // ms since the game began
    InputKind kind = InputKind::Fire;
    int32_t value = 0;
    int32_t value2 = 0;
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

struct Recording {
    uint32_t seed = 0;
    LevelParameters params;
    GameOptions options;
    bool windowActive = true;
    bool hidden = false;
    std::shared_ptr<const SavedGame> saved; // the board it began from, when it was opened
    std::vector<Input> inputs;
    std::vector<LevelParameters> parameters; // parameters set while it was played
    GameEnd end;

    int64_t duration() const { return inputs.empty() ? 0 : inputs.back().time; }
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
// Plays the whole recording on a game nobody watches and says how it ended.
GameEnd replayEnd(const Recording& recording);

// The work of a replay, counted in cell visits: what the game visits as it plays (every look
// at the whole board, every level set-up's whole grid), every random number drawn as DrawWork
// visits (a set-up draws places until each smiley finds an empty cell, ever more tries as the
// board fills up), and every input as InputWork, what handling one costs beside them. Each is
// about what it costs in time (bench/engine_bench, the costliest replay files).
constexpr int64_t GridCells = int64_t{GridSize} * GridSize;
constexpr int64_t DrawWork = 6;
constexpr int64_t InputWork = 250;
// What the replay is sure to cost before it starts: its inputs, and the level set-ups it asks
// for (its start, its restarts and skips), each filling in the most smileys the parameters
// allow, with the tries that takes on average.
int64_t expectedReplayWork(const Recording& recording);

struct ReplayRun {
    bool finished = false; // false: stopped once the work passed the limit
    int64_t work = 0;      // the work done
    GameEnd end;           // where the game stood when it stopped
};
// Plays the recording on a game nobody watches, as replayEnd does, but stops before the input
// that would start once the work has passed `workLimit`.
ReplayRun replayWithin(const Recording& recording, int64_t workLimit);

} // namespace kp
