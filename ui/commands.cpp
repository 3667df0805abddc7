// The display commands: smiley colours and size, the bands, the message font and the
// background.
#include "main_window.h"

#include "ui/menu_ids.h"
#include "ui/menu_rows.h"

#include "background/filters.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
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
template <typename S, typename B, typename Copy> void champsFond(S& s, B& b, Copy copy) {
    copy(s.Fond, b.Fond);
    copy(s.CouleurFondUni, b.CouleurFondUni);
    copy(s.CouleurDegrade1, b.CouleurDegrade1);
    copy(s.CouleurDegrade2, b.CouleurDegrade2);
    copy(s.CouleurBordure, b.CouleurBordure);
    copy(s.ImageFondTaille, b.ImageFondTaille);
    copy(s.ImageFondPositionH, b.ImageFondPositionH);
    copy(s.ImageFondPositionV, b.ImageFondPositionV);
    copy(s.Mosaique, b.Mosaique);
    copy(s.NoirEtBlanc, b.NoirEtBlanc);
    copy(s.Negatif, b.Negatif);
    copy(s.CheminFond, b.CheminFond);
}

BackgroundSettings fondDe(const Settings& s) {
    BackgroundSettings b;
    champsFond(s, b, [](const auto& from, auto& to) {
        to = static_cast<std::remove_reference_t<decltype(to)>>(from);
    });
    return b;
}

