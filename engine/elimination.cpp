// Finding runs of one colour, the removal animation and the collapse of loose halves.
#include "game.h"

namespace kp {

namespace {

// A cell that can take part in a run, and its colour class (colour digit modulo 5, so a cell
// being removed still matches its own colour). -1 for cells that never do.
int colourClass(int32_t code) {
    if (code == CellEmpty || code == CellWall) return -1;
    if (code >= 100 && code <= 999) return (code / 10) % 5;    // capsule halves, removals
    if (code >= -999 && code <= -100) return (-code / 10) % 5; // smileys
    const int d = colourDigit(code);
    return d < 0 ? -1 : d % 5;
}

bool isHalfWithLink(int32_t code, int link) {
    return code >= 100 && code <= 144 && code % 10 == link;
}

// For the n cells of one row (their classes k[0..n-1]): pos[i], the place of cell i in its
// one-class segment (1 for the first), and len[i], the segment's length; both 0 for cells that
// never match. No branch depends on the colours: on a board of random colours mispredicted
// branches would cost more than the search itself. (The columns get the same recurrence, run
// over whole rows at a time.)
void segments(const int8_t* k, int n, int16_t* pos, int16_t* len) {
    int prev = -1;
    int run = 0;
    for (int i = 0; i < n; ++i) {
        const int cur = k[i];
        run = cur == prev ? run + 1 : 1;
        run = cur < 0 ? 0 : run;
        pos[i] = static_cast<int16_t>(run);
        prev = cur;
    }
    int total = 0;
    for (int i = n - 1; i >= 0; --i) {
        const bool continues = i + 1 < n && pos[i] > 0 && pos[i + 1] == pos[i] + 1;
        total = continues ? total : pos[i];
        len[i] = static_cast<int16_t>(total);
    }
}

} // namespace

// Marks every run of at least minRun cells of one colour, vertical or
// horizontal (hidden row 0 included), then frees every capsule half whose partner was marked.
// Matching is an equivalence on colour classes, so the runs are exactly the maximal one-class
// segments of at least that length; marking and freeing never change a cell's class, so
// marking everything first and freeing afterwards gives the cells the same final codes as
// marking and freeing run by run.
void Game::findRuns() {
    if (!markRuns()) return endOfSearch();
    loosenPartners();
    if (hooks_) reportRuns();
    setEnabled(TimerId::Fall, false);
    s_.removalTick = 0;
    s_.phase = Phase::Removing;
    setEnabled(TimerId::Removal, true);
    ev_.soundWanted(Sound::Removal);
}

bool Game::markRuns() {
    const int rows = s_.params.rows, columns = s_.params.columns;
    const int64_t minRun = s_.params.minRun;
    visitBoard(4); // classes, the two vertical passes, the horizontal segments and marks

    for (int r = 0; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            classes_[r][c] = static_cast<int8_t>(colourClass(s_.grid[r][c]));

    // Vertical segments, a whole row at a time (the columns are independent).
    for (int r = 0; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c) {
            const int k = classes_[r][c];
            const int above = r > 0 && classes_[r - 1][c] == k ? posV_[r - 1][c] + 1 : 1;
            posV_[r][c] = static_cast<int16_t>(k < 0 ? 0 : above);
        }
    for (int r = rows; r >= 0; --r)
        for (int c = 1; c <= columns; ++c) {
            const bool continues =
                r < rows && posV_[r][c] > 0 && posV_[r + 1][c] == posV_[r][c] + 1;
            lenV_[r][c] = continues ? lenV_[r + 1][c] : posV_[r][c];
        }

    bool found = false;
    int16_t pos[GridSize], len[GridSize];
    for (int r = 0; r <= rows; ++r) {
        segments(&classes_[r][1], columns, pos + 1, len + 1);
        for (int c = 1; c <= columns; ++c) {
            marked_[r][c] = len[c] >= minRun || lenV_[r][c] >= minRun;
            if (!marked_[r][c]) continue;
            found = true;
            const int32_t code = removalCode(classes_[r][c], 0);
            if (s_.grid[r][c] != code) setCell(r, c, code);
        }
    }
    return found;
}

void Game::loosenPartners() {
    visitBoard();
    // Frees the half at (row, col) if its link points at the marked cell next to it.
    // (row is at least -1 and at most rows + 1, col within 0 .. columns + 1.)
    auto loosen = [&](int row, int col, int link) {
        if (row < 0) return;
        const int32_t code = s_.grid[row][col];
        if (isHalfWithLink(code, link)) setCell(row, col, code - link);
    };
    for (int r = 0; r <= s_.params.rows; ++r)
        for (int c = 1; c <= s_.params.columns; ++c)
            if (marked_[r][c]) {
                loosen(r - 1, c, LinkTop);
                loosen(r + 1, c, LinkBottom);
                loosen(r, c - 1, LinkLeft);
                loosen(r, c + 1, LinkRight);
            }
}

// Each run once, by its first cell: a segment of enough cells that starts there.
void Game::reportRuns() {
    visitBoard();
    const int64_t minRun = s_.params.minRun;
    runColours_.clear();
    int16_t pos[GridSize], len[GridSize];
    for (int r = 0; r <= s_.params.rows; ++r) {
        segments(&classes_[r][1], s_.params.columns, pos + 1, len + 1);
        for (int c = 1; c <= s_.params.columns; ++c) {
            if (pos[c] == 1 && len[c] >= minRun) runColours_.push_back(classes_[r][c]);
            if (posV_[r][c] == 1 && lenV_[r][c] >= minRun) runColours_.push_back(classes_[r][c]);
        }
    }
    hooks_->runsFound(runColours_);
}

void Game::dropHalves(const std::vector<std::pair<int32_t, int32_t>>& halves) {
    bool dropped = false;
    for (const auto& [col, colour] : halves) {
        if (col < 1 || col > s_.params.columns || s_.grid[1][col] != CellEmpty) continue;
        setCell(1, col, capsuleCode(colour, LinkLoose));
        dropped = true;
    }
    if (!dropped) return;
    setEnabled(TimerId::Fall, false);
    s_.halvesFell = false;
    s_.phase = Phase::Collapsing;
    setEnabled(TimerId::Collapse, true);
}

void Game::onRemovalTick() {
    ++s_.removalTick;
    const int rows = s_.params.rows, columns = s_.params.columns;
    if (s_.removalTick >= 5) {
        visitBoard();
        for (int r = 0; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                if (isRemoval(s_.grid[r][c])) setCell(r, c, s_.grid[r][c] + 1);
    }
    if (s_.removalTick >= 8) {
        visitBoard();
        for (int r = 0; r <= rows; ++r)
            for (int c = 1; c <= columns; ++c)
                if (isRemoval(s_.grid[r][c])) setCell(r, c, CellEmpty);
        s_.removalTick = 0;
        setEnabled(TimerId::Removal, false);
        s_.halvesFell = false;
        s_.phase = Phase::Collapsing;
        setEnabled(TimerId::Collapse, true);
    }
}

void Game::onCollapseTick() {
    const int rows = s_.params.rows, columns = s_.params.columns;
    bool moved = false;
    visitBoard();
    for (int r = rows - 1; r >= 0; --r) {
        for (int c = columns; c >= 1; --c) {
            const int32_t code = s_.grid[r][c];
            if (!isCapsuleHalf(code)) continue;
            switch (linkOf(code)) {
            case LinkLoose:
                if (s_.grid[r + 1][c] == CellEmpty) {
                    setCell(r + 1, c, code);
                    setCell(r, c, CellEmpty);
                    moved = true;
                }
                break;
            case LinkTop: {
                const int32_t lower = s_.grid[r + 1][c];
                if (isHalfWithLink(lower, LinkBottom) && s_.grid[r + 2][c] == CellEmpty) {
                    setCell(r + 2, c, lower);
                    setCell(r + 1, c, code);
                    setCell(r, c, CellEmpty);
                    moved = true;
                }
                break;
            }
            case LinkLeft: {
                const int32_t right = s_.grid[r][c + 1];
                if (isHalfWithLink(right, LinkRight) && s_.grid[r + 1][c] == CellEmpty &&
                    s_.grid[r + 1][c + 1] == CellEmpty) {
                    setCell(r + 1, c, code);
                    setCell(r + 1, c + 1, right);
                    setCell(r, c, CellEmpty);
                    setCell(r, c + 1, CellEmpty);
                    moved = true;
                }
                break;
            }
            default:
                break;
            }
        }
    }
    if (moved) {
        s_.halvesFell = true;
        return;
    }
    if (s_.halvesFell) {
        soundAndShake();
        if (s_.shakeStep > 0) return; // the collapse ends when the shake does
    }
    endCollapse();
}

void Game::endCollapse() {
    setEnabled(TimerId::Collapse, false);
    s_.phase = Phase::Playing;
    setEnabled(TimerId::Fall, true);
    findRuns();
}

void Game::soundAndShake() {
    if (s_.options.removalAnimation > 0) ev_.soundWanted(Sound::Landing);
    if (s_.options.shake) {
        // The collapse waits while the window shakes: 400 ms in four steps.
        setEnabled(TimerId::Collapse, false);
        s_.shakeStep = 1;
        s_.phase = Phase::Shaking;
        restart(TimerId::Shake, ShakeStepPeriod);
    }
}

void Game::onShakeTick() {
    static constexpr int offsets[] = {2, 0, 1, 0};
    ev_.windowShake(offsets[s_.shakeStep - 1]);
    if (++s_.shakeStep <= 4) return;
    s_.shakeStep = 0;
    setEnabled(TimerId::Shake, false);
    endCollapse();
}

} // namespace kp
