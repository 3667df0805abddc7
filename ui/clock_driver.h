#pragma once
// Runs a virtual clock on the wall clock: one timer sleeping until the next timer due.

#include "engine/virtual_clock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace kp {

class ClockDriver : public QObject {
  public:
    ClockDriver(VirtualClock& clock, QObject* parent);

    // The clock follows the wall from now on, every timer armed anew from this moment.
    void start();
    // The clock stands still (another game plays in its place, a replay for one).
    void stop();
    // The timers were changed from outside the clock (a key, a command): those changed are
    // armed from the wall's moment. Calls made while the clock fires are its own.
    void timersChanged();

  private:
    int64_t wallNow() const { return origin_ + wall_.elapsed(); }
    void wake();
    void sleep();

    VirtualClock& clock_;
    QTimer timer_;
    QElapsedTimer wall_;
    int64_t origin_ = 0; // the clock's time when the wall was started
    bool running_ = false;
    bool firing_ = false;
};

} // namespace kp
