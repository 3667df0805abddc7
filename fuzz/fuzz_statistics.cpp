// The statistics file: whatever it holds, every count read is one (none negative, none past the
// most a sum keeps); a game and a match added to it (figures drawn from the input, up to the
// largest a summary holds) keep every count one and read back as the statistics they gave.
#include "fuzz/scratch.h"

#include "persistence/statistics.h"

#include <limits>

namespace {

using namespace kp;
using fuzz::Check;

bool isCount(int64_t v) {
    return v >= 0 && v <= Statistics::MaxCount;
}

void CheckCounts(const Statistics& s) {
    for (int64_t v : {s.gamesPlayed, s.levelsWon, s.smileysCleared, s.capsulesPlaced,
                      s.secondsPlayed, int64_t{s.longestChain}})
        Check(isCount(v), "every total is a count");
    for (const auto& [level, r] : s.levels)
        Check(level >= 1 && level <= Statistics::MaxLevel && r.won > 0 && isCount(r.won) &&
                  isCount(r.totalSeconds) && r.bestSeconds >= 0,
              "every level's line is a level won, with counts");
    Check(s.recent.size() <= Statistics::RecentGames, "no more games than the plot keeps");
    for (const MatchRecord& m : s.matches)
        Check(isCount(m.won) && isCount(m.lost) && isCount(m.attacksSent) && m.longestChain >= 0,
              "every match line holds counts");
}

Statistics Loaded(const std::string& path) {
    Statistics s;
    Check(loadStatistics(path, s).ok(), "the statistics file can be read");
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratch("statistics.ini", data, size);
    CheckCounts(Loaded(path));

    // The game's figures, from the seed: the largest ones half the time.
    const uint32_t h = fuzz::Hash(data, size);
    const bool huge = h & 1;
    const int32_t most = std::numeric_limits<int32_t>::max();
    auto figure = [&](uint32_t bits) { return huge ? most : static_cast<int32_t>(bits & 0xFFF); };
    GameSummary game;
    game.levelsWon = figure(h >> 1);
    game.smileysCleared = figure(h >> 3);
    game.capsulesPlaced = figure(h >> 5);
    game.longestChain = figure(h >> 7);
    game.secondsPlayed = figure(h >> 9);
    for (int32_t level = 1; level <= static_cast<int32_t>(h >> 11 & 7); ++level)
        game.levels.push_back({level, figure(h >> level)});
    const MatchSummary match{static_cast<int32_t>(h >> 14) % Statistics::CpuLevels, huge,
                             figure(h >> 17), huge ? std::numeric_limits<int64_t>::max() : h};

    Statistics added;
    if (!addToStatistics(path, game, static_cast<int64_t>(h), added).ok()) return 0; // too large
    CheckCounts(added);
    Check(added.gamesPlayed >= 1, "the game added counts");
    Check(addToStatistics(path, match, added).ok(), "a match is added after a game");
    CheckCounts(added);
    Check(Loaded(path) == added, "the statistics added read back from the file");
    return 0;
}
