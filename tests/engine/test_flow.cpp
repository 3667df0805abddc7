#include "engine/keys.h"
#include "fixture.h"

#include <gtest/gtest.h>

namespace kp::test {

namespace {
// A level with one smiley left, which the capsule placed by win() removes.
struct Flow : Scenario {
    Flow() { game.setAnimationSuppr(0); }
    void almostWon() {
        board({". . . . . . . .", ". . . . . . . .", "Y Y Y . . . . ."});
        resume();
    }
    // Lands the capsule that removes the last smileys.
    void landLast() {
        capsule(18, 4, 2, 1, 1);
        game.Mouvement('B');
        clock.sync();
    }
    void win() {
        landLast();
        settle();
    }
    // A landing that removes a run and leaves a half to fall; a smiley far up keeps the level.
    void startChain() {
        board({". . . . . . . .", "Y Y Y . . . . ."});
        s().Grille[8][1] = smileyCode(0, 1);
        resume();
        capsule(17, 4, 1, 3, 1);
        game.Mouvement('B');
        clock.sync();
    }
    // A board whose entry cells are taken: the next landing loses.
    void almostLost() {
        board({". . . . . . . .", "B . . . . . . ."});
        for (int r = 2; r <= 17; ++r) s().Grille[r][4] = smileyCode(2 + r % 2, 1);
        resume();
    }
};
} // namespace

TEST(LevelWon, playsTheSoundClearsTheCheatFlagAndSetsUpTheNextLevel) {
    Flow sc;
    sc.game.setPinup(0);
    sc.game.MenuPasserNiveauClick();
    ASSERT_TRUE(sc.s().Tricherie);
    ASSERT_EQ(sc.s().Niveau, 2);
    sc.almostWon();
    sc.win();
    EXPECT_EQ(sc.ev.sounds[Sound::Niveau], 1);
    EXPECT_FALSE(sc.s().Tricherie);
    EXPECT_EQ(sc.s().Niveau, 3);
    EXPECT_EQ(sc.smileys(), 15);
    EXPECT_TRUE(sc.s().Pause);
    EXPECT_EQ(sc.s().LabelMessage, Message::Niveau);
}

TEST(LevelWon, theLevelEndsOnlyAfterTheLastRemovalOfAChain) {
    Flow sc;
    sc.game.setPinup(0);
    sc.board({". . y0 . . . . .", ". . B B B . . .", ". . Y . . G . .", ". . Y . . G . .",
              ". . Y . . G . ."});
    sc.resume();
    sc.capsule(14, 6, 1, 4, 0);
    sc.game.Mouvement('B');
    sc.clock.sync();
    EXPECT_TRUE(sc.game.chainRunning());
    sc.run(8 * 1); // first removal
    EXPECT_EQ(sc.s().Niveau, 1);
    sc.settle();
    EXPECT_EQ(sc.ev.sounds[Sound::Effacement], 2);
    EXPECT_EQ(sc.s().Niveau, 1); // three green smileys are left
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
            while (sc.s().Niveau == 1) sc.run(10);
            const GameState& s = sc.s();
            EXPECT_EQ(s.Apercu, (std::array<int32_t, 2>{s.PieceCode1, s.PieceCode2}))
                << straight << pinup;
            const std::array<int32_t, 2> next{s.NextCode1, s.NextCode2};
            sc.resume();
            sc.run(650);
            ASSERT_EQ(s.PieceRow, 1);
            EXPECT_EQ(s.Apercu, next) << straight << pinup;
        }
}

TEST(Pinup, figureFollowsTheSettingAndTheLevel) {
    Flow sc;
    sc.s().Niveau = 2;
    sc.almostWon();
    sc.win();
    ASSERT_FALSE(sc.ev.pinups.empty());
    EXPECT_EQ(sc.ev.pinups.front().second, PinupFigure::XX);
    EXPECT_EQ(sc.s().Niveau, 3);
    sc.ev.pinups.clear();
    sc.almostWon();
    sc.win();
    EXPECT_EQ(sc.ev.pinups.front().second, PinupFigure::YY);
    sc.game.setPinup(2);
    EXPECT_EQ(sc.game.pinupFigure(), PinupFigure::XX);
    sc.game.setPinup(1);
    sc.s().Niveau = 8;
    EXPECT_EQ(sc.game.pinupFigure(), PinupFigure::YY);
}

