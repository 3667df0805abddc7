// What the window shows: the single game, the demonstration, a match or a match's replay, the
// one swap between them, and the keys that reach them.
#include "ui/stages.h"

#include "ui/duel_dialog.h"
#include "ui/file_messages.h"
#include "ui/menu_book.h"
#include "ui/network_dialog.h"
#include "ui/platform.h"
#include "ui/records.h"
#include "ui/replay_controls.h"
#include "ui/replay_player.h"
#include "ui/settings_model.h"

#include "input/controllers.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QMainWindow>
#include <QTimer>

#include <utility>

namespace kp {

std::optional<Item> menuItemFor(Action action) {
    switch (action) {
    case Action::Pause:
        return Item::Pause;
    case Action::Panic:
        return Item::Panic;
    case Action::NewGame:
        return Item::NewGame;
    case Action::RestartLevel:
        return Item::RestartLevel;
    case Action::SkipLevel:
        return Item::SkipLevel;
    default:
        return std::nullopt;
    }
}

Stages::Stages(Parts parts) : p_(std::move(parts)) {
    // The tests' network match starts once the window is up.
    if (const QString how = qEnvironmentVariable("KP_NETWORK_TEST"); !how.isEmpty())
        QTimer::singleShot(0, &p_.window, [this, how] { startNetworkTest(how); });
}

// A match in view goes before the sound and pictures it plays with.
Stages::~Stages() {
    delete match_;
}

// ---- The demonstration ----

void Stages::startDemo() {
    if (demo_ || !mayLeaveMatch()) return;
    leaveMatch();
    p_.replays.stop();
    if (!p_.board.game().state().paused) p_.board.game().pause();
    demo_ = std::make_unique<Demonstration>(p_.model.settings().parameters, p_.effects, p_.sprites,
                                            p_.digits, &p_.window);
    demo_->border = p_.border();
    demo_->onClockTick = [this] { p_.host.clockTicked(); };
    show(demo_->board().view());
}

void Stages::stopDemo() {
    if (!demo_) return;
    // The demonstration's board goes with it (the window no longer holds it).
    const std::unique_ptr<QWidget> view(demo_->board().view());
    show(p_.board.view());
    demo_.reset();
}

// ---- A match ----

void Stages::chooseMatch() {
    if (!mayLeaveMatch()) return;
    if (!duelDialog_) duelDialog_ = new DuelDialog(&p_.window);
    duelDialog_->setChoice(p_.model.settings().duel);
    std::vector<QString> pads;
    for (const std::string& name : p_.controllers.gamepad().names())
        pads.push_back(QString::fromStdString(name));
    // Out of the box, with two controllers the second plays the right-hand board.
    if (secondPad_ >= int(pads.size())) secondPad_ = pads.size() >= 2 ? 1 : -1;
    duelDialog_->setGamepads(pads, secondPad_);
    const int answer = duelDialog_->exec();
    // The keyboard comes back to the window, whether or not a window manager gives it back.
    p_.window.activateWindow();
    if (answer != QDialog::Accepted) return;
    secondPad_ = duelDialog_->secondPad();
    startMatch(duelDialog_->choice());
}

void Stages::startMatch(const DuelSettings& duel, std::optional<uint32_t> seed) {
    showMatch(newMatch(duel, seed));
}

MatchView::Setup Stages::newMatch(const DuelSettings& duel, std::optional<uint32_t> seed) {
    // The choice is kept for the next match, and the file has a "Duel" section from now on.
    p_.model.changeDuel(duel);
    const Settings& s = p_.model.settings();
    MatchView::Setup setup;
    setup.duel = duel;
    setup.params = s.parameters;
    setup.options.smileyAnimation = s.smileyAnimation;
    setup.options.removalAnimation = s.removalAnimation;
    setup.options.shake = s.shake != 0;
    setup.options.Pinup = s.Pinup;
    setup.options.repeatDelay = s.controls.repeatDelay;
    setup.options.repeatInterval = s.controls.repeatInterval;
    setup.seed = seed.value_or(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    return setup;
}

void Stages::watchMatch(std::shared_ptr<const Recording> recording) {
    MatchView::Setup setup;
    setup.duel = match_ ? match_->duel() : p_.model.settings().duel;
    setup.replay = std::move(recording);
    showMatch(setup);
}

// A match against the computer counts in the statistics, against its level; one over the
// network on a line of its own.
void Stages::matchEnded() {
    showMenus();
    const Match& played = match_->match();
    const int own = match_->ownBoard();
    if (match_->networked()) {
        p_.records.matchFinished({Statistics::NetworkLine, played.winner() == own,
                                  played.longestChain(own), played.attacks(own)});
        return;
    }
    const int32_t opponent = match_->duel().opponent;
    if (opponent == DuelSettings::SecondPlayer) return;
    const Match& m = match_->match();
    p_.records.matchFinished({opponent, m.winner() == 0, m.longestChain(0), m.attacks(0)});
}

void Stages::replayEnded(bool proved) {
    if (!proved) p_.platform.message(&p_.window, replayMessage({ReplayError::Diverges, {}, {}}));
}

void Stages::showMatch(const MatchView::Setup& setup) {
    stopDemo();
    p_.replays.stop();
    // The single game waits, paused, behind the match.
    if (!match_ && !p_.board.game().state().paused) p_.board.game().pause();
    // An ended match steps aside for its replay, to come back as it ended.
    std::unique_ptr<MatchView> before(match_);
    if (before && setup.replay && !before->replaying() && before->match().over())
        matchBehind_ = std::move(before);
    else if (!setup.replay)
        matchBehind_.reset();
    match_ = new MatchView(setup, *this, p_.effects, p_.sprites, p_.digits, &p_.window);
    match_->setBorderColour(p_.border());
    show(match_);
    match_->start();
}

void Stages::leaveMatch() {
    if (!match_) return;
    const std::unique_ptr<MatchView> left(std::exchange(match_, nullptr));
    matchBehind_.reset();
    show(p_.board.view());
}

void Stages::leaveMatchReplay() {
    if (!matchBehind_) return leaveMatch();
    const std::unique_ptr<MatchView> replay(std::exchange(match_, matchBehind_.release()));
    show(match_);
}

// The one place where what the window shows changes: the stage takes the middle of the window
// (what it showed before is hidden, for its owner to keep or let go), and the window lays out
// itself, its background, its menus and its pause mark for it.
void Stages::show(QWidget* stage) {
    QMainWindow& w = p_.window;
    if (w.centralWidget() != stage) {
        if (QWidget* before = w.takeCentralWidget()) before->hide();
        w.setCentralWidget(stage);
        stage->show();
    }
    shown();
    stage->setFocus();
}

void Stages::shown() {
    p_.laidOut();
    showMenus();
    // The demonstration's pause is its own: the mark shows the player's game, paused behind it.
    p_.host.pauseChanged(match_ ? match_->paused() : p_.board.paused());
}

// As a configuration applied over a game in progress asks, No the default: a key pressed by
// mistake keeps the match. It waits, paused, for the answer. One nobody has played yet goes
// without a word.
bool Stages::mayLeaveMatch() {
    if (!match_ || match_->replaying() || match_->match().over() ||
        match_->match().inputs().empty())
        return true;
    if (!match_->match().board(0).state().paused) match_->togglePause();
    return p_.platform.question(
        &p_.window,
        QCoreApplication::translate("Match", "A match is under way: if you leave it, it is "
                                             "lost.\n\nDo you want to leave the match?"));
}

void Stages::rematch() {
    if (match_ && mayLeaveMatch()) startMatch(match_->duel());
}

void Stages::showMenus() {
    const bool single = match_ == nullptr;
    for (const Item id : {Item::RestartLevel, Item::SkipLevel, Item::OpenGame, Item::SaveGameAs})
        if (QAction* a = p_.book.action(id)) a->setEnabled(single);
    if (QAction* a = p_.book.action(Item::SingleGame)) a->setEnabled(!single);
    // A replay would take the place of a match still under way: it waits for the match's end.
    const bool underWay = match_ && !match_->replaying() && !match_->match().over();
    for (const Item id : {Item::WatchLastGame, Item::OpenReplay})
        if (QAction* a = p_.book.action(id)) a->setEnabled(!underWay);
    // In a match the new-game key plays the next match (the item itself leaves the match).
    if (QAction* a = p_.book.action(Item::NewGame))
        a->setShortcuts(single ? p_.bindings.shortcuts(Action::NewGame) : QList<QKeySequence>{});
}

// ---- Replays ----

ReplayControls* Stages::replayInView() {
    if (p_.replays.active()) return &p_.replays.controls();
    return stage().replayControls();
}

void Stages::leaveReplay(QKeyCombination key) {
    if (p_.replays.active())
        p_.replays.stop();
    else
        leaveMatchReplay();
    if (p_.bindings.actionForKey(key) == Action::Panic) panic();
}

void Stages::panic() {
    p_.replays.stop(); // a replay ends: it is the game that hides, paused
    if (match_ && match_->replaying()) leaveMatchReplay();
    stage().panic();
}

// In a match, the match so far is the last game.
void Stages::watchLastGame() {
    if (match_ && !match_->replaying())
        watchMatch(std::make_shared<Recording>(match_->match().recording()));
    else
        p_.replays.watchLastGame();
}

void Stages::saveLastGame() {
    if (match_ && !match_->replaying())
        p_.replays.save(Recording(match_->match().recording()));
    else
        p_.replays.saveLastGame();
}

// ---- Keys and pad buttons ----

// A key or a pad button: a menu command on its press, or a move of the capsule on the stage.
void Stages::act(Action a, bool pressed, bool gameRepeat) {
    if (a == Action::Hint) {
        if (pressed) stage().hint();
        return;
    }
    if (a == Action::NewGame && match_) {
        if (pressed) rematch(); // the next match; the menu item leaves the match
        return;
    }
    if (const std::optional<Item> item = menuItemFor(a)) {
        if (pressed)
            if (QAction* menuAction = p_.book.action(*item)) menuAction->trigger();
        return;
    }
    stage().play(0, commandFor(a), pressed, gameRepeat);
}

// Two players at one keyboard always have the game's own repeat: the desktop repeats only the
// last key held.
bool Stages::gameRepeat() {
    return p_.model.settings().controls.gameRepeat || stage().played(1);
}

// The second player's move for a key, in a match against a friend.
std::optional<Command> Stages::secondPlayerMove(QKeyCombination key) {
    if (!stage().played(1)) return std::nullopt;
    const std::optional<Action> a = p_.bindings.secondPlayerAction(key);
    return a ? std::optional<Command>(commandFor(*a)) : std::nullopt;
}

void Stages::keyPress(const QKeyEvent& event) {
    // Any key ends the demonstration, and the player's game comes back.
    if (demo_) {
        if (!event.isAutoRepeat()) stopDemo();
        return;
    }
    if (ReplayControls* replay = replayInView()) {
        if (!replay->key(event)) leaveReplay(event.keyCombination());
        return;
    }
    if (const auto move = secondPlayerMove(event.keyCombination())) {
        if (!event.isAutoRepeat()) stage().play(1, *move, true, true);
        return;
    }
    const std::optional<Action> a = p_.bindings.actionForKey(event.keyCombination());
    const bool repeat = gameRepeat();
    if (!a) {
        // Any other key still resumes a paused game and ends a hard drop.
        if (!event.isAutoRepeat()) stage().play(-1, Command::Other, true, false);
        return;
    }
    if (event.isAutoRepeat() && (repeat || menuItemFor(*a))) return;
    act(*a, true, repeat);
}

void Stages::keyRelease(const QKeyEvent& event) {
    if (event.isAutoRepeat() || replayInView()) return;
    if (const auto move = secondPlayerMove(event.keyCombination()))
        return stage().play(1, *move, false, true);
    const std::optional<Action> a = p_.bindings.actionForKey(event.keyCombination());
    if (a && gameRepeat()) act(*a, false, true);
}

void Stages::padButton(int pad, int button, bool pressed) {
    // A button ends the demonstration or a replay as a key does.
    if (demo_ || replayInView()) {
        if (!pressed) return;
        if (demo_)
            stopDemo();
        else
            leaveReplay();
        return;
    }
    const std::optional<Action> a = p_.bindings.actionForButton(button);
    if (!a) return;
    // Against a friend, the controller given to the second player plays the right-hand board
    // (its moves).
    if (pad == secondPad_ && stage().played(1)) {
        if (static_cast<int>(*a) < MoveCount) stage().play(1, commandFor(*a), pressed, true);
        return;
    }
    // A pad has no repeat of its own: a held direction always repeats as the game does.
    act(*a, pressed, true);
}

} // namespace kp
