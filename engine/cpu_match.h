#pragma once
// Two computer players at the keys of a versus match, on the match's virtual clock: the
// tests, the runner and a self-playing demonstration drive a match this way.
#include "cpu_player.h"
#include "match.h"

#include <cstdint>

namespace kp {

struct CpuMatchResult {
    int32_t winner = -1; // -1 when the time ran out first
    int64_t time = 0;
    int64_t halvesSent = 0;
    MatchEnd end;
};

// Plays `match` (just made, with each player's eyes as its board's events) to its end or to
// `maxTime` ms of virtual time.
CpuMatchResult playCpuMatch(Match& match, CpuPlayer& player0, CpuPlayer& player1, int64_t maxTime);

} // namespace kp
