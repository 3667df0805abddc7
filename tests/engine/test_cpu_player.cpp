// The computer player: the landings it finds, its board against the game's rules, its keys
// against the keyboard path, and whole games on virtual time.
#include "cpu/drivers.h"
#include "engine/recording.h"
#include "engine/replay.h"
#include "fixture.h"
#include "soak.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace kp::test {

namespace {

bool lands(const std::vector<CpuPlacement>& all, int row, int col, bool upright) {
    return std::any_of(all.begin(), all.end(), [&](const CpuPlacement& p) {
        return p.capsule.row == row && p.capsule.col == col && p.capsule.upright() == upright;
    });
}

// The falling capsule of a scenario as it just came into view.
Capsule entering(Scenario& sc, int colour1, int colour2) {
    sc.capsule(1, sc.s().params.columns / 2, 2, colour1, colour2);
    return sc.s().capsule;
}

} // namespace

// An overhang over the left of the floor: a straight drop lands on it, but a capsule that
// falls past its edge and then goes left slides in under it, and only with the keys in time.
TEST(CpuReach, slidesUnderAnOverhangAStraightDropCannotReach) {
    LevelParameters p;
    p.rows = 10;
    p.columns = 8;
    Scenario sc(p);
    sc.board({"b2 b4 y2 y4 . . . .", //
              ". . . . . . . .",     //
              "M . . . . . . G"});
    const Capsule k = entering(sc, 0, 1);
    const CpuBoard board = CpuBoard::of(sc.s());
    const CpuHands quick{75, 100};
    const std::vector<CpuPlacement> all = reachable(board, k, 650, quick);
    // Under the overhang, on the floor: columns 2-3 lying, row 10.
    ASSERT_TRUE(lands(all, 10, 2, false));
    ASSERT_TRUE(lands(all, 7, 2, false)); // and on top of it
    for (const CpuPlacement& pl : all)
        if (pl.capsule.row == 10 && pl.capsule.col == 2) {
            // The last key goes once the capsule is below the overhang.
            ASSERT_FALSE(pl.keys.empty());
            EXPECT_GE(pl.keys.back().before.row, 9);
        }
    // Straight drops from every column and orientation never get there.
    for (int col = 1; col <= 8; ++col)
        for (bool upright : {false, true}) {
            Capsule c{1, col, upright ? 3 : 2, k.half1, k.half2};
            if (upright) c.row = 1;
            if (!board.fits(c)) continue;
            while (board.fits(c.after(Move::Down))) c = c.after(Move::Down);
            EXPECT_FALSE(c.row == 10 && c.col == 2 && !upright);
        }
    // Hands too slow for the fall cannot make it: one key a second at 100 ms a row.
    const std::vector<CpuPlacement> slow = reachable(board, k, 100, CpuHands{1000, 100});
    EXPECT_FALSE(lands(slow, 10, 2, false));
    EXPECT_LT(slow.size(), all.size());

    // The keys the search gives, sent at their times, put the game's own capsule where the
    // search said, on a board where each needs its timing.
    auto fresh = [&](Scenario& again) {
        again.board({"b2 b4 y2 y4 . . . .", ". . . . . . . .", "M . . . . . . G"});
        again.resume();
        again.run(again.s().timer(TimerId::Fall).period); // row 1: in view
    };
    Scenario first(p);
    fresh(first);
    ASSERT_EQ(first.s().capsule.row, 1);
    const std::vector<CpuPlacement> there = reachable(CpuBoard::of(first.s()), first.s().capsule,
                                                      first.s().timer(TimerId::Fall).period, quick);
    ASSERT_GT(there.size(), 20u);
    for (const CpuPlacement& pl : there) {
        Scenario again(p);
        fresh(again);
        const int64_t t0 = again.clock.now();
        for (const CpuPlacement::Key& key : pl.keys) {
            again.run(t0 + key.time - again.clock.now());
            ASSERT_EQ(again.s().capsule.row, key.before.row);
            ASSERT_EQ(again.s().capsule.col, key.before.col);
            ASSERT_EQ(again.s().capsule.orientation, key.before.orientation);
            again.key(key.command);
        }
        again.run(t0 + pl.landTime - 1 - again.clock.now());
        ASSERT_TRUE(again.s().capsuleInGrid);
        EXPECT_EQ(again.s().capsule.row, pl.capsule.row);
        EXPECT_EQ(again.s().capsule.col, pl.capsule.col);
        EXPECT_EQ(again.s().capsule.orientation, pl.capsule.orientation);
        again.run(1);
        EXPECT_FALSE(again.s().capsuleInGrid); // landed, at the time it said
    }
}

