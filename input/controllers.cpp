#include "input/controllers.h"

#include <QGuiApplication>

#include <utility>

namespace kp {

namespace {
constexpr int PadPeriod = 8;         // ms between reads of a controller that cannot tell
constexpr int PadSettlePeriod = 250; // ms between reads while a controller comes or goes
// A device file appears a moment before the controller can be opened: a few more reads follow
// any change in the folder or in the controllers.
constexpr int SettleReads = 12;
const QString DeviceFolder = QStringLiteral("/dev/input");
} // namespace

Controllers::Controllers(Hooks hooks, QObject* parent)
    : QObject(parent), hooks_(std::move(hooks)), wakeup_([this](bool plugged) {
          if (!plugged) return poll();
          settling_ = SettleReads;
          start();
      }) {
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this] { poll(); });
}

void Controllers::start() {
    if (!gamepad_.started()) {
        // Until a controller is plugged in, the device folder (or /dev, until that folder
        // exists) is watched.
        if (!controllerPluggedIn() &&
            (wakeup_.watchFolder(DeviceFolder) || wakeup_.watchFolder(QStringLiteral("/dev"))))
            return;
        if (!gamepad_.start()) return; // no controller support here: the keys are all there is
    }
    poll();
}

void Controllers::clockTicked() {
    if (onClock_) poll();
}

void Controllers::poll() {
    if (!gamepad_.started()) return;
    // Controllers plugged in or out are followed while any window of the game is in front.
    const int before = gamepad_.controllers();
    gamepad_.poll(hooks_.button, hooks_.listening());
    if (hooks_.read) hooks_.read();
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
        wakeup_.watch({});
        timer_.stop();
        onClock_ = false;
        return;
    }
    if (gamepad_.controllers() != before) settling_ = SettleReads;
    const bool told = wakeup_.watch(gamepad_.devicePaths()) && wakeup_.watchFolder(DeviceFolder);
    int period = 0;
    onClock_ = !told && gamepad_.controllers() == 0;
    if (!told && !onClock_)
        period = PadPeriod;
    else if (settling_ > 0) {
        --settling_;
        period = PadSettlePeriod;
    }
    if (period == 0)
        timer_.stop();
    else if (!timer_.isActive() || timer_.interval() != period)
        timer_.start(period);
}

} // namespace kp
