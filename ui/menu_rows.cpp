#include "menu_rows.h"

#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace kp {

MenuRows::MenuRows(QWidget* parent) : QWidget(parent) {
    rows_.push_back(newRow());
}

QMenuBar* MenuRows::newRow() {
    auto* row = new QMenuBar(this);
    row->setNativeMenuBar(false);
    row->show();
    return row;
}

QMenu* MenuRows::addMenu(const QString& title) {
    auto* menu = new QMenu(title, this);
    menus_.push_back(menu);
    return menu;
}

void MenuRows::arrange(int width) {
    width_ = width;
    for (QMenuBar* row : rows_) row->clear();
    size_t used = 1;
    for (QMenu* menu : menus_) {
        QMenuBar* row = rows_[used - 1];
        row->addMenu(menu);
        if (row->actions().size() > 1 && row->sizeHint().width() > width) {
            row->removeAction(menu->menuAction());
            if (used == rows_.size()) rows_.push_back(newRow());
            rows_[used++]->addMenu(menu);
        }
    }
    while (rows_.size() > used) {
        delete rows_.back();
        rows_.pop_back();
    }
    int y = 0;
    for (QMenuBar* row : rows_) {
        // A row never narrower than its titles: it is clipped by this widget rather than
        // hiding a title behind the "»" button.
        const QSize hint = row->sizeHint();
        row->setGeometry(0, y, std::max(width, hint.width()), hint.height());
        y += hint.height();
    }
    size_ = QSize(width, y);
    setFixedSize(size_);
    updateGeometry();
}

} // namespace kp
