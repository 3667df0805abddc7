#include "fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace kp::test {

TEST(CellCodes, colourDigitIsTheSecondDecimalCharacter) {
    EXPECT_EQ(colourDigit(capsuleCode(3, LinkLeft)), 3);
    EXPECT_EQ(colourDigit(smileyCode(4, 2)), 4);
    EXPECT_EQ(colourDigit(removalCode(2, 3)), 7); // a cell being removed: colour + 5
    EXPECT_EQ(colourDigit(CellEmpty), 9);
    EXPECT_EQ(colourDigit(CellWall), 9);
    EXPECT_EQ(colourDigit(12345), 2);
    EXPECT_EQ(colourDigit(-7), -1);
    EXPECT_EQ(colourDigit(INT32_MIN), 1); // 2147483648
    EXPECT_TRUE(coloursMatch(colourDigit(removalCode(1, 0)), colourDigit(capsuleCode(1, 0))));
    EXPECT_FALSE(coloursMatch(colourDigit(removalCode(1, 0)), colourDigit(capsuleCode(2, 0))));
}

TEST(RandomGenerator, followsTheLinearCongruentialSequence) {
    Random r(1);
    // seed 1 -> 134775814; 134775814 * 100 / 2^32 = 3.13...
    EXPECT_EQ(r(100), 3);
    EXPECT_EQ(r.seed(), 134775814u);
    Random a(42), b(42);
    for (int i = 0; i < 1000; ++i) {
        const int32_t n = 1 + i % 97;
        const int32_t x = a(n);
        EXPECT_EQ(x, b(n));
        EXPECT_GE(x, 0);
        EXPECT_LT(x, n);
    }
    EXPECT_EQ(a(0), 0);
    EXPECT_EQ(a(-5), 0);
}

TEST(Grid, smallestBoardHasWallsFloorAndHiddenRow) {
    LevelParameters p;
    p.rows = 5;
    p.columns = 5;
    p.smileyRows = 1;
    p.maxSmileyRows = 1;
    Scenario sc(p);
    const GameState& s = sc.s();
    for (int r = 0; r <= 5; ++r) {
        EXPECT_EQ(s.grid[r][0], CellWall);
        EXPECT_EQ(s.grid[r][6], CellWall);
    }
    for (int c = 0; c <= 6; ++c) EXPECT_EQ(s.grid[6][c], CellWall);
    for (int c = 1; c <= 5; ++c) EXPECT_EQ(s.grid[0][c], CellEmpty);
}

TEST(Grid, aLevelSetUpRedrawsTheWholeBoardOnceAndNoCellAlone) {
    Scenario sc;
    sc.ev.drawn.clear();
    sc.ev.boards = 0;
    sc.game.setUpLevel();
    EXPECT_EQ(sc.ev.boards, 1); // nothing of the last level stays on screen
    // The capsule waits unseen in row 0: no cell of the board was drawn on its own.
    EXPECT_TRUE(sc.ev.drawn.empty());
    // Afterwards cells are reported one by one again.
    sc.resume();
    sc.run(sc.game.fallPeriod());
    EXPECT_FALSE(sc.ev.drawn.empty());
}

} // namespace kp::test
