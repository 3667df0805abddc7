// Key-to-pixel and pad-to-pixel latency of the real window on an X server, and what reading a
// controller costs while nothing is pressed.
//
// A driver thread presses Left and Right in turn, either as a keyboard does (XTest: the key
// goes through the X server and Qt's own event path) or on a virtual controller's d-pad, and
// reads the capsule's rows back from the X server until their pixels change: the time from
// the press to the new picture on screen. The fall is stopped, so only the player's moves
// change the board.
//   input_latency [events per device]   (run under an X server: bench/input_latency.sh)
#include "input/gamepad.h"
#include "ui/main_window.h"
#include "ui/platform.h"

#include "../tests/input/virtual_pad.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

struct Area {
    Window window;
    int x, y, width, height;
};

std::vector<char> pixels(Display* d, const Area& r) {
    XImage* img = XGetImage(d, r.window, r.x, r.y, r.width, r.height, AllPlanes, ZPixmap);
    if (!img) return {};
    std::vector<char> out(img->data, img->data + size_t(img->bytes_per_line) * r.height);
    XDestroyImage(img);
    return out;
}

void report(const char* what, std::vector<double> ms, int lost) {
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) {
        std::printf("%s: no event reached the screen\n", what);
        return;
    }
    auto at = [&](double q) { return ms[std::min(ms.size() - 1, size_t(q * ms.size()))]; };
    std::printf("%-28s events %zu  median %.2f ms  p99 %.2f ms  max %.2f ms  lost %d\n", what,
                ms.size(), at(0.5), at(0.99), ms.back(), lost);
}

// Presses and lets go `events` times, Left and Right in turn; `press(left, down)` does it,
// `area()` says where the capsule is.
template <class Press, class Where>
void measure(const char* what, Display* d, Where area, int events, Press press) {
    std::vector<double> ms;
    int lost = 0;
    std::mt19937 random(7);
    for (int i = 0; i < events; ++i) {
        const bool left = i % 2 == 0;
        const Area r = area();
        const std::vector<char> before = pixels(d, r);
        const auto t0 = Clock::now();
        press(left, true);
        bool changed = false;
        // Read back every 0.2 ms: often enough to time it, rarely enough to leave the X server
        // and the window the machine's time.
        while (Clock::now() - t0 < std::chrono::seconds(1)) {
            if (pixels(d, r) != before) {
                changed = true;
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        const auto t1 = Clock::now();
        press(left, false);
        if (changed)
            ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        else
            ++lost;
        // A pause of 20 to 40 ms, so that presses fall anywhere between the window's timers.
        std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 21));
    }
    report(what, ms, lost);
}

} // namespace

int main(int argc, char** argv) {
    const int events = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString settings = dir.path() + QStringLiteral("/kp.ini");
    {
        // The slowest fall and still smileys: between two presses the board hardly changes
        // but for the player's moves (a fall lands in a 1 ms reading once in a thousand).
        QFile file(settings);
        if (!file.open(QIODevice::WriteOnly)) return 1;
        file.write("[Options]\nAnimationVirus=0\n[Configuration]\nTempoDepart=999\n");
    }
    kp::QtPlatform platform;
    kp::MainWindow window(platform, settings.toStdString());
    window.show();
    window.activateWindow();
    kp::test::VirtualPad* pad = nullptr;

    // The capsule's row and the rows around it, full width, in the window's coordinates; asked
    // of the window's own thread.
    auto capsuleArea = [&window]() {
        Area area{};
        QMetaObject::invokeMethod(
            &window,
            [&] {
                const kp::GameState& s = window.board().game().state();
                const int row = std::clamp(s.capsule.row, 1, s.params.rows);
                const QPoint origin = window.board().view()->mapTo(&window, QPoint(0, 0));
                const QRect rect = window.board()
                                       .painter()
                                       .cellRect(std::max(1, row - 1), 1)
                                       .united(window.board().painter().cellRect(
                                           std::min(s.params.rows, row + 1), s.params.columns));
                area = {static_cast<Window>(window.winId()), origin.x() + rect.x(),
                        origin.y() + rect.y(), rect.width(), rect.height()};
            },
            Qt::BlockingQueuedConnection);
        return area;
    };

    std::thread driver;
    QTimer::singleShot(1000, &window, [&] {
        window.board().game().resume();
        while (window.board().game().state().capsule.row < 1)
            window.board().game().fire(kp::TimerId::Fall);
        // A virtual controller shows no device to the kernel: SDL is started, and the pad read,
        // as plugging a real one in would.
        window.controllers().gamepad().start();
        pad = new kp::test::VirtualPad;
        window.controllers().poll();
        const auto top = static_cast<Window>(window.winId());
        driver = std::thread([top, events, &pad, capsuleArea] {
            Display* d = XOpenDisplay(nullptr);
            XSetInputFocus(d, top, RevertToParent, CurrentTime);
            XSync(d, False);
            const KeyCode leftKey = XKeysymToKeycode(d, XK_Left);
            const KeyCode rightKey = XKeysymToKeycode(d, XK_Right);
            measure("key to pixel", d, capsuleArea, events, [&](bool left, bool down) {
                XTestFakeKeyEvent(d, left ? leftKey : rightKey, down, CurrentTime);
                XFlush(d);
            });
            measure("pad to pixel", d, capsuleArea, events, [&](bool left, bool down) {
                pad->button(left ? SDL_CONTROLLER_BUTTON_DPAD_LEFT
                                 : SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
                            down);
            });
            // Idle: the controller connected and read every few milliseconds, then unplugged
            // (looked for once a second): the difference is what reading it costs.
            const int seconds = 10;
            double c0 = cpuSeconds();
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
            const double withPad = (cpuSeconds() - c0) / seconds;
            pad->unplug();
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            c0 = cpuSeconds();
            std::this_thread::sleep_for(std::chrono::seconds(seconds));
            const double without = (cpuSeconds() - c0) / seconds;
            std::printf("idle, a controller connected: %.3f %% of a core; none: %.3f %%; the "
                        "reader: %.3f %%\n",
                        100 * withPad, 100 * without, 100 * (withPad - without));
            XCloseDisplay(d);
            QMetaObject::invokeMethod(qApp, [] { QApplication::quit(); });
        });
    });
    const int status = QApplication::exec();
    if (driver.joinable()) driver.join();
    delete pad;
    return status;
}
