#pragma once
// Runs a timeline (a game's clock, a table of boards) on the wall clock: one timer sleeping
// until the next thing due. A replay runs it faster, or holds it still between steps.

#include "engine/timeline.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace kp {

class ClockDriver : public QObject {
  public:
    ClockDriver(Timeline& timeline, QObject* parent);

    // The timeline follows the wall from now on, from the time it stands at.
    void start();
    // The timeline stands still (another game plays in its place, a replay for one).
    void stop();
    bool running() const { return running_; }
    // 1 for play; a replay's 2 or 4 go faster, 0 holds the time still. Counts from now.
    void setSpeed(int speed);
    // A wait longer than this on the timeline (a recorded pause: the player away) is cut to
    // it; none is by default.
    void setLongestWait(int64_t wait) { longestWait_ = wait; }
    // A timeline that may not reach the wall (a network match waiting for the other side's
    // inputs) holds the wall back with it: the time it waited is not played in a rush after.
    void setHeldBack(bool held) { heldBack_ = held; }
    // The wall's time on the timeline.
    int64_t wallNow() const;
    // Tests put their own wall in place of the real one (ms since start()).
    void setWall(std::function<int64_t()> elapsed) { elapsed_ = std::move(elapsed); }
    // Plays what fell due up to the wall's time, before an input from outside.
    void catchUp();
    // Something outside the timeline changed it (a key, a command, once caught up): the driver
    // sleeps anew until what is due next. Calls made while the timeline plays are its own.
    void timersChanged();
    // After the timeline played on, when the driver woke.
    std::function<void()> woke;

  private:
    void wake();
    void sleep();

    Timeline& timeline_;
    QTimer timer_;
    QElapsedTimer wall_;
    std::function<int64_t()> elapsed_ = [this] { return wall_.elapsed(); };
    int64_t origin_ = 0;     // the timeline's time when the wall was started
    int64_t wallOrigin_ = 0; // the wall's, then
    int speed_ = 1;
    int64_t longestWait_ = 0;
    bool running_ = false;
    bool playing_ = false;
    bool heldBack_ = false;
};

} // namespace kp