// The player's board plays a landing to the end of its chain exactly as the game does, on
// random boards of every size and run length.
TEST(CpuBoardRules, chainsEndWhereTheGamesEnd) {
    std::mt19937 rng(2024);
    int chains = 0, removed = 0;
    for (int round = 0; round < 400; ++round) {
        LevelParameters p;
        p.rows = 5 + static_cast<int>(rng() % 14);
        p.columns = 5 + static_cast<int>(rng() % 6);
        p.colours = 1 + static_cast<int>(rng() % 4);
        const int runs[] = {1, 2, 3, 4, 4, 4, 5, 999};
        p.minRun = runs[rng() % 8];
        Scenario sc(p, round);
        sc.game.setRemovalAnimation(0);
        GameState& s = sc.s();
        // Smileys low, halves (linked pairs and loose ones) above them, some air.
        for (int r = 1; r <= p.rows; ++r)
            for (int c = 1; c <= p.columns; ++c) s.grid[r][c] = CellEmpty;
        for (int r = p.rows; r >= 2; --r)
            for (int c = 1; c <= p.columns; ++c) {
                if (s.grid[r][c] != CellEmpty) continue;
                const int colour = static_cast<int>(rng() % p.colours);
                const int what = static_cast<int>(rng() % 10);
                if (r > p.rows - 3 && what < 5)
                    s.grid[r][c] = smileyCode(colour, 1);
                else if (what < 3)
                    s.grid[r][c] = capsuleCode(colour, LinkLoose);
                else if (what < 5 && c < p.columns && s.grid[r][c + 1] == CellEmpty) {
                    s.grid[r][c] = capsuleCode(colour, LinkLeft);
                    s.grid[r][c + 1] = capsuleCode(static_cast<int>(rng() % p.colours), LinkRight);
                } else if (what < 7 && s.grid[r - 1][c] == CellEmpty && r - 1 >= 2) {
                    s.grid[r - 1][c] = capsuleCode(colour, LinkTop);
                    s.grid[r][c] = capsuleCode(static_cast<int>(rng() % p.colours), LinkBottom);
                }
            }
        // Where a capsule would land, straight down in some column.
        const int col = 1 + static_cast<int>(rng() % (p.columns - 1));
        Capsule k{1, col, rng() % 2 ? 2 : 3, 0, 0};
        const bool upright = k.upright();
        k.half1 = capsuleCode(static_cast<int>(rng() % p.colours), upright ? LinkTop : LinkLeft);
        k.half2 =
            capsuleCode(static_cast<int>(rng() % p.colours), upright ? LinkBottom : LinkRight);
        s.capsuleInGrid = false;
        CpuBoard mine = CpuBoard::of(s);
        if (!mine.fits(k)) continue;
        while (mine.fits(k.after(Move::Down))) k = k.after(Move::Down);
        const ChainResult result = mine.land(k);

        // The game: the capsule lands there by its fall.
        sc.capsule(k.row, k.col, k.orientation, (k.half1 - 100) / 10, (k.half2 - 100) / 10);
        sc.resume();
        sc.run(s.timer(TimerId::Fall).period);
        sc.settle();
        if (result.won) {
            EXPECT_EQ(s.level, 2) << "round " << round;
            continue;
        }
        const CpuBoard theirs = CpuBoard::of(s);
        for (int r = 0; r <= p.rows; ++r)
            for (int c = 1; c <= p.columns; ++c) {
                // The game's next capsule may have come into view since.
                if (s.capsuleInGrid && s.capsule.covers(r, c)) continue;
                ASSERT_EQ(int(mine.at(r, c)), int(theirs.at(r, c)))
                    << "round " << round << " cell " << r << "," << c;
            }
        chains += result.steps > 1;
        removed += result.cellsRemoved;
    }
    EXPECT_GT(chains, 40); // chains of several steps were among them
    EXPECT_GT(removed, 2000);
}

