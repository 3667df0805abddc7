#pragma once
// Where panic hides the game. Where the desktop has a notification area (an X11 tray, or a
// StatusNotifierItem host on the session bus) the window goes and an icon stays, whose click or
// menu brings it back. Where it has none, the window minimises where the desktop lets it, and
// wherever it stays a cover in the border colour hides all it shows, menus included: a key, a
// click on it or giving the window the focus again (the taskbar, the dock, Alt+Tab) brings it
// back.
#include <QColor>
#include <QObject>
#include <QString>

#include <functional>

class QMenu;
class QSystemTrayIcon;
class QWidget;

namespace kp {

class PanicHideout : public QObject {
  public:
    // `comeBack` is called when the player asks for the game again (it shows it with show());
    // `popup` is the icon's menu.
    PanicHideout(QWidget& window, QMenu* popup, std::function<void()> comeBack);

    // Hides the window: into the notification area when there is one, else behind the cover.
    void hide(bool notificationArea, QColor cover);
    void show();
    // At close: no icon is left behind.
    void removeIcon();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void makeIcon();
    bool covered() const;

    QWidget& window_;
    QMenu* popup_;
    std::function<void()> comeBack_;
    QSystemTrayIcon* tray_ = nullptr;
    QWidget* cover_ = nullptr;
    bool wentAway_ = false; // the covered window lost the focus or went off screen since
    QString title_;         // the title blanked while covered, where the game draws it
};

} // namespace kp
