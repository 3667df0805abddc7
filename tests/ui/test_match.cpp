// A match in the window: the duel dialog, the two boards and their strip, a match played to
// its end through the window's keys on virtual time, and two players at one keyboard; and the
// demonstration, where the computer plays alone.
#include "ui/captions.h"
#include "ui/config_dialog.h"
#include "ui/demonstration.h"
#include "ui/duel_dialog.h"
#include "ui/match_view.h"
#include "ui/records.h"
#include "ui/replay_player.h"
#include "ui/statistics_page.h"
#include "window_fixture.h"

#include "cpu/player.h"
#include "input/bindings.h"
#include "persistence/replay_file.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace kp {

namespace {

struct Duel : WindowFixture {
    // Starts a match from the menu, answering the dialog with `choose`.
    void startFromMenu(const std::function<void(DuelDialog&)>& choose) {
        QTimer::singleShot(0, [&] {
            auto* dialog = dynamic_cast<DuelDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            choose(*dialog);
            dialog->accept();
        });
        trigger(Item::NewMatch);
        ASSERT_NE(w->matchView(), nullptr);
    }
    void key(int k, QEvent::Type type = QEvent::KeyPress) {
        QKeyEvent e(type, k, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &e);
    }
    Match& match() { return w->matchView()->match(); }
    // A match of one round against the Expert, the player's board left to fill up.
    void playAMatchToItsEnd() {
        DuelSettings d;
        d.opponent = 4;
        d.roundsToWin = 1;
        w->startMatch(d, 1);
        key(Qt::Key_B);
        for (int64_t t = 0; !match().over() && t < 30 * 60 * 1000;)
            w->matchView()->advanceTo(t += 1000);
        ASSERT_TRUE(match().over());
    }
    // Board p as its view shows it, and as `s` draws it; the message line blanked in both.
    QImage shown(int p) {
        BoardDisplay& d = w->matchView()->display(p);
        return withoutLine(d, d.view()->grab().toImage().convertToFormat(QImage::Format_RGB32));
    }
    QImage drawn(int p, const GameState& s) {
        BoardDisplay& d = w->matchView()->display(p);
        QImage frame(d.view()->size(), QImage::Format_RGB32);
        QPainter painter(&frame);
        d.painter().paint(painter, frame.rect(), s);
        painter.end();
        return withoutLine(d, frame);
    }
    static QImage withoutLine(BoardDisplay& d, QImage board) {
        if (!d.message()->isHidden())
            QPainter(&board).fillRect(d.message()->geometry(), Qt::magenta);
        return board;
    }
};

int keyFor(Command c) {
    switch (c) {
    case Command::Left:
        return Qt::Key_Left;
    case Command::Right:
        return Qt::Key_Right;
    case Command::Turn:
        return Qt::Key_Up;
    case Command::Down:
        return Qt::Key_Down;
    default:
        return Qt::Key_Space;
    }
}

} // namespace

