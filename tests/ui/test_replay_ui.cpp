// Replays and statistics in the window: the menu's items in both languages, watching the last
// game over the board and coming back to the game in progress, replay files saved and opened (and
// refused), the score table's "Voir" / "Watch", and the statistics tab with its "Effacer".
#include "window_fixture.h"

#include "ui/about_page.h"
#include "ui/config_dialog.h"
#include "ui/match_view.h"
#include "ui/menu_rows.h"
#include "ui/progress_plot.h"
#include "ui/records.h"
#include "ui/replay_player.h"
#include "ui/score_panel.h"
#include "ui/statistics_page.h"

#include "engine/cells.h"
#include "engine/recording.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include <fstream>

namespace kp {

namespace {

struct Replays : WindowFixture {
    ReplayPlayer& player() { return w->replays(); }
    // A short game of a few drops, finished by a new game; the timers are fired by hand.
    void playAGame(int drops = 6) {
        RecordedGame& g = w->board().game();
        for (int i = 0; i < drops; ++i) {
            g.handle(i % 2 ? Command::Left : Command::Turn);
            g.handle(Command::Drop);
            for (int t = 0; t < 60; ++t) {
                g.fire(TimerId::Drop);
                g.fire(TimerId::Removal);
                g.fire(TimerId::Collapse);
                g.fire(TimerId::SmileyAnimation);
                if (t % 10 == 0) g.fire(TimerId::Clock);
            }
        }
        g.newGame();
    }
    // A real loss on a small board where no run can form; the name dialog that the score
    // table offers is accepted.
    void loseAGame() {
        LevelParameters p;
        p.rows = 6;
        p.columns = 5;
        p.minRun = 999; // capsules pile up to the top: a quick loss
        w->settingsModel().changeParameters(p);
        QTimer::singleShot(0, [] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isModal())
                    dialog->accept();
        });
        RecordedGame& g = w->board().game();
        for (int i = 0; i < 40 && g.state().message != Message::Lost; ++i) {
            g.fire(TimerId::Fall); // the next capsule enters
            g.handle(Command::Drop);
            for (int t = 0; t < 20; ++t) g.fire(TimerId::Drop);
        }
        ASSERT_EQ(g.state().message, Message::Lost);
    }
    // Levels of one smiley on the bottom row that any capsule of the one colour clears.
    void easyLevels() {
        trigger(Item::PinupNone);
        LevelParameters p;
        p.colours = 1;
        p.minRun = 2;
        p.smileys = 1;
        p.smileysPerLevel = 0;
        p.smileyRows = 1;
        p.smileyRowsPerLevel = 0;
        w->settingsModel().changeParameters(p);
    }
    // Plays the level in view to its win, a few seconds of chrono into it.
    void winALevel() {
        RecordedGame& g = w->board().game();
        const GameState& s = g.state();
        const int32_t level = s.level;
        g.handle(Command::Other); // out of the level's pause
        g.fire(TimerId::Fall);    // the capsule enters
        for (int t = 0; t < 5; ++t) g.fire(TimerId::Clock);
        int smiley = 1;
        while (!isSmiley(s.grid[s.params.rows][smiley])) ++smiley;
        while (s.capsule.col > smiley) g.handle(Command::Left);
        while (s.capsule.col + 1 < smiley) g.handle(Command::Right);
        g.handle(Command::Drop);
        for (int t = 0; t < 200 && s.level == level; ++t) {
            g.fire(TimerId::Drop);
            g.fire(TimerId::Removal);
            g.fire(TimerId::Collapse);
        }
        ASSERT_EQ(s.level, level + 1);
    }
    void press(int key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &down);
    }
};

} // namespace

TEST_F(Replays, fileMenuHasTheReplayItemsInBothLanguages) {
    open();
    EXPECT_EQ(w->action(Item::WatchLastGame)->text(), "Re&voir la dernière partie");
    EXPECT_EQ(w->action(Item::OpenReplay)->text(), "Ouvrir un rep&lay...");
    EXPECT_EQ(w->action(Item::SaveReplay)->text(), "Enregistrer le replay so&us...");
    w->useEnglish();
    EXPECT_EQ(w->action(Item::WatchLastGame)->text(), "&Watch the last game");
    EXPECT_EQ(w->action(Item::OpenReplay)->text(), "Open a re&play...");
    EXPECT_EQ(w->action(Item::SaveReplay)->text(), "Sa&ve the replay as...");
}

TEST_F(Replays, nothingToWatchBeforeAGameIsFinished) {
    open();
    trigger(Item::WatchLastGame);
    EXPECT_FALSE(player().active());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Aucune partie terminée à revoir pour l'instant.");
}

