#include "main_window.h"
#include "app_icon.h"

#include "ui/background_menus.h"
#include "ui/captions.h"
#include "ui/config_dialog.h"
#include "ui/game_files.h"
#include "ui/menu_book.h"
#include "ui/menu_rows.h"
#include "ui/records.h"
#include "ui/replay_controls.h"
#include "ui/replay_player.h"
#include "ui/sound_menus.h"
#include "ui/stages.h"
#include "ui/window_placement.h"
#include "ui/window_title.h"

#include "persistence/saved_game.h"
#include "persistence/scores.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QMenu>

#include <utility>

namespace kp {

namespace {

// The sound server is not waited for before the first frame: the window opens the output
// once it has shown.
sound::SoundSystem::Options afterFirstFrame(sound::SoundSystem::Options options) {
    options.outputAtStart = false;
    return options;
}

} // namespace

MainWindow::MainWindow(Platform& platform, std::filesystem::path settingsFile,
                       sound::SoundSystem::Options soundOptions, QWidget* parent)
    : QMainWindow(parent), platform_(platform), model_(std::move(settingsFile)),
      sound_(afterFirstFrame(std::move(soundOptions))),
      board_(*this, sound_.effects(), sprites_, digits_, this),
      placement_(new WindowPlacement(*this, [this] { layOutWindow(); })) {
    setWindowTitle(QStringLiteral("Kembrolla Panic!"));
    // Qt's decoration draws the title bar where it has a frame margin of its own on Wayland.
    new TitleFitter(*this, [this] { return titleBarDrawnHere(*this); });
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setCentralWidget(board_.view());
    records_ = new Records(*this, platform_, model_.file());
    board_.game().setFinishedHandler(
        [this](const std::shared_ptr<const Recording>& game) { records_->gameFinished(*game); });
    replays_ = new ReplayPlayer(board_, *this, platform_, *records_);
    files_ = std::make_unique<GameFiles>(
        GameFiles::Parts{*this, platform_, model_, board_.game(), *records_, *replays_,
                         // The score page of the configuration dialog, once the entry is in.
                         [this] { configDialog()->showTab(ConfigDialog::AboutTab); }});
    buildMenus();
    stages_ = std::make_unique<Stages>(
        Stages::Parts{*this, board_, *this, model_, sound_.effects(), sprites_, digits_, platform_,
                      *records_, *replays_, controllers_, bindings_, *book_,
                      [this] { return borderColour(); }, [this] { stageLaidOut(); }});
    replays_->onBoardSwapped = [this] { stages_->shown(); };
    // A match on screen (ended, or played again: one under way lets no replay start) gives way.
    replays_->onWatching = [this] { stages_->leaveMatch(); };
    replays_->onMatchReplay = [this](std::shared_ptr<const Recording> match) {
        watchMatch(std::move(match));
    };
    // Opening a menu ends a replay first: the menus' commands are for the game.
    for (QMenu* m : menuRows_->menus())
        connect(m, &QMenu::aboutToShow, this, [this] {
            if (stages_->replayInView()) stages_->leaveReplay();
        });
    listenToSettings();
}

MainWindow::~MainWindow() = default;

void MainWindow::applyParameters() {
    board_.game().setParameters(settings().parameters);
    layOutWindow();
    composeBackground(KeepPicture);
    repaintAll();
    board_.game().newGame(); // as "Nouvelle partie" does
}

QAction* MainWindow::action(Item id) const {
    return book_->action(id);
}

QMenu* MainWindow::menu(Item id) const {
    return book_->menu(id);
}

const std::map<Item, QAction*>& MainWindow::actions() const {
    return book_->actions();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    firstShow();
}

ConfigDialog* MainWindow::configDialog() {
    // Made when first opened: a player who never opens it never waits for it.
    if (!configDialog_)
        configDialog_ = new ConfigDialog({model_, *replays_, *records_, sprites_,
                                          [this] { return controllers_.gamepad().name(); }},
                                         platform_, this);
    return configDialog_;
}

MainWindow::Pictures MainWindow::Pictures::read() {
    Pictures p;
    p.sprites.load(); // a picture that is missing stays blank
    p.digits.load();
    p.logo = loadBitmap(QStringLiteral(":/logo/ImgLogo"));
    return p;
}

void MainWindow::firstShow() {
    if (shown_) return;
    shown_ = true;
    board_.game().random().setSeed(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    Pictures pictures = pictures_.valid() ? pictures_.get() : Pictures::read();
    sprites_ = std::move(pictures.sprites);
    digits_ = std::move(pictures.digits);
    background_->setLogo(std::move(pictures.logo));
    // The very first start speaks the desktop's language when the game has it.
    if (model_.load())
        model_.settle([this](Settings& s) {
            s.language = static_cast<int32_t>(desktopLanguage(platform_.uiLanguages()));
        });
    // The board's size comes first: the layout is computed from it.
    board_.game().setParameters(settings().parameters);
    applySettings();
    board_.game().newGame();
    // The timers that always run start with the game.
    board_.followTimers();
    placement_->watchFrame();
    // What the first frame does not show waits for it: the window's icon (reading its six sizes
    // took a tenth of the start-up), the sound output, the effects and the controllers.
    board_.view()->afterFirstFrame = [this] {
        if (!isVisible()) return; // closed as soon as it showed: nothing more to start
        QApplication::setWindowIcon(appIcon());
        sound_.startOutput();
        if (settings().music != 0) soundMenus_->applyTune();
        sound_.effects().load();
        controllers_.start();
    };
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The game in progress counts in the statistics, whatever was watched meanwhile (and the
    // dialog a replay set aside goes with the window).
    replays_->stop();
    board_.game().endGame();
    if (configDialog_) configDialog_->hide();
    files_->tell({records_->takeStatisticsFailure(), model_.save()});
    hideout_->removeIcon();
    // A tune still opening (a bank on a hung drive) is left to its own thread, never waited for:
    // the settings are written, and the game closes whatever the synthesiser does.
    sound_.music().release();
    event->accept();
}

void MainWindow::quitGame() {
    close();
    platform_.quit();
}

void MainWindow::applyBindings() {
    bindings_ = Bindings(settings().controls);
    for (int a = 0; a < ActionCount; ++a)
        if (const std::optional<Item> item = menuItemFor(static_cast<Action>(a)))
            if (QAction* menuAction = action(*item))
                menuAction->setShortcuts(bindings_.shortcuts(static_cast<Action>(a)));
    board_.game().setKeyRepeat(settings().controls.repeatDelay, settings().controls.repeatInterval);
    stages_->showMenus();
}

Stage& MainWindow::stage() {
    return stages_->stage();
}

MatchView* MainWindow::matchView() const {
    return stages_->match();
}

Demonstration* MainWindow::demo() const {
    return stages_->demo();
}

void MainWindow::startMatch(const DuelSettings& duel, std::optional<uint32_t> seed) {
    stages_->startMatch(duel, seed);
}

void MainWindow::watchMatch(std::shared_ptr<const Recording> recording) {
    stages_->watchMatch(std::move(recording));
}

bool MainWindow::event(QEvent* event) {
    // The menus' shortcuts wait during a replay or the demonstration: every key is theirs.
    if (event->type() == QEvent::ShortcutOverride && stages_->takesEveryKey()) {
        event->accept();
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (!isModifierKey(event->key())) stages_->keyPress(*event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    stages_->keyRelease(*event);
}

void MainWindow::padButton(int pad, int button, bool pressed) {
    if (pressed && configDialog_ && configDialog_->takePadButton(button)) return;
    stages_->padButton(pad, button, pressed);
}

bool MainWindow::padsHeard() const {
    return isActiveWindow() || (configDialog_ && configDialog_->waitsForPadButton());
}

void MainWindow::showGamepadName() {
    if (configDialog_ && configDialog_->isVisible())
        configDialog_->showGamepad(controllers_.gamepad().name());
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    placement_->frameMayHaveCome();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        board_.game().setWindowActive(isActiveWindow());
        controllers_.poll();            // lets go of what the pad held, or starts reading it again
        placement_->frameMayHaveCome(); // a window manager activates the window it framed
    }
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

// ---- What the board asks of the window ----

void MainWindow::pauseChanged(bool paused) {
    if (QAction* a = action(Item::Pause)) a->setChecked(paused);
}

void MainWindow::windowShake(int dy) {
    const int step = board_.game().state().shakeStep;
    if (!placement_->shake(dy, step == 0 || step >= 4)) board_.view()->shift(dy, borderColour());
}

void MainWindow::panicChanged(bool hidden) {
    // Nothing may be heard from a hidden game, from the moment panic is asked for.
    sound_.hush(hidden);
    if (configDialog_)
        configDialog_->stepAside(hidden); // the dialog goes and comes back with the game
    if (hidden) {
        hideout_->hide(platform_.notificationArea(), borderColour());
    } else {
        hideout_->show();
        soundMenus_->watchMusic(); // the tune goes on now if the game is already in front
    }
}

void MainWindow::clockTicked() {
    soundMenus_->watchMusic();
    // With nothing to say when a controller is plugged in, the system is asked on the clock's
    // own tick rather than waking the game once more.
    controllers_.clockTicked();
}

void MainWindow::unhideGame() {
    stage().unhide();
}

void MainWindow::openSavedGame(const std::filesystem::path& path) {
    files_->open(path);
}

void MainWindow::recordOffered() {
    files_->enterScore();
}

bool MainWindow::recordQualifies(int32_t level, int32_t smileysLeft) {
    return qualifiesForScores(settings().scores, level, smileysLeft, false);
}

} // namespace kp