TEST_F(Duel, theDialogSetsUpTwoBoardsAndAStripInBothLanguagesAndPartieSeulLeaves) {
    open();
    const QSize single = w->board().view()->size();
    const QSize window = w->size();
    startFromMenu([](DuelDialog& d) {
        EXPECT_EQ(d.opponentBox()->currentText(), "Ordinateur (Moyen)");
        EXPECT_EQ(d.opponentBox()->itemText(0), "Ordinateur (Débutant)");
        EXPECT_EQ(d.opponentBox()->itemText(DuelSettings::SecondPlayer), "Joueur 2");
        // A controller goes to the second player against a friend only.
        d.setGamepads({"Manette A", "Manette B"}, 1);
        EXPECT_FALSE(d.secondPadBox()->isEnabled());
        d.opponentBox()->setCurrentIndex(DuelSettings::SecondPlayer);
        EXPECT_TRUE(d.secondPadBox()->isEnabled());
        EXPECT_EQ(d.secondPadBox()->currentText(), "Manette B");
        d.secondPadBox()->setCurrentIndex(0);
        EXPECT_EQ(d.secondPad(), -1);
        DuelSettings c = d.choice();
        c.opponent = 0;
        c.roundsToWin = 3;
        d.setChoice(c);
    });
    MatchView* m = w->matchView();
    EXPECT_EQ(m->size(), QSize(2 * single.width() + MatchView::stripWidth(16), single.height()));
    EXPECT_EQ(w->width(), m->width());
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(m->display(p).view()->size(), single);
        EXPECT_EQ(m->display(p).message()->text(), "Niveau 1");
    }
    EXPECT_EQ(m->display(1).view()->x(), single.width() + MatchView::stripWidth(16));
    EXPECT_EQ(match().settings().roundsToWin, 3);
    EXPECT_EQ(w->settings().duel.opponent, 0) << "the choice is kept for the next match";
    EXPECT_TRUE(w->settings().duelInFile);
    EXPECT_TRUE(checked(Item::Pause)) << "a match starts paused, as a level does";
    EXPECT_FALSE(w->action(Item::RestartLevel)->isEnabled());
    EXPECT_TRUE(w->action(Item::SingleGame)->isEnabled());

    w->useEnglish();
    EXPECT_EQ(opponentName(0), "Computer (Beginner)");
    EXPECT_EQ(w->action(Item::NewMatch)->text(), "New &match...");
    EXPECT_EQ(m->display(0).message()->text(), "Level 1");

    w->useFrench();
    trigger(Item::SingleGame);
    EXPECT_EQ(w->matchView(), nullptr);
    EXPECT_EQ(w->size(), window) << "the single game comes back as it was";
    EXPECT_FALSE(w->board().view()->isHidden());
    EXPECT_TRUE(w->action(Item::RestartLevel)->isEnabled());
}

// A big board with big cells is wider than the screen twice over: the window goes against the
// screen's left edge, as a single board would, and is not shrunk.
TEST_F(Duel, aMatchOfTwoBoardsWiderThanTheScreenStandsAgainstItsLeftEdge) {
    std::ofstream(ini()) << "[Options]\nSmileyTaille=5\n[Configuration]\nNbLgn=99\n"
                            "NbCol=99\n";
    open();
    w->show();
    w->startMatch({});
    const QRect free = w->screen()->availableGeometry();
    EXPECT_EQ(w->matchView()->width(), 2 * (99 * 48 + 2) + MatchView::stripWidth(48));
    EXPECT_EQ(w->geometry().x() - w->frameMargins().left(), free.x());
}

