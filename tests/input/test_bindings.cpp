#include "input/bindings.h"

#include <SDL2/SDL_gamecontroller.h>
#include <gtest/gtest.h>

namespace kp {

namespace {

std::optional<Action> actionFor(const Bindings& b, Qt::Key key, bool keypad = false) {
    return b.actionForKey(QKeyCombination(keypad ? Qt::KeypadModifier : Qt::NoModifier, key));
}

int index(Action a) {
    return static_cast<int>(a);
}

} // namespace

TEST(Bindings, defaultsAreTheKeysTheGameAlwaysHad) {
    const Bindings b;
    EXPECT_EQ(b.controls(), Controls{});
    EXPECT_EQ(actionFor(b, Qt::Key_Left), Action::Left);
    EXPECT_EQ(actionFor(b, Qt::Key_Right), Action::Right);
    EXPECT_EQ(actionFor(b, Qt::Key_Up), Action::Turn);
    EXPECT_EQ(actionFor(b, Qt::Key_Down), Action::Down);
    EXPECT_EQ(actionFor(b, Qt::Key_Space), Action::Drop);
    EXPECT_EQ(actionFor(b, Qt::Key_Return), Action::Panic);
    EXPECT_EQ(actionFor(b, Qt::Key_Escape), Action::Panic);
    EXPECT_EQ(actionFor(b, Qt::Key_F2), Action::NewGame);
    EXPECT_EQ(actionFor(b, Qt::Key_F3), Action::RestartLevel);
    EXPECT_EQ(actionFor(b, Qt::Key_F4), Action::SkipLevel);
    EXPECT_EQ(actionFor(b, Qt::Key_F5), Action::Pause);
    // The keypad, Num Lock on and off, and its Enter key.
    EXPECT_EQ(actionFor(b, Qt::Key_4, true), Action::Left);
    EXPECT_EQ(actionFor(b, Qt::Key_Left, true), Action::Left);
    EXPECT_EQ(actionFor(b, Qt::Key_6, true), Action::Right);
    EXPECT_EQ(actionFor(b, Qt::Key_8, true), Action::Turn);
    EXPECT_EQ(actionFor(b, Qt::Key_5, true), Action::Turn);
    EXPECT_EQ(actionFor(b, Qt::Key_Clear, true), Action::Turn);
    EXPECT_EQ(actionFor(b, Qt::Key_2, true), Action::Down);
    EXPECT_EQ(actionFor(b, Qt::Key_0, true), Action::Drop);
    EXPECT_EQ(actionFor(b, Qt::Key_Insert, true), Action::Drop);
    EXPECT_EQ(actionFor(b, Qt::Key_Enter, true), Action::Panic);
    // The row of digits is not the keypad; Shift or Ctrl does not change a key.
    EXPECT_EQ(actionFor(b, Qt::Key_4), std::nullopt);
    EXPECT_EQ(actionFor(b, Qt::Key_7, true), std::nullopt);
    EXPECT_EQ(b.actionForKey(QKeyCombination(Qt::ShiftModifier, Qt::Key_Left)), Action::Left);
    // The pad: the d-pad moves, A turns, B drops, Start pauses, Back hides the game.
    EXPECT_EQ(b.actionForButton(*padButtonFromName("dpleft")), Action::Left);
    EXPECT_EQ(b.actionForButton(*padButtonFromName("a")), Action::Turn);
    EXPECT_EQ(b.actionForButton(*padButtonFromName("b")), Action::Drop);
    EXPECT_EQ(b.actionForButton(*padButtonFromName("start")), Action::Pause);
    EXPECT_EQ(b.actionForButton(*padButtonFromName("back")), Action::Panic);
    EXPECT_EQ(b.shortcuts(Action::Panic).size(), 3);
}

TEST(Bindings, unknownNamesAndKeysGivenTwiceFallBackToTheActionsDefaults) {
    Controls c;
    c.keys[index(Action::Left)] = {"A", "Num+4", ""};
    c.keys[index(Action::Right)] = {"NoSuchKey", "", ""};
    c.keys[index(Action::Turn)] = {"a", "", ""}; // the same key as Left's "A"
    c.keys[index(Action::NewGame)] = {"F2", "F2", ""};
    c.pad[index(Action::Drop)] = {"x", "gizmo"};
    c.pad[index(Action::Pause)] = {"a", ""}; // Turn's button
    const Bindings b(c);
    EXPECT_EQ(actionFor(b, Qt::Key_A), Action::Left);
    EXPECT_EQ(b.controls().keys[index(Action::Right)], Controls{}.keys[index(Action::Right)]);
    EXPECT_EQ(b.controls().keys[index(Action::Turn)], Controls{}.keys[index(Action::Turn)]);
    EXPECT_EQ(actionFor(b, Qt::Key_Up), Action::Turn);
    EXPECT_EQ(b.controls().keys[index(Action::NewGame)], (KeyNames{"F2", "", ""}));
    EXPECT_EQ(b.controls().pad[index(Action::Drop)], Controls{}.pad[index(Action::Drop)]);
    EXPECT_EQ(b.actionForButton(*padButtonFromName("start")), Action::Pause);
    EXPECT_EQ(b.actionForButton(*padButtonFromName("a")), Action::Turn);
    EXPECT_EQ(b.actionForButton(*padButtonFromName("x")), std::nullopt);

    // A default that another action took by then is left out rather than given twice.
    Controls taken;
    taken.keys[index(Action::Left)] = {"Right", "", ""};
    taken.keys[index(Action::Right)] = {"Left", "Left", ""};
    const Bindings t(taken);
    EXPECT_EQ(actionFor(t, Qt::Key_Right), Action::Left);
    EXPECT_EQ(t.controls().keys[index(Action::Right)], (KeyNames{"", "Num+6", ""}));
}

TEST(Bindings, padButtonNamesAreSdlsOwn) {
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
        const char* sdl = SDL_GameControllerGetStringForButton(SDL_GameControllerButton(b));
        EXPECT_EQ(padButtonName(b), sdl ? sdl : "") << b;
        EXPECT_EQ(padButtonFromName(sdl), b) << sdl;
    }
    EXPECT_EQ(padButtonFromName("dpsideways"), std::nullopt);
}

TEST(Bindings, keyNamesRoundTripAndKeypadKeysReadAsDigits) {
    for (QKeyCombination key : {QKeyCombination(Qt::Key_Left), QKeyCombination(Qt::Key_Comma),
                                QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter),
                                QKeyCombination(Qt::KeypadModifier, Qt::Key_4)})
        EXPECT_EQ(keyFromName(keyName(key)), key) << keyName(key);
    EXPECT_EQ(keyFromName("Num+Left"), QKeyCombination(Qt::KeypadModifier, Qt::Key_4));
    EXPECT_EQ(keyFromName("Ctrl+Left"), QKeyCombination(Qt::Key_Left));
    EXPECT_EQ(keyFromName("Left, Right"), std::nullopt);
    EXPECT_EQ(keyFromName(""), std::nullopt);
}

} // namespace kp
