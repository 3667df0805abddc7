#pragma once
#include "game.h"
#include "timeline.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace kp {

// Drives the timers of one game, or of the games of a match, on one virtual time. Due timers
// fire in time order; at one instant each game's fire in timer order, one game after the
// other, the games taking turns to go first at the instants they share. A timer whose enabled
// flag or period changed is re-armed from that moment. Tests and benchmarks run whole games
// with it in microseconds.
class VirtualClock final : public Timeline {
  public:
    explicit VirtualClock(Game& game) : VirtualClock(std::vector<Game*>{&game}) {}
    // Fires through `fire` instead of Game::fire (a recording game notes each fire).
    VirtualClock(Game& game, std::function<void(TimerId)> fire);
    explicit VirtualClock(std::vector<Game*> games);

    int64_t now() const override { return now_; }
    // The timers fired since the clock was made.
    int64_t fired() const { return fired_; }
    // The instant the next timer is due; -1 when none runs (a driver sleeps until then).
    int64_t nextDue() override;
    // Fires every timer due at the next instant; returns false when none runs.
    bool step();
    // Fires every timer that falls due within the next `ms` milliseconds, or up to `time`.
    void advance(int64_t ms) { advanceTo(now_ + ms); }
    void advanceTo(int64_t time) override;
    // Moves the time on to `time`, if it is later, firing nothing. Timers that fell due before
    // it fire at the next step(), late, at the time the clock stands at (a driver on the wall
    // clock that woke late; a replay fires what was due before, instant by instant, first).
    void standAt(int64_t time);
    // Re-arms timers changed by calls made outside the clock (keys, menu commands).
    void sync();
    // Re-arms every timer from now, changed or not (the boards were set up anew).
    void rearmAll();

  private:
    struct Arm {
        int64_t due = 0;
        uint32_t version = 0;
        bool armed = false;
    };
    void arm(size_t board, bool all);
    int dueAt(size_t board, int64_t t) const;

    std::vector<Game*> games_;
    std::function<void(TimerId)> fire_; // one game's, when it is not Game::fire
    std::vector<std::array<Arm, TimerCount>> arms_;
    int64_t now_ = 0;
    int64_t fired_ = 0;
    size_t first_ = 0; // the game going first at the next instant several share
};

} // namespace kp