// The left board played through the window's keys as the Expert would play it, against the
// window's own Beginner on the right, on virtual time to the end of the match; then "Revanche"
// starts the next one.
TEST_F(Duel, aMatchPlayedThroughTheKeysEndsWithTheVerdictsTheStarsAndARematch) {
    open();
    DuelSettings d;
    d.opponent = 0;
    d.roundsToWin = 2;
    d.startLevel = {3, 3}; // boards full enough for chains, and attacks
    w->startMatch(d, 1);
    MatchView* m = w->matchView();
    EXPECT_FALSE(w->action(Item::WatchLastGame)->isEnabled()) << "no replay in the match's place";
    struct Key {
        int64_t at;
        Command command;
    };
    std::vector<Key> keys;
    bool planned = false;
    int64_t t = 0;
    std::vector<int32_t> roundsSeen;
    while (!match().over() && t < 30 * 60 * 1000) {
        const GameState& s = match().board(0).state();
        if (s.paused && s.messageVisible) {
            if (match().round() > static_cast<int32_t>(roundsSeen.size())) {
                roundsSeen.push_back(match().roundWinner());
                const QString verdict = m->display(0).message()->text();
                EXPECT_EQ(verdict, match().roundWinner() == 0 ? "Gagné !" : "Perdu !");
            }
            key(Qt::Key_B); // any key starts the round
            planned = false;
            keys.clear();
        }
        if (!(s.capsuleInGrid && s.phase == Phase::Playing)) {
            planned = false;
        } else if (!planned && keys.empty()) {
            planned = true;
            if (const auto advice = cpuAdvice(s, CpuLevel::Expert)) {
                for (const CpuPlacement::Key& k : advice->placement.keys)
                    keys.push_back({t + k.time, k.command});
                keys.push_back({t + (keys.empty() ? 0 : keys.back().at - t) + 50, Command::Drop});
            }
        }
        while (!keys.empty() && keys.front().at <= t) {
            key(keyFor(keys.front().command));
            keys.erase(keys.begin());
        }
        t += 16;
        m->advanceTo(t);
    }
    ASSERT_TRUE(match().over()) << "still playing after " << t << " ms";
    EXPECT_EQ(match().winner(), 0) << "the Expert beats the Beginner";
    EXPECT_EQ(match().roundsWon(0), 2);
    EXPECT_EQ(m->display(0).message()->text(), "Gagné !");
    EXPECT_EQ(m->display(1).message()->text(), "Perdu !");
    EXPECT_FALSE(m->display(1).message()->isHidden());
    EXPECT_GT(match().sent(0), 0) << "the Expert's chains attacked";
    EXPECT_EQ(roundsSeen.size(), 1u) << "the first round's verdict was read before the second";
    const auto* rematch = m->findChild<QPushButton*>("BtnRevanche");
    ASSERT_NE(rematch, nullptr);
    EXPECT_FALSE(rematch->isHidden());
    EXPECT_EQ(rematch->text(), "Revanche");
    EXPECT_TRUE(w->action(Item::WatchLastGame)->isEnabled());
    // Hidden and back, the boards still say who won.
    trigger(Item::Panic);
    key(Qt::Key_A);
    EXPECT_FALSE(match().board(0).state().hidden);
    EXPECT_EQ(m->display(0).message()->text(), "Gagné !");
    EXPECT_EQ(m->display(1).message()->text(), "Perdu !");

    // The match counts once in the statistics, against the Beginner; the single game's totals
    // are left as they were.
    const Statistics& stats = w->records().statistics();
    EXPECT_EQ(stats.matches[0], (MatchRecord{1, 0, match().longestChain(0), match().attacks(0)}));
    EXPECT_GE(stats.matches[0].longestChain, 1);
    EXPECT_EQ(stats.gamesPlayed, 0);
    StatisticsPage* page = w->configDialog()->statisticsPage();
    w->configDialog()->showTab(ConfigDialog::StatisticsTab);
    ASSERT_EQ(page->matchTable()->rowCount(), 1);
    ASSERT_EQ(page->tables()->count(), 2);
    EXPECT_EQ(page->tables()->tabText(1), "Duels");
    EXPECT_EQ(page->matchTable()->item(0, 0)->text(), "Débutant");
    EXPECT_EQ(page->matchTable()->item(0, 1)->text(), "1");
    EXPECT_EQ(page->matchTable()->horizontalHeaderItem(4)->text(), "Attaques envoyées");
    EXPECT_TRUE(page->clearButton()->isEnabled());

    // Saved as a replay; then F2 (the new-game key) plays the same match again.
    const Recording played = match().recording();
    const QString file = this->file("match.KembrollaReplay");
    w->replays().chooseFile = [&](bool) { return std::optional<QString>(file); };
    trigger(Item::SaveReplay);
    key(Qt::Key_F2);
    EXPECT_TRUE(platform.questions.empty()) << "a match that is over goes without a question";
    ASSERT_NE(w->matchView(), nullptr);
    EXPECT_EQ(match().round(), 0) << "a new match, from its first round";
    EXPECT_EQ(w->matchView()->duel(), d);
    EXPECT_EQ(w->matchView()->display(0).message()->text(), "Niveau 3");

    // The file opened, as from the menu or the command line, plays the match back on both
    // boards to the same end; any key brings the single game back.
    w->openSavedGame(file.toStdString());
    ASSERT_TRUE(w->matchView() && w->matchView()->replaying());
    // The replay's keys, as a single game's: 4 plays at 4x, Space goes step by step, each step
    // to a player's next input.
    MatchView* replay = w->matchView();
    key(Qt::Key_4);
    EXPECT_EQ(replay->replayControls()->speed(), 4);
    EXPECT_TRUE(replay->replayControls()->banner()->text().contains(QStringLiteral("×4")));
    key(Qt::Key_Space);
    EXPECT_EQ(replay->replayControls()->speed(), 0);
    key(Qt::Key_Space);
    key(Qt::Key_Space);
    ASSERT_EQ(w->matchView(), replay) << "the replay's keys do not end it";
    const std::vector<Input>& fed = match().recording().inputs;
    ASSERT_FALSE(fed.empty());
    EXPECT_GE(fed.back().board, 0) << "a step ends on a player's input";
    w->matchView()->advanceTo(played.duration);
    EXPECT_EQ(match().end(), played.end);
    EXPECT_TRUE(
        replay->replayControls()->banner()->text().contains(QStringLiteral("fin, partie vérifiée")))
        << replay->replayControls()->banner()->text().toStdString();
    EXPECT_EQ(match().winner(), 0);
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().toStdString();
    key(Qt::Key_X);
    EXPECT_EQ(w->matchView(), nullptr);
}

