#pragma once
// The menus of how the game looks and moves: the smileys' animation, size, colours and
// symbols, the removals' animation and the window's tremors, the pin-ups, the bands around
// the board and the messages' font and colour. Each group is applied here when its settings
// change.

#include "ui/menu_items.h"

#include <QColor>
#include <QFont>
#include <QObject>

#include <functional>

class QMenu;
class QWidget;

namespace kp {

class MenuBook;
class Platform;
class RecordedGame;
class SettingsModel;
class SpriteSet;

class DisplayMenus : public QObject {
  public:
    struct Parts {
        MenuBook& book;
        SettingsModel& model;
        SpriteSet& sprites;
        RecordedGame& game; // the single game, which plays with the animations chosen
        Platform& platform;
        QWidget& window; // for the dialogs
        // The window laid out anew for a cell size or a band; drawn again for a colour.
        std::function<void()> relayOut;
        std::function<void()> redraw;
        // The messages' font and colour, for every board that shows one.
        std::function<void(const QFont&, QColor)> messageLook;
    };
    explicit DisplayMenus(Parts parts);

    // The animations', smileys' and pin-ups' menus, then the bands' and font's, in `options`.
    void addLookMenus(QMenu* options);
    void addDisplayMenu(QMenu* options);

    // Every group at once, as at start-up, the window's layout apart.
    void apply();
    void applyMessageLook();
    // The pixels of a cell at the size chosen.
    int cellSize() const { return cellSize_; }

  private:
    void addAnimationMenus(QMenu* options);
    void addSmileyMenus(QMenu* options);
    void applyAnimations();
    void applySmileys();
    void showLayout();
    void chooseSize(int smileySize, Item item);
    void chooseColour(int colourIndex);
    void chooseMessageLook();
    QFont messageFont() const;

    Parts p_;
    int cellSize_ = 16;
};

} // namespace kp
