// The run search against the plainest scan there is: from every start cell, count the matching
// cells that follow, mark the run and free the partners it cuts off.
#include "fixture.h"

#include <gtest/gtest.h>

#include <random>

namespace kp::test {

namespace {

using Grid = std::array<GameState::Row, GridSize>;

int digit(int32_t code) {
    return colourDigit(code);
}
bool matches(int32_t a, int32_t b) {
    return coloursMatch(digit(a), digit(b)) && b != CellEmpty && b != CellWall;
}
void freeIf(Grid& g, int r, int c, int link) {
    if (r < 0) return;
    const int32_t code = g[r][c];
    if (isCapsuleHalf(code) && linkOf(code) == link) g[r][c] = code - link;
}

// Returns whether a run was found.
bool classicScan(Grid& g, int rows, int columns, int minRun) {
    bool found = false;
    auto mark = [&](int32_t start) {
        int c = digit(start);
        if (c > 4) c -= 5;
        return removalCode(c, 0);
    };
    for (int col = 1; col <= columns; ++col)
        for (int row = 0; row <= rows - minRun + 1; ++row) {
            const int32_t start = g[row][col];
            if (start == CellEmpty || start == CellWall || digit(start) < 0) continue;
            int n = 1;
            while (matches(start, g[row + n][col])) ++n;
            if (n < minRun) continue;
            found = true;
            for (int i = 0; i < n; ++i) g[row + i][col] = mark(start);
            freeIf(g, row - 1, col, LinkTop);
            freeIf(g, row + n, col, LinkBottom);
            for (int i = 0; i < n; ++i) {
                freeIf(g, row + i, col - 1, LinkLeft);
                freeIf(g, row + i, col + 1, LinkRight);
            }
        }
    for (int row = 0; row <= rows; ++row)
        for (int col = 1; col <= columns - minRun + 1; ++col) {
            const int32_t start = g[row][col];
            if (start == CellEmpty || start == CellWall || digit(start) < 0) continue;
            int n = 1;
            while (matches(start, g[row][col + n])) ++n;
            if (n < minRun) continue;
            found = true;
            for (int i = 0; i < n; ++i) g[row][col + i] = mark(start);
            freeIf(g, row, col - 1, LinkLeft);
            freeIf(g, row, col + n, LinkRight);
            for (int i = 0; i < n; ++i) {
                freeIf(g, row - 1, col + i, LinkTop);
                freeIf(g, row + 1, col + i, LinkBottom);
            }
        }
    return found;
}

} // namespace

TEST(RunSearch, marksExactlyWhatTheClassicScanMarks) {
    std::mt19937 rng(2024);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int trial = 0; trial < 3000; ++trial) {
        LevelParameters p;
        p.rows = pick(5, 14);
        p.columns = pick(5, 12);
        p.minRun = pick(1, 7);
        Scenario sc(p, static_cast<uint32_t>(trial));
        GameState& s = sc.s();
        const int colours = pick(1, 3);
        for (int r = 0; r <= p.rows; ++r)
            for (int c = 1; c <= p.columns; ++c) {
                const int kind = pick(0, 9);
                const int colour = pick(0, colours - 1);
                s.grid[r][c] = kind < 3   ? CellEmpty
                               : kind < 6 ? capsuleCode(colour, pick(0, 4))
                               : kind < 8 ? smileyCode(colour, pick(1, 4))
                               : kind < 9 ? removalCode(colour, pick(0, 4))
                                          : pick(-20, 20); // codes of one digit never match
            }
        Grid expected = s.grid;
        const bool found = classicScan(expected, p.rows, p.columns, p.minRun);
        // (With no smiley left the level is won, but the pin-up step leaves the board as it is.)
        sc.game.findRuns();
        ASSERT_EQ(s.grid, expected) << "trial " << trial;
        ASSERT_EQ(s.timer(TimerId::Removal).enabled, found) << "trial " << trial;
    }
}

} // namespace kp::test
