#include "ui/menu_book.h"

#include "ui/captions.h"
#include "ui/menu_rows.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <utility>

namespace kp {

MenuBook::MenuBook(MenuRows& rows, std::function<void(Item)> beforeCommand, QObject* parent)
    : QObject(parent), rows_(rows), beforeCommand_(std::move(beforeCommand)) {}

QMenu* MenuBook::addMenu(QMenu* parent, Item id) {
    QMenu* menu = parent ? parent->addMenu(caption(id)) : rows_.addMenu(caption(id));
    menus_[id] = menu;
    return menu;
}

QAction* MenuBook::addItem(QMenu* menu, Item id, std::function<void()> handler, QActionGroup* group,
                           bool checkable, const QString& text) {
    QAction* a = menu->addAction(text.isEmpty() ? caption(id) : text);
    a->setCheckable(checkable || group);
    if (group) group->addAction(a);
    connect(a, &QAction::triggered, this, [this, id, handler = std::move(handler)] {
        if (beforeCommand_) beforeCommand_(id);
        handler();
    });
    actions_[id] = a;
    return a;
}

void MenuBook::addRadios(QMenu* menu, std::span<const Item> items,
                         std::function<void(int)> choose) {
    QActionGroup* group = radioGroup();
    int value = 0;
    for (const Item id : items)
        addItem(
            menu, id, [choose, v = value++] { choose(v); }, group);
}

QActionGroup* MenuBook::radioGroup() {
    auto* g = new QActionGroup(this);
    g->setExclusive(true);
    return g;
}

void MenuBook::check(Item id, bool on) {
    if (QAction* a = action(id)) a->setChecked(on);
}

QAction* MenuBook::action(Item id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MenuBook::menu(Item id) const {
    const auto it = menus_.find(id);
    return it == menus_.end() ? nullptr : it->second;
}

void MenuBook::retranslate() {
    for (const ItemCaption& row : menuCaptions()) {
        const QString text = caption(row.text);
        if (QAction* a = action(row.item)) a->setText(text);
        if (QMenu* m = menu(row.item)) m->setTitle(text);
    }
}

} // namespace kp
