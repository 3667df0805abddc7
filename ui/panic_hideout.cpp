#include "panic_hideout.h"
#include "input/bindings.h"
#include "ui/window_title.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace kp {

namespace {

// The cover: the border colour over the whole window; a click on it brings the game back.
class Cover : public QWidget {
  public:
    Cover(QWidget* parent, std::function<void()> clicked)
        : QWidget(parent), clicked_(std::move(clicked)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    QColor colour;

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour); }
    void mousePressEvent(QMouseEvent*) override { clicked_(); }

  private:
    std::function<void()> clicked_;
};

bool inside(const QObject* o, const QWidget& window) {
    const auto* w = qobject_cast<const QWidget*>(o);
    return w && w->window() == &window;
}

} // namespace

PanicHideout::PanicHideout(QWidget& window, QMenu* popup, std::function<void()> comeBack)
    : QObject(&window), window_(window), popup_(popup), comeBack_(std::move(comeBack)) {}

void PanicHideout::makeIcon() {
    QIcon icon;
    for (int size : {16, 22, 32, 48})
        icon.addFile(QStringLiteral(":/icons/IconPanic1_%1").arg(size), QSize(size, size));
    tray_ = new QSystemTrayIcon(icon, this);
    tray_->setToolTip(QStringLiteral("Kembrolla Panic!"));
    tray_->setContextMenu(popup_);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger) comeBack_();
    });
}

void PanicHideout::hide(bool notificationArea, QColor cover) {
    if (notificationArea) {
        // The window goes first: the icon takes a few calls on the session bus.
        window_.hide();
        if (!tray_) makeIcon();
        tray_->show();
        return;
    }
    if (!cover_) {
        auto* c = new Cover(&window_, [this] { comeBack_(); });
        cover_ = c;
    }
    static_cast<Cover*>(cover_)->colour = cover;
    cover_->setGeometry(window_.rect());
    cover_->raise();
    cover_->show();
    // Where the game draws its own title bar (Wayland without the compositor's decorations), the
    // cover cannot reach it: its title goes blank instead. (An empty title would read as the
    // application's name.)
    if (titleBarDrawnHere(window_)) {
        title_ = window_.windowTitle();
        window_.setWindowTitle(QStringLiteral(" "));
    }
    // Drawn now, not at the next pass of the event loop: nothing of the game may show meanwhile.
    window_.repaint();
    wentAway_ = false;
    // Every key goes to the cover's filter before any shortcut of the menus sees it.
    qApp->installEventFilter(this);
    window_.showMinimized();
}

void PanicHideout::show() {
    if (cover_ && cover_->isVisible()) {
        qApp->removeEventFilter(this);
        cover_->hide();
        if (!title_.isEmpty()) window_.setWindowTitle(std::exchange(title_, QString()));
    }
    window_.showNormal();
    window_.activateWindow();
    window_.raise();
    if (tray_) tray_->hide();
}

void PanicHideout::removeIcon() {
    if (tray_) tray_->hide();
}

bool PanicHideout::covered() const {
    return cover_ && cover_->isVisible();
}

bool PanicHideout::eventFilter(QObject* watched, QEvent* event) {
    if (!covered()) return false;
    // Only the player brings it back: a key, a click, or the window given the focus again after
    // it lost it. Being drawn again is not coming back: a compositor repaints minimised windows
    // for its previews (an overview of the windows, a task switcher's thumbnails).
    if (watched == window_.windowHandle()) {
        if (event->type() == QEvent::Expose && !window_.windowHandle()->isExposed())
            wentAway_ = true; // minimised: activated again, it comes back
        return false;
    }
    if (!inside(watched, window_)) return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Taken as the cover's own key: no menu shortcut acts behind it.
        event->accept();
        return true;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && !isModifierKey(key->key())) comeBack_();
        return true;
    }
    case QEvent::Resize:
        if (watched == &window_) cover_->setGeometry(window_.rect()); // the menus rewrapped
        return false;
    case QEvent::WindowDeactivate:
        if (watched == &window_) wentAway_ = true;
        return false;
    case QEvent::WindowActivate:
        if (watched == &window_ && wentAway_) comeBack_();
        return false;
    default:
        return false;
    }
}

} // namespace kp
