#include "fixture.h"

#include <gtest/gtest.h>

namespace kp::test {

namespace {
// Plays on a board of a few rows; a smiley far up on the left keeps the level going.
struct Removing : Scenario {
    explicit Removing(const LevelParameters& p = {}) : Scenario(p) {}
    void start(const std::vector<std::string>& rows) {
        board(rows);
        s().grid[8][1] = smileyCode(4, 1);
        resume();
    }
    // Lets the capsule, placed at (row, col), fall until it lands.
    void land(int row, int col, int orientation, int c1, int c2) {
        capsule(row, col, orientation, c1, c2);
        while (game.move(Move::Down)) {
        }
        clock.sync();
    }
};
constexpr int b = 0, y = 1, m = 2, g = 3, o = 4;
} // namespace

TEST(findRuns, crossingRunsGoTogether) {
    Removing sc;
    sc.start({
        ". . . . . . . .",
        ". B B B . . . .",
        ". . . . B . . .",
        ". . . . B . . .",
        ". . . . B . . .",
    });
    sc.land(14, 5, 2, b, o);
    EXPECT_EQ(sc.text(5), (std::vector<std::string>{
                              ". . . . . . . .",
                              ". *b *b *b *b o0 . .",
                              ". . . . *b . . .",
                              ". . . . *b . . .",
                              ". . . . *b . . .",
                          }));
    EXPECT_EQ(sc.ev.sounds[Sound::Removal], 1);
    EXPECT_FALSE(sc.s().timer(TimerId::Fall).enabled);
    sc.settle();
    EXPECT_EQ(sc.text(5), (std::vector<std::string>{
                              ". . . . . . . .",
                              ". . . . . . . .",
                              ". . . . . . . .",
                              ". . . . . . . .",
                              ". . . . . o0 . .",
                          }));
    EXPECT_EQ(sc.s().smileysLeft, 1);
}

TEST(findRuns, aRunLongerThanTheMinimumGoesWhole) {
    Removing sc;
    sc.start({"Y Y . Y Y G . ."});
    sc.land(10, 3, 1, g, y);
    EXPECT_EQ(sc.text(2), (std::vector<std::string>{". . g0 . . . . .", "*y *y *y *y *y G . ."}));
    sc.settle();
    EXPECT_EQ(sc.text(1)[0], ". . g0 . . G . .");
}

TEST(findRuns, removedCellsAnimateFourPlusFourTicks) {
    Removing sc;
    sc.start({"Y Y Y . . . . ."});
    sc.land(10, 4, 1, g, y);
    const auto at = [&] { return sc.s().grid[18][1]; };
    sc.run(400);
    EXPECT_EQ(at(), removalCode(y, 0));
    sc.run(100);
    EXPECT_EQ(at(), removalCode(y, 1));
    sc.run(200);
    EXPECT_EQ(at(), removalCode(y, 3));
    sc.run(100);
    EXPECT_EQ(at(), CellEmpty);
    EXPECT_TRUE(sc.s().timer(TimerId::Collapse).enabled);
}

TEST(Collapse, aHalfWhosePartnerWentFallsAlone) {
    Removing sc;
    sc.start({". m2 m4 . . . . .", ". G Y Y Y . . ."});
    sc.land(10, 6, 1, o, y);
    sc.settle();
    // The lying capsule still rests on the smiley; the orange half fell alone.
    EXPECT_EQ(sc.text(2), (std::vector<std::string>{". m2 m4 . . . . .", ". G . . . o0 . ."}));
}

TEST(Collapse, aLyingCapsuleFallsOnlyWhenBothCellsBelowAreFree) {
    Removing sc;
    sc.start({". m2 m4 . . . . .", ". . Y Y Y . . ."});
    sc.land(10, 6, 1, o, y);
    sc.settle();
    EXPECT_EQ(sc.text(2), (std::vector<std::string>{". . . . . . . .", ". m2 m4 . . o0 . ."}));
}

TEST(Collapse, nothingLooseMeansNoLandingSoundAndNoShake) {
    Removing sc;
    sc.game.setShake(true);
    sc.start({"Y Y Y . . . . ."});
    sc.land(18, 4, 2, y, g);
    EXPECT_EQ(sc.ev.sounds[Sound::Landing], 1);
    sc.settle();
    EXPECT_EQ(sc.ev.sounds[Sound::Landing], 1);
    EXPECT_TRUE(sc.ev.shakes.empty());
    EXPECT_EQ(sc.text(1)[0], ". . . . g0 . . .");
}

TEST(Collapse, theWindowShakesFor400msBeforePlayGoesOn) {
    Removing sc;
    sc.game.setShake(true);
    sc.start({". . . . . . . .", "Y Y Y . . . . ."});
    sc.land(10, 4, 1, g, y);
    sc.run(800); // removal
    sc.run(200); // g0 falls one row, then a tick that moves nothing
    EXPECT_EQ(sc.ev.sounds[Sound::Landing], 2);
    EXPECT_EQ(sc.s().shakeStep, 1);
    EXPECT_FALSE(sc.s().timer(TimerId::Collapse).enabled);
    EXPECT_FALSE(sc.s().timer(TimerId::Fall).enabled);
    sc.run(300);
    EXPECT_EQ(sc.ev.shakes, (std::vector<int>{2, 0, 1}));
    EXPECT_FALSE(sc.s().timer(TimerId::Fall).enabled);
    sc.run(100);
    EXPECT_EQ(sc.ev.shakes, (std::vector<int>{2, 0, 1, 0}));
    EXPECT_TRUE(sc.s().timer(TimerId::Fall).enabled);
    EXPECT_FALSE(sc.game.chainRunning());
}

TEST(Collapse, aChainRemovesAgainBeforeTheNextCapsuleMoves) {
    Removing sc;
    sc.start({
        ". . y0 . . . . .",
        ". . B B B . . .",
        ". . Y . . G . .",
        ". . Y . . G . .",
        ". . Y . . G . .",
    });
    sc.land(10, 6, 1, o, b);
    ASSERT_EQ(sc.s().capsule.row, 0); // the next capsule is in, waiting
    bool timer1SeenDuringChain = false;
    int steps = 0;
    while (sc.game.chainRunning() && ++steps < 100000) {
        sc.run(1);
        timer1SeenDuringChain |= sc.game.chainRunning() && sc.s().timer(TimerId::Fall).enabled;
    }
    EXPECT_FALSE(timer1SeenDuringChain);
    EXPECT_EQ(sc.ev.sounds[Sound::Removal], 2);
    EXPECT_EQ(sc.s().capsule.row, 0);
    EXPECT_EQ(sc.text(5), (std::vector<std::string>{
                              ". . . . . . . .",
                              ". . . . . o0 . .",
                              ". . . . . G . .",
                              ". . . . . G . .",
                              ". . . . . G . .",
                          }));
    EXPECT_EQ(sc.s().smileysLeft, 4);
}

TEST(findRuns, runsOfOneClearTheBoardAndWinTheLevel) {
    LevelParameters p;
    p.minRun = 1;
    Scenario sc(p);
    sc.game.setPinup(0);
    sc.resume();
    sc.run(650 * 19);
    sc.settle();
    EXPECT_EQ(sc.s().level, 2);
    EXPECT_EQ(sc.ev.sounds[Sound::LevelWon], 1);
}

TEST(findRuns, runsLongerThanTheBoardNeverForm) {
    LevelParameters p;
    p.minRun = 999;
    Removing sc(p);
    sc.start({"Y Y Y Y Y Y Y ."});
    sc.land(10, 8, 1, y, y);
    EXPECT_EQ(sc.ev.sounds[Sound::Removal], 0);
    EXPECT_EQ(sc.s().smileysLeft, 8);
}

TEST(findRuns, strangeCodesFromASavedGameNeverBreakTheSearch) {
    Removing sc;
    sc.start({
        "5 -7 12345 -2147483648 2147483647 0 -1 .",
        "155 159 195 -190 -155 144 149 .",
    });
    sc.land(10, 8, 1, y, y);
    sc.settle();
    sc.game.onSmileyTick();
    SUCCEED();
}

} // namespace kp::test