void copierFond(BackgroundSettings& b, Settings& s) {
    champsFond(s, b, [](auto& to, const auto& from) {
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

void TForm1::RetaillerEcran() {
    const LevelParameters& p = game_.state().params;
    LayoutInput in;
    in.cellSize = cellSize_;
    in.nbLgn = p.NbLgn;
    in.nbCol = p.NbCol;
    in.counters = settings_.AffCompteurs != 0;
    in.preview = settings_.AffPieceSuivante != 0;
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
    centreWithFrame_ = frame.isNull();
    const WindowLayout client = kp::RetaillerEcran(in);
    view_->setFixedSize(client.clientWidth, client.clientHeight);
    fitMenuRows();
    in.menuHeight = menuRows_->height();
    const WindowLayout l = kp::RetaillerEcran(in);
    painter_.setLayout(l, cellSize_, p.NbLgn, p.NbCol);
    // The frame's place, given as the window's own (move() would read a stale frame).
    setGeometry(QRect(QPoint(l.windowX + in.frameLeft, l.windowY + in.frameTop), size()));
    message_->setGeometry(l.messageLeft, l.messageTop, l.messageWidth,
                          std::max(message_->sizeHint().height(), 24));
    view_->update(painter_.AfficherChrono(game_.state()));
}

// Asked of the window itself: the widget's own idea of its frame is only brought up to date
// when the window moves.
QMargins TForm1::frameMargins() const {
    const QWindow* window = windowHandle();
    return window ? window->frameMargins() : QMargins();
}

void TForm1::fitMenuRows() {
    const int width = view_->width();
    menuRows_->arrange(width);
    setFixedSize(width, view_->height() + menuRows_->height());
}

void TForm1::repaintAll() {
    painter_.FormPaint(game_.state());
    view_->update();
}

void TForm1::cocherTaille() {
    cellSize_ = cellSizeFor(settings_.SmileyTaille);
    check(ids::smileyTaille[std::clamp(settings_.SmileyTaille, 0, 5)]);
}

void TForm1::RedimensionnerSmiley() {
    cocherTaille();
    RetaillerEcran();
    CreerBmpFond(Idem);
    repaintAll();
}

void TForm1::choisirTaille(int smileyTaille) {
    settings_.SmileyTaille = smileyTaille;
    RedimensionnerSmiley();
    // "100%" and "Taille par défaut" both mean size 0; each ticks its own entry.
    if (QAction* a = qobject_cast<QAction*>(sender())) a->setChecked(true);
}

void TForm1::MenuSmileyCouleurGo(int colourIndex) {
    sprites_.recolour(colourIndex, static_cast<Colour>(settings_.SmileyCouleur[colourIndex]));
    if (const QImage* glyph = sprites_.sprite(removalCode(colourIndex, 0)))
        if (QAction* a = action("MenuSmileyCouleur" + std::to_string(colourIndex)))
            a->setIcon(QIcon(QPixmap::fromImage(*glyph)));
}

void TForm1::choisirCouleurSmiley(int colourIndex) {
    const auto c = platform_.chooseColour(
        this, toQColor(static_cast<Colour>(settings_.SmileyCouleur[colourIndex])));
    if (!c) return;
    settings_.SmileyCouleur[colourIndex] = static_cast<int32_t>(fromQColor(*c));
    MenuSmileyCouleurGo(colourIndex);
    repaintAll();
}

void TForm1::couleursParDefaut() {
    for (int c = 0; c < 5; ++c) {
        settings_.SmileyCouleur[c] = static_cast<int32_t>(SmileyCouleursParDefaut[c]);
        MenuSmileyCouleurGo(c);
    }
    repaintAll();
}

void TForm1::basculerAffichage(int32_t Settings::*field) {
    settings_.*field = settings_.*field ? 0 : 1;
    check("MenuAffCompteurs", settings_.AffCompteurs != 0);
    check("MenuAffPieceSuivante", settings_.AffPieceSuivante != 0);
    RetaillerEcran();
    CreerBmpFond(Idem);
    repaintAll();
}

void TForm1::appliquerPolice() {
    QFont font(QString::fromStdString(settings_.NameTexte));
    font.setPointSize(std::max(1, settings_.SizeTexte));
    // Where the chosen face is missing, keep its heavy look.
    if (!QFontInfo(font).exactMatch() && font.family().contains(QStringLiteral("Black")))
        font.setWeight(QFont::Black);
    message_->setFont(font);
    const QColor colour = toQColor(static_cast<Colour>(settings_.ColorTexte));
    message_->setStyleSheet(
        QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
    message_->setGeometry(message_->x(), message_->y(), message_->width(),
                          std::max(message_->sizeHint().height(), 24));
}

void TForm1::choisirPoliceMessages() {
    const auto chosen = platform_.chooseFont(this, message_->font(),
                                             toQColor(static_cast<Colour>(settings_.ColorTexte)));
    if (!chosen) return;
    settings_.NameTexte = chosen->first.family().toStdString();
    settings_.SizeTexte = std::max(1, chosen->first.pointSize());
    settings_.ColorTexte = static_cast<int32_t>(fromQColor(chosen->second));
    appliquerPolice();
}

// ---- Background ----

void TForm1::CreerBmpFond(const std::string& path) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    BackgroundSettings b = fondDe(settings_);
    const WindowLayout& l = painter_.layout();
    const Composition c = composer_.CreerBmpFond(b, l.clientWidth, l.clientHeight, path, langue());
    copierFond(b, settings_);
    QApplication::restoreOverrideCursor();
    if (!c.composed) {
        // The command's radio item took the check mark; it goes back to the background in view.
        if (modeCoche_) modeCoche_->setChecked(true);
        if (!c.message.empty()) platform_.message(this, QString::fromStdString(c.message));
        return;
    }
    painter_.setBackground(toQImage(composer_.background()));
    majMenusFond(c);
    repaintAll();
}

void TForm1::majMenusFond(const Composition& c) {
    const Settings& s = settings_;
    switch (c.checked) {
    case ModeItem::Uni:
        check("MenuFondUni");
        break;
    case ModeItem::Degrade:
        check("MenuFondDegrade");
        break;
    case ModeItem::Logo:
        check("MenuFondLogo");
        break;
    case ModeItem::Ouvrir:
        check("MenuFondCharger");
        break;
    case ModeItem::Recent1:
        check("MenuFond1");
        break;
    }
    modeCoche_ = action("MenuFondUni")->actionGroup()->checkedAction();
    check(ids::imageFondTaille[std::clamp(s.ImageFondTaille, 0, 8)]);
    check(ids::positionH[std::clamp(s.ImageFondPositionH, 0, 2)]);
    check(ids::positionV[std::clamp(s.ImageFondPositionV, 0, 2)]);
    check("MenuOptionsMosaique", s.Mosaique);
    check("MenuOptionsNoirEtBlanc", s.NoirEtBlanc);
    check("MenuOptionsNegatif", s.Negatif);
    if (c.recentChanged) majRecents();
    for (const char* id : {"MenuImageFondTaille", "MenuImageFondPosition", "MenuImageFondOptions"})
        menus_[id]->setEnabled(c.pictureMenusEnabled);
    if (c.borderColourEnabled) action("MenuCouleurBordure")->setEnabled(*c.borderColourEnabled);
}

void TForm1::changerFond(const std::function<void(BackgroundSettings&)>& change) {
    BackgroundSettings b = fondDe(settings_);
    change(b);
    copierFond(b, settings_);
    CreerBmpFond(Idem);
}

void TForm1::fondUni() {
    const auto c =
        platform_.chooseColour(this, toQColor(static_cast<Colour>(settings_.CouleurFondUni)));
    if (c) {
        settings_.CouleurFondUni = static_cast<int32_t>(fromQColor(*c));
        settings_.Fond = FondUni;
    }
    CreerBmpFond(Idem); // a cancelled choice puts the check mark back where it was
}

void TForm1::fondDegrade() {
    const auto c1 =
        platform_.chooseColour(this, toQColor(static_cast<Colour>(settings_.CouleurDegrade1)));
    if (c1) {
        settings_.CouleurDegrade1 = static_cast<int32_t>(fromQColor(*c1));
        const auto c2 =
            platform_.chooseColour(this, toQColor(static_cast<Colour>(settings_.CouleurDegrade2)));
        if (c2) {
            settings_.CouleurDegrade2 = static_cast<int32_t>(fromQColor(*c2));
            settings_.Fond = FondDegrade;
        }
    }
    CreerBmpFond(Idem);
}

void TForm1::fondLogo() {
    settings_.Fond = FondLogo;
    CreerBmpFond(Idem);
}

void TForm1::fondCharger() {
    const auto path = platform_.openPicture(this);
    if (!path) {
        CreerBmpFond(Idem);
        return;
    }
    settings_.Fond = FondImage;
    CreerBmpFond(systemPath(*path).string());
}

void TForm1::fondRecent(int index) {
    settings_.Fond = FondImage;
    CreerBmpFond(settings_.CheminFond[index - 1]);
}

void TForm1::couleurBordure() {
    const auto c =
        platform_.chooseColour(this, toQColor(static_cast<Colour>(settings_.CouleurBordure)));
    if (!c) return;
    settings_.CouleurBordure = static_cast<int32_t>(fromQColor(*c));
    CreerBmpFond(Idem);
}

} // namespace kp
