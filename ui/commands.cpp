// The display commands: smiley colours and size, the bands, the message font and the
// background.
#include "main_window.h"

#include "ui/file_messages.h"
#include "ui/menu_ids.h"
#include "ui/menu_rows.h"

#include "background/filters.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
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
    const LevelParameters& p = game_.state().params;
    LayoutInput in;
    in.cellSize = cellSize_;
    in.rows = p.rows;
    in.columns = p.columns;
    in.counters = settings_.showCounters != 0;
    in.preview = settings_.showNextCapsule != 0;
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
    const WindowLayout client = kp::layOutWindow(in);
    view_->setFixedSize(client.clientWidth, client.clientHeight);
    fitMenuRows();
    in.menuHeight = menuRows_->height();
    const WindowLayout l = kp::layOutWindow(in);
    painter_.setLayout(l, cellSize_, p.rows, p.columns);
    // The frame's place, given as the window's own (move() would read a stale frame). On
    // Wayland the compositor places the window.
    if (!desktopPlaces_)
        setGeometry(QRect(QPoint(l.windowX + in.frameLeft, l.windowY + in.frameTop), size()));
    message_->setGeometry(l.messageLeft, l.messageTop, l.messageWidth,
                          std::max(message_->sizeHint().height(), 24));
    view_->update();
}

