#pragma once
// The small window shown while a tune is being prepared: no border, always on top, centred,
// a raised bevel and one line of text in the language in use.

#include <QFrame>

class QLabel;

namespace kp {

class LoadingWindow : public QFrame {
  public:
    explicit LoadingWindow(QWidget* parent = nullptr);
    // Sets the text in the language in use, and shows the window.
    void shown();

  private:
    QLabel* label_;
};

} // namespace kp