// Saved while the computer plays on behind the file dialog, the replay holds the one moment it
// was asked for, and opens.
TEST_F(Duel, aMatchReplaySavedWhileTheComputerPlaysOnHoldsTheMomentItWasAskedFor) {
    open();
    DuelSettings d;
    d.opponent = 4;
    w->startMatch(d, 1);
    key(Qt::Key_B);
    MatchView* m = w->matchView();
    m->advanceTo(3000);
    const Recording asked = match().recording();
    const QString file = this->file("duel.KembrollaReplay");
    w->replays().chooseFile = [&](bool) {
        for (int64_t t = 3000;
             match().recording().inputs.size() == asked.inputs.size() && t < 5 * 60 * 1000;)
            m->advanceTo(t += 500);
        return std::optional<QString>(file);
    };
    trigger(Item::SaveReplay);
    ASSERT_GT(match().recording().inputs.size(), asked.inputs.size())
        << "the computer played while the dialog was open";
    Recording saved;
    ASSERT_TRUE(readVersusReplay(file.toStdString(), saved).ok());
    EXPECT_EQ(saved.inputs, asked.inputs);
    EXPECT_EQ(saved.duration, asked.duration);
    EXPECT_EQ(saved.end, asked.end);
}

// A match under way goes only when the player says so: the new-game key, "Nouveau duel...",
// "Nouvelle partie", "Partie seul" and the demonstration ask first, and No keeps it playing. A
// match nobody has played yet goes without a question.
TEST_F(Duel, leavingAMatchUnderWayAsksFirstAndNoKeepsIt) {
    open();
    DuelSettings d;
    d.opponent = 0;
    w->startMatch(d, 1);
    trigger(Item::SingleGame);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(w->matchView(), nullptr);

    w->startMatch(d, 1);
    key(Qt::Key_B);
    w->matchView()->advanceTo(2000);
    MatchView* m = w->matchView();
    platform.answer = false;
    // The duel dialog must not open: refused should it do so.
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    key(Qt::Key_F2);
    trigger(Item::NewMatch);
    trigger(Item::NewGame);
    trigger(Item::SingleGame);
    trigger(Item::Demonstration);
    ASSERT_EQ(platform.questions.size(), 5u);
    EXPECT_EQ(platform.questions[0],
              "Un duel est en cours : si vous le quittez, il est perdu.\n\nVoulez-vous quitter le "
              "duel ?");
    EXPECT_EQ(w->matchView(), m);
    EXPECT_EQ(w->demo(), nullptr);
    EXPECT_TRUE(match().board(0).state().paused) << "it waited for the answer, paused";

    w->useEnglish();
    platform.answer = true;
    key(Qt::Key_F2);
    ASSERT_EQ(platform.questions.size(), 6u);
    EXPECT_EQ(platform.questions[5],
              "A match is under way: if you leave it, it is lost.\n\nDo you want to leave the "
              "match?");
    ASSERT_NE(w->matchView(), nullptr);
    EXPECT_TRUE(match().recording().inputs.empty()) << "a new match";
}

// Watched again from its end, a match comes back as it ended: its verdicts, "Revanche", and the
// match itself for "Enregistrer le replay sous...".
TEST_F(Duel, leavingTheReplayOfAnEndedMatchBringsTheMatchBackAsItEnded) {
    open();
    playAMatchToItsEnd();
    MatchView* ended = w->matchView();
    const QSize size = w->size();
    const Recording played = match().recording();
    const QString verdict = match().winner() == 0 ? "Gagné !" : "Perdu !";
    trigger(Item::WatchLastGame);
    ASSERT_TRUE(w->matchView() && w->matchView()->replaying());
    key(Qt::Key_X);
    ASSERT_EQ(w->matchView(), ended);
    EXPECT_EQ(w->centralWidget(), ended);
    EXPECT_FALSE(ended->isHidden());
    EXPECT_EQ(w->size(), size);
    EXPECT_EQ(ended->display(0).message()->text(), verdict);
    EXPECT_FALSE(ended->findChild<QPushButton*>("BtnRevanche")->isHidden());
    const QString file = this->file("fin.KembrollaReplay");
    w->replays().chooseFile = [&](bool) { return std::optional<QString>(file); };
    trigger(Item::SaveReplay);
    Recording saved;
    ASSERT_TRUE(readVersusReplay(file.toStdString(), saved).ok());
    EXPECT_EQ(saved.inputs, played.inputs);
}

