// The window's layout around the stage in view, and the background under it.
#include "main_window.h"

#include "ui/background_menus.h"
#include "ui/display_menus.h"
#include "ui/menu_book.h"
#include "ui/menu_ids.h"
#include "ui/menu_rows.h"
#include "ui/replay_controls.h"
#include "ui/replay_player.h"
#include "ui/stages.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWindow>

namespace kp {

void MainWindow::layOutWindow() {
    const LevelParameters& p = stage().parameters();
    LayoutInput in;
    in.cellSize = display_->cellSize();
    in.rows = p.rows;
    in.columns = p.columns;
    in.counters = settings().showCounters != 0;
    in.preview = settings().showNextCapsule != 0;
    if (!digits_.digit[1].isNull()) in.digitWidth = digits_.digit[1].width();
    if (!digits_.separator.isNull()) in.separatorWidth = digits_.separator.width();
    if (const QScreen* screen = this->screen()) {
        const QRect free = screen->availableGeometry();
        in.screenX = free.x();
        in.screenY = free.y();
        in.screenWidth = free.width();
        in.screenHeight = free.height();
    }
    // The window manager's frame, once it has put one around the window.
    const QMargins frame = placement_->frameForLayout();
    in.frameLeft = frame.left();
    in.frameTop = frame.top();
    in.frameRight = frame.right();
    in.frameBottom = frame.bottom();
    // A match holds the strip and a second board beside the first.
    in.besideWidth = stage().besideWidth(kp::layOutWindow(in).clientWidth, display_->cellSize());
    // A replay's banner gets a band of its own, across the window: it hides nothing of the game.
    if (stages_->replayInView())
        in.replayBand = replayBandHeight(kp::layOutWindow(in).clientWidth + in.besideWidth);
    replayBand_ = in.replayBand;
    const WindowLayout client = kp::layOutWindow(in);
    stage().setLayout(client, display_->cellSize());
    fitMenuRows();
    in.menuHeight = menuRows_->height();
    const WindowLayout l = kp::layOutWindow(in);
    stage().setLayout(l, display_->cellSize());
    placement_->place(QPoint(l.windowX, l.windowY), frame);
}

void MainWindow::stageLaidOut() {
    display_->applyMessageLook();
    layOutWindow();
    composeBackground(KeepPicture);
    repaintAll();
}

QMargins MainWindow::frameMargins() const {
    return placement_->frameMargins();
}

void MainWindow::fitMenuRows() {
    const QWidget* client = centralWidget();
    menuRows_->arrange(client->width());
    setFixedSize(client->width(), client->height() + menuRows_->height());
}

void MainWindow::repaintAll() {
    stage().redraw();
}

// ---- Background ----

void MainWindow::composeBackground(const std::optional<std::string>& path) {
    const QWidget* client = centralWidget();
    // The background lies under the game as without a replay: the replay's band is above it.
    std::optional<QImage> background =
        background_->compose(client->width(), client->height() - replayBand_, path);
    if (!background) return;
    if (replayBand_ > 0) {
        QImage whole(background->width(), background->height() + replayBand_, QImage::Format_RGB32);
        whole.fill(borderColour());
        QPainter(&whole).drawImage(0, replayBand_, *background);
        background = std::move(whole);
    }
    stage().setBackground(*background);
    repaintAll();
}

QColor MainWindow::borderColour() const {
    return background_->borderColour();
}

} // namespace kp
