#include "window_fixture.h"

#include "ui/captions.h"
#include "ui/menu_rows.h"
#include "ui/window_title.h"

#include "persistence/ini_file.h"
#include "sound/tunes.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

#include <fstream>

namespace kp {

namespace {

struct Window : WindowFixture {
    QSize client() const { return w->board().view()->size(); }
};

} // namespace

TEST_F(Window, firstStartShowsTheDefaults) {
    open();
    EXPECT_EQ(client(), QSize(8 * 16 + 2, 18 * 16 + 52 + 2));
    EXPECT_TRUE(checked(Item::BackgroundLogo));
    EXPECT_TRUE(checked(Item::PinupBoth));
    EXPECT_TRUE(checked(Item::ShowCounters));
    EXPECT_TRUE(checked(Item::ShowNextCapsule));
    EXPECT_TRUE(checked(Item::French));
    EXPECT_TRUE(checked(Item::SmileyAnimationAverage));
    EXPECT_TRUE(checked(Item::SmileySizeDefault));
    EXPECT_TRUE(checked(Item::Pause));
    EXPECT_EQ(w->menuRows()->menus().size(), 3u);
    EXPECT_EQ(w->board().message()->text(), "Niveau 1");
    EXPECT_FALSE(w->board().message()->isHidden());
    EXPECT_EQ(w->board().game().state().smileysLeft, 5);
}

TEST_F(Window, theBoardShowsWhatTheRulesHold) {
    open();
    w->show();
    boardShown();
    // Each frame from now on paints only what changed.
    trigger(Item::Pause); // the game starts paused
    const QImage start = boardFrame();
    QElapsedTimer waited;
    waited.start();
    while (boardFrame() == start && waited.elapsed() < 20000) // the first capsule comes in
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_NE(boardFrame(), start) << "no capsule came in";
    for (int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                    Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &press);
        QApplication::processEvents();
    }
    const GameState& s = w->board().game().state();
    const QImage shown = boardShown();
    EXPECT_EQ(shown, boardFrame());
    int smileysSeen = 0;
    for (int r = 1; r <= 18; ++r)
        for (int c = 1; c <= 8; ++c) {
            const QImage here = shown.copy(w->board().painter().cellRect(r, c));
            if (isSmiley(s.grid[r][c])) {
                // A smiley's middle is not the black logo background.
                EXPECT_NE(here.pixel(8, 8), qRgb(0, 0, 0));
                ++smileysSeen;
            }
        }
    EXPECT_EQ(smileysSeen, 5);
}

TEST_F(Window, languageSwitchRewritesCaptionsAndTheMessage) {
    open();
    trigger(Item::English);
    EXPECT_EQ(w->action(Item::NewGame)->text(), "&New game");
    EXPECT_EQ(w->action(Item::PinupLeft)->text(), "Pinup of left-hand side");
    EXPECT_EQ(w->board().message()->text(), "Level 1");
    w->board().game().togglePause();
    w->board().game().togglePause();
    EXPECT_EQ(w->board().message()->text(), "Paused");
    trigger(Item::French);
    EXPECT_EQ(w->board().message()->text(), "Pause");
    EXPECT_EQ(w->action(Item::NewGame)->text(), "&Nouvelle partie");
}

TEST_F(Window, theStoredBoardSizeShapesTheFirstWindow) {
    std::ofstream(ini()) << "[Options]\nSmileyTaille=3\n[Configuration]\nNbLgn=20\nNbCol=10\n";
    open();
    EXPECT_EQ(client(), QSize(242, 543));
    EXPECT_EQ(w->board().game().state().params.columns, 10);
}

