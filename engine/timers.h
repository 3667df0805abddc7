#pragma once
#include <array>
#include <cstdint>

namespace kp {

// The game's timers. The first six are the window's own; the next two turn what would be a
// blocking wait (the hard drop's 50 ms steps, the window shake's 100 ms steps) into short
// timer-driven sequences with the same visible timing; the last repeats a held direction.
enum class TimerId : int {
    Fall,            // the capsule falls one row
    Removal,         // removal animation frames
    Collapse,        // loose halves fall one row
    SmileyAnimation, // the smileys' faces change
    Clock,           // elapsed time and automatic pause
    Pinup,           // pin-up animation between levels
    Drop,            // hard drop, one row every 50 ms
    Shake,           // window shake, four steps of 100 ms
    Repeat,          // the game's own repeat of a held left, right or down
};
constexpr int TimerCount = 9;

// A timer is data: enabled flag and period. It fires only when enabled with a period above 0
// and not held (the pause holds every timer that moves something on the board, and lets go of
// them where they were). `version` changes whenever enabled, period or held really changes,
// which restarts its count (a driver re-arms it from the moment of the change).
struct TimerSlot {
    bool enabled = false;
    int32_t period = 0;
    uint32_t version = 0;
    bool held = false;
    bool running() const { return enabled && period > 0 && !held; }
};

using TimerTable = std::array<TimerSlot, TimerCount>;

constexpr int timerIndex(TimerId id) {
    return static_cast<int>(id);
}

} // namespace kp
