#include "main_window.h"
#include "app_icon.h"

#include "ui/captions.h"
#include "ui/config_dialog.h"
#include "ui/file_messages.h"
#include "ui/name_dialog.h"
#include "ui/replay_player.h"

#include "persistence/saved_game.h"
#include "persistence/scores.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>

#include <utility>

namespace kp {

BoardView::BoardView(const BoardPainter& painter, const GameState& state, QWidget* parent)
    : QWidget(parent), painter_(painter), state_(state) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::shift(int dy, QColor strip) {
    if (dy == shift_) return;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->move(child->pos() + QPoint(0, dy - shift_));
    shift_ = dy;
    strip_ = strip;
    update();
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.translate(0, shift_);
    for (const QRect& r : event->region()) painter_.paint(p, r.translated(0, -shift_), state_);
    p.resetTransform();
    if (shift_ > 0) p.fillRect(0, 0, width(), shift_, strip_);
    if (afterFirstFrame) QTimer::singleShot(0, this, std::exchange(afterFirstFrame, nullptr));
}

namespace {

constexpr int PadPeriod = 8;         // ms between reads of a controller that cannot tell
constexpr int PadSettlePeriod = 250; // ms between reads while a controller comes or goes
const QString DeviceFolder = QStringLiteral("/dev/input");

// The menu item behind an action that is no move of the capsule.
const char* menuItemFor(Action action) {
    switch (action) {
    case Action::Pause:
        return "MenuPause";
    case Action::Panic:
        return "MenuPanic";
    case Action::NewGame:
        return "MenuNouveauJeu";
    case Action::RestartLevel:
        return "MenuRecommencerNiveau";
    case Action::SkipLevel:
        return "MenuPasserNiveau";
    default:
        return nullptr;
    }
}

// The sound server is not waited for before the first frame: the window opens the output
// once it has shown.
sound::SoundSystem::Options afterFirstFrame(sound::SoundSystem::Options options) {
    options.outputAtStart = false;
    return options;
}

Command commandFor(std::optional<Action> action) {
    if (!action) return Command::Other;
    switch (*action) {
    case Action::Left:
        return Command::Left;
    case Action::Right:
        return Command::Right;
    case Action::Turn:
        return Command::Turn;
    case Action::Down:
        return Command::Down;
    case Action::Drop:
        return Command::Drop;
    default:
        return Command::Other;
    }
}

} // namespace

MainWindow::MainWindow(Platform& platform, std::filesystem::path settingsFile,
                       sound::SoundSystem::Options soundOptions, QWidget* parent)
    : QMainWindow(parent), platform_(platform), settingsFile_(std::move(settingsFile)),
      game_(*this), painter_(sprites_, digits_), sound_(afterFirstFrame(std::move(soundOptions))),
      desktopPlaces_(QGuiApplication::platformName().startsWith(QLatin1String("wayland"))),
      windowMoves_(!desktopPlaces_) {
    setWindowTitle(QStringLiteral("Kembrolla Panic!"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    view_ = new BoardView(painter_, game_.state(), this);
    setCentralWidget(view_);
    message_ = new QLabel(view_);
    message_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    message_->setAttribute(Qt::WA_TransparentForMouseEvents);
    message_->hide();
    for (int i = 0; i < TimerCount; ++i) {
        timers_[i].setTimerType(Qt::PreciseTimer);
        connect(&timers_[i], &QTimer::timeout, this,
                [this, i] { game_.fire(static_cast<TimerId>(i)); });
    }
    // The clock also watches over the music, after its own game step.
    connect(&timers_[timerIndex(TimerId::Clock)], &QTimer::timeout, this, [this] {
        watchMusic();
        // With nothing to say when a controller is plugged in, the system is asked on the
        // clock's own tick rather than waking the game once more.
        if (padOnClock_) pollGamepad();
    });
    replays_ = new ReplayPlayer(*this, platform_, settingsFile_);
    buildMenus();
    connect(&padTimer_, &QTimer::timeout, this, [this] { pollGamepad(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this] { pollGamepad(); });
    frameWatch_.setInterval(50);
    connect(&frameWatch_, &QTimer::timeout, this, [this] {
        centreOnceFramed();
        if (!centreWithFrame_ || ++frameLooks_ >= 60) frameWatch_.stop();
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::applyConfiguration(const LevelParameters& p) {
    settings_.parameters = p;
    game_.setParameters(p);
    layOutWindow();
    composeBackground(KeepPicture);
    repaintAll();
    game_.newGame(); // as "Nouvelle partie" does
}

QAction* MainWindow::action(const std::string& id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* MainWindow::menu(const std::string& id) const {
    const auto it = menus_.find(id);
    return it == menus_.end() ? nullptr : it->second;
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    firstShow();
}

ConfigDialog* MainWindow::configDialog() {
    // Made when first opened: a player who never opens it never waits for it.
    if (!configDialog_) configDialog_ = new ConfigDialog(*this, platform_);
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
    game_.random().setSeed(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    Pictures pictures = pictures_.valid() ? pictures_.get() : Pictures::read();
    sprites_ = std::move(pictures.sprites);
    digits_ = std::move(pictures.digits);
    composer_.setLogo(std::move(pictures.logo));
    // The very first start speaks the desktop's language when the game has it.
    std::error_code ec;
    const bool firstStart = !std::filesystem::exists(settingsFile_, ec) && !ec;
    loadSettings(settings_, settingsFile_);
    if (firstStart)
        settings_.language = static_cast<int32_t>(desktopLanguage(platform_.uiLanguages()));
    // The board's size comes first: the layout is computed from it.
    game_.setParameters(settings_.parameters);
    applySettings();
    game_.newGame();
    // The timers that always run start with the game.
    for (int i = 0; i < TimerCount; ++i) timerChanged(static_cast<TimerId>(i));
    if (centreWithFrame_) frameWatch_.start();
    // What the first frame does not show waits for it: the window's icon (reading its six sizes
    // took a tenth of the start-up), the sound output, the effects and the controllers.
    view_->afterFirstFrame = [this] {
        if (!isVisible()) return; // closed as soon as it showed: nothing more to start
        firstFrameShown_ = true;
        QApplication::setWindowIcon(appIcon());
        sound_.startOutput();
        if (settings_.music != 0) chooseTune(settings_.music);
        sound_.effects().load();
        startGamepad();
    };
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The game in progress counts in the statistics, whatever was watched meanwhile (and the
    // dialog a replay set aside goes with the window).
    replays_->stop();
    game_.endGame();
    if (configDialog_) configDialog_->hide();
    tellFiles({replays_->takeStatisticsFailure(), saveSettings(settings_, settingsFile_)});
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

void MainWindow::applyControls(const Controls& controls) {
    bindings_ = Bindings(controls);
    settings_.controls = bindings_.controls();
    for (int a = 0; a < ActionCount; ++a)
        if (const char* item = menuItemFor(static_cast<Action>(a)))
            if (QAction* menuAction = action(item))
                menuAction->setShortcuts(bindings_.shortcuts(static_cast<Action>(a)));
    game_.setKeyRepeat(settings_.controls.repeatDelay, settings_.controls.repeatInterval);
}

// A key or a pad button: a menu command on its press, or a move of the capsule. With the
// game's own repeat the rules repeat a held direction; otherwise each press (the desktop's
// repeats included) is one move, as keys always were.
void MainWindow::act(Action a, bool pressed, bool gameRepeat) {
    if (const char* item = menuItemFor(a)) {
        if (pressed)
            if (QAction* menuAction = action(item)) menuAction->trigger();
        return;
    }
    const Command command = commandFor(a);
    if (!gameRepeat)
        game_.handle(command);
    else if (pressed)
        game_.press(command);
    else
        game_.release(command);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (isModifierKey(event->key())) return;
    const std::optional<Action> a = bindings_.actionForKey(event->keyCombination());
    const bool gameRepeat = settings_.controls.gameRepeat;
    if (!a) {
        // Any other key still resumes a paused game and ends a hard drop.
        if (!event->isAutoRepeat()) game_.handle(Command::Other);
        return;
    }
    if (event->isAutoRepeat() && (gameRepeat || menuItemFor(*a))) return;
    act(*a, true, gameRepeat);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
    const std::optional<Action> a = bindings_.actionForKey(event->keyCombination());
    if (a && !event->isAutoRepeat() && settings_.controls.gameRepeat) act(*a, false, true);
}

void MainWindow::startGamepad() {
    if (!gamepad_.started()) {
        // SDL, and the few megabytes it brings, loads when a controller is first plugged in:
        // until then the device folder (or /dev, until that folder exists) is watched.
        if (!controllerPluggedIn() && (padWakeup_.watchFolder(DeviceFolder) ||
                                       padWakeup_.watchFolder(QStringLiteral("/dev"))))
            return;
        if (!gamepad_.start()) return; // no controller support here: the keys are all there is
    }
    pollGamepad();
}

void MainWindow::padButton(int button, bool pressed) {
    if (pressed && configDialog_ && configDialog_->takePadButton(button)) return;
    // A pad has no repeat of its own: a held direction always repeats as the game does.
    if (const std::optional<Action> a = bindings_.actionForButton(button)) act(*a, pressed, true);
}

void MainWindow::pollGamepad() {
    if (!gamepad_.started()) return;
    // The buttons reach the game only while its window is in front (or the keys page waits for
    // one); controllers plugged in or out are followed while any window of the game is.
    const bool capturing = configDialog_ && configDialog_->waitsForPadButton();
    const int before = gamepad_.controllers();
    gamepad_.poll([this](int button, bool pressed) { padButton(button, pressed); },
                  isActiveWindow() || capturing);
    if (configDialog_ && configDialog_->isVisible()) configDialog_->showGamepad(gamepad_.name());
    if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
        padWakeup_.watch({});
        padTimer_.stop();
        padOnClock_ = false;
        return;
    }
    // A device file appears a moment before the controller can be opened: read a few more
    // times after any change in the folder or in the controllers.
    if (gamepad_.controllers() != before) padSettling_ = PadSettleReads;
    const bool told =
        padWakeup_.watch(gamepad_.devicePaths()) && padWakeup_.watchFolder(DeviceFolder);
    int period = 0;
    padOnClock_ = !told && gamepad_.controllers() == 0;
    if (!told && !padOnClock_)
        period = PadPeriod;
    else if (padSettling_ > 0) {
        --padSettling_;
        period = PadSettlePeriod;
    }
    if (period == 0)
        padTimer_.stop();
    else if (!padTimer_.isActive() || padTimer_.interval() != period)
        padTimer_.start(period);
}

void MainWindow::centreOnceFramed() {
    if (centreWithFrame_ && !frameMargins().isNull()) layOutWindow();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    centreOnceFramed();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        game_.setWindowActive(isActiveWindow());
        pollGamepad();      // lets go of what the pad held, or starts reading it again
        centreOnceFramed(); // a window manager activates the window it has just framed
    }
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

// ---- What the rules report ----

void MainWindow::cellChanged(int row, int col, int32_t code) {
    view_->update(painter_.cellArea(row, col, code));
}

void MainWindow::boardChanged() {
    repaintAll();
}

void MainWindow::previewChanged(int col, int32_t) {
    view_->update(painter_.previewArea(col));
}

void MainWindow::counterChanged(Counter counter) {
    switch (counter) {
    case Counter::Level:
        view_->update(painter_.levelArea());
        break;
    case Counter::Smileys:
        view_->update(painter_.smileysArea());
        break;
    case Counter::Chrono:
        view_->update(painter_.chronoArea());
        break;
    }
}

void MainWindow::showMessage() {
    const GameState& s = game_.state();
    switch (s.message) {
    case Message::Level:
        message_->setText(levelMessage(s.level));
        break;
    case Message::Paused:
        message_->setText(pauseMessage());
        break;
    case Message::Lost:
        message_->setText(lostMessage());
        break;
    }
    message_->setVisible(s.messageVisible);
}

void MainWindow::messageChanged() {
    showMessage();
}

void MainWindow::messageRepaint() {
    if (message_->isVisible()) message_->update();
}

void MainWindow::pauseChanged(bool paused) {
    if (QAction* a = action("MenuPause")) a->setChecked(paused);
}

void MainWindow::timerChanged(TimerId id) {
    const TimerSlot& t = game_.state().timer(id);
    QTimer& timer = timers_[timerIndex(id)];
    if (t.running())
        timer.start(t.period);
    else
        timer.stop();
}

void MainWindow::soundWanted(Sound s) {
    sound_.effects().play(s);
}

void MainWindow::windowShake(int dy) {
    if (windowMoves_) {
        if (!shakeRest_)
            shakeRest_ = pos();
        else if (pos().y() != shakeRest_->y() + windowShakenBy_)
            windowMoves_ = false; // the window manager put the window back
    }
    if (windowMoves_) {
        move(shakeRest_->x(), shakeRest_->y() + dy);
        windowShakenBy_ = dy;
    } else {
        view_->shift(dy, borderColour());
    }
    const int step = game_.state().shakeStep;
    if (dy == 0 && (step == 0 || step >= 4)) {
        shakeRest_.reset();
        windowShakenBy_ = 0;
    }
}

void MainWindow::pinupFrame(int frame, PinupFigure figure) {
    view_->update(painter_.showPinup(pinups_, figure, frame));
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
        watchMusic(); // the tune goes on now if the game is already in front
    }
}

bool MainWindow::recordQualifies(int32_t level, int32_t smileysLeft) {
    return qualifiesForScores(settings_.scores, level, smileysLeft, false);
}

} // namespace kp
