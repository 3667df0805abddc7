#pragma once
// The window's menus by name: the bar's titles and their submenus, the items with their radio
// groups and check marks, and every caption in the language in use. The parts of the game that
// own a group of settings (the sound, the background) build their own menus in it.

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <span>
#include <string>

class QAction;
class QActionGroup;
class QMenu;

namespace kp {

class MenuRows;

class MenuBook : public QObject {
  public:
    // The bar's titles go in `rows`; `beforeCommand` runs before any item's own command.
    MenuBook(MenuRows& rows, std::function<void(const std::string& id)> beforeCommand,
             QObject* parent);

    // A submenu of `parent`, or a menu of the bar when `parent` is null.
    QMenu* addMenu(QMenu* parent, const char* id);
    // An item named `id`, captioned from the caption table unless `text` is given.
    QAction* addItem(QMenu* menu, const std::string& id, std::function<void()> handler,
                     QActionGroup* group = nullptr, bool checkable = false,
                     const QString& text = {});
    QActionGroup* radioGroup();
    // A radio group of items whose n-th item chooses the value n.
    void addRadios(QMenu* menu, std::span<const char* const> items,
                   std::function<void(int)> choose);
    void check(const std::string& id, bool on = true);

    // An item by its name (e.g. "MenuPause"); null when unknown.
    QAction* action(const std::string& id) const;
    const std::map<std::string, QAction*>& actions() const { return actions_; }
    // A submenu by its name (e.g. "MenuSonVolume"); null when unknown.
    QMenu* menu(const std::string& id) const;
    // Every caption worded again; items without a row (tunes, recent pictures) keep theirs.
    void retranslate();

  private:
    MenuRows& rows_;
    std::function<void(const std::string&)> beforeCommand_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
};

} // namespace kp
