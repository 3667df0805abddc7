#pragma once
// The window's menus by name: the bar's titles and their submenus, the items with their radio
// groups and check marks, and every caption in the language in use. The parts of the game that
// own a group of settings (the sound, the background) build their own menus in it.

#include "ui/menu_items.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <span>

class QAction;
class QActionGroup;
class QMenu;

namespace kp {

class MenuRows;

class MenuBook : public QObject {
  public:
    // The bar's titles go in `rows`; `beforeCommand` runs before any item's own command.
    MenuBook(MenuRows& rows, std::function<void(Item item)> beforeCommand, QObject* parent);

    // A submenu of `parent`, or a menu of the bar when `parent` is null.
    QMenu* addMenu(QMenu* parent, Item id);
    // An item, captioned from the caption table unless `text` is given.
    QAction* addItem(QMenu* menu, Item id, std::function<void()> handler,
                     QActionGroup* group = nullptr, bool checkable = false,
                     const QString& text = {});
    QActionGroup* radioGroup();
    // A radio group of items whose n-th item chooses the value n.
    void addRadios(QMenu* menu, std::span<const Item> items, std::function<void(int)> choose);
    void check(Item id, bool on = true);

    // An item; null when none was added.
    QAction* action(Item id) const;
    const std::map<Item, QAction*>& actions() const { return actions_; }
    // A submenu; null when none was added.
    QMenu* menu(Item id) const;
    // Every caption worded again; items without a row (tunes, recent pictures) keep theirs.
    void retranslate();

  private:
    MenuRows& rows_;
    std::function<void(Item)> beforeCommand_;
    std::map<Item, QAction*> actions_;
    std::map<Item, QMenu*> menus_;
};

} // namespace kp
