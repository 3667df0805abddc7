#pragma once
// The player's controls made usable: key names turned into the keys Qt reports, gamepad button
// names into SDL's buttons, and back. A name that means nothing, or a key or button that two
// actions claim, gives the action its defaults again.

#include "persistence/controls.h"

#include <QKeyCombination>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <map>
#include <optional>
#include <string>

namespace kp {

// A key as the bindings see it: modifiers are ignored but the keypad's, and a keypad key reads
// as its digit whether Num Lock is on or not ("Num+Left" is "Num+4").
QKeyCombination boundKey(QKeyCombination key);
// Shift, Control, Alt, AltGr or Meta pressed alone: no key of the game (Alt opens the menus).
bool isModifierKey(int key);
// Qt's portable name of a key ("Left", "Num+4", "F5"), as the settings file keeps it.
std::string keyName(QKeyCombination key);
// The key a portable name stands for, normalised as boundKey does; none for an unknown name.
std::optional<QKeyCombination> keyFromName(const std::string& name);
// What the player reads on the page: the key in the desktop's own words.
QString keyText(const std::string& name);

// SDL's game-controller button for a name ("a", "dpleft", "start"); none when unknown.
std::optional<int> padButtonFromName(const std::string& name);
std::string padButtonName(int button);

class Bindings {
  public:
    explicit Bindings(const Controls& controls = {});

    // The controls as they now stand: every name usable, no key or button given twice.
    const Controls& controls() const { return controls_; }
    std::optional<Action> actionForKey(QKeyCombination key) const;
    std::optional<Action> actionForButton(int button) const;
    // The second player's move for a key in a match; none for the first player's keys.
    std::optional<Action> secondPlayerAction(QKeyCombination key) const;
    // Every key of an action, for a menu item's shortcuts.
    QList<QKeySequence> shortcuts(Action action) const;

  private:
    Controls controls_;
    std::map<int, Action> keys_;    // QKeyCombination::toCombined() of boundKey()
    std::map<int, Action> buttons_; // SDL_GameControllerButton
    std::map<int, Action> secondKeys_;
};

} // namespace kp
