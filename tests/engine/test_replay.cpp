// Recording and replaying: thousands of random games on virtual time, each played back on a
// fresh game and in place of a game in progress, must reach exactly the end they recorded.
#include "fixture.h"
#include "soak.h"

#include "engine/game_summary.h"
#include "engine/recorded_game.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace kp::test {

namespace {

// A recording game on virtual time, keeping every game it finishes.
struct RecordedTable {
    Recorder ev;
    RecordedGame game;
    VirtualClock clock;
    std::vector<std::shared_ptr<const Recording>> finished;

    explicit RecordedTable(uint32_t seed) : game(ev, seed), clock(game) {
        game.setClock(clock);
        game.setFinishedHandler(
            [this](const std::shared_ptr<const Recording>& r) { finished.push_back(r); });
    }
};

const Command commands[] = {Command::Left, Command::Right, Command::Turn, Command::Down,
                            Command::Drop, Command::Other, Command::Panic};

// One random thing a player, the window or the menus may do.
void randomInput(Soak& soak, RecordedTable& t) {
    RecordedGame& g = t.game;
    const int what = soak.pick(0, 99);
    if (what < 30) {
        g.handle(commands[soak.pick(0, 5)]);
    } else if (what < 40) {
        const Command c = commands[soak.pick(0, 3)];
        g.press(c);
        t.clock.sync();
        t.clock.advance(soak.pick(0, 600));
        g.release(c);
    } else if (what < 75) {
        t.clock.advance(soak.pick(1, 900));
    } else if (what < 77) {
        g.handle(Command::Panic);
        g.unhide();
    } else if (what < 80) {
        g.togglePause();
    } else if (what < 82) {
        g.restartLevel();
    } else if (what < 84) {
        g.skipLevel();
    } else if (what < 85) {
        g.newGame();
    } else if (what < 87) {
        g.setWindowActive(!g.state().windowActive);
    } else if (what < 90) {
        g.setRemovalAnimation(soak.pick(0, 3));
        g.setSmileyAnimation(soak.pick(0, 3));
        g.setShake(soak.chance(30));
        g.setPinup(soak.pick(0, 3));
        g.setKeyRepeat(soak.pick(1, 400), soak.pick(0, 100));
    } else if (what < 91) {
        g.setParameters(soak.parameters());
        if (soak.chance(50)) g.newGame();
    } else if (what < 92) {
        auto saved = std::make_unique<SavedGame>();
        saved->level = soak.pick(1, 30);
        for (int r = 1; r <= g.state().params.rows; ++r)
            for (int c = 1; c <= g.state().params.columns; ++c)
                if (soak.chance(15)) saved->Cells[r][c] = smileyCode(soak.pick(0, 4), 1);
        g.newGame(saved.get());
    } else {
        t.clock.advance(soak.pick(1000, 6000));
    }
    t.clock.sync();
}

} // namespace

TEST(Replay, randomGamesReplayToTheirRecordedEnd) {
    const int games = gamesToPlay();
    size_t replays = 0, inputs = 0, lost = 0;
    for (int g = 0; g < games; ++g) {
        Soak soak(static_cast<uint32_t>(g) * 104729u + 7u);
        RecordedTable t(static_cast<uint32_t>(g));
        t.ev.qualifies = soak.chance(50);
        t.game.setParameters(soak.parameters());
        t.game.setRemovalAnimation(soak.pick(0, 3));
        t.game.setPinup(soak.pick(0, 3));
        t.game.newGame();
        t.clock.sync();
        for (int step = 0; step < 300; ++step) randomInput(soak, t);
        t.game.handle(Command::Other); // the game in progress counts as played
        t.game.newGame();              // and is finished by a new one

        ASSERT_FALSE(t.finished.empty()) << "game " << g;
        for (const auto& r : t.finished) {
            ASSERT_EQ(replayEnd(*r), r->end)
                << "game " << g << ", " << r->inputs.size() << " inputs";
            inputs += r->inputs.size();
            lost += r->end.boards.at(0).smileysLeft > 0 ? 1 : 0;
        }
        replays += t.finished.size();
    }
    EXPECT_GT(replays, static_cast<size_t>(games));
    EXPECT_GT(lost, 0u);
    std::printf("%d random sessions: %zu games replayed to their end, %zu inputs\n", games, replays,
                inputs);
}