TEST(Pinup, lasts24TicksOfLevelTimes15msWithThePlayTimersStopped) {
    Flow sc;
    sc.s().Niveau = 4;
    sc.almostWon();
    sc.landLast();
    while (sc.s().PinupFrame == 0) sc.run(1);
    const int64_t start = sc.clock.now();
    EXPECT_EQ(sc.s().timer(TimerId::TimerXX).period, 60);
    EXPECT_FALSE(sc.s().timer(TimerId::Timer1).enabled);
    EXPECT_FALSE(sc.s().timer(TimerId::TimerEffacement).enabled);
    EXPECT_FALSE(sc.s().timer(TimerId::TimerDescente).enabled);
    sc.run(23 * 60);
    EXPECT_EQ(sc.ev.pinups.size(), 23u);
    EXPECT_EQ(sc.s().Niveau, 4);
    sc.run(60);
    EXPECT_EQ(sc.clock.now() - start, 24 * 60);
    ASSERT_EQ(sc.ev.pinups.size(), 24u);
    for (int i = 0; i < 24; ++i) EXPECT_EQ(sc.ev.pinups[i].first, i + 1);
    EXPECT_EQ(sc.s().Niveau, 5);
    EXPECT_EQ(sc.s().PinupFrame, 0);
    EXPECT_EQ(sc.s().timer(TimerId::TimerXX).period, 0);
}

TEST(Pinup, aNewGameDuringTheAnimationStopsIt) {
    Flow sc;
    sc.almostWon();
    sc.landLast();
    while (sc.s().PinupFrame < 5) sc.run(1);
    sc.game.InitPartie();
    sc.clock.sync();
    EXPECT_EQ(sc.s().PinupFrame, 0);
    EXPECT_EQ(sc.ev.pinups.back().first, 0); // the figure is erased
    sc.run(5000);
    EXPECT_EQ(sc.s().Niveau, 1);
}

TEST(Pinup, aPauseLeftDuringTheAnimationKeepsTheCapsuleWaiting) {
    Flow sc;
    sc.almostWon();
    sc.landLast();
    while (sc.s().PinupFrame == 0) sc.run(1);
    sc.game.MenuPauseClick();
    sc.game.MenuPauseClick();
    EXPECT_FALSE(sc.s().timer(TimerId::Timer1).enabled);
}

TEST(GameLost, showsTheLossOffersTheTableOnceAndKeepsTheBoard) {
    Flow sc;
    sc.ev.qualifies = true;
    sc.almostLost();
    sc.run(650 * 2);
    EXPECT_TRUE(sc.s().Pause);
    EXPECT_EQ(sc.s().LabelMessage, Message::Perdu);
    EXPECT_EQ(sc.ev.recordOffers, 1);
    EXPECT_EQ(sc.ev.sounds[Sound::Record], 1);
    EXPECT_TRUE(sc.s().Tricherie);
    // Resuming lands the capsule still in row 0 and loses again, without a second offer.
    sc.key(vk::Left);
    sc.run(650);
    EXPECT_EQ(sc.s().LabelMessage, Message::Perdu);
    EXPECT_TRUE(sc.s().LabelMessageVisible);
    EXPECT_EQ(sc.ev.recordOffers, 1);
}

TEST(GameLost, aCheatedGameIsNeverOffered) {
    Flow sc;
    sc.ev.qualifies = true;
    sc.game.MenuRecommencerNiveauClick();
    sc.almostLost();
    sc.run(650 * 2);
    EXPECT_EQ(sc.s().LabelMessage, Message::Perdu);
    EXPECT_EQ(sc.ev.recordOffers, 0);
    EXPECT_EQ(sc.ev.sounds[Sound::Record], 0);
}

