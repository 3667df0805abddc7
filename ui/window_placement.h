#pragma once
// Where the window sits: centred with the window manager's frame once the frame is known (a
// window manager under load may frame the window late, or place it itself after it framed it,
// and Qt reports no event when the frame arrives), and moved by the shake while it can be;
// where the window manager puts it back, the board shakes inside the window instead. On
// Wayland the compositor places the windows, and a window cannot move itself.

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>
#include <optional>

class QWidget;

namespace kp {

class WindowPlacement : public QObject {
  public:
    // `layOut` lays the window out again, and places it through place().
    WindowPlacement(QWidget& window, std::function<void()> layOut);

    // The desktop places the window (Wayland): place() does nothing.
    bool desktopPlaces() const { return desktopPlaces_; }
    // The window manager's frame around the window; none before it has framed it. Asked of the
    // window itself: the widget's own idea of its frame is only brought up to date when the
    // window moves.
    QMargins frameMargins() const;
    // The frame to lay the window out with: one that has not come yet centres the window again
    // once it does.
    QMargins frameForLayout();
    // Puts the window's frame at `frame` (the window inside it, by the frame's margins): the
    // frame's place given as the window's own, as move() would read a stale frame.
    void place(QPoint frame, QMargins margins);
    // Looks for the frame for ten seconds after the first showing.
    void watchFrame();
    // The window moved or was activated: the frame may have just come.
    void frameMayHaveCome();
    // A step of the shake `dy` pixels below the resting place; false when the window cannot
    // move and the board must shake inside it. `over`: the shake has ended with this step.
    bool shake(int dy, bool over);

  private:
    void look();

    QWidget& window_;
    std::function<void()> layOut_;
    const bool desktopPlaces_;
    // The window was centred before the frame was known: centred again, frame included, once
    // it is.
    bool centreWithFrame_ = false;
    QTimer frameWatch_;
    int frameLooks_ = 0, frameCorrections_ = 0, settledLooks_ = 0;
    QPoint placedFrame_; // where the window was last put, frame included
    bool windowMoves_;
    std::optional<QPoint> shakeRest_;
    int shakenBy_ = 0; // how far below its resting place the shake last moved the window
};

} // namespace kp
