#include "fixture.h"

#include <gtest/gtest.h>

namespace kp::test {

namespace {
// A level with one smiley left, which the capsule placed by win() removes.
struct Flow : Scenario {
    Flow() { game.setRemovalAnimation(0); }
    void almostWon() {
        board({". . . . . . . .", ". . . . . . . .", "Y Y Y . . . . ."});
        resume();
    }
    // Lands the capsule that removes the last smileys.
    void landLast() {
        capsule(18, 4, 2, 1, 1);
        game.move(Move::Down);
        clock.sync();
    }
    void win() {
        landLast();
        settle();
    }
    // A landing that removes a run and leaves a half to fall; a smiley far up keeps the level.
    void startChain() {
        board({". . . . . . . .", "Y Y Y . . . . ."});
        s().grid[8][1] = smileyCode(0, 1);
        resume();
        capsule(17, 4, 1, 3, 1);
        game.move(Move::Down);
        clock.sync();
    }
    // A board whose entry cells are taken: the next landing loses.
    void almostLost() {
        board({". . . . . . . .", "B . . . . . . ."});
        for (int r = 2; r <= 17; ++r) s().grid[r][4] = smileyCode(2 + r % 2, 1);
        resume();
    }
};
} // namespace

TEST(LevelWon, playsTheSoundClearsTheCheatFlagAndSetsUpTheNextLevel) {
    Flow sc;
    sc.game.setPinup(0);
    sc.game.skipLevel();
    ASSERT_TRUE(sc.s().cheated);
    ASSERT_EQ(sc.s().level, 2);
    sc.almostWon();
    sc.win();
    EXPECT_EQ(sc.ev.sounds[Sound::LevelWon], 1);
    EXPECT_FALSE(sc.s().cheated);
    EXPECT_EQ(sc.s().level, 3);
    EXPECT_EQ(sc.smileys(), 15);
    EXPECT_TRUE(sc.s().paused);
    EXPECT_EQ(sc.s().message, Message::Level);
}

TEST(LevelWon, theLevelEndsOnlyAfterTheLastRemovalOfAChain) {
    Flow sc;
    sc.game.setPinup(0);
    sc.board({". . y0 . . . . .", ". . B B B . . .", ". . Y . . G . .", ". . Y . . G . .",
              ". . Y . . G . ."});
    sc.resume();
    sc.capsule(14, 6, 1, 4, 0);
    sc.game.move(Move::Down);
    sc.clock.sync();
    EXPECT_TRUE(sc.game.chainRunning());
    sc.run(8 * 1); // first removal
    EXPECT_EQ(sc.s().level, 1);
    sc.settle();
    EXPECT_EQ(sc.ev.sounds[Sound::Removal], 2);
    EXPECT_EQ(sc.s().level, 1); // three green smileys are left
}

TEST(LevelWon, thePreviewShowsTheCapsuleThatComesNext) {
    // Won after a removal, and straight from a landing (no smiley was left to remove).
    for (const bool straight : {false, true})
        for (const int pinup : {0, 3}) {
            Flow sc;
            sc.game.setPinup(pinup);
            if (straight) {
                sc.board({});
                sc.resume();
            } else {
                sc.almostWon();
            }
            sc.win();
            while (sc.s().level == 1) sc.run(10);
            const GameState& s = sc.s();
            EXPECT_EQ(s.preview, (std::array<int32_t, 2>{s.capsule.half1, s.capsule.half2}))
                << straight << pinup;
            const std::array<int32_t, 2> next{s.nextHalf1, s.nextHalf2};
            sc.resume();
            sc.run(650);
            ASSERT_EQ(s.capsule.row, 1);
            EXPECT_EQ(s.preview, next) << straight << pinup;
        }
}

TEST(Pinup, figureFollowsTheSettingAndTheLevel) {
    Flow sc;
    sc.s().level = 2;
    sc.almostWon();
    sc.win();
    ASSERT_FALSE(sc.ev.pinups.empty());
    EXPECT_EQ(sc.ev.pinups.front().second, PinupFigure::FromRight);
    EXPECT_EQ(sc.s().level, 3);
    sc.ev.pinups.clear();
    sc.almostWon();
    sc.win();
    EXPECT_EQ(sc.ev.pinups.front().second, PinupFigure::FromLeft);
    sc.game.setPinup(2);
    EXPECT_EQ(sc.game.pinupFigure(), PinupFigure::FromRight);
    sc.game.setPinup(1);
    sc.s().level = 8;
    EXPECT_EQ(sc.game.pinupFigure(), PinupFigure::FromLeft);
}

TEST(Pinup, lasts24TicksOfLevelTimes15msWithThePlayTimersStopped) {
    Flow sc;
    sc.s().level = 4;
    sc.almostWon();
    sc.landLast();
    while (sc.s().pinupFrame == 0) sc.run(1);
    const int64_t start = sc.clock.now();
    EXPECT_EQ(sc.s().timer(TimerId::Pinup).period, 60);
    EXPECT_FALSE(sc.s().timer(TimerId::Fall).enabled);
    EXPECT_FALSE(sc.s().timer(TimerId::Removal).enabled);
    EXPECT_FALSE(sc.s().timer(TimerId::Collapse).enabled);
    sc.run(23 * 60);
    EXPECT_EQ(sc.ev.pinups.size(), 23u);
    EXPECT_EQ(sc.s().level, 4);
    sc.run(60);
    EXPECT_EQ(sc.clock.now() - start, 24 * 60);
    ASSERT_EQ(sc.ev.pinups.size(), 24u);
    for (int i = 0; i < 24; ++i) EXPECT_EQ(sc.ev.pinups[i].first, i + 1);
    EXPECT_EQ(sc.s().level, 5);
    EXPECT_EQ(sc.s().pinupFrame, 0);
    EXPECT_EQ(sc.s().timer(TimerId::Pinup).period, 0);
}

TEST(Pinup, aNewGameDuringTheAnimationStopsIt) {
    Flow sc;
    sc.almostWon();
    sc.landLast();
    while (sc.s().pinupFrame < 5) sc.run(1);
    sc.game.newGame();
    sc.clock.sync();
    EXPECT_EQ(sc.s().pinupFrame, 0);
    EXPECT_EQ(sc.ev.pinups.back().first, 0); // the figure is erased
    sc.run(5000);
    EXPECT_EQ(sc.s().level, 1);
}

TEST(Pinup, aPauseLeftDuringTheAnimationKeepsTheCapsuleWaiting) {
    Flow sc;
    sc.almostWon();
    sc.landLast();
    while (sc.s().pinupFrame == 0) sc.run(1);
    sc.game.togglePause();
    sc.game.togglePause();
    EXPECT_FALSE(sc.s().timer(TimerId::Fall).enabled);
}

TEST(GameLost, showsTheLossOffersTheTableOnceAndKeepsTheBoard) {
    Flow sc;
    sc.ev.qualifies = true;
    sc.almostLost();
    sc.run(650 * 2);
    EXPECT_TRUE(sc.s().paused);
    EXPECT_EQ(sc.s().message, Message::Lost);
    EXPECT_EQ(sc.ev.recordOffers, 1);
    EXPECT_EQ(sc.ev.sounds[Sound::HighScore], 1);
    EXPECT_TRUE(sc.s().cheated);
    // Resuming lands the capsule still in row 0 and loses again, without a second offer.
    sc.key(Command::Left);
    sc.run(650);
    EXPECT_EQ(sc.s().message, Message::Lost);
    EXPECT_TRUE(sc.s().messageVisible);
    EXPECT_EQ(sc.ev.recordOffers, 1);
}

TEST(GameLost, whenOnlyTheRightHandEntryCellIsTaken) {
    Flow sc;
    sc.board({});
    for (int r = 1; r <= 18; ++r) sc.s().grid[r][5] = smileyCode(2 + r % 2, 1);
    ASSERT_EQ(sc.s().grid[1][4], CellEmpty);
    sc.resume();
    sc.run(650);
    EXPECT_TRUE(sc.s().paused);
    EXPECT_EQ(sc.s().message, Message::Lost);
}

TEST(GameLost, aCheatedGameIsNeverOffered) {
    Flow sc;
    sc.ev.qualifies = true;
    sc.game.restartLevel();
    sc.almostLost();
    sc.run(650 * 2);
    EXPECT_EQ(sc.s().message, Message::Lost);
    EXPECT_EQ(sc.ev.recordOffers, 0);
    EXPECT_EQ(sc.ev.sounds[Sound::HighScore], 0);
}

TEST(Pause, leavingItDuringAChainLetsTheChainFinishFirst) {
    Flow sc;
    sc.game.setRemovalAnimation(2);
    sc.startChain();
    sc.game.togglePause();
    sc.key(Command::Left); // leaves the pause, but the capsule must wait
    EXPECT_FALSE(sc.s().paused);
    EXPECT_FALSE(sc.s().timer(TimerId::Fall).enabled);
    sc.settle();
    EXPECT_TRUE(sc.s().timer(TimerId::Fall).running());
}

TEST(Pause, holdsARemovalAndACollapseWhereTheyAre) {
    Flow sc;
    sc.game.setRemovalAnimation(2);
    sc.startChain();
    sc.run(300); // three removal frames
    sc.game.panic();
    sc.clock.sync();
    const std::vector<std::string> board = sc.text();
    sc.run(10000);
    EXPECT_EQ(sc.text(), board);
    sc.game.unhide();
    sc.key(Command::Left); // back at the game: the chain goes on from where it was
    sc.settle();
    EXPECT_EQ(sc.text(1), (std::vector<std::string>{". . . g0 . . . ."}));
    EXPECT_EQ(sc.ev.sounds[Sound::Removal], 1);
    EXPECT_TRUE(sc.s().timer(TimerId::Fall).running());
}

TEST(Pause, anInactiveWindowPausesWithinASecondAndStaysPaused) {
    Flow sc;
    sc.almostWon();
    sc.game.setWindowActive(false);
    sc.run(1000);
    EXPECT_TRUE(sc.s().paused);
    EXPECT_EQ(sc.s().message, Message::Paused);
    sc.game.setWindowActive(true);
    sc.run(3000);
    EXPECT_TRUE(sc.s().paused);
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
}

TEST(Pause, aLostGameKeepsItsMessageWhenTheWindowIsLeft) {
    Flow sc;
    sc.almostLost();
    sc.run(650 * 2);
    sc.game.setWindowActive(false);
    sc.run(2000);
    EXPECT_EQ(sc.s().message, Message::Lost);
}

TEST(Chrono, countsOnlyWhilePlayingAndRunsAcrossLevels) {
    Flow sc;
    sc.game.setPinup(0);
    sc.run(5000);
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
    sc.almostWon();
    sc.run(61000);
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{0, 0, 1, 0, 1}));
    sc.win();
    sc.resume();
    sc.run(1000);
    EXPECT_EQ(sc.s().level, 2);
    EXPECT_EQ(sc.s().Chrono[4], 2);
    sc.game.newGame();
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
}