// A match replay plays a recorded panic on its boards, and the window stays in view.
TEST_F(Duel, aMatchReplayPlaysARecordedPanicWithoutHidingTheWindow) {
    open();
    w->show();
    platform.tray = true;
    DuelSettings d;
    d.opponent = 4;
    w->startMatch(d, 1);
    key(Qt::Key_B);
    w->matchView()->advanceTo(2000);
    trigger(Item::Panic);
    ASSERT_FALSE(w->isVisible());
    w->matchView()->advanceTo(3000);
    trigger(Item::TrayRestore);
    ASSERT_TRUE(w->isVisible());
    key(Qt::Key_B);
    w->matchView()->advanceTo(4000);
    const auto recording = std::make_shared<Recording>(match().recording());
    const auto panic = std::find_if(recording->inputs.begin(), recording->inputs.end(),
                                    [](const Input& in) { return in.kind == InputKind::Panic; });
    ASSERT_NE(panic, recording->inputs.end());
    w->watchMatch(recording);
    w->matchView()->advanceTo(panic->time);
    EXPECT_TRUE(match().board(0).state().hidden) << "the boards played the panic";
    EXPECT_TRUE(w->isVisible());
    w->matchView()->advanceTo(recording->duration);
    EXPECT_TRUE(w->isVisible());
    // The player's own panic ends the replay and hides the game, as in a single game's replay.
    trigger(Item::Panic);
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(w->matchView() == nullptr || !w->matchView()->replaying());
}

// Between rounds the boards stay as the round ended, under their verdicts, until the next
// round starts.
TEST_F(Duel, theEndedRoundStaysOnTheBoardsUntilTheNextRoundStarts) {
    open();
    DuelSettings d;
    d.opponent = 4;
    d.roundsToWin = 2;
    w->startMatch(d, 1);
    key(Qt::Key_B);
    for (int64_t t = 0; match().round() == 0 && t < 30 * 60 * 1000;)
        w->matchView()->advanceTo(t += 100);
    ASSERT_EQ(match().round(), 1);
    for (int p = 0; p < 2; ++p) {
        EXPECT_TRUE(shown(p) == drawn(p, match().roundEnd(p))) << p;
        EXPECT_FALSE(shown(p) == drawn(p, match().board(p).state())) << p;
        EXPECT_EQ(w->matchView()->display(p).message()->text(),
                  match().roundWinner() == p ? "Gagné !" : "Perdu !");
    }
    key(Qt::Key_B);
    for (int p = 0; p < 2; ++p) EXPECT_TRUE(shown(p) == drawn(p, match().board(p).state())) << p;
}

// Against a friend, each player holds a direction at once: both capsules go to their wall by
// the game's own repeat, whatever the settings say of repeating.
TEST_F(Duel, twoPlayersHoldTheirKeysAtOnceAndBothRepeat) {
    open();
    DuelSettings d;
    d.opponent = DuelSettings::SecondPlayer;
    w->startMatch(d, 1);
    key(Qt::Key_B);
    ASSERT_FALSE(match().board(0).state().paused);
    int64_t t = 0;
    auto inView = [&] {
        return match().board(0).state().capsuleInGrid && match().board(1).state().capsuleInGrid;
    };
    while (!inView() && t < 5000) w->matchView()->advanceTo(t += 16);
    ASSERT_TRUE(inView());
    key(Qt::Key_Left);
    key(Qt::Key_S);
    w->matchView()->advanceTo(t += 1000);
    EXPECT_EQ(match().board(0).state().capsule.col, 1);
    EXPECT_EQ(match().board(1).state().capsule.col, 1);
    key(Qt::Key_Left, QEvent::KeyRelease);
    key(Qt::Key_S, QEvent::KeyRelease);
    key(Qt::Key_Right);
    key(Qt::Key_F);
    w->matchView()->advanceTo(t += 1000);
    const int wall = match().settings().params.columns - 1; // a capsule lies flat, two wide
    EXPECT_EQ(match().board(0).state().capsule.col, wall);
    EXPECT_EQ(match().board(1).state().capsule.col, wall);
    key(Qt::Key_Right, QEvent::KeyRelease);
    key(Qt::Key_F, QEvent::KeyRelease);

    // Two controllers: the second plays the right-hand board, the first the left one.
    const int left = *padButtonFromName("dpleft");
    w->padButton(1, left, true);
    w->matchView()->advanceTo(t += 1000);
    EXPECT_EQ(match().board(1).state().capsule.col, 1);
    EXPECT_EQ(match().board(0).state().capsule.col, wall);
    w->padButton(1, left, false);
    w->padButton(0, left, true);
    w->matchView()->advanceTo(t += 1000);
    EXPECT_EQ(match().board(0).state().capsule.col, 1);
}

