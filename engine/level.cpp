// Setting up a level: the board, its smileys (or a saved game), and the capsules.
#include "game.h"

#include <algorithm>
#include <limits>

namespace kp {

void Game::newGame(const SavedGame* saved) {
    s_.cheated = false;
    s_.level = 1;
    s_.Chrono.fill(0);
    ev_.counterChanged(Counter::Chrono);
    setUpLevel(saved);
}

void Game::restartLevel() {
    s_.cheated = true;
    setUpLevel();
}

void Game::skipLevel() {
    s_.cheated = true;
    nextLevel();
}

void Game::markHelped() {
    if (s_.cheated) return;
    s_.cheated = true;
    ev_.counterChanged(Counter::Level);
    ev_.counterChanged(Counter::Smileys);
}

void Game::nextLevel() {
    if (s_.level < std::numeric_limits<int32_t>::max()) ++s_.level;
    setUpLevel();
}

// Ends the sequences that would otherwise reach into the new level: a hard drop, a window
// shake (which would restart the collapse on the new board) and a pin-up animation (which
// would skip a level when it ends).
void Game::stopSequences() {
    s_.dropStopped = true;
    setEnabled(TimerId::Drop, false);
    if (s_.shakeStep > 0) {
        s_.shakeStep = 0;
        setEnabled(TimerId::Shake, false);
        ev_.windowShake(0);
    }
    if (s_.pinupFrame > 0) {
        s_.pinupFrame = 0;
        setPeriod(TimerId::Pinup, 0);
        ev_.pinupFrame(0, pinupFigure());
    }
    s_.removalTick = 0;
    s_.phase = Phase::Playing;
}

void Game::setUpLevel(const SavedGame* saved) {
    ++levelsSetUp_;
    cellsVisited_ += int64_t{GridSize} * GridSize;
    setEnabled(TimerId::Fall, false);
    setEnabled(TimerId::Removal, false);
    setEnabled(TimerId::Collapse, false);
    stopSequences();

    const int rows = s_.params.rows, columns = s_.params.columns;
    wholeBoard_ = true;
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c) setCell(r, c, CellEmpty);
    for (int c = 0; c <= columns + 1; ++c) setCell(rows + 1, c, CellWall);
    for (int r = 0; r <= rows; ++r) {
        setCell(r, 0, CellWall);
        setCell(r, columns + 1, CellWall);
    }
    // Beyond the board every cell is wall, whatever an earlier, larger board left there: a game
    // depends on nothing but how it began and what it was given, so its recording replays it.
    for (int r = 0; r < GridSize; ++r)
        for (int c = r <= rows + 1 ? columns + 2 : 0; c < GridSize; ++c) s_.grid[r][c] = CellWall;
    s_.capsuleInGrid = false;

    if (saved)
        loadSavedGame(*saved);
    else
        placeSmileys();
    wholeBoard_ = false;
    ev_.boardChanged();

    ev_.counterChanged(Counter::Smileys);
    ev_.counterChanged(Counter::Level);
    drawNextCapsule();
    setPreview(1, s_.nextHalf1);
    setPreview(2, s_.nextHalf2);
    bringNextCapsule();
    setPeriod(TimerId::Fall, fallPeriod());
    pause();
    if (!saved) setMessage(Message::Level, true);
}

void Game::placeSmileys() {
    const int64_t rows = s_.params.rows, columns = s_.params.columns;
    const int64_t level = s_.level;
    int64_t bandRows = (level - 1) * s_.params.smileyRowsPerLevel + s_.params.smileyRows;
    bandRows = std::min<int64_t>(bandRows, s_.params.maxSmileyRows);
    // Smileys stay on the visible rows, whatever the parameters say.
    bandRows = std::clamp<int64_t>(bandRows, 0, rows);
    const int64_t wanted = (level - 1) * s_.params.smileysPerLevel + s_.params.smileys;
    const int64_t place = bandRows * columns;
    int32_t placed = 0;
    while (placed < wanted && placed < place) {
        const int row =
            random_(static_cast<int32_t>(bandRows)) + 1 + static_cast<int>(rows - bandRows);
        const int col = random_(static_cast<int32_t>(columns)) + 1;
        if (s_.grid[row][col] != CellEmpty) continue;
        const int colour = random_(s_.params.colours);
        const int phase = random_(4) + 1;
        setCell(row, col, smileyCode(colour, phase));
        ++placed;
    }
    s_.smileysLeft = placed;
}

void Game::loadSavedGame(const SavedGame& saved) {
    // A game saved in the middle of a chain holds cells being removed and halves in mid-air.
    // The removals are finished (the cells are emptied) and the board settles as it does after
    // a removal: loose halves fall, new runs go, then the capsule comes. On a settled board
    // this only counts the smileys again before the first fall.
    for (int r = 0; r <= s_.params.rows; ++r)
        for (int c = 1; c <= s_.params.columns; ++c) {
            const int32_t code = saved.Cells[r][c];
            setCell(r, c, isRemoval(code) ? CellEmpty : code);
        }
    s_.level = saved.level;
    s_.smileysLeft = saved.smileysLeft;
    s_.Chrono = saved.Chrono;
    s_.cheated = saved.cheated;
    ev_.counterChanged(Counter::Chrono);
    s_.halvesFell = false;
    s_.phase = Phase::Collapsing;
    setEnabled(TimerId::Collapse, true);
}

void Game::drawNextCapsule() {
    Random& random = capsuleRandom_ ? *capsuleRandom_ : random_;
    s_.nextHalf1 = capsuleCode(random(s_.params.colours), LinkLeft);
    s_.nextHalf2 = capsuleCode(random(s_.params.colours), LinkRight);
}

void Game::bringNextCapsule() {
    s_.dropStopped = true;
    // It waits unseen in the hidden row 0, lying flat in the middle, until its first fall.
    s_.capsule = Capsule{0, s_.params.columns / 2, 2, s_.nextHalf1, s_.nextHalf2};
    s_.capsuleInGrid = false;
    drawNextCapsule();
}

} // namespace kp
