#pragma once
// With KP_FIRST_FRAME_PROBE set, a program reports when its window was first painted (the
// monotonic clock, in nanoseconds) and its peak memory, then closes its windows as the player
// would (the game's settings written): bench/startup.py uses it, on the game and on an empty
// window alike.

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace kp {

class FirstFrameProbe : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        watched->removeEventFilter(this);
        QTimer::singleShot(0, [] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            QFile status(QStringLiteral("/proc/self/status"));
            QByteArray hwm;
            if (status.open(QIODevice::ReadOnly))
                for (const QByteArray& line : status.readAll().split('\n'))
                    if (line.startsWith("VmHWM:")) hwm = line.mid(6).trimmed();
            std::printf("first-frame-ns %lld\npeak-memory %s\n",
                        static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                        hwm.constData());
            std::fflush(stdout);
            QApplication::closeAllWindows();
        });
        return false;
    }
};

} // namespace kp