// A clock driven by the wall may stand past timers that were due (its driver woke late): they
// fire late, all of them, and the time never goes back.
TEST(Chrono, aClockThatStoodPastItsTimersFiresThemLateWithoutGoingBack) {
    Flow sc;
    sc.game.setPinup(0);
    sc.almostWon();
    const int64_t late = sc.clock.now() + 3500;
    sc.clock.standAt(late);
    ASSERT_TRUE(sc.clock.step());
    EXPECT_EQ(sc.clock.now(), late);
    sc.clock.advance(0);
    EXPECT_EQ(sc.clock.now(), late);
    EXPECT_EQ(sc.s().Chrono[4], 3);
}

TEST(Chrono, carriesAndWrapsAfterNineHours) {
    Flow sc;
    sc.s().Chrono = {0, 5, 9, 5, 9};
    sc.game.tickChrono();
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{1, 0, 0, 0, 0}));
    sc.s().Chrono = {9, 5, 9, 5, 9};
    sc.game.tickChrono();
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
    sc.s().Chrono = {0, 0, 0, 7, INT32_MAX}; // a saved game may hold anything
    sc.game.tickChrono();
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{0, 0, 1, 0, 0}));
}

TEST(Smileys, stepThroughFourPhasesUnlessTheAnimationIsOff) {
    Flow sc;
    sc.board({"B . . . . . . ."});
    sc.game.setSmileyAnimation(3);
    sc.clock.sync();
    sc.run(300);
    EXPECT_EQ(sc.s().grid[18][1], smileyCode(0, 2));
    sc.run(900);
    EXPECT_EQ(sc.s().grid[18][1], smileyCode(0, 1));
    sc.game.setSmileyAnimation(0);
    sc.clock.sync();
    sc.run(5000);
    EXPECT_EQ(sc.s().grid[18][1], smileyCode(0, 1));
}

TEST(Smileys, theMessageIsRepaintedOverATallSmileyBand) {
    LevelParameters p;
    p.rows = 10;
    p.smileyRows = 9;
    Scenario sc(p);
    sc.game.setSmileyAnimation(3);
    sc.clock.sync();
    sc.run(300);
    EXPECT_EQ(sc.ev.messageRepaints, 1);
    Scenario low;
    low.run(1000);
    EXPECT_EQ(low.ev.messageRepaints, 0);
}

TEST(Restart, anyMomentLeavesACleanFreshLevel) {
    for (int when = 0; when < 3000; when += 37) {
        Flow sc;
        sc.game.setShake(true);
        sc.game.setRemovalAnimation(1);
        sc.startChain();
        sc.run(when);
        sc.game.restartLevel();
        sc.clock.sync();
        EXPECT_FALSE(sc.game.chainRunning());
        EXPECT_EQ(sc.smileys(), 5);
        sc.run(10000);
        EXPECT_EQ(sc.smileys(), 5) << when;
        EXPECT_TRUE(sc.s().paused);
    }
}

} // namespace kp::test