namespace {

struct Key {
    int64_t time;
    Command command;
};

} // namespace

// The player's keys are a person's: only the game's commands, at a person's pace, each one
// moving the capsule; and the same keys given to Game::handle at the same times on a fresh game
// of the same seed play the same game to the same end.
TEST(CpuPlayerKeys, replayThroughTheKeyboardPathToTheSameEnd) {
    for (CpuLevel level : {CpuLevel::Beginner, CpuLevel::Medium, CpuLevel::Expert}) {
        const CpuProfile& profile = cpuProfile(level);
        CpuPlayer player(level, 99);
        std::vector<Key> keys;
        const CpuGameResult played = playAlone(player, 4242, LevelParameters{}, 4, 30 * 60 * 1000,
                                               [&](int64_t t, Command c, const GameState&) {
                                                   keys.push_back({t, c});
                                               });
        ASSERT_GT(played.capsules, 20);
        EXPECT_EQ(player.stats().offPlan, 0);
        // Nothing but the game's keys, at a person's pace.
        for (size_t i = 0; i < keys.size(); ++i) {
            EXPECT_NE(keys[i].command, Command::Panic);
            if (i > 0) {
                EXPECT_GE(keys[i].time - keys[i - 1].time, profile.hands.moveInterval)
                    << profile.name << " key " << i;
            }
        }

        // The same keys on a fresh game, through the keyboard path.
        Recorder ev;
        Game game(ev, 4242);
        game.setParameters(LevelParameters{});
        game.setSmileyAnimation(GameOptions{}.smileyAnimation);
        game.setRemovalAnimation(GameOptions{}.removalAnimation);
        game.newGame();
        VirtualClock clock(game);
        int refused = 0;
        for (const Key& k : keys) {
            clock.advance(k.time - clock.now());
            const Capsule before = game.state().capsule;
            const bool inGrid = game.state().capsuleInGrid;
            game.handle(k.command);
            clock.sync();
            const Capsule after = game.state().capsule;
            if (k.command == Command::Left || k.command == Command::Right ||
                k.command == Command::Turn)
                refused += inGrid && before.row == after.row && before.col == after.col &&
                           before.orientation == after.orientation;
        }
        clock.advance(played.time - clock.now());
        EXPECT_EQ(refused, 0) << profile.name;
        EXPECT_EQ(game.state().level, played.level) << profile.name;
        EXPECT_EQ(gameEnd(game.state()).checksum, played.checksum) << profile.name;
        EXPECT_GE(played.level, level == CpuLevel::Expert ? 4 : 1);
    }
}

// Whole games of every level and baseline on virtual time, on random parameters: the player
// keeps to its plans and the board to the game's invariants.
TEST(CpuPlayerSoak, wholeGamesKeepTheInvariants) {
    int64_t capsules = 0, checked = 0;
    for (int g = 0; g < 14; ++g) {
        Soak soak(static_cast<uint32_t>(g) * 131u + 7u);
        LevelParameters p = soak.parameters();
        p.rows = soak.pick(8, 22);
        p.columns = soak.pick(5, 12);
        p.smileys = soak.pick(1, 20);
        p.smileysPerLevel = soak.pick(0, 5);
        const CpuLevel level = static_cast<CpuLevel>(g % CpuLevelCount);
        CpuPlayer player(level, static_cast<uint32_t>(g));
        auto check = [&](int64_t, Command, const GameState& s) {
            ++checked;
            for (int r = 0; r <= s.params.rows; ++r)
                for (int c = 1; c <= s.params.columns; ++c) {
                    const int32_t code = s.grid[r][c];
                    ASSERT_TRUE(code == CellEmpty || isCapsuleHalf(code) || isSmiley(code))
                        << "game " << g << " cell " << r << "," << c << " " << code;
                    if (!isCapsuleHalf(code)) continue;
                    const int link = linkOf(code);
                    const int dr = link == LinkTop ? 1 : link == LinkBottom ? -1 : 0;
                    const int dc = link == LinkLeft ? 1 : link == LinkRight ? -1 : 0;
                    if (link == LinkLoose) continue;
                    const int32_t partner = s.at(r + dr, c + dc);
                    ASSERT_TRUE(isCapsuleHalf(partner) && linkOf(partner) == (link + 1) % 4 + 1)
                        << "game " << g << " cell " << r << "," << c;
                }
            ASSERT_FALSE(s.paused && s.message == Message::Lost);
        };
        const CpuGameResult r =
            playAlone(player, static_cast<uint32_t>(g), p, 6, 5 * 60 * 1000, check);
        capsules += r.capsules;
        EXPECT_EQ(player.stats().offPlan, 0) << "game " << g;
    }
    EXPECT_GT(capsules, 300);
    EXPECT_GT(checked, 1000);
}