// A quick tap (let go within 20 ms) is one step for either player at one keyboard, though the
// match's clock sleeps towards its next timer when the key comes: the game's own repeat waits
// for its delay from the press, not from the last timer.
TEST_F(Duel, aQuickTapOfEitherPlayerIsOneStepWhileTheClockSleeps) {
    open();
    DuelSettings d;
    d.opponent = DuelSettings::SecondPlayer;
    w->startMatch(d, 1);
    MatchView* m = w->matchView();
    int64_t wall = 0;
    m->setClock([&] { return wall; });
    key(Qt::Key_B);
    auto ready = [&] {
        return match().board(0).state().capsuleInGrid && match().board(1).state().capsuleInGrid &&
               match().nextDue() - wall > 250;
    };
    while (!ready() && wall < 5000) m->advanceTo(wall += 16);
    ASSERT_TRUE(ready());
    const int col = match().board(0).state().capsule.col;
    ASSERT_EQ(match().board(1).state().capsule.col, col);
    wall += 240; // no timer due: the view's clock is asleep
    key(Qt::Key_S);
    key(Qt::Key_Left);
    m->advanceTo(wall += 15); // what the clock's wake-up after the keys does
    key(Qt::Key_S, QEvent::KeyRelease);
    key(Qt::Key_Left, QEvent::KeyRelease);
    m->advanceTo(wall += 1000);
    EXPECT_EQ(match().board(0).state().capsule.col, col - 1);
    EXPECT_EQ(match().board(1).state().capsule.col, col - 1);
}

// Panic in a match hides and stops both boards at once: the window shows its border colour
// alone, and the computer plays nothing meanwhile; a key brings the match back, paused.
TEST_F(Duel, panicInAMatchHidesBothBoardsAndTheComputerWaitsUntilAKey) {
    std::ofstream(ini()) << "[Options]\nCouleurBordure=" << 0x336699 << "\n";
    open();
    const QRgb border = qRgb(0x99, 0x66, 0x33);
    DuelSettings d;
    d.opponent = 4;
    w->startMatch(d, 1);
    key(Qt::Key_B);
    w->matchView()->advanceTo(3000);
    ASSERT_FALSE(match().board(1).state().paused);
    trigger(Item::Panic);
    for (int p = 0; p < 2; ++p) {
        EXPECT_TRUE(match().board(p).state().paused) << p;
        EXPECT_TRUE(match().board(p).state().hidden) << p;
    }
    EXPECT_TRUE(onlyColour(w->grab().toImage(), border));
    auto where = [this] {
        std::vector<int32_t> at;
        for (int p = 0; p < 2; ++p) {
            const GameState& s = match().board(p).state();
            at.insert(at.end(), {s.capsule.row, s.capsule.col, s.capsule.orientation});
            at.insert(at.end(), s.Chrono.begin(), s.Chrono.end());
        }
        return at;
    };
    const std::vector<int32_t> before = where();
    const size_t inputs = match().recording().inputs.size();
    w->matchView()->advanceTo(20000);
    EXPECT_EQ(where(), before) << "no capsule fell and no clock ran while hidden";
    EXPECT_EQ(match().recording().inputs.size(), inputs) << "the computer pressed nothing";

    key(Qt::Key_A);
    for (int p = 0; p < 2; ++p) {
        EXPECT_FALSE(match().board(p).state().hidden) << p;
        EXPECT_TRUE(match().board(p).state().paused) << p;
    }
    EXPECT_FALSE(onlyColour(w->grab().toImage(), border));
}