TEST(Pause, leavingItDuringAChainLetsTheChainFinishFirst) {
    Flow sc;
    sc.game.setAnimationSuppr(2);
    sc.startChain();
    sc.game.MenuPauseClick();
    sc.key(vk::Left); // leaves the pause, but the capsule must wait
    EXPECT_FALSE(sc.s().Pause);
    EXPECT_FALSE(sc.s().timer(TimerId::Timer1).enabled);
    sc.settle();
    EXPECT_TRUE(sc.s().timer(TimerId::Timer1).running());
}

TEST(Pause, holdsARemovalAndACollapseWhereTheyAre) {
    Flow sc;
    sc.game.setAnimationSuppr(2);
    sc.startChain();
    sc.run(300); // three removal frames
    sc.game.PanicActiver();
    sc.clock.sync();
    const std::vector<std::string> board = sc.text();
    sc.run(10000);
    EXPECT_EQ(sc.text(), board);
    sc.game.PanicDesactiver();
    sc.key(vk::Left); // back at the game: the chain goes on from where it was
    sc.settle();
    EXPECT_EQ(sc.text(1), (std::vector<std::string>{". . . g0 . . . ."}));
    EXPECT_EQ(sc.ev.sounds[Sound::Effacement], 1);
    EXPECT_TRUE(sc.s().timer(TimerId::Timer1).running());
}

TEST(Pause, anInactiveWindowPausesWithinASecondAndStaysPaused) {
    Flow sc;
    sc.almostWon();
    sc.game.setWindowActive(false);
    sc.run(1000);
    EXPECT_TRUE(sc.s().Pause);
    EXPECT_EQ(sc.s().LabelMessage, Message::Pause);
    sc.game.setWindowActive(true);
    sc.run(3000);
    EXPECT_TRUE(sc.s().Pause);
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
}

TEST(Pause, aLostGameKeepsItsMessageWhenTheWindowIsLeft) {
    Flow sc;
    sc.almostLost();
    sc.run(650 * 2);
    sc.game.setWindowActive(false);
    sc.run(2000);
    EXPECT_EQ(sc.s().LabelMessage, Message::Perdu);
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
    EXPECT_EQ(sc.s().Niveau, 2);
    EXPECT_EQ(sc.s().Chrono[4], 2);
    sc.game.InitPartie();
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
}

TEST(Chrono, carriesAndWrapsAfterNineHours) {
    Flow sc;
    sc.s().Chrono = {0, 5, 9, 5, 9};
    sc.game.INC_Chrono();
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{1, 0, 0, 0, 0}));
    sc.s().Chrono = {9, 5, 9, 5, 9};
    sc.game.INC_Chrono();
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{0, 0, 0, 0, 0}));
    sc.s().Chrono = {0, 0, 0, 7, INT32_MAX}; // a saved game may hold anything
    sc.game.INC_Chrono();
    EXPECT_EQ(sc.s().Chrono, (std::array<int32_t, 5>{0, 0, 1, 0, 0}));
}

TEST(Smileys, stepThroughFourPhasesUnlessTheAnimationIsOff) {
    Flow sc;
    sc.board({"B . . . . . . ."});
    sc.game.setAnimationVirus(3);
    sc.clock.sync();
    sc.run(300);
    EXPECT_EQ(sc.s().Grille[18][1], smileyCode(0, 2));
    sc.run(900);
    EXPECT_EQ(sc.s().Grille[18][1], smileyCode(0, 1));
    sc.game.setAnimationVirus(0);
    sc.clock.sync();
    sc.run(5000);
    EXPECT_EQ(sc.s().Grille[18][1], smileyCode(0, 1));
}

TEST(Smileys, theMessageIsRepaintedOverATallSmileyBand) {
    Parametres p;
    p.NbLgn = 10;
    p.NbVirusLignes = 9;
    Scenario sc(p);
    sc.game.setAnimationVirus(3);
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
        sc.game.setTremblement(true);
        sc.game.setAnimationSuppr(1);
        sc.startChain();
        sc.run(when);
        sc.game.MenuRecommencerNiveauClick();
        sc.clock.sync();
        EXPECT_FALSE(sc.game.chainRunning());
        EXPECT_EQ(sc.smileys(), 5);
        sc.run(10000);
        EXPECT_EQ(sc.smileys(), 5) << when;
        EXPECT_TRUE(sc.s().Pause);
    }
}

} // namespace kp::test
