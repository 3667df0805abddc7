#pragma once
// The small window shown while a tune is being prepared: no border, always on top, centred,
// a raised bevel and one line of text in the current language.

#include "ui/language.h"
#include <QFrame>

class QLabel;

namespace kp {

class LoadingWindow : public QFrame {
  public:
    explicit LoadingWindow(QWidget* parent = nullptr);
    // Sets the text for the language (0 French, 1 English), and shows the window.
    void shown(Language language);

  private:
    QLabel* label_;
};

} // namespace kp