// Watching in place: the window's board shows the replay, the game in progress waits aside and
// comes back exactly as it was, and nothing the window does meanwhile reaches either game.
TEST(Replay, watchingInPlaceLeavesTheGameInProgressAsItWas) {
    for (int g = 0; g < 200; ++g) {
        Soak soak(static_cast<uint32_t>(g) + 99u);
        RecordedTable t(static_cast<uint32_t>(g));
        t.game.setParameters(soak.parameters());
        t.game.newGame();
        t.clock.sync();
        for (int step = 0; step < 150; ++step) randomInput(soak, t);
        t.game.handle(Command::Left);
        t.game.newGame();
        for (int step = 0; step < 50; ++step) randomInput(soak, t);
        const GameState before = t.game.state();
        const uint32_t seed = t.game.random().seed();
        const size_t recorded = t.game.recording().inputs.size();

        ASSERT_TRUE(t.game.lastGame());
        t.game.watch(t.game.lastGame());
        ASSERT_TRUE(t.game.watching());
        t.game.handle(Command::Drop);  // a key the window lets through by mistake
        t.game.fire(TimerId::Clock);   // a window timer still running
        t.game.setWindowActive(false); // the player looks elsewhere
        t.ev.panics.clear();
        t.game.replay()->playToEnd();
        EXPECT_EQ(t.game.replay()->end(), t.game.lastGame()->end) << "game " << g;
        EXPECT_TRUE(t.ev.panics.empty()) << "a replayed panic hid the window";
        t.game.stopWatching();

        EXPECT_EQ(gameEnd(t.game.state()), gameEnd(before));
        EXPECT_EQ(t.game.state().paused, before.paused);
        EXPECT_EQ(t.game.state().capsule.row, before.capsule.row);
        EXPECT_EQ(t.game.random().seed(), seed);
        EXPECT_FALSE(t.game.state().windowActive);
        // Only the change of the window's activity was the game in progress's own.
        EXPECT_EQ(t.game.recording().inputs.size(), recorded + (before.windowActive ? 1 : 0));
    }
}

// The window hears a recording game as it would hear the rules themselves.
TEST(Replay, theWindowHearsEveryEventOfARecordingGame) {
    Soak soak(17);
    Recorder plainEvents;
    Game plain(plainEvents, 17);
    VirtualClock plainClock(plain);
    RecordedTable t(17);
    for (Game* g : {static_cast<Game*>(&plain), static_cast<Game*>(&t.game)}) {
        g->setParameters(LevelParameters{});
        g->setShake(true);
    }
    plain.newGame();
    t.game.newGame();
    for (int step = 0; step < 400; ++step) {
        const Command c = commands[soak.pick(0, 5)];
        plain.handle(c);
        t.game.handle(c);
        plainClock.sync();
        t.clock.sync();
        const int ms = soak.pick(1, 900);
        plainClock.advance(ms);
        t.clock.advance(ms);
    }
    EXPECT_GT(plainEvents.boards, 0);
    EXPECT_EQ(t.ev.boards, plainEvents.boards);
    EXPECT_EQ(t.ev.drawn, plainEvents.drawn);
    EXPECT_EQ(t.ev.sounds, plainEvents.sounds);
    EXPECT_EQ(t.ev.shakes, plainEvents.shakes);
    EXPECT_EQ(t.ev.pinups, plainEvents.pinups);
    EXPECT_EQ(t.ev.messageRepaints, plainEvents.messageRepaints);
}

TEST(Replay, aLostGameIsFinishedAtTheMomentItIsLost) {
    RecordedTable t(5);
    LevelParameters p;
    p.rows = 6;
    p.columns = 5;
    p.colours = 5;
    p.minRun = 999; // nothing is ever removed: capsules pile up to the top
    t.game.setParameters(p);
    t.game.newGame();
    t.clock.sync();
    while (t.game.state().message != Message::Lost) {
        t.game.handle(Command::Drop);
        t.clock.sync();
        for (int ms = 0; ms < 500 && t.game.state().message != Message::Lost; ++ms)
            t.clock.advance(1);
    }
    ASSERT_EQ(t.finished.size(), 1u);
    const GameEnd atLoss = t.finished[0]->end.boards.at(0);
    EXPECT_EQ(atLoss, gameEnd(t.game.state()));
    t.clock.advance(3000); // the smileys go on moving on the lost board
    t.game.newGame();      // the lost game is not finished a second time
    EXPECT_EQ(t.finished.size(), 1u);
    EXPECT_EQ(replayEnd(*t.finished[0]).boards.at(0), atLoss);
}