// Asked of the window itself: the widget's own idea of its frame is only brought up to date
// when the window moves.
QMargins MainWindow::frameMargins() const {
    const QWindow* window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

void MainWindow::fitMenuRows() {
    const int width = view_->width();
    menuRows_->arrange(width);
    setFixedSize(width, view_->height() + menuRows_->height());
}

void MainWindow::repaintAll() {
    view_->update();
}

void MainWindow::checkSmileySize() {
    cellSize_ = cellSizeFor(settings_.smileySize);
    check(ids::smileySize[std::clamp(settings_.smileySize, 0, 5)]);
}

void MainWindow::resizeSmileys() {
    checkSmileySize();
    layOutWindow();
    composeBackground(KeepPicture);
    repaintAll();
}

void MainWindow::chooseSmileySize(int smileySize) {
    settings_.smileySize = smileySize;
    resizeSmileys();
    // "100%" and "Taille par défaut" both mean size 0; each ticks its own entry.
    if (QAction* a = qobject_cast<QAction*>(sender())) a->setChecked(true);
}

void MainWindow::applySmileyColour(int colourIndex) {
    sprites_.recolour(colourIndex, static_cast<Colour>(settings_.smileyColours[colourIndex]));
    if (QAction* a = action("MenuSmileyCouleur" + std::to_string(colourIndex)))
        a->setIcon(QIcon(QPixmap::fromImage(sprites_.glyph(colourIndex))));
}

void MainWindow::chooseSmileyColour(int colourIndex) {
    const auto c = platform_.chooseColour(
        this, toQColor(static_cast<Colour>(settings_.smileyColours[colourIndex])));
    if (!c) return;
    settings_.smileyColours[colourIndex] = static_cast<int32_t>(fromQColor(*c));
    applySmileyColour(colourIndex);
    repaintAll();
}

void MainWindow::defaultSmileyColours() {
    for (int c = 0; c < 5; ++c) {
        settings_.smileyColours[c] = static_cast<int32_t>(DefaultSmileyColours[c]);
        applySmileyColour(c);
    }
    repaintAll();
}

void MainWindow::toggleColourSymbols() {
    settings_.colourSymbols = !settings_.colourSymbols;
    check("MenuSymbolesCouleur", settings_.colourSymbols);
    sprites_.setSymbols(settings_.colourSymbols);
    for (int c = 0; c < 5; ++c) applySmileyColour(c); // the glyphs show the symbols too
    repaintAll();
}

void MainWindow::toggleBand(int32_t Settings::*field) {
    settings_.*field = settings_.*field ? 0 : 1;
    check("MenuAffCompteurs", settings_.showCounters != 0);
    check("MenuAffPieceSuivante", settings_.showNextCapsule != 0);
    layOutWindow();
    composeBackground(KeepPicture);
    repaintAll();
}

void MainWindow::applyMessageFont() {
    QFont font(QString::fromStdString(settings_.messageFont));
    font.setPointSize(std::max(1, settings_.messageFontSize));
    // A face named for its weight is asked for at that weight: the face itself answers it, and
    // where it is missing the stand-in keeps its heavy look. (Asking first whether it is there
    // would look the font up twice before the first frame.)
    if (font.family().contains(QStringLiteral("Black"))) font.setWeight(QFont::Black);
    message_->setFont(font);
    const QColor colour = toQColor(static_cast<Colour>(settings_.messageColour));
    // A palette, not a style sheet: a sheet would bring Qt's whole style-sheet machinery
    // before the first frame for one colour.
    QPalette palette = message_->palette();
    palette.setColor(QPalette::WindowText, colour);
    message_->setPalette(palette);
    message_->setGeometry(message_->x(), message_->y(), message_->width(),
                          std::max(message_->sizeHint().height(), 24));
}

void MainWindow::chooseMessageFont() {
    const auto chosen = platform_.chooseFont(
        this, message_->font(), toQColor(static_cast<Colour>(settings_.messageColour)));
    if (!chosen) return;
    settings_.messageFont = chosen->first.family().toStdString();
    settings_.messageFontSize = std::max(1, chosen->first.pointSize());
    settings_.messageColour = static_cast<int32_t>(fromQColor(chosen->second));
    applyMessageFont();
}

// ---- Background ----

void MainWindow::composeBackground(const std::optional<std::string>& path) {
    // Only a picture can take long enough for the wait cursor to mean anything (and the
    // cursor theme costs a start-up without one its loading).
    const bool picture = path || settings_.background == PictureBackground;
    if (picture) QApplication::setOverrideCursor(Qt::WaitCursor);
    BackgroundSettings b = backgroundOf(settings_);
    const WindowLayout& l = painter_.layout();
    const Composition c = composer_.composeBackground(b, l.clientWidth, l.clientHeight, path);
    copyBackground(b, settings_);
    if (picture) QApplication::restoreOverrideCursor();
    if (!c.composed) {
        // The command's radio item took the check mark; it goes back to the background in view.
        if (checkedMode_) checkedMode_->setChecked(true);
        if (c.refusedPicture) platform_.message(this, unknownPictureMessage(*c.refusedPicture));
        return;
    }
    painter_.setBackground(toQImage(composer_.takeBackground()));
    updateBackgroundMenus(c);
    repaintAll();
}

void MainWindow::updateBackgroundMenus(const Composition& c) {
    const Settings& s = settings_;
    switch (c.checked) {
    case ModeItem::Plain:
        check("MenuFondUni");
        break;
    case ModeItem::Gradient:
        check("MenuFondDegrade");
        break;
    case ModeItem::Logo:
        check("MenuFondLogo");
        break;
    case ModeItem::Open:
        check("MenuFondCharger");
        break;
    case ModeItem::Recent1:
        check("MenuFond1");
        break;
    }
    checkedMode_ = action("MenuFondUni")->actionGroup()->checkedAction();
    check(ids::pictureSizeItems[std::clamp(s.pictureSize, 0, 8)]);
    check(ids::positionH[std::clamp(s.pictureAlignH, 0, 2)]);
    check(ids::positionV[std::clamp(s.pictureAlignV, 0, 2)]);
    check("MenuOptionsMosaique", s.tiled);
    check("MenuOptionsNoirEtBlanc", s.greyscale);
    check("MenuOptionsNegatif", s.negative);
    if (c.recentChanged) updateRecentPictures();
    for (const char* id : {"MenuImageFondTaille", "MenuImageFondPosition", "MenuImageFondOptions"})
        menus_[id]->setEnabled(c.pictureMenusEnabled);
    if (c.borderColourEnabled) action("MenuCouleurBordure")->setEnabled(*c.borderColourEnabled);
}

void MainWindow::changeBackground(const std::function<void(BackgroundSettings&)>& change) {
    BackgroundSettings b = backgroundOf(settings_);
    change(b);
    copyBackground(b, settings_);
    composeBackground(KeepPicture);
}

void MainWindow::plainBackground() {
    const auto c =
        platform_.chooseColour(this, toQColor(static_cast<Colour>(settings_.plainColour)));
    if (c) {
        settings_.plainColour = static_cast<int32_t>(fromQColor(*c));
        settings_.background = PlainBackground;
    }
    composeBackground(KeepPicture); // a cancelled choice puts the check mark back where it was
}

void MainWindow::gradientBackground() {
    const auto c1 =
        platform_.chooseColour(this, toQColor(static_cast<Colour>(settings_.gradientTop)));
    if (c1) {
        settings_.gradientTop = static_cast<int32_t>(fromQColor(*c1));
        const auto c2 =
            platform_.chooseColour(this, toQColor(static_cast<Colour>(settings_.gradientBottom)));
        if (c2) {
            settings_.gradientBottom = static_cast<int32_t>(fromQColor(*c2));
            settings_.background = GradientBackground;
        }
    }
    composeBackground(KeepPicture);
}

void MainWindow::logoBackground() {
    settings_.background = LogoBackground;
    composeBackground(KeepPicture);
}

void MainWindow::loadBackgroundPicture() {
    const auto path = platform_.openPicture(this);
    if (!path) {
        composeBackground(KeepPicture);
        return;
    }
    settings_.background = PictureBackground;
    composeBackground(systemPath(*path).string());
}

void MainWindow::recentBackground(int index) {
    settings_.background = PictureBackground;
    composeBackground(settings_.recentPictures[index - 1]);
}

QColor MainWindow::borderColour() const {
    return toQColor(static_cast<Colour>(settings_.borderColour));
}

void MainWindow::chooseBorderColour() {
    const auto c = platform_.chooseColour(this, borderColour());
    if (!c) return;
    settings_.borderColour = static_cast<int32_t>(fromQColor(*c));
    composeBackground(KeepPicture);
}

} // namespace kp
