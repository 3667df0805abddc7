#pragma once
// Small widgets of the about page: a picture that reacts to the mouse, and the title drawn in
// the colours of the game's logo.

#include <QLabel>

#include <functional>

namespace kp {

// A picture label that reports the mouse: entering, leaving, a button pressed and released,
// and a click (released over the label after being pressed on it).
class ImageLabel : public QLabel {
  public:
    explicit ImageLabel(QWidget* parent = nullptr);

    std::function<void()> onEnter, onLeave, onPress, onRelease, onClick;

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

// "Kembrolla Panic!" in orange and blue with a dark outline, centred at the bottom of the
// label; the upper part stays free for the smileys that sit on it.
class TitleLabel : public QLabel {
  public:
    explicit TitleLabel(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// The game's own pointing glove, for what can be clicked.
QCursor handCursor();
// The clown's cursor.
QCursor selectionCursor();

// A picture of the game's resources with its pure-red key made transparent.
QPixmap transparentImage(const QString& resource);

} // namespace kp
