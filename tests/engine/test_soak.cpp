// Thousands of random games on virtual time: random parameters, options, keys and commands,
// with the rules' invariants checked after every step. KP_SOAK_GAMES sets the number of games
// (a few hundred by default, so the run stays within seconds).
#include "fixture.h"
#include "soak.h"

#include <gtest/gtest.h>

#include <memory>

#include <cstdlib>
#include <random>

namespace kp::test {

namespace {

bool knownCode(int32_t code) {
    if (code == CellEmpty) return true;
    if (isCapsuleHalf(code)) return true;
    if (isRemoval(code)) return code % 10 <= 4;
    if (isSmiley(code)) {
        const int32_t a = -code;
        return a >= 101 && a <= 144 && a % 10 >= 1 && a % 10 <= 4;
    }
    return false;
}

// The partner a half's link points at, and the link that partner must carry.
bool partnerAgrees(const GameState& s, int r, int c) {
    const int32_t code = s.grid[r][c];
    auto has = [&](int rr, int cc, int link) {
        const int32_t p = s.at(rr, cc);
        return isCapsuleHalf(p) && linkOf(p) == link;
    };
    switch (linkOf(code)) {
    case LinkTop:
        return has(r + 1, c, LinkBottom);
    case LinkBottom:
        return has(r - 1, c, LinkTop);
    case LinkLeft:
        return has(r, c + 1, LinkRight);
    case LinkRight:
        return has(r, c - 1, LinkLeft);
    default:
        return true;
    }
}

} // namespace

TEST(Soak, randomGamesKeepEveryInvariant) {
    const int games = gamesToPlay();
    int removals = 0, levelsWon = 0, losses = 0, shakes = 0;
    for (int g = 0; g < games; ++g) {
        Soak soak(static_cast<uint32_t>(g) * 7919u + 1u);
        Scenario sc(soak.parameters(), static_cast<uint32_t>(g));
        GameState& s = sc.s();
        bool strangeCells = false;
        sc.game.setShake(soak.chance(30));
        sc.game.setPinup(soak.pick(0, 3));
        sc.game.setRemovalAnimation(soak.pick(0, 3));

        for (int step = 0; step < 400; ++step) {
            const std::array<int32_t, 5> chronoBefore = s.Chrono;
            const bool pausedBefore = s.paused;
            bool timePassed = false;
            const int what = soak.pick(0, 99);
            if (what < 40) {
                static const Command keys[] = {Command::Left, Command::Right, Command::Turn,
                                               Command::Down, Command::Drop,  Command::Other};
                sc.key(keys[soak.pick(0, 5)]);
            } else if (what < 80) {
                sc.run(soak.pick(1, 700));
                timePassed = true;
            } else if (what < 83) {
                sc.key(Command::Panic);
                sc.game.unhide();
            } else if (what < 86) {
                sc.game.togglePause();
            } else if (what < 88) {
                sc.game.restartLevel();
            } else if (what < 90) {
                sc.game.skipLevel();
            } else if (what < 91) {
                sc.game.newGame();
            } else if (what < 93) {
                sc.game.setWindowActive(!s.windowActive);
            } else if (what < 96) {
                sc.game.setRemovalAnimation(soak.pick(0, 3));
                sc.game.setSmileyAnimation(soak.pick(0, 3));
                sc.game.setShake(soak.chance(30));
                sc.game.setPinup(soak.pick(0, 3));
            } else if (what < 97) {
                // A saved game holding anything at all.
                auto saved = std::make_unique<SavedGame>();
                saved->level =
                    soak.chance(50) ? soak.pick(-5, 200) : soak.pick(INT32_MIN, INT32_MAX);
                for (auto& row : saved->Cells)
                    for (auto& cell : row)
                        if (soak.chance(5)) cell = soak.pick(INT32_MIN, INT32_MAX);
                strangeCells = true;
                sc.game.newGame(saved.get());
            } else {
                sc.run(soak.pick(1000, 5000));
                timePassed = true;
            }
            sc.clock.sync();

            // The phase says which timers of the chain run, and nothing else does.
            const Phase phase = s.phase;
            ASSERT_EQ(s.timer(TimerId::Removal).enabled, phase == Phase::Removing)
                << "game " << g << " step " << step;
            ASSERT_EQ(s.timer(TimerId::Collapse).enabled, phase == Phase::Collapsing);
            ASSERT_EQ(s.shakeStep > 0, phase == Phase::Shaking);
            ASSERT_EQ(s.pinupFrame > 0, phase == Phase::PinUp);
            // Timers: the capsule never falls during a removal, collapse or shake.
            const bool removing = s.timer(TimerId::Removal).enabled ||
                                  s.timer(TimerId::Collapse).enabled || s.shakeStep > 0;
            ASSERT_FALSE(removing && s.timer(TimerId::Fall).enabled)
                << "game " << g << " step " << step;
            // The chrono counts only while the game is not paused.
            if (timePassed && pausedBefore && s.paused) {
                ASSERT_EQ(s.Chrono, chronoBefore);
            }
            // The counter matches the board whenever no chain is under way.
            if (!sc.game.chainRunning() && !strangeCells) {
                ASSERT_EQ(s.smileysLeft, sc.smileys())
                    << "game " << g << " step " << step << " action " << what;
            }

            for (int r = 0; r <= s.params.rows + 1; ++r) {
                ASSERT_EQ(s.grid[r][0], CellWall);
                ASSERT_EQ(s.grid[r][s.params.columns + 1], CellWall);
            }
            for (int c = 0; c <= s.params.columns + 1; ++c)
                ASSERT_EQ(s.grid[s.params.rows + 1][c], CellWall);
            if (strangeCells) continue;
            for (int r = 0; r <= s.params.rows; ++r)
                for (int c = 1; c <= s.params.columns; ++c) {
                    const int32_t code = s.grid[r][c];
                    ASSERT_TRUE(knownCode(code))
                        << code << " at " << r << "," << c << " game " << g;
                    if (isCapsuleHalf(code)) {
                        ASSERT_TRUE(partnerAgrees(s, r, c))
                            << code << " at " << r << "," << c << " game " << g << " step " << step;
                    }
                }
        }
        removals += sc.ev.sounds[Sound::Removal];
        levelsWon += sc.ev.sounds[Sound::LevelWon];
        losses += s.message == Message::Lost;
        shakes += static_cast<int>(sc.ev.shakes.size());
    }
    // The random games do reach the states worth checking.
    EXPECT_GT(removals, games);
    EXPECT_GT(levelsWon, games / 10);
    EXPECT_GT(losses, 0);
    EXPECT_GT(shakes, 0);
    std::printf("%d games: %d removals, %d levels won, %d lost, %d shake steps\n", games, removals,
                levelsWon, losses, shakes);
}

} // namespace kp::test
