// The display commands: smiley colours and size, the bands, the message font and the
// background.
#include "main_window.h"

#include "ui/background_menus.h"
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
    in.cellSize = cellSize_;
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
    in.besideWidth = stage().besideWidth(kp::layOutWindow(in).clientWidth, cellSize_);
    // A replay's banner gets a band of its own, across the window: it hides nothing of the game.
    if (stages_->replayInView())
        in.replayBand = replayBandHeight(kp::layOutWindow(in).clientWidth + in.besideWidth);
    replayBand_ = in.replayBand;
    const WindowLayout client = kp::layOutWindow(in);
    stage().setLayout(client, cellSize_);
    fitMenuRows();
    in.menuHeight = menuRows_->height();
    const WindowLayout l = kp::layOutWindow(in);
    stage().setLayout(l, cellSize_);
    placement_->place(QPoint(l.windowX, l.windowY), frame);
}

void MainWindow::stageLaidOut() {
    applyMessageFont();
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

void MainWindow::checkSmileySize() {
    cellSize_ = cellSizeFor(settings().smileySize);
    book_->check(ids::smileySize[std::clamp(settings().smileySize, 0, 5)]);
}

void MainWindow::showLayout() {
    book_->check("MenuAffCompteurs", settings().showCounters != 0);
    book_->check("MenuAffPieceSuivante", settings().showNextCapsule != 0);
    checkSmileySize();
    layOutWindow();
}

void MainWindow::applyLayout() {
    showLayout();
    composeBackground(KeepPicture);
    repaintAll();
}

void MainWindow::chooseSmileySize(int smileySize, const char* item) {
    model_.changeLayout([smileySize](Settings& s) { s.smileySize = smileySize; });
    // "100%" and "Taille par défaut" both mean size 0; each ticks its own entry.
    book_->check(item);
}

void MainWindow::applySmileyColour(int colourIndex) {
    sprites_.recolour(colourIndex, static_cast<Colour>(settings().smileyColours[colourIndex]));
    if (QAction* a = action("MenuSmileyCouleur" + std::to_string(colourIndex)))
        a->setIcon(QIcon(QPixmap::fromImage(sprites_.glyph(colourIndex))));
}

void MainWindow::chooseSmileyColour(int colourIndex) {
    const auto c = platform_.chooseColour(
        this, toQColor(static_cast<Colour>(settings().smileyColours[colourIndex])));
    if (!c) return;
    model_.changeSmileys([colourIndex, colour = fromQColor(*c)](Settings& s) {
        s.smileyColours[colourIndex] = static_cast<int32_t>(colour);
    });
}

void MainWindow::defaultSmileyColours() {
    model_.changeSmileys([](Settings& s) {
        for (int c = 0; c < 5; ++c)
            s.smileyColours[c] = static_cast<int32_t>(DefaultSmileyColours[c]);
    });
}

void MainWindow::toggleColourSymbols() {
    model_.changeSmileys([](Settings& s) { s.colourSymbols = !s.colourSymbols; });
}

void MainWindow::applySmileys() {
    book_->check("MenuSymbolesCouleur", settings().colourSymbols);
    sprites_.setSymbols(settings().colourSymbols);
    for (int c = 0; c < 5; ++c) applySmileyColour(c); // the glyphs show the symbols too
    repaintAll();
}

void MainWindow::toggleBand(int32_t Settings::*field) {
    model_.changeLayout([field](Settings& s) { s.*field = s.*field ? 0 : 1; });
}

void MainWindow::applyMessageFont() {
    QFont font(QString::fromStdString(settings().messageFont));
    font.setPointSize(std::max(1, settings().messageFontSize));
    // A face named for its weight is asked for at that weight: the face itself answers it, and
    // where it is missing the stand-in keeps its heavy look. (Asking first whether it is there
    // would look the font up twice before the first frame.)
    if (font.family().contains(QStringLiteral("Black"))) font.setWeight(QFont::Black);
    const QColor colour = toQColor(static_cast<Colour>(settings().messageColour));
    board_.setMessageLook(font, colour); // the single game's, in view or not
    stage().setMessageLook(font, colour);
}

void MainWindow::chooseMessageFont() {
    const auto chosen = platform_.chooseFont(
        this, board_.message()->font(), toQColor(static_cast<Colour>(settings().messageColour)));
    if (!chosen) return;
    model_.changeMessageLook([&chosen](Settings& s) {
        s.messageFont = chosen->first.family().toStdString();
        s.messageFontSize = std::max(1, chosen->first.pointSize());
        s.messageColour = static_cast<int32_t>(fromQColor(chosen->second));
    });
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
