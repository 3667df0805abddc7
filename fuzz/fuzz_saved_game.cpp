// Saved games: a file the reader accepts is loaded into the rules and played for a few hundred
// random steps on virtual time, then saved into the same file and read back: the board that
// comes back is the board that was saved.
//
// The board size and the options come from the file's own "Configuration" and "Options"
// sections when it has them, as when a player saves a game into the settings file itself;
// the commands come from a generator seeded with the input, so a run can be replayed.
#include "fuzz/scratch.h"

#include "engine/game.h"
#include "engine/virtual_clock.h"
#include "persistence/saved_game.h"
#include "persistence/settings.h"

#include <memory>

namespace {

using namespace kp;
using fuzz::Check;

constexpr int Steps = 300;

// The window's part: the score table the rules ask about.
struct Window : GameEvents {
    const ScoreTable* scores = nullptr;
    bool recordQualifies(int32_t level, int32_t smileysLeft) override {
        return qualifiesForScores(*scores, level, smileysLeft, false);
    }
};

void Play(Game& game, VirtualClock& clock, Random& pick) {
    static constexpr Command keys[] = {Command::Left, Command::Right, Command::Turn, Command::Down,
                                       Command::Drop, Command::Panic, Command::Other};
    for (int step = 0; step < Steps; ++step) {
        const int what = pick(100);
        if (what < 55) {
            clock.step(); // one timer at a time: a 1 ms removal period cannot run away
            continue;
        }
        if (what < 88) {
            game.handle(keys[pick(static_cast<int32_t>(std::size(keys)))]);
            game.unhide();
        } else if (what < 92) {
            game.togglePause();
        } else if (what < 94) {
            game.restartLevel();
        } else if (what < 96) {
            game.skipLevel();
        } else {
            game.setWindowActive(!game.state().windowActive);
        }
        clock.sync();
    }
}

// What the file must hold for one cell: the grid, but the falling capsule as empty cells, and
// nothing (empty) outside the board with its walls.
int32_t SavedCell(const GameState& s, int row, int col) {
    if (row > s.params.rows + 1 || col > s.params.columns + 1) return CellEmpty;
    if (s.capsuleInGrid) {
        const bool vertical = s.capsule.orientation == 1 || s.capsule.orientation == 3;
        const bool second = vertical ? row == s.capsule.row + 1 && col == s.capsule.col
                                     : row == s.capsule.row && col == s.capsule.col + 1;
        if ((row == s.capsule.row && col == s.capsule.col) || second) return CellEmpty;
    }
    return s.grid[row][col];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratch("input.Kembrolla", data, size);
    auto opened = std::make_unique<SavedGame>();
    if (readSavedGame(path, "kembrolla-panic.ini", *opened) != LoadResult::Loaded) return 0;

    Settings settings;
    loadSettings(settings, path);
    Window window;
    window.scores = &settings.scores;
    const uint32_t seed = fuzz::Hash(data, size);
    Game game(window, seed);
    game.setParameters(settings.parameters);
    game.setSmileyAnimation(settings.smileyAnimation);
    game.setRemovalAnimation(settings.removalAnimation);
    game.setShake(settings.shake != 0);
    game.setPinup(settings.Pinup);
    // Start-up with a saved game on the command line: a new game, then the file.
    game.newGame();
    game.newGame(opened.get());
    VirtualClock clock(game);
    Random pick(seed ^ 0x5A5A5A5Au);
    Play(game, clock, pick);

    const GameState& s = game.state();
    Check(writeSavedGame(path, s).ok(), "the game is saved into the file");
    auto back = std::make_unique<SavedGame>();
    Check(readSavedGame(path, "kembrolla-panic.ini", *back) == LoadResult::Loaded,
          "a saved game reads as a saved game");
    for (int row = 0; row < GridSize; ++row)
        for (int col = 0; col < GridSize; ++col)
            Check(back->Cells[row][col] == SavedCell(s, row, col), "the same cells come back");
    Check(back->level == s.level && back->smileysLeft == s.smileysLeft &&
              back->Chrono == s.Chrono && back->cheated == s.cheated,
          "the level, the counters and the cheat flag come back");
    return 0;
}
