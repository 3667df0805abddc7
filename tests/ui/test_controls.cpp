// The keys page, the window's keys and a gamepad (SDL's virtual controller) driving the game.
#include "ui/config_dialog.h"
#include "ui/keys_page.h"
#include "ui/main_window.h"
#include "window_fixture.h"

#include "../input/virtual_pad.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <fstream>

namespace kp {

namespace {

int index(Action a) {
    return static_cast<int>(a);
}

void press(QWidget* to, int key, Qt::KeyboardModifiers mods = Qt::NoModifier,
           QEvent::Type type = QEvent::KeyPress) {
    QKeyEvent e(type, key, mods);
    QApplication::sendEvent(to, &e);
}

struct Controlled : WindowFixture {
    KeysPage* page = nullptr;
    void open(const std::string& settings = {}) {
        if (!settings.empty()) std::ofstream(ini()) << settings;
        WindowFixture::open();
        w->configDialog()->showTab(ConfigDialog::KeysTab);
        page = w->configDialog()->keysPage();
    }
    // Clicks a slot and presses a key, as a player does on the page.
    void bind(QPushButton* slot, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        slot->click();
        press(page, key, mods);
    }
    const GameState& s() { return w->board().game().state(); }
    // The capsule in view and free to move, halfway down an empty board.
    void capsuleInView() {
        w->board().game().resume();
        while (s().capsule.row < 3) w->board().game().fire(TimerId::Fall);
    }
};

} // namespace

TEST_F(Controlled, aRemappedKeyMovesAndTheOldOneNoLongerDoes) {
    open();
    bind(page->keySlot(Action::Left, 0), Qt::Key_J);
    EXPECT_EQ(w->settings().controls.keys[index(Action::Left)][0], "J");
    EXPECT_EQ(page->keySlot(Action::Left, 0)->text(), "J");
    capsuleInView();
    const int col = s().capsule.col;
    press(w.get(), Qt::Key_Left);
    EXPECT_EQ(s().capsule.col, col);
    press(w.get(), Qt::Key_J);
    EXPECT_EQ(s().capsule.col, col - 1);
    press(w.get(), Qt::Key_4, Qt::KeypadModifier); // its other key still works
    EXPECT_EQ(s().capsule.col, col - 2);

    // Menu items take their keys as shortcuts.
    bind(page->keySlot(Action::NewGame, 1), Qt::Key_N);
    EXPECT_TRUE(w->action(Item::NewGame)->shortcuts().contains(QKeySequence(Qt::Key_N)));
    // Backspace frees a slot.
    bind(page->keySlot(Action::NewGame, 1), Qt::Key_Backspace);
    EXPECT_EQ(w->action(Item::NewGame)->shortcuts(), QList<QKeySequence>{Qt::Key_F2});
}

TEST_F(Controlled, aKeyInUseIsRefusedSayingWhereAndDefaultsComeBackInBothLanguages) {
    open();
    bind(page->keySlot(Action::Left, 2), Qt::Key_F5);
    EXPECT_EQ(w->settings().controls, Controls{});
    EXPECT_EQ(page->statusLine()->text(),
              "« F5 » sert déjà à « Pause » : choisissez-en une autre, ou changez d'abord celle "
              "de « Pause ».");
    // The keypad's 4 with Num Lock off is still the keypad's 4, which Left has.
    bind(page->keySlot(Action::Drop, 2), Qt::Key_Left, Qt::KeypadModifier);
    EXPECT_TRUE(page->statusLine()->text().contains("Gauche"));
    w->useEnglish();
    EXPECT_EQ(page->keySlot(Action::Drop, 0)->text(), "Space");
    bind(page->padSlot(Action::Drop, 0), Qt::Key_A); // a pad slot waits for a pad button only
    EXPECT_TRUE(page->waitsForPadButton());
    EXPECT_EQ(page->statusLine()->text(),
              "Press a gamepad button (Backspace: none; click again to keep the old one).");
    EXPECT_TRUE(w->configDialog()->takePadButton(SDL_CONTROLLER_BUTTON_START));
    EXPECT_EQ(page->statusLine()->text(),
              "\u201cStart\u201d is already used for \u201cPause\u201d: choose another, or change "
              "that one first.");

    bind(page->keySlot(Action::Turn, 0), Qt::Key_W);
    w->configDialog()->showTab(ConfigDialog::KeysTab);
    page->padSlot(Action::Drop, 1)->click();
    w->configDialog()->takePadButton(SDL_CONTROLLER_BUTTON_Y);
    page->gameRepeatButton()->click();
    page->intervalEdit()->setValue(0);
    EXPECT_EQ(w->settings().controls.keys[index(Action::Turn)][0], "W");
    EXPECT_EQ(w->settings().controls.pad[index(Action::Drop)][1], "y");
    EXPECT_TRUE(w->settings().controls.gameRepeat);
    EXPECT_EQ(w->board().game().state().options.repeatInterval, 0);
    page->defaultsButton()->click();
    EXPECT_EQ(w->settings().controls, Controls{});
    EXPECT_EQ(page->keySlot(Action::Turn, 0)->text(), "Up");
    EXPECT_FALSE(page->gameRepeatButton()->isChecked());
}

TEST_F(Controlled, aMenuShortcutIsRefusedNamingItsCommandInBothLanguages) {
    open();
    bind(page->keySlot(Action::Pause, 1), Qt::Key_F1);
    EXPECT_EQ(w->settings().controls, Controls{});
    EXPECT_EQ(page->statusLine()->text(),
              "« F1 » est le raccourci du menu « Aide » : choisissez-en une autre.");
    w->useEnglish();
    bind(page->keySlot(Action::Pause, 1), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(w->settings().controls, Controls{});
    EXPECT_EQ(page->statusLine()->text(),
              "\u201cF1\u201d is the menu shortcut of \u201cHelp\u201d: choose another.");
    EXPECT_EQ(w->action(Item::Help)->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(Controlled, withTheGamesRepeatTheDesktopsRepeatsAreIgnored) {
    open("[Touches]\nRepetitionTouches=1\nIntervalleRepetition=0\n");
    capsuleInView();
    const int col = s().capsule.col;
    press(w.get(), Qt::Key_Right);
    EXPECT_EQ(s().capsule.col, col + 1);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(w.get(), &repeat);
    EXPECT_EQ(s().capsule.col, col + 1);
    EXPECT_TRUE(s().timer(TimerId::Repeat).running());
    w->board().game().fire(TimerId::Repeat); // the game's own repeat, at no interval: to the wall
    EXPECT_EQ(s().capsule.col, s().params.columns - 1);
    press(w.get(), Qt::Key_Right, Qt::NoModifier, QEvent::KeyRelease);
    EXPECT_FALSE(s().timer(TimerId::Repeat).enabled);
}

namespace {

// Lets the window's own timers run (the pad's reader among them) until `done`, at most 10 s.
template <class Done> bool runUntil(Done done, int limitMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

} // namespace

TEST_F(Controlled, aVirtualGamepadPlaysALevelToItsWin) {
    // One colour, one smiley: two upright capsules on the smiley win the level.
    open("[Options]\nPinup=0\nAnimationSuppr=0\n[Configuration]\nNbColor=1\nNbVirus=1\n"
         "NbVirusLignes=1\n");
    // The capsule falls only when the test says so, however slow the machine.
    LevelParameters p = s().params;
    p.firstFallPeriod = 100'000'000;
    w->board().game().setParameters(p);
    w->board().game().newGame();
    w->configDialog()->close();
    w->show();
    w->activateWindow();
    ASSERT_TRUE(runUntil([&] { return w->isActiveWindow(); }));
    // A virtual controller shows no device to the kernel: SDL is started as plugging one in
    // would start it.
    ASSERT_TRUE(w->controllers().gamepad().start());
    test::VirtualPad pad;
    ASSERT_GE(pad.device, 0) << SDL_GetError();
    w->controllers().poll();
    ASSERT_TRUE(runUntil([&] { return w->controllers().gamepad().controllers() == 1; }));
    int smileyCol = 0;
    for (int r = 1; r <= s().params.rows; ++r)
        for (int c = 1; c <= s().params.columns; ++c)
            if (isSmiley(s().grid[r][c])) smileyCol = c;
    ASSERT_GT(smileyCol, 0);
    auto tap = [&](SDL_GameControllerButton b) {
        const Capsule before = s().capsule;
        pad.button(b, true);
        const bool moved = runUntil([&] {
            return s().capsule.col != before.col || s().capsule.orientation != before.orientation;
        });
        pad.button(b, false);
        // The reader has seen it go up (a direction is no longer held) before the next press:
        // pressing the same direction again is news only then.
        return moved && runUntil([&] { return !s().heldMove; });
    };
    w->board().game().resume();
    for (int capsule = 0; capsule < 2; ++capsule) {
        // Two rows down: turned upright it stands on rows 1 and 2, where the player may move it.
        while (s().capsule.row < 2) w->board().game().fire(TimerId::Fall);
        ASSERT_TRUE(tap(SDL_CONTROLLER_BUTTON_A)); // upright, its first half keeps its column
        for (int i = 0; i < 8 && s().capsule.col > smileyCol; ++i)
            ASSERT_TRUE(tap(SDL_CONTROLLER_BUTTON_DPAD_LEFT));
        for (int i = 0; i < 8 && s().capsule.col < smileyCol; ++i)
            ASSERT_TRUE(tap(SDL_CONTROLLER_BUTTON_DPAD_RIGHT));
        ASSERT_EQ(s().capsule.col, smileyCol);
        pad.button(SDL_CONTROLLER_BUTTON_B, true);
        // Landed: the next capsule waits, lying, above the board (or the level is over).
        ASSERT_TRUE(runUntil([&] {
            return (s().capsule.row == 0 && !s().capsule.upright()) || s().level == 2;
        })) << "paused "
            << s().paused << " row " << s().capsule.row;
        pad.button(SDL_CONTROLLER_BUTTON_B, false);
        ASSERT_TRUE(runUntil([&] { return !s().heldMove; }));
    }
    EXPECT_TRUE(runUntil([&] { return s().level == 2; })) << [&] {
        std::string column;
        for (int r = 1; r <= s().params.rows; ++r)
            column += std::to_string(s().grid[r][smileyCol]) + " ";
        return "smileys left " + std::to_string(s().smileysLeft) + ", column " + column +
               ", phase " + std::to_string(static_cast<int>(s().phase)) + ", paused " +
               std::to_string(s().paused);
    }();
}

} // namespace kp
