#pragma once
// The whole state of a game, as one plain record the rules work on.
//
// A few words the code uses throughout:
// - The grid: the board's cells, row 0 (hidden; capsules enter there) to `rows`, walled left,
//   right and below. Each cell holds a code (cells.h).
// - A capsule: two halves of one colour each, falling as one piece. Once it lands its halves
//   stay linked to each other; a half whose partner has gone is loose and falls on its own.
// - A smiley: a cell of colour placed at the start of a level. The level is won when none is
//   left; capsules are how the player removes them.
// - A run: a straight line, across or down, of at least `minRun` cells of one colour (halves
//   and smileys alike). A landing looks for runs.
// - A removal: the runs found play their frames and become empty cells.
// - A collapse: after a removal, unsupported halves fall a row at a time until none can; a
//   collapse can make new runs, so a chain of removals and collapses may follow one landing.
// - A level: its number sets how many smileys come, over how many rows, and how fast
//   capsules fall.
// - The cheat flag: set by restarting or skipping a level, or by a hint; see `cheated` below.
#include "capsule.h"
#include "cells.h"
#include "timers.h"

#include <array>
#include <cstdint>
#include <optional>

namespace kp {

constexpr int GridSize = 101;  // 99 rows or columns at most, plus walls and floor
constexpr int PreviewRow = 50; // setCell row that addresses the next-capsule strip

// The eleven level parameters, with their defaults (the first preset).
struct LevelParameters {
    int32_t rows = 18;
    int32_t columns = 8;
    int32_t colours = 3;
    int32_t minRun = 4;
    int32_t smileys = 5;
    int32_t smileysPerLevel = 5;
    int32_t smileyRows = 5;
    int32_t smileyRowsPerLevel = 1;
    int32_t maxSmileyRows = 14;
    int32_t firstFallPeriod = 650;
    int32_t fallPeriodStep = 10;
};

// The values each level parameter may take: what the grid (99 rows and columns inside its
// walls) and the sprites (five colours) can hold, and what makes a playable level. The
// settings file and the configuration dialog keep to them; the rules hold every value to them.
struct ParameterRange {
    int32_t LevelParameters::*field;
    int32_t min;
    int32_t max;
};
inline constexpr std::array<ParameterRange, 11> ParameterRanges{{
    {&LevelParameters::rows, 5, 99},
    {&LevelParameters::columns, 5, 99},
    {&LevelParameters::smileys, 1, 99},
    {&LevelParameters::smileyRows, 1, 99},
    {&LevelParameters::smileysPerLevel, 0, 99},
    {&LevelParameters::smileyRowsPerLevel, 0, 99},
    {&LevelParameters::maxSmileyRows, 1, 99},
    {&LevelParameters::firstFallPeriod, 100, 999},
    {&LevelParameters::fallPeriodStep, 0, 99},
    {&LevelParameters::minRun, 1, 999},
    {&LevelParameters::colours, 1, 5},
}};

// Options the rules read.
struct GameOptions {
    int32_t smileyAnimation = 2;  // 0 none, 1 slow, 2 medium, 3 fast
    int32_t removalAnimation = 2; // 0 none, 1 slow, 2 medium, 3 fast
    bool shake = false;           // shake the window when loose halves have fallen
    int32_t Pinup = 3;            // 0 none, 1 left figure, 2 right figure, 3 both by level parity
    // The game's own repeat of a held direction: the first repeat `repeatDelay` ms after the
    // press, then one every `repeatInterval` ms; an interval of 0 goes to the wall at once.
    int32_t repeatDelay = 170;
    int32_t repeatInterval = 50;
    // The turn as replays recorded before it was mended play it: a turn on the entry row may lift
    // a half into the hidden row. Only such a replay sets it.
    bool turnLeavesTheWell = false;
};

// Where a game stands between two capsules. Playing: a capsule falls. Removing: runs play their
// removal frames. Collapsing: loose halves fall a row at a time. Shaking: the window shakes
// before the collapse ends. PinUp: a won level's figure crosses the board. The capsule waits
// through all but the first.
enum class Phase { Playing, Removing, Collapsing, Shaking, PinUp };

// What the message line over the board says.
enum class Message { Level, Paused, Lost };

// Which pin-up figure crosses the strip: YY enters from the left, XX from the right.
enum class PinupFigure { FromLeft, FromRight };

struct GameState {
    using Row = std::array<int32_t, GridSize>;
    std::array<Row, GridSize> grid{};

    Capsule capsule; // the falling one
    // Whether the falling capsule's cells are in the grid: a new capsule waits unseen in the
    // hidden row 0 and is written only by its first move.
    bool capsuleInGrid = false;
    // The next capsule: a left half and a right half.
    int32_t nextHalf1 = CellEmpty;
    int32_t nextHalf2 = CellEmpty;
    // What the next-capsule strip shows. It is redrawn only when a capsule reaches row 1, so it
    // may lag behind nextHalf1/2; it is held apart from the grid (a 50-row board has a row 50).
    std::array<int32_t, 2> preview{CellEmpty, CellEmpty};

    LevelParameters params;
    GameOptions options;

    int32_t level = 1;
    int32_t smileysLeft = 0;
    std::array<int32_t, 5> Chrono{}; // h, tens of minutes, minutes, tens of seconds, seconds

    // Restarting or skipping a level, or a hint, sets it, and a won level clears it. While it is
    // set the level and smiley counters show blanks and a lost game is offered no high-score entry;
    // once a lost game has been offered its entry, it is set too, so the offer comes once.
    bool cheated = false;
    bool dropStopped = true;      // a hard drop ends at its next step (any key, a new capsule)
    std::optional<Move> heldMove; // the direction the game repeats while its key is held
    bool halvesFell = false;      // some loose half fell during the collapse under way

    bool paused = false; // the check mark of the pause menu item
    Message message = Message::Level;
    bool messageVisible = false;
    bool hidden = false;      // panic: the window is hidden in the notification area
    bool windowActive = true; // the main window is the active window

    Phase phase = Phase::Playing;
    int32_t removalTick = 0; // removal ticks, 0..8
    int32_t pinupFrame = 0;  // 0 idle, 1..24 while the pin-up plays
    int32_t shakeStep = 0;   // 0 idle, 1..4 while the window shakes

    TimerTable Timers{};

    // A cell by position; anything outside the grid reads as wall.
    int32_t at(int row, int col) const {
        if (row < 0 || row >= GridSize || col < 0 || col >= GridSize) return CellWall;
        return grid[row][col];
    }
    const TimerSlot& timer(TimerId id) const { return Timers[timerIndex(id)]; }
};

// A saved game as the engine takes it in (the window reads the file). Cells default to empty; only
// those inside the current board are used.
struct SavedGame {
    int32_t level = 1;
    int32_t smileysLeft = 0;
    std::array<int32_t, 5> Chrono{};
    bool cheated = false;
    std::array<GameState::Row, GridSize> Cells;
    SavedGame() {
        for (auto& row : Cells) row.fill(CellEmpty);
    }
};

} // namespace kp
