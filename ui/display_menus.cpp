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
    QMenu* pinup = p_.book.addMenu(options, Item::PinupMenu);
    p_.book.addRadios(pinup, ids::pinup, [this](int v) {
        p_.model.changeAnimations([v](Settings& s) { s.Pinup = v; });
    });
}

void DisplayMenus::addAnimationMenus(QMenu* options) {
    MenuBook& book = p_.book;
    QMenu* smileyAnimation = book.addMenu(options, Item::SmileyAnimationMenu);
    book.addRadios(smileyAnimation, ids::smileyAnimationMenu, [this](int v) {
        p_.model.changeAnimations([v](Settings& s) { s.smileyAnimation = v; });
    });
    QMenu* removalAnimation = book.addMenu(options, Item::RemovalAnimationMenu);
    book.addRadios(removalAnimation, ids::removalAnimationMenu, [this](int v) {
        p_.model.changeAnimations([v](Settings& s) { s.removalAnimation = v; });
    });
    QMenu* removalOptions = book.addMenu(removalAnimation, Item::RemovalOptionsMenu);
    book.addItem(
        removalOptions, Item::Shake,
        [this] { p_.model.changeAnimations([](Settings& s) { s.shake = s.shake ? 0 : 1; }); },
        nullptr, true);
}

void DisplayMenus::addSmileyMenus(QMenu* options) {
    MenuBook& book = p_.book;
    QMenu* sizeChoice = book.addMenu(options, Item::SmileySizeMenu);
    QActionGroup* sizeGroup = book.radioGroup();
    book.addItem(
        sizeChoice, Item::SmileySizeDefault, [this] { chooseSize(0, Item::SmileySizeDefault); },
        sizeGroup);
    sizeChoice->addSeparator();
    const std::pair<Item, int> sizes[] = {{Item::SmileySize50, 1},  {Item::SmileySize75, 2},
                                          {Item::SmileySize100, 0}, {Item::SmileySize150, 3},
                                          {Item::SmileySize200, 4}, {Item::SmileySize300, 5}};
    for (const auto& [id, value] : sizes)
        book.addItem(
            sizeChoice, id, [this, id = id, value = value] { chooseSize(value, id); }, sizeGroup);

    QMenu* colours = book.addMenu(options, Item::SmileyColourMenu);
    book.addItem(colours, Item::SmileyColoursDefault, [this] {
        p_.model.changeSmileys([](Settings& s) {
            for (int c = 0; c < 5; ++c)
                s.smileyColours[c] = static_cast<int32_t>(DefaultSmileyColours[c]);
        });
    });
    colours->addSeparator();
    for (int c = 0; c < 5; ++c)
        book.addItem(colours, nth(Item::SmileyColour1, c), [this, c] { chooseColour(c); });
    colours->addSeparator();
    book.addItem(
        colours, Item::ColourSymbols,
        [this] { p_.model.changeSmileys([](Settings& s) { s.colourSymbols = !s.colourSymbols; }); },
        nullptr, true);
}

void DisplayMenus::addDisplayMenu(QMenu* options) {
    QMenu* display = p_.book.addMenu(options, Item::DisplayMenu);
    const auto toggle = [this](int32_t Settings::*field) {
        p_.model.changeLayout([field](Settings& s) { s.*field = s.*field ? 0 : 1; });
    };
    p_.book.addItem(
        display, Item::ShowCounters, [toggle] { toggle(&Settings::showCounters); }, nullptr, true);
    p_.book.addItem(
        display, Item::ShowNextCapsule, [toggle] { toggle(&Settings::showNextCapsule); }, nullptr,
        true);
    display->addSeparator();
    p_.book.addItem(display, Item::MessageLook, [this] { chooseMessageLook(); });
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
    book.check(Item::Shake, s.shake != 0);
    p_.game.setShake(s.shake != 0);
    book.check(ids::smileyAnimationMenu[s.smileyAnimation]);
    p_.game.setSmileyAnimation(s.smileyAnimation);
    book.check(ids::removalAnimationMenu[s.removalAnimation]);
    p_.game.setRemovalAnimation(s.removalAnimation);
}

// The glyphs beside the colour items show the symbols too.
void DisplayMenus::applySmileys() {
    const Settings& s = p_.model.settings();
    p_.book.check(Item::ColourSymbols, s.colourSymbols);
    p_.sprites.setSymbols(s.colourSymbols);
    for (int c = 0; c < 5; ++c) {
        p_.sprites.recolour(c, static_cast<Colour>(s.smileyColours[c]));
        if (QAction* a = p_.book.action(nth(Item::SmileyColour1, c)))
            a->setIcon(QIcon(QPixmap::fromImage(p_.sprites.glyph(c))));
    }
}

void DisplayMenus::showLayout() {
    const Settings& s = p_.model.settings();
    p_.book.check(Item::ShowCounters, s.showCounters != 0);
    p_.book.check(Item::ShowNextCapsule, s.showNextCapsule != 0);
    cellSize_ = cellSizeFor(s.smileySize);
    p_.book.check(ids::smileySize[std::clamp(s.smileySize, 0, 5)]);
}

void DisplayMenus::chooseSize(int smileySize, Item item) {
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
