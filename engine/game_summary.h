#pragma once
// What one finished game adds to the player's statistics, read from its recording by playing it
// again where nobody sees it.

#include "recording.h"

#include <cstdint>
#include <vector>

namespace kp {

struct LevelTime {
    int32_t level = 0;
    int32_t seconds = 0; // chrono seconds from the level's start to its win
    bool operator==(const LevelTime&) const = default;
};

struct GameSummary {
    int32_t levelsWon = 0;
    int32_t smileysCleared = 0;
    int32_t capsulesPlaced = 0;
    int32_t longestChain = 0;  // most removals that followed one landing
    int32_t secondsPlayed = 0; // the chrono at the end
    std::vector<LevelTime> levels;
    bool operator==(const GameSummary&) const = default;
};

// The chrono's five digits as seconds.
int32_t chronoSeconds(const std::array<int32_t, 5>& chrono);

GameSummary summarise(const Recording& recording);

} // namespace kp
