#pragma once
// What plays on virtual time under a driver that follows the wall clock: the driver asks when
// the next thing is due, stands it at the wall's time when something outside changed it (a
// key), and plays it on to the wall's time when it wakes.

#include <cstdint>

namespace kp {

class Timeline {
  public:
    virtual int64_t now() const = 0;
    // The instant the next thing is due; -1 when nothing is.
    virtual int64_t nextDue() = 0;
    virtual void advanceTo(int64_t time) = 0;
    // Moves the time on to `time`, if it is later, firing nothing.
    virtual void standAt(int64_t time) = 0;

  protected:
    ~Timeline() = default;
};

} // namespace kp