TEST_F(Window, everyMenuTitleStaysInViewAtEverySizeAndLanguage) {
    // 5 x 5 at 8 pixels, the default board at 50 % and 100 %, 99 x 99 at 100 %.
    const char* boards[] = {"SmileyTaille=1\n[Configuration]\nNbLgn=5\nNbCol=5\n",
                            "SmileyTaille=1\n", "SmileyTaille=0\n",
                            "SmileyTaille=0\n[Configuration]\nNbLgn=99\nNbCol=99\n"};
    for (const char* board : boards)
        for (int language = 0; language < LanguageCount; ++language) {
            std::ofstream(ini()) << "[Options]\nLangue=" << language << "\n" << board;
            open();
            const MenuRows& bar = *w->menuRows();
            int rowsHeight = 0, titles = 0;
            for (QMenuBar* row : bar.rows()) {
                rowsHeight += row->height();
                // No title hides behind the "»" button: every one has its place on its row.
                for (QAction* a : row->actions()) {
                    const QRect r = row->actionGeometry(a);
                    EXPECT_FALSE(r.isEmpty()) << board << language;
                    EXPECT_TRUE(r.left() < bar.width() || row->actions().size() == 1);
                    ++titles;
                }
                EXPECT_LE(row->sizeHint().width(), row->width());
            }
            EXPECT_EQ(titles, 3) << board << language;
            // The window holds the rows; the client area keeps its size.
            EXPECT_EQ(bar.height(), rowsHeight);
            EXPECT_EQ(w->height(), client().height() + rowsHeight);
            w.reset();
        }
    // The narrowest window wraps its titles onto rows of their own.
    std::ofstream(ini()) << "[Options]\nSmileyTaille=1\n[Configuration]\nNbLgn=5\nNbCol=5\n";
    open();
    EXPECT_EQ(w->menuRows()->rows().size(), 3u);
    const int french = w->height();
    trigger(Item::English); // "File", "Options", "?": still a row each
    EXPECT_EQ(w->height(), french);
}

TEST_F(Window, sizeAndBandsReshapeTheWindow) {
    open();
    trigger(Item::SmileySize300);
    EXPECT_EQ(client(), QSize(8 * 48 + 2, 18 * 48 + 85 + 2)); // preview band 26..84
    trigger(Item::ShowCounters);
    trigger(Item::ShowNextCapsule);
    EXPECT_EQ(client(), QSize(8 * 48 + 2, 18 * 48 + 2));
    trigger(Item::SmileySize100);
    EXPECT_TRUE(checked(Item::SmileySize100));
    EXPECT_FALSE(checked(Item::SmileySizeDefault));
    EXPECT_EQ(client(), QSize(130, 18 * 16 + 2));
}

TEST_F(Window, anUnreadablePictureKeepsTheBackgroundAndSaysSo) {
    open();
    const QImage before = boardFrame();
    const std::string path = dir.filePath("broken.jpg").toStdString();
    std::ofstream(path) << "not a picture";
    platform.picture = QString::fromStdString(path);
    trigger(Item::BackgroundPicture);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].toStdString(),
              "Image de fond " + path + " non trouvée ou non reconnue.");
    EXPECT_EQ(boardFrame(), before);
    EXPECT_TRUE(checked(Item::BackgroundLogo));
    EXPECT_TRUE(w->settings().recentPictures[0].empty());
}

TEST_F(Window, aCancelledColourChangesNothing) {
    open();
    platform.colour.reset();
    trigger(Item::BackgroundPlain);
    EXPECT_EQ(w->settings().background, 2);
    EXPECT_TRUE(checked(Item::BackgroundLogo));
    platform.colour = QColor(10, 20, 30);
    trigger(Item::BackgroundPlain);
    EXPECT_EQ(w->settings().background, 0);
    EXPECT_EQ(boardFrame().pixel(60, 200), qRgb(10, 20, 30));
    EXPECT_FALSE(w->findChild<QMenu*>()->isEmpty());
}

TEST_F(Window, closingWritesTheSettings) {
    open();
    trigger(Item::SmileyAnimationFast);
    trigger(Item::English);
    w->close();
    IniFile file;
    ASSERT_TRUE(IniFile::Load(ini(), file).ok());
    EXPECT_EQ(file.ReadInteger("Options", "AnimationVirus", -1), 3);
    EXPECT_EQ(file.ReadInteger("Options", "Langue", -1), 1);
    EXPECT_EQ(file.ReadInteger("Configuration", "NbLgn", -1), 18);
}

TEST_F(Window, quitFromTheHiddenGameOrTheMenuWritesTheSettingsAndEndsTheProgram) {
    for (const Item item : {Item::TrayQuit, Item::Quit}) {
        std::filesystem::remove(ini());
        platform.quits = 0;
        open();
        w->hide(); // as panic leaves it: hidden, with only the notification-area icon
        trigger(item);
        EXPECT_TRUE(std::filesystem::exists(ini())) << item;
        EXPECT_EQ(platform.quits, 1) << item;
    }
}

