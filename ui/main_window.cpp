#include "main_window.h"

#include "ui/captions.h"
#include "ui/config_dialog.h"
#include "ui/name_dialog.h"

#include "persistence/saved_game.h"
#include "persistence/scores.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QSystemTrayIcon>

namespace kp {

BoardView::BoardView(const BoardPainter& painter, QWidget* parent)
    : QWidget(parent), painter_(painter) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), painter_.image(), event->rect());
}

Command commandForKey(int qtKey, bool keypad) {
    if (keypad) {
        switch (qtKey) {
        case Qt::Key_0:
        case Qt::Key_Insert:
            return Command::Drop;
        case Qt::Key_2:
            return Command::Down;
        case Qt::Key_4:
            return Command::Left;
        case Qt::Key_5:
        case Qt::Key_Clear:
        case Qt::Key_8:
            return Command::Turn;
        case Qt::Key_6:
            return Command::Right;
        default:
            break;
        }
    }
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return Command::Panic;
    case Qt::Key_Space:
        return Command::Drop;
    case Qt::Key_Left:
        return Command::Left;
    case Qt::Key_Up:
        return Command::Turn;
    case Qt::Key_Right:
        return Command::Right;
    case Qt::Key_Down:
        return Command::Down;
    default:
        return Command::Other;
    }
}

