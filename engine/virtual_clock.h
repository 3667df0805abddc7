#pragma once
#include "game.h"

#include <array>
#include <cstdint>
#include <functional>

namespace kp {

// Drives a Game's timers on virtual time: due timers fire in time order (ties in timer
// order), and a timer whose enabled flag or period changed is re-armed from that moment.
// Tests and benchmarks run whole games with it in microseconds.
class VirtualClock {
  public:
    explicit VirtualClock(Game& game) : game_(game) { sync(); }
    // Fires through `fire` instead of Game::fire (a recording game notes each fire).
    VirtualClock(Game& game, std::function<void(TimerId)> fire)
        : game_(game), fire_(std::move(fire)) {
        sync();
    }

    int64_t now() const { return now_; }
    // Fires every timer that falls due within the next `ms` milliseconds.
    void advance(int64_t ms);
    // Fires the next due timer, if one is running; returns false when none is.
    bool step();
    // Re-arms timers changed by calls made outside the clock (keys, menu commands).
    void sync();

  private:
    struct Arm {
        int64_t due = 0;
        uint32_t version = 0;
        bool armed = false;
    };
    int next() const;
    void fireNext(int i);

    Game& game_;
    std::function<void(TimerId)> fire_;
    int64_t now_ = 0;
    std::array<Arm, TimerCount> arms_{};
    bool first_ = true;
};

} // namespace kp
