#pragma once
// The random choices of the soak games: parameters anywhere in their ranges, mostly of a
// playable size.

#include "engine/game_state.h"

#include <algorithm>
#include <cstdlib>
#include <random>

namespace kp::test {

// KP_SOAK_GAMES sets the number of games (`make soak` plays thousands), `fallback` otherwise.
inline int gamesToPlay(int fallback = 1500) {
    const char* env = std::getenv("KP_SOAK_GAMES");
    return env ? std::max(1, std::atoi(env)) : fallback;
}

struct Soak {
    std::mt19937 rng;
    explicit Soak(uint32_t seed) : rng(seed) {}
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool chance(int percent) { return pick(1, 100) <= percent; }

    LevelParameters parameters() {
        LevelParameters p;
        p.rows = chance(20) ? pick(5, 99) : pick(5, 22);
        p.columns = chance(20) ? pick(5, 99) : pick(5, 12);
        p.colours = pick(1, 5);
        const int runs[] = {1, 2, 3, 4, 4, 4, 5, 999};
        p.minRun = runs[pick(0, 7)];
        p.smileys = pick(1, 99);
        p.smileysPerLevel = pick(0, 99);
        p.smileyRows = pick(1, 99);
        p.smileyRowsPerLevel = pick(0, 99);
        p.maxSmileyRows = pick(1, 99);
        p.firstFallPeriod = pick(100, 999);
        p.fallPeriodStep = pick(0, 99);
        return p;
    }
};

} // namespace kp::test
