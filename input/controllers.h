#pragma once
// The game controllers as the window follows them: SDL, and the few megabytes it brings, loads
// when a controller is first plugged in; the controllers are read when their device files have
// news and when one comes or goes; a timer asks in turn those that cannot tell (a controller
// with no device file, or a system with no folder of devices to watch).

#include "input/gamepad.h"
#include "input/pad_wakeup.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace kp {

class Controllers : public QObject {
  public:
    struct Hooks {
        // A button of controller `pad` (in the order they were plugged in) pressed or let go.
        std::function<void(int pad, int button, bool pressed)> button;
        // Whether the buttons may reach the game now (its window in front, or a dialog waiting
        // for a button).
        std::function<bool()> listening;
        // After each read, for a dialog that shows the controller's name.
        std::function<void()> read;
    };
    Controllers(Hooks hooks, QObject* parent);

    // Starts following the controllers (once the window has shown).
    void start();
    // Reads the controllers now (the timer and the device files do it by themselves).
    void poll();
    // The game's clock ticks once a second: with no controller and no way to hear of one, it
    // looks then.
    void clockTicked();
    Gamepad& gamepad() { return gamepad_; }

  private:
    Hooks hooks_;
    Gamepad gamepad_;
    PadWakeup wakeup_;
    QTimer timer_;
    int settling_ = 0;     // reads left after a controller came or went
    bool onClock_ = false; // no controller, and no way to hear of one: look once a second
};

} // namespace kp
