#include "fixture.h"

#include <gtest/gtest.h>

namespace kp::test {

namespace {
// Rows holding smileys, as (first, last).
std::pair<int, int> smileyRows(const GameState& s) {
    int first = 1000, last = -1;
    for (int r = 0; r <= s.params.rows; ++r)
        for (int c = 1; c <= s.params.columns; ++c)
            if (isSmiley(s.grid[r][c])) {
                first = std::min(first, r);
                last = std::max(last, r);
            }
    return {first, last};
}
} // namespace

TEST(LevelSetUp, smileyCountAndBandGrowWithTheLevel) {
    for (uint32_t seed : {1u, 2u, 3u, 99u}) {
        Scenario sc({}, seed);
        EXPECT_EQ(sc.s().smileysLeft, 5);
        EXPECT_EQ(sc.smileys(), 5);
        EXPECT_GE(smileyRows(sc.s()).first, 14);

        sc.s().level = 3;
        sc.game.setUpLevel();
        EXPECT_EQ(sc.smileys(), 15);
        EXPECT_GE(smileyRows(sc.s()).first, 12);

        sc.s().level = 12; // the band stops at 14 rows, the count goes on growing
        sc.game.setUpLevel();
        EXPECT_EQ(sc.smileys(), 60);
        EXPECT_GE(smileyRows(sc.s()).first, 5);
        EXPECT_LE(smileyRows(sc.s()).second, 18);
    }
}

TEST(LevelSetUp, placingStopsWhenTheBandIsFull) {
    LevelParameters p;
    p.smileys = 99;
    p.smileyRows = 2;
    Scenario sc(p);
    EXPECT_EQ(sc.s().smileysLeft, 2 * 8);
    EXPECT_EQ(sc.smileys(), 16);
}

TEST(LevelSetUp, smileysStayOnTheVisibleRowsWhateverTheParameters) {
    LevelParameters p;
    p.rows = 5;
    p.smileyRows = 99;
    p.maxSmileyRows = 99;
    p.smileys = 99;
    Scenario sc(p);
    sc.s().level = 40;
    sc.game.setUpLevel();
    EXPECT_EQ(sc.smileys(), 5 * 8);
    EXPECT_EQ(sc.count(CellEmpty), 8); // only the hidden row 0 is left empty
}

TEST(LevelSetUp, fallPeriodShrinksPerLevelAndKeepsAFloor) {
    Scenario sc;
    EXPECT_EQ(sc.game.fallPeriod(), 650);
    sc.s().level = 10;
    EXPECT_EQ(sc.game.fallPeriod(), 560);
    sc.s().level = 66; // the bare formula gives 0
    EXPECT_EQ(sc.game.fallPeriod(), Game::MinFallPeriod);
    sc.s().level = INT32_MAX;
    EXPECT_EQ(sc.game.fallPeriod(), Game::MinFallPeriod);
    sc.s().level = INT32_MIN;
    EXPECT_EQ(sc.game.fallPeriod(), INT32_MAX);
}

TEST(LevelSetUp, freshLevelWaitsPausedWithItsNumber) {
    Scenario sc;
    const GameState& s = sc.s();
    EXPECT_TRUE(s.paused);
    EXPECT_EQ(s.message, Message::Level);
    EXPECT_TRUE(s.messageVisible);
    EXPECT_EQ(s.timer(TimerId::Fall).period, 0);
    EXPECT_FALSE(s.timer(TimerId::Fall).enabled);
    // The capsule waits unseen in row 0, entering at column columns div 2.
    EXPECT_EQ(s.capsule.row, 0);
    EXPECT_EQ(s.capsule.col, 4);
    EXPECT_EQ(s.capsule.orientation, 2);
    EXPECT_EQ(sc.count(s.capsule.half1) + sc.count(s.capsule.half2), 0);
    EXPECT_EQ(linkOf(s.capsule.half1), LinkLeft);
    EXPECT_EQ(linkOf(s.nextHalf2), LinkRight);
}

TEST(LevelSetUp, sameSeedReplaysTheSameLevel) {
    Scenario a({}, 777), b({}, 777);
    EXPECT_EQ(a.text(), b.text());
    EXPECT_EQ(a.s().nextHalf1, b.s().nextHalf1);
}

TEST(SavedGames, loadedGameKeepsItsCellsAndWaitsPaused) {
    Scenario sc;
    SavedGame saved;
    saved.level = 7;
    saved.smileysLeft = 42; // taken as stored
    saved.Chrono = {1, 2, 3, 4, 5};
    saved.cheated = true;
    saved.Cells[18][1] = smileyCode(2, 3);
    saved.Cells[17][8] = capsuleCode(1, LinkLoose);
    saved.Cells[18][9] = smileyCode(0, 1); // beyond the board: ignored
    saved.Cells[18][0] = CellEmpty;        // walls are not read
    saved.Cells[5][5] = -123456789;        // any value is placed unchanged
    sc.game.newGame(&saved);
    const GameState& s = sc.s();
    EXPECT_EQ(s.level, 7);
    EXPECT_EQ(s.smileysLeft, 42);
    EXPECT_EQ(s.Chrono, (std::array<int32_t, 5>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(s.cheated);
    EXPECT_EQ(s.grid[18][1], smileyCode(2, 3));
    EXPECT_EQ(s.grid[17][8], capsuleCode(1, 0));
    EXPECT_EQ(s.grid[18][9], CellWall);
    EXPECT_EQ(s.grid[18][0], CellWall);
    EXPECT_EQ(s.grid[5][5], -123456789);
    EXPECT_TRUE(s.paused);
    EXPECT_EQ(s.message, Message::Paused);
}

TEST(SavedGames, aGameSavedDuringAChainFinishesItAfterLoading) {
    Scenario sc;
    sc.game.setRemovalAnimation(2);
    SavedGame saved;
    saved.smileysLeft = 2;
    // A column of blue being removed under a loose yellow half and a standing capsule.
    saved.Cells[18][1] = smileyCode(0, 1);
    saved.Cells[18][8] = smileyCode(2, 1);
    for (int r = 14; r <= 17; ++r) saved.Cells[r][1] = removalCode(0, 3);
    saved.Cells[13][1] = capsuleCode(1, LinkLoose);
    saved.Cells[11][1] = capsuleCode(2, LinkTop);
    saved.Cells[12][1] = capsuleCode(2, LinkBottom);
    sc.game.newGame(&saved);
    EXPECT_EQ(sc.count(removalCode(0, 3)), 0); // no frame stays frozen on the board
    sc.resume();
    sc.settle();
    EXPECT_EQ(sc.text(4), (std::vector<std::string>{"m1 . . . . . . .", "m3 . . . . . . .",
                                                    "y0 . . . . . . .", "B . . . . . . M"}));
    EXPECT_EQ(sc.s().smileysLeft, 2);
    sc.run(650);
    EXPECT_EQ(sc.s().capsule.row, 1); // and play goes on
}

} // namespace kp::test