// "Indice": the Expert's landing for the falling capsule, outlined until the capsule lands. The
// game is helped from then on (its counters blank, no score entry), and its recording says so.
TEST_F(Duel, theHintKeyOutlinesTheExpertsLandingUntilItLandsAndTheGameIsHelped) {
    std::ofstream(ini()) << "[Touches]\nIndice1=H\n";
    open();
    RecordedGame& g = w->board().game();
    const BoardView* view = w->board().view();
    key(Qt::Key_H);
    EXPECT_FALSE(view->hint()) << "no capsule in play in the level's pause";
    EXPECT_FALSE(g.state().cheated);
    g.resume();
    g.fire(TimerId::Fall); // the capsule comes into view
    ASSERT_TRUE(g.state().capsuleInGrid);
    key(Qt::Key_H);
    ASSERT_TRUE(view->hint());
    EXPECT_EQ(view->hint()->row, cpuAdvice(g.state())->placement.capsule.row);
    EXPECT_EQ(view->hint()->col, cpuAdvice(g.state())->placement.capsule.col);
    EXPECT_TRUE(g.state().cheated);
    EXPECT_EQ(g.recording().inputs.back().kind, InputKind::Helped);

    g.handle(Command::Drop);
    for (int t = 0; t < 40 && view->hint(); ++t) g.fire(TimerId::Drop);
    EXPECT_FALSE(view->hint()) << "gone once the capsule landed";
    GameEvents nobody;
    Game replayed(nobody);
    beginReplay(replayed, g.recording());
    for (const Input& in : g.recording().inputs) feedInput(replayed, g.recording(), in);
    EXPECT_TRUE(replayed.state().cheated);
}

// The demonstration plays by itself in the single game's place; a key ends it and the player's
// game is back as it was, paused, its recording untouched; nothing it played is counted.
TEST_F(Duel, theDemonstrationPlaysAloneUntilAKeyAndLeavesThePlayersGameAsItWas) {
    open();
    w->show();
    // The player's own commands in the game's recording.
    auto commands = [&] {
        size_t n = 0;
        for (const Input& in : w->board().game().recording().inputs)
            n += in.kind == InputKind::Handle || in.kind == InputKind::Press;
        return n;
    };
    const size_t commandsBefore = commands();
    const GameState before = w->board().game().state();
    trigger(Item::Demonstration);
    Demonstration* demo = w->demo();
    ASSERT_NE(demo, nullptr);
    EXPECT_EQ(w->centralWidget(), demo->board().view());
    EXPECT_TRUE(w->board().game().state().paused);
    // Its own keys, through the same commands as a player's (given time, however slow the
    // machine: 60 s at most).
    QElapsedTimer waited;
    waited.start();
    while (demo->board().game().recording().inputs.size() < 6 && waited.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_GE(demo->board().game().recording().inputs.size(), 6u) << "the computer did not play";
    key(Qt::Key_X);
    EXPECT_EQ(w->demo(), nullptr);
    EXPECT_EQ(w->centralWidget(), w->board().view());
    EXPECT_TRUE(w->board().game().state().paused);
    // (Its smileys went on blinking: the grid's faces change while a game waits.)
    const GameState& after = w->board().game().state();
    EXPECT_TRUE(after.smileysLeft == before.smileysLeft &&
                after.capsule.col == before.capsule.col &&
                after.capsule.row == before.capsule.row && after.Chrono == before.Chrono &&
                after.level == before.level && commands() == commandsBefore)
        << "nothing reached it";
    EXPECT_EQ(w->records().statistics().gamesPlayed, 0) << "the demonstration counts for nothing";
}

// Closed, the duel dialog gives the keyboard back to the window even with no window manager to
// do it, so that Alt and a letter still open the menus in the match.
TEST_F(Duel, theWindowHasTheKeyboardAgainOnceTheDuelDialogCloses) {
    open();
    w->show();
    QApplication::setActiveWindow(w.get());
    startFromMenu([](DuelDialog&) {});
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), w.get());
}

} // namespace kp
