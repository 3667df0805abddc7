#pragma once
// The reach of a falling capsule: every place it can still land with a person's keys, slides
// under an overhang and tucks included, and the keys with their times that take it there.

#include "cpu/board.h"

#include <cstdint>
#include <vector>

namespace kp {

// One landing the capsule can reach, and the keys that take it there: each with its time in ms
// after the capsule came into view. Where no key is left the capsule only falls.
struct CpuPlacement {
    Capsule capsule; // where it lands, as it lies
    struct Key {
        int32_t time;
        Command command;
        Capsule before; // where the capsule stands when the key goes
    };
    std::vector<Key> keys;
    int32_t landTime = 0; // when it lands by falling alone
};

// How a person's hands go: at most one key every `moveInterval` ms, the first `reaction` ms
// after the capsule came into view.
struct CpuHands {
    int32_t moveInterval = 100;
    int32_t reaction = 200;
};

// Every landing of `k` on `board`, `elapsed` ms after it came into view, when the capsule
// falls a row every `fallPeriod` ms from its coming into view. `nodes`, if given, counts the
// states looked at.
std::vector<CpuPlacement> reachable(const CpuBoard& board, const Capsule& k, int32_t fallPeriod,
                                    const CpuHands& hands, int64_t* nodes = nullptr,
                                    int32_t elapsed = 0);

} // namespace kp
