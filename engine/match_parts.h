#pragma once
// The match's own parts, shared by its files: what each board tells it, and what a match between
// two computers keeps beside.

#include "match.h"

namespace kp {

// What one board tells the match, and the match's generator of its halves' columns.
struct Match::Side : BoardHooks {
    Match* match = nullptr;
    int p = 0;
    Random columns;
    std::vector<int32_t> removed; // colours of the runs of the chain under way
    bool receiving = false;       // the chain under way was started by halves dropped in
    int32_t steps = 0;            // searches of the chain under way that found runs
    int end = 0;                  // 0 plays on, 1 won, 2 lost: how the board ended this instant

    void runsFound(const std::vector<int32_t>& colours) override {
        if (receiving) return;
        removed.insert(removed.end(), colours.begin(), colours.end());
        ++steps;
    }
    void chainEnded(End e) override {
        match->chainEnded(p, static_cast<int>(e));
        if (match->apart()) match->landings_[p].push_back(boardChecksum(*match->boards_[p]));
    }
};

// A match apart: what is on its way to each board, and how each board stands in its round.
struct Match::Apart {
    struct Arrival {
        int64_t time; // when it may fall: the sender's time plus the delay
        int32_t colour;
        int32_t round; // the sender's: halves sent as a round ends fall in no other
    };
    std::array<std::vector<Arrival>, 2> arriving;
    std::array<int64_t, 2> ended{-1, -1};      // when each board ended the round under way
    std::array<int64_t, 2> ownPause{-1, -1};   // since when its own player has held it paused
    std::array<int32_t, 2> rounds{0, 0};       // the round each board plays (from 0)
    std::array<bool, 2> stopped{false, false}; // at the end of the match's last round
    int64_t restart = -1;                      // when the decided round ends for both
    bool forfeited = false;
};

} // namespace kp