TEST(Replay, aGameLeftWithoutAKeyIsNoGame) {
    RecordedTable t(1);
    t.game.newGame();
    t.clock.sync();
    t.clock.advance(5000);
    t.game.newGame();
    EXPECT_TRUE(t.finished.empty());
    EXPECT_FALSE(t.game.lastGame());
}

TEST(Replay, summaryCountsCapsulesChainsSmileysAndLevelTimes) {
    RecordedTable t(3);
    LevelParameters p;
    p.rows = 8;
    p.columns = 6;
    p.colours = 1; // every capsule matches every smiley
    p.minRun = 2;
    p.smileys = 2;
    p.smileyRows = 1;
    p.smileysPerLevel = 0;
    t.game.setParameters(p);
    t.game.setPinup(0);
    t.game.newGame();
    t.clock.sync();
    // Each drop lands a capsule on the smileys' row and clears what it touches.
    for (int i = 0; i < 40 && t.game.state().level < 3; ++i) {
        t.game.handle(i % 2 ? Command::Left : Command::Right);
        t.game.handle(Command::Drop);
        t.clock.sync();
        t.clock.advance(1500);
    }
    t.game.newGame();
    ASSERT_EQ(t.finished.size(), 1u);
    const GameSummary s = summarise(*t.finished[0]);
    EXPECT_EQ(s.levelsWon, 2);
    EXPECT_EQ(s.smileysCleared, 4);
    ASSERT_EQ(s.levels.size(), 2u);
    EXPECT_EQ(s.levels[0].level, 1);
    EXPECT_EQ(s.levels[1].level, 2);
    EXPECT_GE(s.capsulesPlaced, 2);
    EXPECT_GE(s.longestChain, 1);
    EXPECT_GE(s.secondsPlayed, s.levels[0].seconds + s.levels[1].seconds);
}

// Every landing wins the level, each with 99 smileys more: from level 98 on, each new level draws
// places until nearly ten thousand smileys each find an empty cell, far more work than the
// inputs' board visits, and the replay counts it and stops at the limit.
TEST(Replay, levelSetUpsOnANearlyFullBoardCountTowardsTheWorkLimit) {
    RecordedTable t(17);
    LevelParameters p;
    p.rows = p.columns = p.smileys = p.smileysPerLevel = p.smileyRows = 99;
    p.smileyRowsPerLevel = 99;
    p.maxSmileyRows = 98; // one row left for the capsule to land in
    p.minRun = 1;         // every cell of a colour is a run: a landing clears the board
    p.colours = 1;
    t.game.setParameters(p);
    t.game.setRemovalAnimation(0);
    t.game.setPinup(0);
    t.game.newGame();
    t.clock.sync();
    while (t.game.state().level < 110) {
        t.game.handle(Command::Drop);
        t.clock.sync();
        t.clock.advance(200);
        t.clock.sync();
    }
    const Recording& played = t.game.recording();
    const int64_t visits = static_cast<int64_t>(played.inputs.size()) * InputWork;

    const ReplayRun whole = replayWithin(played, INT64_MAX);
    EXPECT_TRUE(whole.finished);
    EXPECT_EQ(whole.end.boards.at(0), gameEnd(t.game.state()));
    // Twelve set-ups at least of 9,702 smileys: some 2 x 9,702 x 10 draws each.
    EXPECT_GT(whole.work, visits + 12 * 150'000) << played.inputs.size() << " inputs";

    const ReplayRun cut = replayWithin(played, whole.work / 2);
    EXPECT_FALSE(cut.finished);
    EXPECT_GT(cut.work, whole.work / 2);
    // It stops at the first input after the limit: one more set-up at most.
    EXPECT_LT(cut.work, whole.work / 2 + GridCells + 250'000);
}

} // namespace kp::test
