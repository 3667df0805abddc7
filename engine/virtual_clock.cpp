#include "virtual_clock.h"

namespace kp {

void VirtualClock::sync() {
    const auto& timers = game_.state().Timers;
    for (int i = 0; i < TimerCount; ++i) {
        Arm& a = arms_[i];
        if (!first_ && a.version == timers[i].version) continue;
        a.version = timers[i].version;
        a.armed = timers[i].running();
        a.due = now_ + timers[i].period;
    }
    first_ = false;
}

int VirtualClock::next() const {
    int best = -1;
    for (int i = 0; i < TimerCount; ++i)
        if (arms_[i].armed && (best < 0 || arms_[i].due < arms_[best].due)) best = i;
    return best;
}

void VirtualClock::fireNext(int i) {
    now_ = arms_[i].due;
    arms_[i].due += game_.state().Timers[i].period;
    if (fire_)
        fire_(static_cast<TimerId>(i));
    else
        game_.fire(static_cast<TimerId>(i));
}

bool VirtualClock::step() {
    sync();
    const int i = next();
    if (i < 0) return false;
    fireNext(i);
    return true;
}

void VirtualClock::advance(int64_t ms) {
    const int64_t target = now_ + ms;
    for (;;) {
        sync();
        const int i = next();
        if (i < 0 || arms_[i].due > target) break;
        fireNext(i);
    }
    now_ = target;
}

} // namespace kp
