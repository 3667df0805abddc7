#include "virtual_clock.h"

#include <algorithm>

namespace kp {

VirtualClock::VirtualClock(Game& game, std::function<void(TimerId)> fire)
    : VirtualClock(std::vector<Game*>{&game}) {
    fire_ = std::move(fire);
}

VirtualClock::VirtualClock(std::vector<Game*> games)
    : games_(std::move(games)), arms_(games_.size()) {
    rearmAll();
}

void VirtualClock::arm(size_t board, bool all) {
    const auto& timers = games_[board]->state().Timers;
    for (int i = 0; i < TimerCount; ++i) {
        Arm& a = arms_[board][i];
        if (!all && a.version == timers[i].version) continue;
        a.version = timers[i].version;
        a.armed = timers[i].running();
        a.due = now_ + timers[i].period;
    }
}

void VirtualClock::sync() {
    for (size_t b = 0; b < games_.size(); ++b) arm(b, false);
}

void VirtualClock::rearmAll() {
    for (size_t b = 0; b < games_.size(); ++b) arm(b, true);
}

int64_t VirtualClock::nextDue() {
    sync();
    int64_t best = -1;
    for (const auto& board : arms_)
        for (const Arm& a : board)
            if (a.armed && (best < 0 || a.due < best)) best = a.due;
    return best;
}

int VirtualClock::dueAt(size_t board, int64_t t) const {
    for (int i = 0; i < TimerCount; ++i)
        if (arms_[board][i].armed && arms_[board][i].due == t) return i;
    return -1;
}

bool VirtualClock::step() {
    const int64_t t = nextDue();
    if (t < 0) return false;
    now_ = std::max(now_, t); // a timer overdue (its driver woke late) fires late, as it is
    size_t sharing = 0;
    for (size_t b = 0; b < games_.size(); ++b) sharing += dueAt(b, t) >= 0;
    for (size_t k = 0; k < games_.size(); ++k) {
        const size_t b = (first_ + k) % games_.size();
        for (;;) {
            arm(b, false);
            const int i = dueAt(b, t);
            if (i < 0) break;
            arms_[b][i].due += games_[b]->state().Timers[i].period;
            ++fired_;
            if (fire_)
                fire_(static_cast<TimerId>(i));
            else
                games_[b]->fire(static_cast<TimerId>(i));
        }
    }
    sync();
    if (sharing > 1) first_ = (first_ + 1) % games_.size();
    return true;
}

void VirtualClock::advanceTo(int64_t time) {
    for (;;) {
        const int64_t t = nextDue();
        if (t < 0 || t > time) break;
        step();
    }
    standAt(time);
}

void VirtualClock::standAt(int64_t time) {
    if (time > now_) now_ = time;
}

} // namespace kp