TEST_F(Window, standardButtonsAndDialogsFollowTheGameLanguage) {
    auto yes = [] {
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text();
    };
    auto colourTitle = [] { return QColorDialog().windowTitle(); };
    open();
    ASSERT_TRUE(checked(Item::French));
    EXPECT_EQ(yes(), "&Oui");
    EXPECT_NE(colourTitle(), "Select Color");
    trigger(Item::English);
    EXPECT_EQ(yes(), "&Yes");
    EXPECT_EQ(colourTitle(), "Select Color");
    trigger(Item::German);
    EXPECT_EQ(yes(), "&Ja");
    trigger(Item::French);
    EXPECT_EQ(yes(), "&Oui");
}

TEST_F(Window, theFirstStartSpeaksTheDesktopsLanguageWhenTheGameHasIt) {
    struct Case {
        QStringList desktop;
        Language expected;
    };
    const Case cases[] = {
        {{"de-DE", "de"}, Language::German},
        {{"ja-JP", "ru-RU"}, Language::Russian},
        {{"pt-PT"}, Language::BrazilianPortuguese},
        {{"en-US"}, Language::English},
        {{"ja-JP"}, Language::French},
        {{}, Language::French},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(ini());
        platform.desktopLanguages = c.desktop;
        open();
        EXPECT_EQ(w->language(), c.expected) << c.desktop.join(' ').toStdString();
        EXPECT_TRUE(checked(languageInfo(c.expected).item));
        w->close(); // writes the settings file
        w.reset();
    }
    // Once there is a settings file, its language holds, even with no "Langue" in it.
    platform.desktopLanguages = {"de-DE"};
    std::ofstream(ini()) << "[Options]\nPinup=1\n";
    open();
    EXPECT_EQ(w->language(), Language::French);
    std::ofstream(ini()) << "[Options]\nLangue=6\n";
    open();
    EXPECT_EQ(w->language(), Language::Dutch);
    EXPECT_NE(w->action(Item::NewGame)->text(), "&New game");
    EXPECT_NE(w->action(Item::NewGame)->text(), "&Nouvelle partie");
}

TEST_F(Window, theFontDialogAcceptedUnchangedGivesTheMessageFontBackAsItWas) {
    open();
    const QFont shown = w->board().message()->font(); // a face this system may not have
    // Each dialog of the chooser (the font, then the colour) is accepted as it opens.
    QTimer accept;
    QObject::connect(&accept, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    accept.start(10);
    QtPlatform desktop;
    const auto chosen = desktop.chooseFont(w.get(), shown, Qt::yellow);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->first.toString().toStdString(), shown.toString().toStdString());
    EXPECT_EQ(chosen->second, QColor(Qt::yellow));
}

