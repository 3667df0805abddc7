#pragma once
#include "events.h"
#include "game_state.h"
#include "random.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kp {

// What the player asks of the rules. The window maps its keys onto these; any key that is none
// of them is Other, which still resumes a paused game and ends a hard drop.
enum class Command { Left, Right, Turn, Down, Drop, Panic, Other };

// What a versus match hears from a board and asks of it. A game on its own has none, and then
// none of this changes anything it does.
class BoardHooks {
  public:
    enum class End { PlaysOn, Won, Lost };
    virtual ~BoardHooks() = default;
    // A run search marked these runs: the colour of each, in the order found (row by row from
    // the top, by first cell from the left; a line across before a line down from the same
    // cell). A cross of two lines is two runs.
    virtual void runsFound(const std::vector<int32_t>& /*colours*/) {}
    // A search found no run: the chain under way is over, and the board is won (no smiley
    // left), lost (its entry is taken) or plays on. Won or lost, the board stops there (its
    // capsule no longer falls) and the match says what comes next; playing on, the hooks may
    // drop loose halves in (Game::dropHalves) before the next capsule enters.
    virtual void chainEnded(End) {}
};

// The rules of the game over one GameState. Nothing here sleeps or reads a clock: every
// delay is a timer of the table in the state, fired by a driver through fire().
class Game {
  public:
    // The fall period never goes below this, whatever the level (at 650 ms and 10 ms a level
    // the bare formula would reach 0 at level 66 and the capsule would stop falling).
    static constexpr int32_t MinFallPeriod = 50;
    static constexpr int32_t DropStepPeriod = 50;
    static constexpr int32_t ShakeStepPeriod = 100;
    static constexpr int32_t PinupFrames = 24;
    // How often a direction repeated with no interval looks for room again (the capsule may
    // have fallen past what stopped it).
    static constexpr int32_t WallRepeatPeriod = 16;

    explicit Game(GameEvents& events, uint32_t seed = 0);

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    Random& random() { return random_; }
    const Random& random() const { return random_; }
    // The cells the game has gone through since it was made (every look at the whole board, a
    // set-up's whole grid): what replaying its inputs costs, besides the random draws.
    int64_t cellsVisited() const { return cellsVisited_; }

    // Game flow.
    // A new game from level 1, or the saved game given.
    void newGame(const SavedGame* saved = nullptr);
    // The current level's board: fresh smileys, or the saved game's cells.
    void setUpLevel(const SavedGame* saved = nullptr);
    void bringNextCapsule();
    void restartLevel();
    void skipLevel();
    // The player was shown where the capsule should go: the game counts as helped, as a
    // restarted level does.
    void markHelped();
    void togglePause();
    void pause();
    void resume();
    void panic();
    void unhide();
    void setWindowActive(bool active) { s_.windowActive = active; }

    // Moves the falling capsule when the cells it would take are free; false when refused. A
    // refused move down lands it.
    bool move(Move direction);
    void handle(Command command);
    // The same commands from a window that repeats held keys itself (its own repeats are
    // ignored): a held left, right or down repeats on the Repeat timer until released, the
    // game pauses or another direction is pressed; nothing else repeats.
    void press(Command command);
    void release(Command command);
    void stopRepeat();
    void setKeyRepeat(int32_t delay, int32_t interval);

    void findRuns();
    void tickChrono();

    // For a versus match. The hooks hear the runs and the ends of chains (null: none).
    void setHooks(BoardHooks* hooks) { hooks_ = hooks; }
    // Capsules drawn from a generator of their own with this seed, not the smileys' one.
    void setCapsuleSeed(uint32_t seed) { capsuleRandom_.emplace(seed); }
    // The capsules' own generator; null when they come from random().
    const Random* capsuleRandom() const { return capsuleRandom_ ? &*capsuleRandom_ : nullptr; }
    // Loose halves put in row 1 (column, colour each) that fall as a collapse does, then a
    // search; the capsule waits. Columns whose row-1 cell is taken are skipped.
    void dropHalves(const std::vector<std::pair<int32_t, int32_t>>& halves);

    // Settings the rules read. Parameters take effect at the next level set-up.
    void setParameters(const LevelParameters& p);
    void setSmileyAnimation(int32_t value);
    void setRemovalAnimation(int32_t value);
    void setShake(bool on) { s_.options.shake = on; }
    void setPinup(int32_t value) { s_.options.Pinup = value; }

    // Timers: fire() runs the handler of a running timer (others are ignored).
    void fire(TimerId id);
    void onFallTick() { move(Move::Down); }
    void onRemovalTick();
    void onCollapseTick();
    void onSmileyTick();
    void onClockTick();
    void onPinupTick();
    void onDropTick();
    void onShakeTick();
    void onRepeatTick();

    int32_t fallPeriod() const;
    PinupFigure pinupFigure() const;
    // A removal, collapse, shake or pin-up is under way: the capsule must wait.
    bool chainRunning() const;

    static int32_t smileyPeriod(int32_t smileyAnimation);
    static int32_t removalPeriod(int32_t removalAnimation);

  private:
    void setCell(int row, int col, int32_t code);
    void setPreview(int col, int32_t code);
    void setEnabled(TimerId id, bool enabled);
    void setPeriod(TimerId id, int32_t period);
    void restart(TimerId id, int32_t period);
    // Holds (or lets go of) the timers of a chain: removal, collapse, shake and pin-up.
    void holdChain(bool held);
    void setMessage(Message m, bool visible);
    // A capsule in view that the player may move (not during a chain or a pause).
    bool capsuleMovable() const;

    void drawNextCapsule();
    void placeSmileys();
    // The run search's steps: marks the runs (false when there is none), frees the halves
    // whose partner is marked, tells the hooks the runs found.
    bool markRuns();
    void loosenPartners();
    void reportRuns();
    void loadSavedGame(const SavedGame& saved);
    void land();
    void soundAndShake();
    void endCollapse();
    void endOfSearch();
    void levelWon();
    void gameLost();
    void startPinup();
    void nextLevel();
    void stopSequences();
    // Counts `times` looks at the whole board, hidden row included.
    void visitBoard(int times = 1) {
        cellsVisited_ += times * int64_t{s_.params.rows + 1} * s_.params.columns;
    }

    GameEvents& ev_;
    GameState s_;
    Random random_;
    uint32_t levelsSetUp_ = 0; // counts setUpLevel calls, so a landing can tell one happened
    int64_t cellsVisited_ = 0;
    bool wholeBoard_ = false; // the board is being set up whole: no cell is reported alone
    BoardHooks* hooks_ = nullptr;
    std::optional<Random> capsuleRandom_;
    std::vector<int32_t> runColours_;
    // Scratch space of findRuns: colour classes, vertical segments, marked cells. Each search
    // writes the board's part before it reads it, so nothing is cleared beforehand: a board
    // nobody searches yet (the player's, before the first landing) costs no memory for it.
    template <typename T> using Plane = std::array<std::array<T, GridSize>, GridSize>;
    Plane<int8_t> classes_;
    Plane<int16_t> posV_, lenV_;
    Plane<bool> marked_;
};

} // namespace kp