TEST_F(Replays, watchingTheLastGameEndsOnItsBoardAndAKeyBringsTheGameBackPaused) {
    open();
    playAGame();
    w->board().game().handle(Command::Right); // the game in progress has moved on
    const GameEnd before = gameEnd(w->board().game().state());
    const int32_t capsuleCol = w->board().game().state().capsule.col;

    trigger(Item::WatchLastGame);
    ASSERT_TRUE(player().active());
    EXPECT_TRUE(w->board().game().watching());
    ASSERT_NE(player().controls().banner(), nullptr);
    EXPECT_FALSE(player().controls().banner()->isHidden());
    EXPECT_TRUE(player().controls().banner()->text().startsWith("Revoir — ×1"));
    press(Qt::Key_4);
    EXPECT_EQ(player().controls().speed(), 4);
    EXPECT_TRUE(player().controls().banner()->text().startsWith("Revoir — ×4"));
    press(Qt::Key_Space);
    EXPECT_EQ(player().controls().speed(), 0);
    EXPECT_TRUE(player().controls().banner()->text().contains("pas à pas"));
    press(Qt::Key_Space); // one step: up to the player's first command
    EXPECT_TRUE(player().active());
    player().playToEnd();
    EXPECT_TRUE(player().atEnd());
    EXPECT_TRUE(player().proved());
    EXPECT_EQ(gameEnd(w->board().game().state()), w->board().game().lastGame()->end.boards.at(0));
    EXPECT_TRUE(player().controls().banner()->text().contains("fin, partie vérifiée"));

    press(Qt::Key_X);
    EXPECT_FALSE(player().active());
    EXPECT_TRUE(player().controls().banner()->isHidden());
    EXPECT_EQ(gameEnd(w->board().game().state()), before);
    EXPECT_EQ(w->board().game().state().capsule.col, capsuleCol);
    EXPECT_TRUE(w->board().game().state().paused);
    EXPECT_TRUE(w->action(Item::Pause)->isChecked());
    EXPECT_TRUE(platform.messages.empty());
}

// Every key is the replay's: a menu shortcut asked of the board waits (the window takes it),
// and opening a menu ends the replay first. A panic key still hides the game.
TEST_F(Replays, duringAReplayTheMenusWaitAndPanicEndsItAndHidesTheGame) {
    open();
    playAGame();
    trigger(Item::WatchLastGame);
    ASSERT_TRUE(player().active());
    QKeyEvent shortcut(QEvent::ShortcutOverride, Qt::Key_F2, Qt::NoModifier);
    shortcut.ignore();
    QApplication::sendEvent(w->board().view(), &shortcut);
    EXPECT_TRUE(shortcut.isAccepted());
    w->menuRows()->menus().front()->aboutToShow();
    EXPECT_FALSE(player().active());

    trigger(Item::WatchLastGame);
    ASSERT_TRUE(player().active());
    press(Qt::Key_Escape);
    EXPECT_FALSE(player().active());
    EXPECT_FALSE(w->board().game().watching());
    EXPECT_TRUE(w->board().game().state().hidden);
    EXPECT_TRUE(w->board().game().state().paused);
}

TEST_F(Replays, theBannerSpeaksEnglish) {
    open();
    w->useEnglish();
    playAGame();
    trigger(Item::WatchLastGame);
    EXPECT_TRUE(player().controls().banner()->text().startsWith("Replay — ×1"));
    EXPECT_TRUE(player().controls().banner()->text().contains("other key: back"));
    player().stop();
}

// The banner has a band of its own above the board's: no cell, counter or next capsule is
// under it, in a single game's replay as in a match's, and the band goes with the replay.
TEST_F(Replays, theBannerCoversNothingOfTheBoards) {
    open();
    playAGame();
    const QSize window = w->size();
    auto coversNothing = [](const QRect& banner, const BoardPainter& painter, QPoint at) {
        const WindowLayout& l = painter.layout();
        const int rows = (l.clientHeight - l.BoardTop - 2) / painter.cellRect(1, 1).height();
        for (int row = 1; row <= rows; ++row)
            EXPECT_FALSE(banner.intersects(painter.cellRect(row, 1).translated(at))) << row;
        for (const QRect& r : {painter.levelArea(), painter.smileysArea(), painter.chronoArea(),
                               painter.previewArea(1), painter.previewArea(2)})
            EXPECT_FALSE(banner.intersects(r.translated(at)));
    };
    const QImage live = w->board().painter().background();
    trigger(Item::WatchLastGame);
    const QRect banner = player().controls().banner()->geometry();
    EXPECT_TRUE(w->board().view()->rect().contains(banner));
    coversNothing(banner, w->board().painter(), {});
    // The background (the logo by default) lies under the board as it does without the band.
    const int band = w->board().painter().layout().ReplayBandBottom;
    EXPECT_EQ(w->board().painter().background().copy(0, band, live.width(), live.height()), live);
    press(Qt::Key_X);
    EXPECT_EQ(w->size(), window);

    w->startMatch({}, 1);
    w->watchMatch(std::make_shared<Recording>(w->matchView()->match().recording()));
    MatchView* m = w->matchView();
    const QRect matchBanner = m->replayControls()->banner()->geometry();
    EXPECT_TRUE(m->rect().contains(matchBanner));
    for (int p = 0; p < 2; ++p)
        coversNothing(matchBanner, m->display(p).painter(), m->display(p).view()->pos());
}

