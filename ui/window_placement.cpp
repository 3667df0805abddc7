#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace kp {

WindowPlacement::WindowPlacement(QWidget& window, std::function<void()> layOut)
    : QObject(&window), window_(window), layOut_(std::move(layOut)),
      desktopPlaces_(QGuiApplication::platformName().startsWith(QLatin1String("wayland"))),
      windowMoves_(!desktopPlaces_) {
    frameWatch_.setInterval(50);
    connect(&frameWatch_, &QTimer::timeout, this, [this] { look(); });
}

QMargins WindowPlacement::frameMargins() const {
    const QWindow* window = window_.windowHandle();
    return window ? window->frameMargins() : QMargins();
}

QMargins WindowPlacement::frameForLayout() {
    const QMargins frame = frameMargins();
    centreWithFrame_ = !desktopPlaces_ && frame.isNull();
    return frame;
}

void WindowPlacement::place(QPoint frame, QMargins margins) {
    if (desktopPlaces_) return;
    placedFrame_ = frame;
    window_.setGeometry(QRect(frame + QPoint(margins.left(), margins.top()), window_.size()));
    // A shake under way goes on from the new place: the window was moved by the game, not put
    // back by the window manager.
    if (shakeRest_) {
        shakeRest_ = placedFrame_;
        shakenBy_ = 0;
    }
}

void WindowPlacement::watchFrame() {
    if (!desktopPlaces_) frameWatch_.start();
}

void WindowPlacement::frameMayHaveCome() {
    if (centreWithFrame_ && !frameMargins().isNull()) layOut_();
}

// Until the window is framed and sits where it was put: centred again once the frame is known,
// and again if the window manager then places the frame elsewhere (a few times: a window manager
// that insists has the last word).
void WindowPlacement::look() {
    constexpr int Looks = 200, Corrections = 3, SettledLooks = 2;
    const bool framed = !frameMargins().isNull();
    if (framed && (centreWithFrame_ || window_.windowHandle()->framePosition() != placedFrame_)) {
        settledLooks_ = 0;
        if (++frameCorrections_ <= Corrections) layOut_();
    } else if (framed) {
        ++settledLooks_;
    }
    if (settledLooks_ >= SettledLooks || frameCorrections_ > Corrections || ++frameLooks_ >= Looks)
        frameWatch_.stop();
}

bool WindowPlacement::shake(int dy, bool over) {
    if (windowMoves_) {
        if (!shakeRest_)
            shakeRest_ = window_.pos();
        else if (window_.pos().y() != shakeRest_->y() + shakenBy_)
            windowMoves_ = false; // the window manager put the window back
    }
    const bool moved = windowMoves_;
    if (moved) {
        window_.move(shakeRest_->x(), shakeRest_->y() + dy);
        shakenBy_ = dy;
    }
    if (dy == 0 && over) {
        shakeRest_.reset();
        shakenBy_ = 0;
    }
    return moved;
}

} // namespace kp
