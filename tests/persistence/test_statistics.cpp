// The statistics: the arithmetic of totals, levels and the last games, and their own file.
#include "temp_dir.h"

#include "persistence/statistics.h"

#include <gtest/gtest.h>

namespace kp::test {

namespace {

GameSummary game(int32_t cleared, int32_t seconds, std::vector<LevelTime> levels,
                 int32_t chain = 1) {
    GameSummary g;
    g.smileysCleared = cleared;
    g.secondsPlayed = seconds;
    g.levels = std::move(levels);
    g.levelsWon = static_cast<int32_t>(g.levels.size());
    g.capsulesPlaced = cleared * 2;
    g.longestChain = chain;
    return g;
}

} // namespace

TEST(Statistics, totalsBestAndAverageByLevel) {
    Statistics s;
    s.add(game(10, 120, {{1, 50}, {2, 70}}, 2), 1000);
    s.add(game(4, 30, {{1, 30}}, 3), 2000);
    s.add(game(0, 10, {}), 3000);
    EXPECT_EQ(s.gamesPlayed, 3);
    EXPECT_EQ(s.levelsWon, 3);
    EXPECT_EQ(s.smileysCleared, 14);
    EXPECT_EQ(s.capsulesPlaced, 28);
    EXPECT_EQ(s.longestChain, 3);
    EXPECT_EQ(s.secondsPlayed, 160);
    EXPECT_EQ(s.levels[1].won, 2);
    EXPECT_EQ(s.levels[1].bestSeconds, 30);
    EXPECT_DOUBLE_EQ(s.levels[1].averageSeconds(), 40.0);
    EXPECT_EQ(s.levels[2].bestSeconds, 70);
    ASSERT_EQ(s.recent.size(), 3u);
    EXPECT_DOUBLE_EQ(*s.recent[0].secondsPerLevel(), 60.0);
    EXPECT_DOUBLE_EQ(*s.recent[0].smileysPerMinute(), 5.0);
    EXPECT_FALSE(s.recent[2].secondsPerLevel());
    EXPECT_DOUBLE_EQ(*s.recent[2].smileysPerMinute(), 0.0);
}

TEST(Statistics, keepsTheLastFiftyGamesOnly) {
    Statistics s;
    for (int i = 0; i < 60; ++i) s.add(game(i, 60, {}), i);
    ASSERT_EQ(s.recent.size(), Statistics::RecentGames);
    EXPECT_EQ(s.recent.front().when, 10);
    EXPECT_EQ(s.recent.back().when, 59);
    EXPECT_EQ(s.gamesPlayed, 60);
}

TEST(Statistics, levelsFarOutCountInTotalsOnly) {
    Statistics s;
    s.add(game(1, 5, {{2000000000, 5}}), 1);
    EXPECT_EQ(s.levelsWon, 1);
    EXPECT_TRUE(s.levels.empty());
}

TEST(Statistics, fileAddsEachGameToWhatItHoldsAndClears) {
    TempDir dir;
    const auto file = statisticsFilePath(dir / "kembrolla-panic.ini");
    EXPECT_EQ(file.filename(), "kembrolla-panic-statistiques.ini");
    Statistics mine, other;
    ASSERT_TRUE(addToStatistics(file, game(3, 40, {{1, 40}}), 10, mine).ok());
    // Another copy of the game adds its own game meanwhile: both count.
    ASSERT_TRUE(addToStatistics(file, game(5, 50, {{1, 20}, {2, 30}}), 20, other).ok());
    Statistics read;
    ASSERT_TRUE(loadStatistics(file, read).ok());
    EXPECT_EQ(read, other);
    EXPECT_EQ(read.gamesPlayed, 2);
    EXPECT_EQ(read.levels[1].bestSeconds, 20);
    ASSERT_EQ(read.recent.size(), 2u);
    EXPECT_EQ(read.recent[1].when, 20);

    ASSERT_TRUE(clearStatistics(file).ok());
    ASSERT_TRUE(loadStatistics(file, read).ok());
    EXPECT_EQ(read, Statistics{});
}

TEST(Statistics, damagedLinesAreLeftOut) {
    TempDir dir;
    const auto file = dir / "s.ini";
    WriteText(file, "[Totaux]\nParties=-4\nNiveauxGagnes=abc\nTempsJoue=99\n"
                    "[Niveaux]\n1=2 60 25\n2=x\n"
                    "[Parties]\n1=5 1 2 3\n2=6 1 10 60 30\n");
    Statistics s;
    ASSERT_TRUE(loadStatistics(file, s).ok());
    EXPECT_EQ(s.gamesPlayed, 0);
    EXPECT_EQ(s.levelsWon, 0);
    EXPECT_EQ(s.secondsPlayed, 99);
    EXPECT_EQ(s.levels.size(), 1u);
    ASSERT_EQ(s.recent.size(), 1u);
    EXPECT_EQ(s.recent[0].when, 6);
}

} // namespace kp::test
