#include "loading_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QScreen>

namespace kp {

LoadingWindow::LoadingWindow(QWidget* parent)
    : QFrame(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setFixedSize(210, 45);
    label_ = new QLabel(this);
    // One line, or two where a language needs the room.
    label_->setGeometry(4, 2, 202, 41);
    label_->setAlignment(Qt::AlignCenter);
    label_->setWordWrap(true);
    QFont f = label_->font();
    f.setPixelSize(11);
    label_->setFont(f);
}

void LoadingWindow::shown() {
    label_->setText(QCoreApplication::translate("Message", "Loading the music..."));
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
}

} // namespace kp
