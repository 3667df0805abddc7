#include "ui/display_menus.h"

#include "ui/background_menus.h"
#include "ui/menu_book.h"
#include "ui/menu_ids.h"
#include "ui/platform.h"
#include "ui/settings_model.h"

#include "engine/recorded_game.h"
#include "render/sprites.h"
#include "render/window_layout.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <algorithm>
#include <string>
#include <utility>

namespace kp {

DisplayMenus::DisplayMenus(Parts parts) : QObject(&parts.window), p_(std::move(parts)) {
    SettingsModel& model = p_.model;
    connect(&model, &SettingsModel::animationsChanged, this, &DisplayMenus::applyAnimations);
    connect(&model, &SettingsModel::smileysChanged, this, [this] {
        applySmileys();
        p_.redraw();
    });
    connect(&model, &SettingsModel::layoutChanged, this, [this] {
        showLayout();
        p_.relayOut();
    });
    connect(&model, &SettingsModel::messageLookChanged, this, &DisplayMenus::applyMessageLook);
}

void DisplayMenus::addLookMenus(QMenu* options) {
    addAnimationMenus(options);
    addSmileyMenus(options);
    QMenu* pinup = p_.book.addMenu(options, "MenuPinup");
    p_.book.addRadios(pinup, ids::pinup, [this](int v) {
        p_.model.changeAnimations([v](Settings& s) { s.Pinup = v; });
    });
}

void DisplayMenus::addAnimationMenus(QMenu* options) {
    MenuBook& book = p_.book;
    QMenu* smileyAnimation = book.addMenu(options, "MenuAnimVirus");
    book.addRadios(smileyAnimation, ids::smileyAnimationMenu, [this](int v) {
        p_.model.changeAnimations([v](Settings& s) { s.smileyAnimation = v; });
    });
    QMenu* removalAnimation = book.addMenu(options, "MenuAnimSuppr");
    book.addRadios(removalAnimation, ids::removalAnimationMenu, [this](int v) {
        p_.model.changeAnimations([v](Settings& s) { s.removalAnimation = v; });
    });
    QMenu* removalOptions = book.addMenu(removalAnimation, "MenuAnimSupprOptions");
    book.addItem(
        removalOptions, "MenuAnimSupprTremblement",
        [this] { p_.model.changeAnimations([](Settings& s) { s.shake = s.shake ? 0 : 1; }); },
        nullptr, true);
}

void DisplayMenus::addSmileyMenus(QMenu* options) {
    MenuBook& book = p_.book;
    QMenu* sizeChoice = book.addMenu(options, "MenuSmileyTaille");
    QActionGroup* sizeGroup = book.radioGroup();
    book.addItem(
        sizeChoice, "MenuSmileyTailleNormale", [this] { chooseSize(0, "MenuSmileyTailleNormale"); },
        sizeGroup);
    sizeChoice->addSeparator();
    const std::pair<const char*, int> sizes[] = {
        {"MenuSmileyTaille50", 1},  {"MenuSmileyTaille75", 2},  {"MenuSmileyTaille100", 0},
        {"MenuSmileyTaille150", 3}, {"MenuSmileyTaille200", 4}, {"MenuSmileyTaille300", 5}};
    for (const auto& [id, value] : sizes)
        book.addItem(
            sizeChoice, id, [this, id = id, value = value] { chooseSize(value, id); }, sizeGroup);

    QMenu* colours = book.addMenu(options, "MenuSmileyCouleur");
    book.addItem(colours, "MenuSmileyCouleurOrigine", [this] {
        p_.model.changeSmileys([](Settings& s) {
            for (int c = 0; c < 5; ++c)
                s.smileyColours[c] = static_cast<int32_t>(DefaultSmileyColours[c]);
        });
    });
    colours->addSeparator();
    for (int c = 0; c < 5; ++c)
        book.addItem(colours, "MenuSmileyCouleur" + std::to_string(c),
                     [this, c] { chooseColour(c); });
    colours->addSeparator();
    book.addItem(
        colours, "MenuSymbolesCouleur",
        [this] { p_.model.changeSmileys([](Settings& s) { s.colourSymbols = !s.colourSymbols; }); },
        nullptr, true);
}

void DisplayMenus::addDisplayMenu(QMenu* options) {
    QMenu* display = p_.book.addMenu(options, "MenuAffichage");
    const auto toggle = [this](int32_t Settings::*field) {
        p_.model.changeLayout([field](Settings& s) { s.*field = s.*field ? 0 : 1; });
    };
    p_.book.addItem(
        display, "MenuAffCompteurs", [toggle] { toggle(&Settings::showCounters); }, nullptr, true);
    p_.book.addItem(
        display, "MenuAffPieceSuivante", [toggle] { toggle(&Settings::showNextCapsule); }, nullptr,
        true);
    display->addSeparator();
    p_.book.addItem(display, "MenuCouleurTexte", [this] { chooseMessageLook(); });
}

void DisplayMenus::apply() {
    applyAnimations();
    applyMessageLook();
    applySmileys();
    showLayout();
}

void DisplayMenus::applyAnimations() {
    const Settings& s = p_.model.settings();
    MenuBook& book = p_.book;
    book.check(ids::pinup[s.Pinup]);
    p_.game.setPinup(s.Pinup);
    book.check("MenuAnimSupprTremblement", s.shake != 0);
    p_.game.setShake(s.shake != 0);
    book.check(ids::smileyAnimationMenu[s.smileyAnimation]);
    p_.game.setSmileyAnimation(s.smileyAnimation);
    book.check(ids::removalAnimationMenu[s.removalAnimation]);
    p_.game.setRemovalAnimation(s.removalAnimation);
}

// The glyphs beside the colour items show the symbols too.
void DisplayMenus::applySmileys() {
    const Settings& s = p_.model.settings();
    p_.book.check("MenuSymbolesCouleur", s.colourSymbols);
    p_.sprites.setSymbols(s.colourSymbols);
    for (int c = 0; c < 5; ++c) {
        p_.sprites.recolour(c, static_cast<Colour>(s.smileyColours[c]));
        if (QAction* a = p_.book.action("MenuSmileyCouleur" + std::to_string(c)))
            a->setIcon(QIcon(QPixmap::fromImage(p_.sprites.glyph(c))));
    }
}

void DisplayMenus::showLayout() {
    const Settings& s = p_.model.settings();
    p_.book.check("MenuAffCompteurs", s.showCounters != 0);
    p_.book.check("MenuAffPieceSuivante", s.showNextCapsule != 0);
    cellSize_ = cellSizeFor(s.smileySize);
    p_.book.check(ids::smileySize[std::clamp(s.smileySize, 0, 5)]);
}

void DisplayMenus::chooseSize(int smileySize, const char* item) {
    p_.model.changeLayout([smileySize](Settings& s) { s.smileySize = smileySize; });
    // "100%" and "Taille par défaut" both mean size 0; each ticks its own entry.
    p_.book.check(item);
}

void DisplayMenus::chooseColour(int colourIndex) {
    const auto c = p_.platform.chooseColour(
        &p_.window, toQColor(static_cast<Colour>(p_.model.settings().smileyColours[colourIndex])));
    if (!c) return;
    p_.model.changeSmileys([colourIndex, colour = fromQColor(*c)](Settings& s) {
        s.smileyColours[colourIndex] = static_cast<int32_t>(colour);
    });
}

QFont DisplayMenus::messageFont() const {
    const Settings& s = p_.model.settings();
    QFont font(QString::fromStdString(s.messageFont));
    font.setPointSize(std::max(1, s.messageFontSize));
    // A face named for its weight is asked for at that weight: the face itself answers it, and
    // where it is missing the stand-in keeps its heavy look. (Asking first whether it is there
    // would look the font up twice before the first frame.)
    if (font.family().contains(QStringLiteral("Black"))) font.setWeight(QFont::Black);
    return font;
}

void DisplayMenus::applyMessageLook() {
    p_.messageLook(messageFont(), toQColor(static_cast<Colour>(p_.model.settings().messageColour)));
}

void DisplayMenus::chooseMessageLook() {
    const auto chosen =
        p_.platform.chooseFont(&p_.window, messageFont(),
                               toQColor(static_cast<Colour>(p_.model.settings().messageColour)));
    if (!chosen) return;
    p_.model.changeMessageLook([&chosen](Settings& s) {
        s.messageFont = chosen->first.family().toStdString();
        s.messageFontSize = std::max(1, chosen->first.pointSize());
        s.messageColour = static_cast<int32_t>(fromQColor(chosen->second));
    });
}

} // namespace kp