TEST_F(Replays, savedReplayOpensAndDamagedOneIsRefusedWithAMessage) {
    open();
    playAGame();
    const QString path = file("partie.KembrollaReplay");
    player().chooseFile = [&](bool) { return std::optional<QString>(path); };
    trigger(Item::SaveReplay);
    ASSERT_TRUE(platform.messages.empty());
    const GameEnd live = gameEnd(w->board().game().state());

    trigger(Item::OpenReplay);
    ASSERT_TRUE(player().active());
    player().playToEnd();
    EXPECT_TRUE(player().proved());
    player().stop();
    EXPECT_EQ(gameEnd(w->board().game().state()), live);

    std::ofstream(path.toStdString(), std::ios::app) << "\n[Entrees]\n"; // harmless
    std::string text;
    {
        std::ifstream in(path.toStdString());
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::ofstream(path.toStdString()) << text.substr(0, text.size() / 2);
    w->useEnglish();
    trigger(Item::OpenReplay);
    EXPECT_FALSE(player().active());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].startsWith("This replay is damaged"))
        << platform.messages[0].toStdString();
    EXPECT_EQ(gameEnd(w->board().game().state()), live);
}

TEST_F(Replays, aReplayFileOpensAsAReplayWhereASavedGameWould) {
    open();
    playAGame();
    const std::filesystem::path path = file("vu.KembrollaReplay").toStdString();
    player().chooseFile = [&](bool) {
        return std::optional<QString>(QString::fromStdString(path));
    };
    trigger(Item::SaveReplay);
    w->openSavedGame(path); // the command line and the file manager come this way
    EXPECT_TRUE(player().active());
    player().stop();

    // Opened while a match is played again, it takes the window: it played on the single board
    // hidden behind the match.
    DuelSettings d;
    d.opponent = 4;
    w->startMatch(d, 1);
    w->watchMatch(std::make_shared<Recording>(w->matchView()->match().recording()));
    ASSERT_TRUE(w->matchView() && w->matchView()->replaying());
    w->openSavedGame(path);
    EXPECT_TRUE(player().active());
    EXPECT_EQ(w->matchView(), nullptr);
    EXPECT_EQ(w->centralWidget(), w->board().view());
    player().stop();
}

TEST_F(Replays, statisticsTabFillsInAndClearsAfterAskingInBothLanguages) {
    open();
    playAGame();
    playAGame(3);
    ConfigDialog* d = w->configDialog();
    d->showTab(ConfigDialog::StatisticsTab);
    StatisticsPage* page = d->statisticsPage();
    EXPECT_EQ(d->tabs()->tabText(ConfigDialog::StatisticsTab), "Statistiques");
    EXPECT_EQ(page->total(0), "2");
    EXPECT_EQ(page->clearButton()->text(), "&Effacer");
    EXPECT_EQ(page->levelTable()->horizontalHeaderItem(2)->text(), "Meilleur temps");
    ProgressPlot* plot = page->plot();
    EXPECT_EQ(plot->title(), "Les 50 dernières parties");
    EXPECT_EQ(plot->series(1).points.size(), 2);

    w->useEnglish();
    EXPECT_EQ(d->tabs()->tabText(ConfigDialog::StatisticsTab), "Statistics");
    EXPECT_EQ(page->clearButton()->text(), "&Clear");
    EXPECT_EQ(plot->title(), "The last 50 games");

    platform.answer = false;
    page->clearButton()->click();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0], "Clear all the statistics?");
    EXPECT_EQ(page->total(0), "2");
    platform.answer = true;
    page->clearButton()->click();
    EXPECT_EQ(page->total(0), "0");
    EXPECT_FALSE(page->clearButton()->isEnabled());
}

