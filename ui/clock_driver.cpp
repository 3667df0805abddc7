#include "ui/clock_driver.h"

#include <algorithm>
#include <cmath>

namespace kp {

namespace {
// The longest sleep: a driver wakes at least this often.
constexpr int64_t LongestSleep = 1000;
} // namespace

ClockDriver::ClockDriver(Timeline& timeline, QObject* parent)
    : QObject(parent), timeline_(timeline) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { wake(); });
}

void ClockDriver::start() {
    wall_.start();
    running_ = true;
    origin_ = timeline_.now();
    wallOrigin_ = elapsed_();
    sleep();
}

void ClockDriver::stop() {
    running_ = false;
    timer_.stop();
}

void ClockDriver::setSpeed(int speed) {
    // On from where the time stands: a step taken while it stood still moved it.
    if (running_) {
        origin_ = std::max(timeline_.now(), wallNow());
        wallOrigin_ = elapsed_();
    }
    speed_ = speed;
    sleep();
}

int64_t ClockDriver::wallNow() const {
    return origin_ + (elapsed_() - wallOrigin_) * speed_;
}

void ClockDriver::catchUp() {
    if (!running_ || playing_) return;
    playing_ = true;
    const int64_t wall = wallNow();
    timeline_.advanceTo(wall);
    if (heldBack_ && timeline_.now() < wall) {
        origin_ = timeline_.now();
        wallOrigin_ = elapsed_();
    }
    playing_ = false;
}

void ClockDriver::timersChanged() {
    if (!running_ || playing_) return;
    sleep();
}

void ClockDriver::wake() {
    // What the timeline does may open a dialog whose event loop would wake the driver again.
    if (!running_ || playing_) return;
    catchUp();
    if (woke) woke();
    sleep();
}

void ClockDriver::sleep() {
    if (!running_ || speed_ == 0) return timer_.stop();
    const int64_t next = timeline_.nextDue();
    if (next < 0) return timer_.stop();
    if (longestWait_ > 0 && next - wallNow() > longestWait_)
        origin_ += next - wallNow() - longestWait_;
    const double wait = double(next - wallNow()) / speed_;
    timer_.start(static_cast<int>(std::clamp(std::ceil(wait), 0.0, double(LongestSleep))));
}

} // namespace kp