TEST_F(Window, soundMenusFollowTheOutputAndTheTune) {
    open();
    EXPECT_TRUE(checked(Item::SoundLoudspeakers));
    auto volumeEnabled = [&] { return w->menu(Item::SoundVolumeMenu)->isEnabled(); };
    EXPECT_TRUE(volumeEnabled());
    trigger(Item::SoundPcSpeaker);
    EXPECT_FALSE(volumeEnabled());
    EXPECT_EQ(w->sound().effects().output(), 2);
    trigger(Item::SoundNone);
    EXPECT_FALSE(volumeEnabled());
    trigger(Item::SoundLoudspeakers);
    EXPECT_TRUE(volumeEnabled());

    EXPECT_TRUE(checked(Item::MusicNone));
    EXPECT_FALSE(w->menu(Item::MusicOptionsMenu)->isEnabled());
    // The tunes play from memory: choosing them writes nothing, here or in the temporary folder.
    auto written = [&] {
        const auto all = QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
        return (QDir(dir.path()).entryList(all) + QDir::temp().entryList({"*.mid"}, all))
            .join(' ')
            .toStdString();
    };
    const std::string before = written();
    // A tune opens off the window's thread; the window hears of it through its event loop.
    auto opened = [&] {
        QElapsedTimer waited;
        waited.start();
        while (w->sound().music().loading() && waited.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        return !w->sound().music().loading();
    };
    trigger(Item::Tune4);
    ASSERT_TRUE(opened());
    EXPECT_EQ(w->settings().music, 4);
    EXPECT_TRUE(w->menu(Item::MusicOptionsMenu)->isEnabled());
    EXPECT_EQ(w->sound().player().tune(), sound::tuneResource("BOOSTER"));
    EXPECT_EQ(written(), before);
    trigger(Item::Tune1);
    ASSERT_TRUE(opened());
    EXPECT_EQ(w->sound().player().tune(), sound::tuneResource("ELISE"));
    EXPECT_EQ(written(), before);
    trigger(Item::MusicNone);
    EXPECT_TRUE(w->sound().player().tune().isEmpty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Window, storedOutOfRangeMusicStartsNoMusic) {
    std::ofstream(ini()) << "[Options]\nMusique=6\nSon=2\n";
    open();
    EXPECT_TRUE(checked(Item::MusicNone));
    EXPECT_TRUE(checked(Item::SoundPcSpeaker));
    EXPECT_FALSE(w->menu(Item::SoundVolumeMenu)->isEnabled());
}

TEST_F(Window, panicWithoutANotificationAreaLeavesNothingToSeeOrHearUntilAKey) {
    std::ofstream(ini()) << "[Options]\nCouleurBordure=" << 0x336699 << "\n";
    open();
    const QRgb border = qRgb(0x99, 0x66, 0x33);
    w->board().game().resume();
    sound::Mixer& mixer = w->sound().mixer();
    w->sound().effects().play(Sound::Removal);
    ASSERT_TRUE(mixer.effectSounding());

    trigger(Item::Panic);
    const GameState& s = w->board().game().state();
    EXPECT_TRUE(s.paused);
    EXPECT_TRUE(s.hidden);
    EXPECT_FALSE(mixer.effectSounding()) << "the effect sounding is cut";
    w->sound().effects().play(Sound::Landing);
    EXPECT_TRUE(mixer.silent()) << "effects asked while hidden are dropped";
    // The window may stay on screen (a desktop that does not minimise): it shows the border
    // colour alone, menus included.
    EXPECT_TRUE(onlyColour(w->grab().toImage(), border));
    trigger(Item::English);
    EXPECT_EQ(w->action(Item::TrayRestore)->text(), "Take again the game");
    trigger(Item::SmileySize200);
    EXPECT_TRUE(onlyColour(w->grab().toImage(), border)) << "a window that grows stays covered";

    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(w->board().view(), &shift);
    EXPECT_TRUE(s.hidden) << "a modifier alone is no way back";
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(w->board().view(), &key);
    EXPECT_FALSE(s.hidden);
    EXPECT_TRUE(s.paused) << "the key that brings the game back does not resume it";
    EXPECT_FALSE(onlyColour(w->grab().toImage(), border));
    w->sound().effects().play(Sound::Landing);
    EXPECT_TRUE(mixer.effectSounding());
}

// What a compositor sends a minimised window when the player opens its overview: a repaint for
// the preview, with no focus. The cover stays until the window is given the focus again.
TEST_F(Window, panicCoverStaysThroughACompositorsRepaintUntilTheWindowHasTheFocusAgain) {
    std::ofstream(ini()) << "[Options]\nCouleurBordure=" << 0x336699 << "\n";
    open();
    w->show();
    for (int i = 0; i < 100 && !w->windowHandle()->isExposed(); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(w->windowHandle()->isExposed());
    trigger(Item::Panic);
    const GameState& s = w->board().game().state();
    ASSERT_TRUE(s.hidden);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(w.get(), &deactivate);
    QExposeEvent expose(QRegion(QRect(QPoint(), w->size())));
    QApplication::sendEvent(w->windowHandle(), &expose);
    EXPECT_TRUE(s.hidden) << "a repaint for the overview's preview is no way back";
    EXPECT_TRUE(onlyColour(w->grab().toImage(), qRgb(0x99, 0x66, 0x33)));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(w.get(), &activate);
    EXPECT_FALSE(s.hidden);
    EXPECT_TRUE(s.paused);
}

TEST_F(Window, panicHidesInTheNotificationAreaWhereThereIsOne) {
    platform.tray = true;
    open();
    w->show();
    trigger(Item::Panic);
    EXPECT_FALSE(w->isVisible());
    trigger(Item::TrayRestore);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->board().game().state().paused);
    EXPECT_FALSE(w->board().game().state().hidden);
}

TEST_F(Window, aShakeTheWindowManagerUndoesShakesTheBoardInsideTheWindow) {
    std::ofstream(ini()) << "[Options]\nCouleurBordure=" << 0x336699 << "\nAnimationVirus=0\n";
    open();
    w->show();
    const QImage rest = boardShown();
    const QPoint at = w->pos();
    w->windowShake(2);
    EXPECT_EQ(w->pos(), at + QPoint(0, 2)) << "a window that can move shakes itself";
    // Placed anew by the game itself during a shake (a bigger board is centred again): the
    // shake goes on from the new place.
    trigger(Item::SmileySize150);
    const QPoint placed = w->pos();
    ASSERT_NE(placed, at);
    w->windowShake(1);
    EXPECT_EQ(w->pos(), placed + QPoint(0, 1));
    w->windowShake(0);
    trigger(Item::SmileySizeDefault);
    ASSERT_EQ(w->pos(), at);
    w->windowShake(2);
    w->move(at); // as a window manager that keeps windows where it put them does
    w->windowShake(0);
    w->windowShake(1);
    EXPECT_EQ(w->pos(), at);
    const QImage shaken = boardShown();
    EXPECT_TRUE(onlyColour(shaken.copy(0, 0, shaken.width(), 1), qRgb(0x99, 0x66, 0x33)));
    EXPECT_EQ(shaken.copy(0, 1, rest.width(), rest.height() - 1),
              rest.copy(0, 0, rest.width(), rest.height() - 1));
    w->windowShake(0);
    EXPECT_EQ(boardShown(), rest);
}

TEST_F(Window, keysDriveTheGame) {
    open();
    const GameState& s = w->board().game().state();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &down);
    EXPECT_FALSE(s.paused); // any key resumes
    EXPECT_TRUE(w->board().message()->isHidden());
}

} // namespace kp

