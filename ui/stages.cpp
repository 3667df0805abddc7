// What the window shows: the single game, the demonstration, a match or a match's replay, and
// the one swap between them.
#include "main_window.h"

#include "ui/duel_dialog.h"
#include "ui/file_messages.h"
#include "ui/records.h"
#include "ui/replay_player.h"

#include "background/composer.h"

#include <QCoreApplication>
#include <QDateTime>

#include <utility>

namespace kp {

// ---- The demonstration ----

void MainWindow::startDemo() {
    if (demo_ || !mayLeaveMatch()) return;
    leaveMatch();
    replays_->stop();
    if (!board_.game().state().paused) board_.game().pause();
    demo_ = std::make_unique<Demonstration>(settings().parameters, sound_.effects(), sprites_,
                                            digits_, this);
    demo_->border = borderColour();
    demo_->onClockTick = [this] { clockTicked(); };
    showStage(demo_->board().view());
}

void MainWindow::stopDemo() {
    if (!demo_) return;
    // The demonstration's board goes with it (the window no longer holds it).
    const std::unique_ptr<QWidget> view(demo_->board().view());
    showStage(board_.view());
    demo_.reset();
}

// ---- A match ----

void MainWindow::chooseMatch() {
    if (!mayLeaveMatch()) return;
    if (!duelDialog_) duelDialog_ = new DuelDialog(this);
    duelDialog_->setChoice(settings().duel);
    std::vector<QString> pads;
    for (const std::string& name : controllers_.gamepad().names())
        pads.push_back(QString::fromStdString(name));
    // Out of the box, with two controllers the second plays the right-hand board.
    if (secondPad_ >= int(pads.size())) secondPad_ = pads.size() >= 2 ? 1 : -1;
    duelDialog_->setGamepads(pads, secondPad_);
    const int answer = duelDialog_->exec();
    // The keyboard comes back to the window, whether or not a window manager gives it back.
    activateWindow();
    if (answer != QDialog::Accepted) return;
    secondPad_ = duelDialog_->secondPad();
    startMatch(duelDialog_->choice());
}

void MainWindow::startMatch(const DuelSettings& duel, std::optional<uint32_t> seed) {
    // The choice is kept for the next match, and the file has a "Duel" section from now on.
    model_.changeDuel(duel);
    const Settings& s = settings();
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
    showMatch(setup);
}

void MainWindow::watchMatch(std::shared_ptr<const Recording> recording) {
    MatchView::Setup setup;
    setup.duel = match_ ? match_->duel() : settings().duel;
    setup.replay = std::move(recording);
    showMatch(setup);
}

// A match against the computer counts in the statistics, against its level.
void MainWindow::matchEnded() {
    showMatchMenus();
    const int32_t opponent = match_->duel().opponent;
    if (opponent == DuelSettings::SecondPlayer) return;
    const Match& m = match_->match();
    records_->matchFinished({opponent, m.winner() == 0, m.longestChain(0), m.attacks(0)});
}

void MainWindow::replayEnded(bool proved) {
    if (!proved) platform_.message(this, replayMessage({ReplayError::Diverges, {}, {}}));
}

void MainWindow::showMatch(const MatchView::Setup& setup) {
    stopDemo();
    replays_->stop();
    // The single game waits, paused, behind the match.
    if (!match_ && !board_.game().state().paused) board_.game().pause();
    // An ended match steps aside for its replay, to come back as it ended.
    std::unique_ptr<MatchView> before(match_);
    if (before && setup.replay && !before->replaying() && before->match().over())
        matchBehind_ = std::move(before);
    else if (!setup.replay)
        matchBehind_.reset();
    match_ = new MatchView(setup, *this, sound_.effects(), sprites_, digits_, this);
    match_->setBorderColour(borderColour());
    showStage(match_);
    match_->start();
}

void MainWindow::leaveMatch() {
    if (!match_) return;
    const std::unique_ptr<MatchView> left(std::exchange(match_, nullptr));
    matchBehind_.reset();
    showStage(board_.view());
}

void MainWindow::leaveMatchReplay() {
    if (!matchBehind_) return leaveMatch();
    const std::unique_ptr<MatchView> replay(std::exchange(match_, matchBehind_.release()));
    showStage(match_);
}

// The one place where what the window shows changes: the stage takes the middle of the window
// (what it showed before is hidden, for its owner to keep or let go), and the window lays out
// itself, its background, its menus and its pause mark for it.
void MainWindow::showStage(QWidget* stage) {
    if (centralWidget() != stage) {
        if (QWidget* before = takeCentralWidget()) before->hide();
        setCentralWidget(stage);
        stage->show();
    }
    stageShown();
    stage->setFocus();
}

// The stage in view laid out anew (a replay took its board, or gave it back).
void MainWindow::stageShown() {
    applyMessageFont();
    layOutWindow();
    composeBackground(KeepPicture);
    repaintAll();
    showMatchMenus();
    pauseChanged(match_ ? match_->match().board(0).state().paused : board_.game().state().paused);
}

// As a configuration applied over a game in progress asks, No the default: a key pressed by
// mistake keeps the match. It waits, paused, for the answer. One nobody has played yet goes
// without a word.
bool MainWindow::mayLeaveMatch() {
    if (!match_ || match_->replaying() || match_->match().over() ||
        match_->match().recording().inputs.empty())
        return true;
    if (!match_->match().board(0).state().paused) match_->togglePause();
    return platform_.question(
        this, QCoreApplication::translate("Match", "A match is under way: if you leave it, it is "
                                                   "lost.\n\nDo you want to leave the match?"));
}

void MainWindow::rematch() {
    if (match_ && mayLeaveMatch()) startMatch(match_->duel());
}

void MainWindow::showMatchMenus() {
    const bool single = match_ == nullptr;
    for (const char* id :
         {"MenuRecommencerNiveau", "MenuPasserNiveau", "MenuOuvrir", "MenuEnregistrerSous"})
        if (QAction* a = action(id)) a->setEnabled(single);
    if (QAction* a = action("MenuPartieSeul")) a->setEnabled(!single);
    // A replay would take the place of a match still under way: it waits for the match's end.
    const bool underWay = match_ && !match_->replaying() && !match_->match().over();
    for (const char* id : {"MenuRevoir", "MenuOuvrirReplay"})
        if (QAction* a = action(id)) a->setEnabled(!underWay);
    // In a match the new-game key plays the next match (the item itself leaves the match).
    if (QAction* a = action("MenuNouveauJeu"))
        a->setShortcuts(single ? bindings_.shortcuts(Action::NewGame) : QList<QKeySequence>{});
}

} // namespace kp
