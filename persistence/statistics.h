#pragma once
// The player's statistics: totals over every game, times by level, and the last games for the
// plot of progress. Kept in a file of their own beside the settings file, which keeps its
// sections as they are; every finished game is added to the file at once, so that two copies
// of the game playing at the same time both count.

#include "file_result.h"

#include "engine/game_summary.h"

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>

namespace kp {

// One finished game, as the plot needs it.
struct PlayedGame {
    int64_t when = 0; // seconds since 1970
    int32_t levelsWon = 0;
    int32_t smileysCleared = 0;
    int32_t secondsPlayed = 0;
    int32_t secondsInLevelsWon = 0;
    bool operator==(const PlayedGame&) const = default;

    // Average seconds a won level took; nothing when no level was won.
    std::optional<double> secondsPerLevel() const;
    // Smileys cleared per minute of play; nothing for a game of no time.
    std::optional<double> smileysPerMinute() const;
};

struct LevelRecord {
    int64_t won = 0;
    int64_t totalSeconds = 0;
    int32_t bestSeconds = 0;
    bool operator==(const LevelRecord&) const = default;
    double averageSeconds() const { return won ? double(totalSeconds) / double(won) : 0.0; }
};

// The player's matches against the computer at one of its levels.
struct MatchRecord {
    int64_t won = 0;
    int64_t lost = 0;
    int32_t longestChain = 0;
    int64_t attacksSent = 0;
    bool operator==(const MatchRecord&) const = default;
    bool empty() const { return won == 0 && lost == 0; }
};

// One finished match against the computer, from the player's side.
struct MatchSummary {
    int32_t cpuLevel = 0; // 0 the beginner .. 4 the expert; NetworkLine a friend's over the network
    bool won = false;
    int32_t longestChain = 0;
    int64_t attacksSent = 0;
};

struct Statistics {
    static constexpr size_t RecentGames = 50;
    // Levels past this one (reached only by skipping or by an edited saved game) count in the
    // totals but get no line of their own.
    static constexpr int32_t MaxLevel = 999;
    static constexpr int CpuLevels = 5;
    // Matches over the network count on a line of their own, after the computer's levels.
    static constexpr int NetworkLine = CpuLevels;
    static constexpr int MatchLines = CpuLevels + 1;
    // Far beyond a lifetime of play: a count the file gives above it is damaged, and a sum
    // stops there instead of wrapping round.
    static constexpr int64_t MaxCount = 1'000'000'000'000'000;

    int64_t gamesPlayed = 0;
    int64_t levelsWon = 0;
    int64_t smileysCleared = 0;
    int64_t capsulesPlaced = 0;
    int32_t longestChain = 0;
    int64_t secondsPlayed = 0;
    std::map<int32_t, LevelRecord> levels;         // by level number
    std::deque<PlayedGame> recent;                 // the last games, oldest first
    std::array<MatchRecord, MatchLines> matches{}; // by the computer's level, then the network's

    bool operator==(const Statistics&) const = default;
    void add(const GameSummary& game, int64_t when);
    void add(const MatchSummary& match);
    bool empty() const;
};

// "kembrolla-panic.ini" gives "kembrolla-panic-statistiques.ini" in the same folder.
std::filesystem::path statisticsFilePath(const std::filesystem::path& settingsFile);

// Reads the file; a missing one gives empty statistics, damaged values are left out.
FileResult loadStatistics(const std::filesystem::path& file, Statistics& out);
// Adds one game to the file as it stands now, and gives the statistics it then holds.
FileResult addToStatistics(const std::filesystem::path& file, const GameSummary& game, int64_t when,
                           Statistics& out);
// Adds one match to the file as it stands now, and gives the statistics it then holds.
FileResult addToStatistics(const std::filesystem::path& file, const MatchSummary& match,
                           Statistics& out);
// Empties the file.
FileResult clearStatistics(const std::filesystem::path& file);

} // namespace kp
