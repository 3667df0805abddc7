#include "ui/clock_driver.h"

#include <algorithm>

namespace kp {

namespace {
// The longest sleep: a driver wakes at least this often (a period changed outside the clock is
// seen at the latest then).
constexpr int64_t LongestSleep = 1000;
} // namespace

ClockDriver::ClockDriver(VirtualClock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { wake(); });
}

void ClockDriver::start() {
    origin_ = clock_.now();
    wall_.start();
    running_ = true;
    clock_.rearmAll();
    sleep();
}

void ClockDriver::stop() {
    running_ = false;
    timer_.stop();
}

void ClockDriver::timersChanged() {
    if (!running_ || firing_) return;
    clock_.standAt(wallNow());
    clock_.sync();
    sleep();
}

void ClockDriver::wake() {
    // A timer's work may open a dialog whose event loop would wake the driver again.
    if (!running_ || firing_) return;
    firing_ = true;
    clock_.advanceTo(wallNow());
    firing_ = false;
    sleep();
}

void ClockDriver::sleep() {
    if (!running_) return;
    const int64_t next = clock_.nextDue();
    if (next < 0) return timer_.stop();
    timer_.start(static_cast<int>(std::clamp<int64_t>(next - wallNow(), 0, LongestSleep)));
}

} // namespace kp
