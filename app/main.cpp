// Kembrolla Panic!: the application, its main window and the message loop.
#include "ui/main_window.h"

#include "persistence/settings.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

// With KP_FIRST_FRAME_PROBE set, the program reports when the board was first painted (the
// monotonic clock, in nanoseconds) and its peak memory, then quits: bench/startup.sh uses it.
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
            QApplication::exit(0);
        });
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kembrolla Panic!"));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/AppIcon_%1").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    const std::string exe = QFileInfo(QApplication::applicationFilePath()).fileName().toStdString();
    kp::QtPlatform platform;
    kp::TForm1 window(platform, kp::SettingsFilePath(exe));
    FirstFrameProbe probe;
    if (qEnvironmentVariableIsSet("KP_FIRST_FRAME_PROBE"))
        window.boardView()->installEventFilter(&probe);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