TEST_F(Replays, aGameThatEntersTheScoreTableCanBeWatchedFromIt) {
    open();
    loseAGame();
    ConfigDialog* d = w->configDialog();
    ScorePanel* scores = d->aboutPage()->scorePanel();
    ASSERT_FALSE(w->settings().scores.Entries[0].name.empty());
    EXPECT_TRUE(scores->watchButton(0)->isEnabled());
    EXPECT_FALSE(scores->watchButton(1)->isEnabled());
    EXPECT_EQ(scores->watchButton(0)->text(), "Voir");
    ASSERT_TRUE(d->isVisible());
    scores->watchButton(0)->click();
    ASSERT_TRUE(player().active());
    EXPECT_FALSE(d->isVisible()) << "the dialog steps aside from the board the replay plays on";
    player().playToEnd();
    EXPECT_TRUE(player().proved());
    press(Qt::Key_X);
    EXPECT_FALSE(player().active());
    EXPECT_TRUE(d->isVisible()) << "the dialog comes back once the replay is over";
    EXPECT_EQ(d->currentTab(), ConfigDialog::AboutTab);
}

TEST_F(Replays, afterWatchingALostGameFromTheKeyboardItsMessageLineIsBackAsItWas) {
    open();
    loseAGame();
    ASSERT_EQ(w->board().message()->text(), "Perdu !");
    press(Qt::Key_Alt); // Alt, then F and V: "Revoir la dernière partie" from the keyboard
    EXPECT_FALSE(w->board().message()->isHidden()) << "a modifier alone is no key of the game";
    trigger(Item::WatchLastGame);
    ASSERT_TRUE(player().active());
    player().playToEnd();
    EXPECT_TRUE(player().proved());
    EXPECT_EQ(w->board().message()->text(), "Perdu !");
    press(Qt::Key_X);
    EXPECT_FALSE(player().active());
    EXPECT_EQ(w->board().game().state().message, Message::Lost);
    EXPECT_EQ(w->board().message()->text(), "Perdu !");
    EXPECT_FALSE(w->board().message()->isHidden());
}

TEST_F(Replays, aGameLeftByClosingTheWindowCountsWithTheLevelsItWon) {
    open();
    easyLevels();
    winALevel();
    winALevel();
    w->close();
    Statistics s;
    ASSERT_TRUE(loadStatistics(w->records().statisticsFile(), s).ok());
    EXPECT_EQ(s.gamesPlayed, 1);
    EXPECT_EQ(s.levelsWon, 2);
    ASSERT_EQ(s.recent.size(), 1u);
    EXPECT_EQ(s.recent[0].levelsWon, 2);
    EXPECT_EQ(s.recent[0].secondsInLevelsWon, 10);
}

// The score table's replays sit beside the settings file, in a folder the player may also use:
// entering a score removes only the replays the game named itself for lines no longer in the
// table, never the player's own files or links, nor anything in a folder that is a link.
TEST_F(Replays, enteringAScoreRemovesOnlyTheGamesOwnReplaysOfLinesThatLeftTheTable) {
    namespace fs = std::filesystem;
    open();
    playAGame();
    const fs::path folder = dir.filePath("kembrolla-panic-replays").toStdString();
    const fs::path own = dir.filePath("mes replays").toStdString();
    fs::create_directories(folder);
    fs::create_directories(own);
    const fs::path left = folder / "0123456789abcdef.KembrollaReplay"; // a line that left
    for (const fs::path& f :
         {left, folder / "ma partie.KembrollaReplay", own / "x.KembrollaReplay"})
        std::ofstream(f) << "[Replay]\n";
    fs::create_directory_symlink(own, folder / "liens.KembrollaReplay");
    ScoreTable table;
    table.Entries[0] = {"3", "2", "Zoé", " 01 janv. 2025  -  10h00"};
    const Recording& last = *w->board().game().lastGame();
    ASSERT_TRUE(w->records().keepForScore(table.Entries[0], table, last).ok());
    EXPECT_TRUE(w->records().hasScoreReplay(table.Entries[0]));
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(fs::exists(folder / "ma partie.KembrollaReplay"));
    EXPECT_TRUE(fs::is_symlink(folder / "liens.KembrollaReplay"));
    EXPECT_TRUE(fs::exists(own / "x.KembrollaReplay"));

    // The folder itself a link to the player's own: nothing in it is removed.
    fs::remove_all(folder);
    fs::create_directory_symlink(own, folder);
    std::ofstream(own / "fedcba9876543210.KembrollaReplay") << "[Replay]\n";
    table.Entries[0].name = "Léa";
    ASSERT_TRUE(w->records().keepForScore(table.Entries[0], table, last).ok());
    EXPECT_TRUE(fs::exists(own / "fedcba9876543210.KembrollaReplay"));
    EXPECT_TRUE(fs::exists(own / "x.KembrollaReplay"));
}

} // namespace kp