TForm1::TForm1(Platform& platform, std::filesystem::path settingsFile,
               sound::SoundSystem::Options soundOptions, QWidget* parent)
    : QMainWindow(parent), platform_(platform), settingsFile_(std::move(settingsFile)),
      game_(*this), painter_(sprites_, digits_), sound_(std::move(soundOptions)) {
    setWindowTitle(QStringLiteral("Kembrolla Panic!"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    view_ = new BoardView(painter_, this);
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
    connect(&timers_[timerIndex(TimerId::Clock)], &QTimer::timeout, this,
            [this] { superviserMusique(); });
    buildMenus();
    form2_ = new TForm2(*this, platform_);
    frameWatch_.setInterval(50);
    connect(&frameWatch_, &QTimer::timeout, this, [this] {
        centreOnceFramed();
        if (!centreWithFrame_ || ++frameLooks_ >= 60) frameWatch_.stop();
    });
}

TForm1::~TForm1() = default;

void TForm1::appliquerConfiguration(const LevelParameters& p) {
    settings_.Configuration = p;
    game_.setParameters(p);
    RetaillerEcran();
    CreerBmpFond(Idem);
    repaintAll();
    game_.newGame(); // as "Nouvelle partie" does
}

QAction* TForm1::action(const std::string& id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QMenu* TForm1::menu(const std::string& id) const {
    const auto it = menus_.find(id);
    return it == menus_.end() ? nullptr : it->second;
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FormShow();
}

void TForm1::FormShow() {
    if (shown_) return;
    shown_ = true;
    game_.random().setSeed(static_cast<uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    nomDialogue_ = new TForm3(this);
    sprites_.load();
    digits_.load();
    pinups_.load();
    composer_.setLogo(loadBitmap(QStringLiteral(":/logo/ImgLogo")));
    ChargerINI(settings_, settingsFile_);
    // The board's size comes first: the layout is computed from it.
    game_.setParameters(settings_.Configuration);
    appliquerReglages();
    game_.newGame();
    // The timers that always run start with the game.
    for (int i = 0; i < TimerCount; ++i) timerChanged(static_cast<TimerId>(i));
    if (centreWithFrame_) frameWatch_.start();
}

void TForm1::closeEvent(QCloseEvent* event) {
    const FileResult saved = EnregistrerINI(settings_, settingsFile_);
    if (!saved.ok())
        platform_.message(this, QString::fromStdString(MessageErreurFichier(saved, langue())));
    if (tray_) tray_->hide();
    sound_.music().release();
    event->accept();
}

void TForm1::quitter() {
    close();
    platform_.quit();
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    const Command command = commandForKey(event->key(), event->modifiers() & Qt::KeypadModifier);
    if (event->isAutoRepeat() && command == Command::Other) return;
    game_.handle(command);
}

void TForm1::centreOnceFramed() {
    if (centreWithFrame_ && !frameMargins().isNull()) RetaillerEcran();
}

void TForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    centreOnceFramed();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        game_.setWindowActive(isActiveWindow());
        centreOnceFramed(); // a window manager activates the window it has just framed
    }
    QMainWindow::changeEvent(event);
}

// ---- What the rules report ----

void TForm1::cellChanged(int row, int col, int32_t code) {
    view_->update(painter_.setCell(row, col, code));
}

void TForm1::previewChanged(int col, int32_t code) {
    view_->update(painter_.setPreview(col, code));
}

void TForm1::counterChanged(Counter counter) {
    const GameState& s = game_.state();
    switch (counter) {
    case Counter::Level:
        view_->update(painter_.AfficherNiveau(s));
        break;
    case Counter::Smileys:
        view_->update(painter_.AfficherNbVirusRestants(s));
        break;
    case Counter::Chrono:
        view_->update(painter_.AfficherChrono(s));
        break;
    }
}

void TForm1::afficherMessage() {
    const GameState& s = game_.state();
    switch (s.message) {
    case Message::Level:
        message_->setText(texteMessageNiveau(langue(), s.level));
        break;
    case Message::Paused:
        message_->setText(texteMessagePause(langue()));
        break;
    case Message::Lost:
        message_->setText(texteMessagePerdu(langue()));
        break;
    }
    message_->setVisible(s.messageVisible);
}

void TForm1::messageChanged() {
    afficherMessage();
}

void TForm1::messageRepaint() {
    if (message_->isVisible()) message_->update();
}

void TForm1::pauseChanged(bool paused) {
    if (QAction* a = action("MenuPause")) a->setChecked(paused);
}

void TForm1::timerChanged(TimerId id) {
    const TimerSlot& t = game_.state().timer(id);
    QTimer& timer = timers_[timerIndex(id)];
    if (t.running())
        timer.start(t.period);
    else
        timer.stop();
}

void TForm1::soundWanted(Sound s) {
    sound_.effects().play(s);
}

void TForm1::windowShake(int dy) {
    if (!shakeRest_) shakeRest_ = pos();
    move(shakeRest_->x(), shakeRest_->y() + dy);
    const int step = game_.state().shakeStep;
    if (dy == 0 && (step == 0 || step >= 4)) shakeRest_.reset();
}

void TForm1::pinupFrame(int frame, PinupFigure figure) {
    if (frame >= 1 && frame <= PinupFrames::Frames)
        view_->update(painter_.pinupFrame(pinups_, game_.state(), figure, frame));
    else
        repaintAll(); // the figure goes, and with it anything the strip covered
}

void TForm1::panicChanged(bool hidden) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // Without a notification area, hiding would leave no way back: minimise instead.
        if (hidden) showMinimized();
        game_.unhide();
        return;
    }
    if (!tray_) {
        QIcon icon;
        for (int size : {16, 22, 32, 48})
            icon.addFile(QStringLiteral(":/icons/IconPanic1_%1").arg(size), QSize(size, size));
        tray_ = new QSystemTrayIcon(icon, this);
        tray_->setToolTip(QStringLiteral("Kembrolla Panic!"));
        tray_->setContextMenu(popup_);
        connect(tray_, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason r) {
                    if (r == QSystemTrayIcon::Trigger) game_.unhide();
                });
    }
    if (form2_) form2_->cacherPourPanic(hidden); // the dialog goes and comes back with the game
    if (hidden) {
        tray_->show();
        hide();
        // Nothing may be heard from a hidden game.
        if (sound_.player().mode() == sound::MusicPlayer::Mode::Playing) sound_.player().pause();
    } else {
        showNormal();
        activateWindow();
        tray_->hide();
    }
}

void TForm1::notASavedGame(const std::string& /*path*/) {
    platform_.message(this, langue() == 1
                                ? QStringLiteral("The file does not contain backup Kembrolla "
                                                 "Panic!.\r\rCancelled operation.")
                                : QStringLiteral("Le fichier ne contient pas de sauvegarde "
                                                 "Kembrolla Panic!.\r\rOpération annulée."));
}

bool TForm1::recordQualifies(int32_t niveau, int32_t restants) {
    return QualifiePalmares(settings_.Scores, niveau, restants, false);
}

LoadResult TForm1::loadGame(const std::string& path, SavedGame& out) {
    if (partieLue_.partie && partieLue_.chemin == path) {
        out = *partieLue_.partie;
        return LoadResult::Loaded;
    }
    return LireSauvegarde(path, settingsFile_.string(), out);
}

} // namespace kp
