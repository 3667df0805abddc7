#include "window_title.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace kp {

namespace {
// Qt's decoration keeps a place of this width at the right of its bar for each button the
// window asks for (minimise and close: the game's window cannot be maximised), and draws its
// title at this pixel size.
constexpr int ButtonPlace = 23;
constexpr int ButtonPlaces = 2;
constexpr int TitlePixels = 14;
} // namespace

bool titleBarDrawnHere(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) && handle &&
           handle->frameMargins().top() > 0;
}

QString fittedTitle(const QString& title, const QFont& font, int room) {
    return QFontMetrics(font).elidedText(title, Qt::ElideRight, std::max(room, 0));
}

int TitleFitter::titleRoom(int windowWidth) {
    return windowWidth - ButtonPlaces * ButtonPlace;
}

QFont TitleFitter::titleFont() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(TitlePixels);
    return font;
}

TitleFitter::TitleFitter(QWidget& window, std::function<bool()> drawnHere)
    : QObject(&window), window_(window), drawnHere_(std::move(drawnHere)) {
    window_.installEventFilter(this);
}

bool TitleFitter::eventFilter(QObject* watched, QEvent* event) {
    const bool ours =
        watched == &window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
                                event->type() == QEvent::WindowTitleChange);
    if (ours) fit();
    return QObject::eventFilter(watched, event);
}

void TitleFitter::fit() {
    QWindow* handle = window_.windowHandle();
    if (!handle) return;
    const QString whole = window_.windowTitle();
    if (!drawnHere_()) {
        if (handle->title() != whole) handle->setTitle(whole);
        return;
    }
    handle->setTitle(fittedTitle(whole, titleFont(), titleRoom(window_.width())));
}

} // namespace kp