// The coach: Expert's landing for a capsule in view, which a straight line of its colour
// completes at once.
TEST(CpuCoach, expertTakesTheSmileysWithinReach) {
    Scenario sc;
    sc.board({". . . . . . . .",  //
              ". . . . . . . .",  //
              "b0 . . . . . . .", //
              "B . . . . . . ."});
    sc.resume();
    sc.run(sc.s().timer(TimerId::Fall).period);
    ASSERT_EQ(sc.s().capsule.row, 1);
    // A capsule of the smiley's colour: upright on column 1 it makes four.
    sc.s().capsule.half1 = capsuleCode(0, LinkLeft);
    sc.s().capsule.half2 = capsuleCode(0, LinkRight);
    sc.s().grid[1][4] = sc.s().capsule.half1;
    sc.s().grid[1][5] = sc.s().capsule.half2;
    const std::optional<CpuAdvice> advice = cpuAdvice(sc.s());
    ASSERT_TRUE(advice.has_value());
    EXPECT_EQ(advice->placement.capsule.col, 1);
    EXPECT_TRUE(advice->placement.capsule.upright());
    EXPECT_GT(advice->score, 0);
    // Asked later in the capsule's fall, the keys come from then on.
    const std::optional<CpuAdvice> later = cpuAdvice(sc.s(), CpuLevel::Expert, 400);
    ASSERT_TRUE(later.has_value());
    ASSERT_FALSE(later->placement.keys.empty());
    EXPECT_GE(later->placement.keys.front().time, 400);
    // No advice while nothing is in play.
    sc.game.pause();
    sc.key(Command::Other);
    sc.s().phase = Phase::Removing;
    EXPECT_FALSE(cpuAdvice(sc.s()).has_value());
}

} // namespace kp::test

namespace kp::test {

// Computer players against each other in versus matches on virtual time: every match comes to
// an end, each keeps to its plans on a board that attacks change under it, and the match they
// played, recorded as any match is, replays to the same end.
// A soak of computer matches: `make soak` plays thousands.
TEST(SoakCpuMatch, matchesEndAndReplayToTheSameEnd) {
    int64_t halves = 0;
    int decided = 0;
    const int matches = gamesToPlay(8);
    for (int k = 0; k < matches; ++k) {
        MatchSettings ms;
        ms.seed = 500u + static_cast<uint32_t>(k);
        ms.startLevel = {1 + k % 5, 5};
        ms.cancelAttacks = k % 3 == 0;
        CpuPlayer a(static_cast<CpuLevel>(k % CpuLevelCount), ms.seed),
            b(CpuLevel::Expert, ms.seed + 1);
        Match m(ms, &a.eyes(), &b.eyes());
        const CpuMatchResult r = playCpuMatch(m, a, b, 3LL * 3600 * 1000);
        decided += r.winner >= 0;
        halves += r.halvesSent;
        EXPECT_EQ(a.stats().offPlan + b.stats().offPlan, 0) << "match " << k;
        EXPECT_EQ(replayEnd(m.recording()), r.end) << "match " << k;
    }
    // A match of two equal players may draw round after round (no rule caps draws): thousands
    // leave a few undecided after three hours of play, never more than one in fifty.
    EXPECT_GE(decided * 50, matches * 49);
    EXPECT_GT(halves, 0);
}

} // namespace kp::test
