// The statistics: the arithmetic of totals, levels and the last games, and their own file.
#include "temp_dir.h"

#include "persistence/file_result.h"
#include "persistence/statistics.h"

#include <gtest/gtest.h>

#include <future>
#include <thread>

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

TEST(Statistics, matchesCountAgainstEachLevelOfTheComputerBesideTheGames) {
    TempDir dir;
    const auto file = dir / "s.ini";
    Statistics s;
    ASSERT_TRUE(addToStatistics(file, game(3, 40, {{1, 40}}), 10, s).ok());
    const std::string gamesOnly = ReadText(file);
    EXPECT_EQ(gamesOnly.find("Duels"), std::string::npos); // no section before a match

    ASSERT_TRUE(addToStatistics(file, MatchSummary{4, true, 3, 2}, s).ok());
    ASSERT_TRUE(addToStatistics(file, MatchSummary{4, false, 2, 5}, s).ok());
    ASSERT_TRUE(addToStatistics(file, MatchSummary{0, true, 1, 0}, s).ok());
    ASSERT_TRUE(addToStatistics(file, MatchSummary{9, true, 1, 0}, s).ok()); // no such level
    Statistics read;
    ASSERT_TRUE(loadStatistics(file, read).ok());
    EXPECT_EQ(read, s);
    EXPECT_EQ(read.matches[4], (MatchRecord{1, 1, 3, 7}));
    EXPECT_EQ(read.matches[0], (MatchRecord{1, 0, 1, 0}));
    EXPECT_TRUE(read.matches[2].empty());
    EXPECT_EQ(read.gamesPlayed, 1); // a match is no game of the totals

    ASSERT_TRUE(clearStatistics(file).ok());
    ASSERT_TRUE(loadStatistics(file, read).ok());
    EXPECT_TRUE(read.empty());
}

// A copy stopped in the middle of its update, holding the folder's lock: another copy adds its
// game once it has waited long enough, and the stopped one, going on, must not write over it.
TEST(Statistics, aCopyStuckHoldingTheLockDoesNotWriteOverTheGameAddedMeanwhile) {
    TempDir dir, aside;
    const auto file = dir / "s.ini";
    Statistics s;
    ASSERT_TRUE(addToStatistics(file, game(1, 10, {}), 1, s).ok());
    std::promise<void> holding, goOn;
    std::thread stuck([&, goOnLater = goOn.get_future()] {
        bool first = true;
        UpdateFileSafely(file, [&](std::string text) {
            if (std::exchange(first, false)) {
                holding.set_value();
                goOnLater.wait();
            }
            // Its own game, added as the game adds one, to the text it was handed.
            WriteText(aside / "s.ini", text);
            Statistics ignored;
            addToStatistics(aside / "s.ini", game(2, 20, {}), 2, ignored);
            return ReadText(aside / "s.ini");
        });
    });
    holding.get_future().wait();
    const FileResult other = addToStatistics(file, game(3, 30, {}), 3, s);
    goOn.set_value();
    stuck.join();
    EXPECT_TRUE(other.ok());
    EXPECT_TRUE(other.lockBusy);
    Statistics read;
    ASSERT_TRUE(loadStatistics(file, read).ok());
    EXPECT_EQ(read.gamesPlayed, 3);
    EXPECT_EQ(read.smileysCleared, 6);
}

TEST(Statistics, damagedLinesAreLeftOut) {
    TempDir dir;
    const auto file = dir / "s.ini";
    WriteText(file, "[Totaux]\nParties=-4\nNiveauxGagnes=abc\nTempsJoue=99\n"
                    "[Niveaux]\n1=2 60 25\n2=x\n"
                    "[Parties]\n1=5 1 2 3\n2=6 1 10 60 30\n"
                    "[Duels]\n1=2 1 -3 4\n2=1 0 2\n5=3 2 4 9\n");
    Statistics s;
    ASSERT_TRUE(loadStatistics(file, s).ok());
    EXPECT_EQ(s.gamesPlayed, 0);
    EXPECT_EQ(s.levelsWon, 0);
    EXPECT_EQ(s.secondsPlayed, 99);
    EXPECT_EQ(s.levels.size(), 1u);
    ASSERT_EQ(s.recent.size(), 1u);
    EXPECT_EQ(s.recent[0].when, 6);
    EXPECT_TRUE(s.matches[0].empty());
    EXPECT_TRUE(s.matches[1].empty());
    EXPECT_EQ(s.matches[4], (MatchRecord{3, 2, 4, 9}));
}

// Counts at the edge of what a number holds: one more game neither wraps them round nor loses
// the level's record, and a count beyond any play reads as damaged.
TEST(Statistics, hugeCountsStayCountsThroughAnotherGameAndMatch) {
    TempDir dir;
    const auto file = dir / "s.ini";
    const std::string top = std::to_string(INT64_MAX);
    WriteText(file, "[Totaux]\nParties=" + top + "\nTempsJoue=" + top + "\n[Niveaux]\n1=" + top +
                        " " + top + " 5\n[Duels]\n1=" + top + " " + top + " 2 " + top + "\n");
    Statistics s;
    ASSERT_TRUE(loadStatistics(file, s).ok());
    EXPECT_EQ(s.gamesPlayed, 0);
    EXPECT_TRUE(s.levels.empty());

    const std::string edge = std::to_string(Statistics::MaxCount);
    WriteText(file, "[Totaux]\nParties=" + edge + "\nTempsJoue=" + edge + "\n[Niveaux]\n1=" + edge +
                        " " + edge + " 5\n[Duels]\n1=" + edge + " 0 2 " + edge + "\n");
    ASSERT_TRUE(addToStatistics(file, game(3, 40, {{1, 40}}), 10, s).ok());
    ASSERT_TRUE(addToStatistics(file, MatchSummary{0, true, 1, 3}, s).ok());
    Statistics read;
    ASSERT_TRUE(loadStatistics(file, read).ok());
    EXPECT_EQ(read, s);
    EXPECT_EQ(read.gamesPlayed, Statistics::MaxCount);
    EXPECT_EQ(read.secondsPlayed, Statistics::MaxCount);
    EXPECT_EQ(read.levels[1], (LevelRecord{Statistics::MaxCount, Statistics::MaxCount, 5}));
    EXPECT_EQ(read.matches[0], (MatchRecord{Statistics::MaxCount, 0, 2, Statistics::MaxCount}));
}

} // namespace kp::test
