#pragma once
// The computer player at the keys of a game alone, or two of them at a match's, on virtual
// time: the tests, the benchmarks, the tools and the demonstration drive them this way.

#include "cpu/player.h"
#include "engine/match.h"

#include <cstdint>
#include <functional>

namespace kp {

// One single-player game with a computer player at its keys on virtual time, as the tests, the
// benchmark and the runner play it: from level 1 of `seed` with the default options, until the
// game is lost, level `stopAt` is reached or `maxTime` ms have passed. `keys`, if given, hears
// every key the player presses, with its time and the state it finds, before the game does.
struct CpuGameResult {
    int32_t level = 1;
    bool lost = false;
    int64_t time = 0;
    int64_t capsules = 0;  // capsules the player decided on
    uint64_t checksum = 0; // of the board and counters at the end (gameEnd)
};
CpuGameResult playAlone(CpuPlayer& player, uint32_t seed, const LevelParameters& params,
                        int32_t stopAt, int64_t maxTime,
                        const std::function<void(int64_t, Command, const GameState&)>& keys = {});

struct CpuMatchResult {
    int32_t winner = -1; // -1 when the time ran out first
    int64_t time = 0;
    int64_t halvesSent = 0;
    Ending end;
};

// Plays `match` (just made, with each player's eyes as its board's events) to its end or to
// `maxTime` ms of virtual time.
CpuMatchResult playCpuMatch(Match& match, CpuPlayer& player0, CpuPlayer& player1, int64_t maxTime);

} // namespace kp
