#pragma once
// The menu bar of a window that may be narrower than its menu titles. A single QMenuBar hides
// the titles that do not fit behind a "»" button; here the titles wrap onto as many rows as
// the width needs, each row a QMenuBar of its own, so every title stays in view and answers to
// the mouse and to Alt and its letter. The window grows by the extra rows.

#include <QWidget>

#include <vector>

class QMenu;
class QMenuBar;

namespace kp {

class MenuRows : public QWidget {
  public:
    explicit MenuRows(QWidget* parent = nullptr);

    // A new menu at the end of the bar, owned by it; its title shows from the next arrange()
    // (a window adds all its menus, then arranges them once at its width).
    QMenu* addMenu(const QString& title);
    const std::vector<QMenu*>& menus() const { return menus_; }
    const std::vector<QMenuBar*>& rows() const { return rows_; }

    // Puts the titles in rows for this width, in order, as many on a row as fit (at least
    // one, clipped when it alone is wider than the window), and takes the rows' height.
    void arrange(int width);
    QSize sizeHint() const override { return size_; }
    QSize minimumSizeHint() const override { return size_; }

  private:
    QMenuBar* newRow();

    std::vector<QMenu*> menus_;
    std::vector<QMenuBar*> rows_;
    int width_ = 0;
    QSize size_;
};

} // namespace kp