namespace kp {

TEST_F(Window, optionItemsSetTheirValueMarkAndEffect) {
    open();
    const GameState& s = w->board().game().state();
    trigger(Item::SmileyAnimationFast);
    EXPECT_EQ(s.timer(TimerId::SmileyAnimation).period, 300);
    EXPECT_EQ(w->settings().smileyAnimation, 3);
    trigger(Item::SmileyAnimationNone);
    EXPECT_FALSE(s.timer(TimerId::SmileyAnimation).running());
    EXPECT_TRUE(checked(Item::SmileyAnimationNone));
    EXPECT_FALSE(checked(Item::SmileyAnimationFast));
    trigger(Item::RemovalAnimationSlow);
    EXPECT_EQ(s.timer(TimerId::Removal).period, 150);
    EXPECT_EQ(s.timer(TimerId::Collapse).period, 150);
    trigger(Item::RemovalAnimationNone);
    EXPECT_EQ(s.timer(TimerId::Collapse).period, 1);
    trigger(Item::Shake);
    EXPECT_TRUE(s.options.shake);
    EXPECT_TRUE(checked(Item::Shake));
    EXPECT_EQ(w->settings().shake, 1);
    trigger(Item::PinupRight);
    EXPECT_EQ(s.options.Pinup, 2);
    EXPECT_EQ(w->settings().Pinup, 2);
    trigger(Item::SoundVolumeLow);
    EXPECT_EQ(w->settings().effectsVolume, 0);
    trigger(Item::MusicLoop);
    EXPECT_FALSE(w->settings().loopMusic);
    EXPECT_FALSE(checked(Item::MusicLoop));
}

TEST_F(Window, gameCommandsAndTheirShortcuts) {
    open();
    const GameState& s = w->board().game().state();
    EXPECT_EQ(w->action(Item::NewGame)->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(w->action(Item::Pause)->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(w->action(Item::Panic)->shortcut(), QKeySequence(Qt::Key_Escape));
    w->board().game().state().level = 4;
    trigger(Item::RestartLevel);
    EXPECT_EQ(s.level, 4);
    EXPECT_TRUE(s.cheated);
    trigger(Item::SkipLevel);
    EXPECT_EQ(s.level, 5);
    EXPECT_EQ(w->board().message()->text(), "Niveau 5");
    trigger(Item::Pause); // leaves the level's pause
    EXPECT_FALSE(s.paused);
    EXPECT_FALSE(checked(Item::Pause));
    trigger(Item::Pause);
    EXPECT_TRUE(checked(Item::Pause));
    trigger(Item::NewGame);
    EXPECT_EQ(s.level, 1);
    EXPECT_FALSE(s.cheated);
}

TEST_F(Window, recentPicturesShowTheirFileNamesAndHideWhenEmpty) {
    std::ofstream(ini()) << "[Options]\nCheminFond1=/some/where/pic.bmp\nCheminFond3=/x/y.jpg\n";
    open();
    EXPECT_EQ(w->action(Item::RecentPicture1)->text(), "&1   pic.bmp");
    EXPECT_TRUE(w->action(Item::RecentPicture1)->isVisible());
    EXPECT_FALSE(w->action(Item::RecentPicture2)->isVisible());
    EXPECT_EQ(w->action(Item::RecentPicture3)->text(), "&3   y.jpg");
    // A missing picture at start-up falls back to the logo without a word.
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Window, settingsThatCannotBeWrittenAreReported) {
    std::ofstream(dir.filePath("plain").toStdString()) << "x";
    open(dir.filePath("plain/kembrolla-panic.ini").toStdString());
    w->close();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(platform.messages[0].isEmpty());
}

} // namespace kp

namespace kp {

TEST_F(Window, everyMenuCaptionFollowsTheLanguageThroughEveryLanguageAndBack) {
    open();
    std::map<std::string, QString> french;
    for (const LanguageInfo& l : Languages) {
        w->chooseLanguage(l.language);
        EXPECT_TRUE(w->action(l.item)->isChecked()) << l.code;
        int seen = 0, changed = 0;
        for (const ItemCaption& c : menuCaptions()) {
            QString shown;
            if (QAction* a = w->action(c.item))
                shown = a->text();
            else if (QMenu* m = w->menu(c.item))
                shown = m->title();
            else
                continue;
            ++seen;
            const std::string id = c.text.comment;
            if (l.language == Language::French) french[id] = shown;
            if (l.language == Language::English) {
                EXPECT_EQ(shown, c.text.source) << id;
            }
            if (shown != french[id]) ++changed;
        }
        // Every row of the table is an item or a menu of the window.
        EXPECT_EQ(seen, static_cast<int>(menuCaptions().size())) << l.code;
        // Every other language rewords most of the menus.
        if (l.language != Language::French) {
            EXPECT_GT(changed, seen * 3 / 5) << l.code;
        }
        // Items without a row keep their captions in every language.
        EXPECT_EQ(w->action(Item::Tune4)->text(), "&Booster");
    }
    w->useFrench();
    for (const ItemCaption& c : menuCaptions())
        if (QAction* a = w->action(c.item)) {
            EXPECT_EQ(a->text(), french[c.text.comment]);
        }
}

// Where Qt draws the title bar, a narrow window's title reads from its start ("Kembrolla…")
// instead of losing both ends; the window keeps its whole title, and a wide one shows it all.
TEST(WindowTitle, theTitleQtDrawsShowsWhatFitsFromItsStart) {
    const QString whole = QStringLiteral("Kembrolla Panic!");
    const QFont font = TitleFitter::titleFont();
    const int width = QFontMetrics(font).horizontalAdvance(whole);
    EXPECT_EQ(fittedTitle(whole, font, width), whole);
    const QString cut = fittedTitle(whole, font, width - 1);
    ASSERT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();
    EXPECT_TRUE(whole.startsWith(cut.chopped(1))) << cut.toStdString();
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(cut), width - 1);
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(fittedTitle(whole, font, -5)), 0);

    bool drawnHere = true;
    QWidget window;
    window.setWindowTitle(whole);
    new TitleFitter(window, [&drawnHere] { return drawnHere; });
    window.resize(130, 380);
    window.show();
    QApplication::processEvents();
    const QString shown = window.windowHandle()->title();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Kem")) && shown.endsWith(QChar(0x2026)))
        << shown.toStdString();
    EXPECT_LE(QFontMetrics(font).horizontalAdvance(shown), TitleFitter::titleRoom(130));
    EXPECT_EQ(window.windowTitle(), whole);
    window.setWindowTitle(QStringLiteral(" ")); // as panic leaves it
    EXPECT_EQ(window.windowHandle()->title(), " ");
    window.setWindowTitle(whole);
    EXPECT_EQ(window.windowHandle()->title(), shown);
    window.resize(width + 100, 380);
    QApplication::processEvents();
    EXPECT_EQ(window.windowHandle()->title(), whole);
    // Under the desktop's own decorations, the title is left whole.
    drawnHere = false;
    window.resize(130, 380);
    QApplication::processEvents();
    EXPECT_EQ(window.windowHandle()->title(), whole);
}

} // namespace kp
