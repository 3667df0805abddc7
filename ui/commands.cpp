// The display commands: smiley colours and size, the bands, the message font and the
// background.
#include "main_window.h"

#include "ui/match_view.h"

#include "ui/file_messages.h"
#include "ui/menu_book.h"
#include "ui/menu_ids.h"
#include "ui/menu_rows.h"
#include "ui/replay_controls.h"
#include "ui/replay_player.h"

#include "background/filters.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWindow>

namespace kp {

namespace {

QColor toQColor(Colour c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
Colour fromQColor(const QColor& c) {
    return MakeColour(c.red(), c.green(), c.blue());
}

// The background keys live in the settings; the composer has its own copy of them. One list
// of pairs serves both directions.
template <typename S, typename B, typename Copy> void backgroundFields(S& s, B& b, Copy copy) {
    copy(s.background, b.background);
    copy(s.plainColour, b.plainColour);
    copy(s.gradientTop, b.gradientTop);
    copy(s.gradientBottom, b.gradientBottom);
    copy(s.borderColour, b.borderColour);
    copy(s.pictureSize, b.pictureSize);
    copy(s.pictureAlignH, b.pictureAlignH);
    copy(s.pictureAlignV, b.pictureAlignV);
    copy(s.tiled, b.tiled);
    copy(s.greyscale, b.greyscale);
    copy(s.negative, b.negative);
    copy(s.recentPictures, b.recentPictures);
}

BackgroundSettings backgroundOf(const Settings& s) {
    BackgroundSettings b;
    backgroundFields(s, b, [](const auto& from, auto& to) {
        to = static_cast<std::remove_reference_t<decltype(to)>>(from);
    });
    return b;
}

void copyBackground(BackgroundSettings& b, Settings& s) {
    backgroundFields(s, b, [](auto& to, const auto& from) {
        to = static_cast<std::remove_reference_t<decltype(to)>>(from);
    });
}

// The composed background as an image Qt can draw (the bytes are copied).
QImage toQImage(const Bitmap24& bmp) {
    if (bmp.empty()) return {};
    return QImage(bmp.bytes.data(), bmp.width, bmp.height, bmp.stride, QImage::Format_BGR888)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace

void MainWindow::layOutWindow() {
    const LevelParameters& p =
        match_ ? match_->match().settings().params : shownBoard().game().state().params;
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
    const QMargins frame = frameMargins();
    in.frameLeft = frame.left();
    in.frameTop = frame.top();
    in.frameRight = frame.right();
    in.frameBottom = frame.bottom();
    centreWithFrame_ = !desktopPlaces_ && frame.isNull();
    // A match holds the strip and a second board beside the first.
    if (match_)
        in.besideWidth = kp::layOutWindow(in).clientWidth + MatchView::stripWidth(cellSize_);
    // A replay's banner gets a band of its own, across the window: it hides nothing of the game.
    if ((replays_ && replays_->active()) || (match_ && match_->replaying()))
        in.replayBand = replayBandHeight(kp::layOutWindow(in).clientWidth + in.besideWidth);
    replayBand_ = in.replayBand;
    const WindowLayout client = kp::layOutWindow(in);
    if (match_)
        match_->setLayout(client, cellSize_);
    else
        shownBoard().view()->setFixedSize(client.clientWidth, client.clientHeight);
    fitMenuRows();
    in.menuHeight = menuRows_->height();
    const WindowLayout l = kp::layOutWindow(in);
    if (match_)
        match_->setLayout(l, cellSize_);
    else
        shownBoard().setLayout(l, cellSize_);
    // The frame's place, given as the window's own (move() would read a stale frame). On
    // Wayland the compositor places the window.
    if (!desktopPlaces_) {
        placedFrame_ = QPoint(l.windowX, l.windowY);
        setGeometry(QRect(QPoint(l.windowX + in.frameLeft, l.windowY + in.frameTop), size()));
        // A shake under way goes on from the new place: the window was moved by the game, not
        // put back by the window manager.
        if (shakeRest_) {
            shakeRest_ = placedFrame_;
            windowShakenBy_ = 0;
        }
    }
}

// Asked of the window itself: the widget's own idea of its frame is only brought up to date
// when the window moves.
QMargins MainWindow::frameMargins() const {
    const QWindow* window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

void MainWindow::fitMenuRows() {
    const QWidget* client = centralWidget();
    menuRows_->arrange(client->width());
    setFixedSize(client->width(), client->height() + menuRows_->height());
}

void MainWindow::repaintAll() {
    if (match_)
        match_->update();
    else
        shownBoard().repaint();
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
    board_.setMessageLook(font, colour);
    if (demo_) demo_->board().setMessageLook(font, colour);
    if (match_) match_->setMessageLook(font, colour);
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
    // Only a picture can take long enough for the wait cursor to mean anything (and the
    // cursor theme costs a start-up without one its loading).
    const bool picture = path || settings().background == PictureBackground;
    if (picture) QApplication::setOverrideCursor(Qt::WaitCursor);
    BackgroundSettings b = backgroundOf(settings());
    const QWidget* client = centralWidget();
    // The background lies under the game as without a replay: the replay's band is above it.
    const Composition c =
        composer_.composeBackground(b, client->width(), client->height() - replayBand_, path);
    model_.settle([&b](Settings& s) { copyBackground(b, s); });
    if (picture) QApplication::restoreOverrideCursor();
    if (!c.composed) {
        // The command's radio item took the check mark; it goes back to the background in view.
        if (checkedMode_) checkedMode_->setChecked(true);
        if (c.refusedPicture) platform_.message(this, unknownPictureMessage(*c.refusedPicture));
        return;
    }
    QImage background = toQImage(composer_.takeBackground());
    if (replayBand_ > 0) {
        QImage whole(background.width(), background.height() + replayBand_, QImage::Format_RGB32);
        whole.fill(borderColour());
        QPainter(&whole).drawImage(0, replayBand_, background);
        background = std::move(whole);
    }
    if (match_)
        match_->setBackground(background);
    else
        shownBoard().painter().setBackground(background);
    updateBackgroundMenus(c);
    repaintAll();
}

void MainWindow::updateBackgroundMenus(const Composition& c) {
    const Settings& s = settings();
    switch (c.checked) {
    case ModeItem::Plain:
        book_->check("MenuFondUni");
        break;
    case ModeItem::Gradient:
        book_->check("MenuFondDegrade");
        break;
    case ModeItem::Logo:
        book_->check("MenuFondLogo");
        break;
    case ModeItem::Open:
        book_->check("MenuFondCharger");
        break;
    case ModeItem::Recent1:
        book_->check("MenuFond1");
        break;
    }
    checkedMode_ = action("MenuFondUni")->actionGroup()->checkedAction();
    book_->check(ids::pictureSizeItems[std::clamp(s.pictureSize, 0, 8)]);
    book_->check(ids::positionH[std::clamp(s.pictureAlignH, 0, 2)]);
    book_->check(ids::positionV[std::clamp(s.pictureAlignV, 0, 2)]);
    book_->check("MenuOptionsMosaique", s.tiled);
    book_->check("MenuOptionsNoirEtBlanc", s.greyscale);
    book_->check("MenuOptionsNegatif", s.negative);
    if (c.recentChanged) updateRecentPictures();
    for (const char* id : {"MenuImageFondTaille", "MenuImageFondPosition", "MenuImageFondOptions"})
        book_->menu(id)->setEnabled(c.pictureMenusEnabled);
    if (c.borderColourEnabled) action("MenuCouleurBordure")->setEnabled(*c.borderColourEnabled);
}

void MainWindow::changeBackground(const std::function<void(BackgroundSettings&)>& change) {
    model_.changeBackground([&change](Settings& s) {
        BackgroundSettings b = backgroundOf(s);
        change(b);
        copyBackground(b, s);
    });
}

// A cancelled colour or picture choice changes nothing but still composes again: the command's
// radio item took the check mark, and the composition puts it back where it was.
void MainWindow::plainBackground() {
    const auto c =
        platform_.chooseColour(this, toQColor(static_cast<Colour>(settings().plainColour)));
    model_.changeBackground([&c](Settings& s) {
        if (!c) return;
        s.plainColour = static_cast<int32_t>(fromQColor(*c));
        s.background = PlainBackground;
    });
}

void MainWindow::gradientBackground() {
    const auto c1 =
        platform_.chooseColour(this, toQColor(static_cast<Colour>(settings().gradientTop)));
    std::optional<QColor> c2;
    if (c1)
        c2 = platform_.chooseColour(this, toQColor(static_cast<Colour>(settings().gradientBottom)));
    model_.changeBackground([&c1, &c2](Settings& s) {
        if (c1) s.gradientTop = static_cast<int32_t>(fromQColor(*c1));
        if (!c2) return;
        s.gradientBottom = static_cast<int32_t>(fromQColor(*c2));
        s.background = GradientBackground;
    });
}

void MainWindow::logoBackground() {
    model_.changeBackground([](Settings& s) { s.background = LogoBackground; });
}

void MainWindow::loadBackgroundPicture() {
    const auto path = platform_.openPicture(this);
    if (!path) return model_.changeBackground([](Settings&) {});
    model_.changeBackground([](Settings& s) { s.background = PictureBackground; },
                            systemPath(*path).string());
}

void MainWindow::recentBackground(int index) {
    const std::string picture = settings().recentPictures[index - 1];
    model_.changeBackground([](Settings& s) { s.background = PictureBackground; }, picture);
}

QColor MainWindow::borderColour() const {
    return toQColor(static_cast<Colour>(settings().borderColour));
}

void MainWindow::chooseBorderColour() {
    const auto c = platform_.chooseColour(this, borderColour());
    if (!c) return;
    model_.changeBackground(
        [colour = fromQColor(*c)](Settings& s) { s.borderColour = static_cast<int32_t>(colour); });
}

} // namespace kp
