#pragma once
// What plays on virtual time under a driver that follows the wall clock: the driver asks when
// the next thing is due, plays it on to the wall's time when it wakes, and before an input
// from outside (a key), so that the input comes at the wall's time after what was due by then.

#include <cstdint>

namespace kp {

class Timeline {
  public:
    virtual int64_t now() const = 0;
    // The instant the next thing is due; -1 when nothing is.
    virtual int64_t nextDue() = 0;
    virtual void advanceTo(int64_t time) = 0;

  protected:
    ~Timeline() = default;
};

} // namespace kp
