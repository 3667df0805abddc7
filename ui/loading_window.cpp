#include "loading_window.h"

#include <QApplication>
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
    label_->setGeometry(8, 16 - 2, 193, 17 + 4);
    label_->setAlignment(Qt::AlignCenter);
    QFont f = label_->font();
    f.setPixelSize(11);
    label_->setFont(f);
}

void LoadingWindow::shown(Language language) {
    label_->setText(language == Language::English
                        ? QStringLiteral("Loading the music...")
                        : QStringLiteral("Chargement de la musique en cours..."));
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    raise();
}

} // namespace kp
