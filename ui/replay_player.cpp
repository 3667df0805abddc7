#include "replay_player.h"

#include "ui/board.h"
#include "ui/file_messages.h"
#include "ui/platform.h"
#include "ui/records.h"
#include "ui/replay_banner.h"

#include "persistence/replay_file.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>

#include <utility>

namespace kp {

namespace {

constexpr int TickPeriod = 10; // ms between two looks at the recording's clock
// A recorded pause longer than this (the player away, the computer asleep) is shortened.
constexpr double LongestWait = 1500;

bool playerInput(InputKind kind) {
    return kind != InputKind::Fire;
}

} // namespace

ReplayPlayer::ReplayPlayer(Board& board, QWidget& window, Platform& platform,
                           const Records& records)
    : QObject(&window), board_(board), window_(window), platform_(platform), records_(records) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(TickPeriod);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    RecordedGame& game = board_.game();
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    game.setClock([started] { return started->elapsed(); });
    chooseFile = [this](bool save) -> std::optional<QString> {
        const QString filter =
            text(QT_TRANSLATE_NOOP("Replay", "Kembrolla Panic! replays (*.KembrollaReplay)"));
        QString name = save ? QFileDialog::getSaveFileName(&window_, QString(), QString(), filter)
                            : QFileDialog::getOpenFileName(&window_, QString(), QString(), filter);
        if (name.isEmpty()) return std::nullopt;
        if (save && !name.endsWith(QStringLiteral(".KembrollaReplay"), Qt::CaseInsensitive))
            name += QStringLiteral(".KembrollaReplay");
        return name;
    };
}

ReplayPlayer::~ReplayPlayer() {
    qApp->removeEventFilter(this);
}

QString ReplayPlayer::text(const char* source) {
    return QCoreApplication::translate("Replay", source);
}

bool ReplayPlayer::isReplayFile(const std::filesystem::path& path) {
    return QString::fromStdString(path.extension().string())
               .compare(QString::fromUtf8(ReplayExtension.data(), ReplayExtension.size()),
                        Qt::CaseInsensitive) == 0;
}

// ---- Menu commands ----

void ReplayPlayer::watchScore(const ScoreEntry& entry) {
    if (records_.hasScoreReplay(entry)) openReplay(records_.scoreReplayPath(entry));
}

void ReplayPlayer::watchLastGame() {
    if (const auto last = board_.game().lastGame())
        watch(last);
    else
        platform_.message(&window_,
                          text(QT_TRANSLATE_NOOP("Replay", "No finished game to watch yet.")));
}

void ReplayPlayer::saveLastGame() {
    const auto last = board_.game().lastGame();
    if (!last) {
        platform_.message(&window_,
                          text(QT_TRANSLATE_NOOP("Replay", "No finished game to save yet.")));
        return;
    }
    const auto name = chooseFile(true);
    if (!name) return;
    const FileResult r = writeReplay(systemPath(*name), *last);
    if (const QString failed = fileMessage(r); !failed.isEmpty())
        platform_.message(&window_, failed);
}

void ReplayPlayer::saveMatch(MatchRecording match) {
    const auto name = chooseFile(true);
    if (!name) return;
    const FileResult r = writeVersusReplay(systemPath(*name), match);
    if (const QString failed = fileMessage(r); !failed.isEmpty())
        platform_.message(&window_, failed);
}

void ReplayPlayer::chooseReplay() {
    if (const auto name = chooseFile(false)) openReplay(systemPath(*name));
}

void ReplayPlayer::openReplay(const std::filesystem::path& path) {
    AnyReplay replay;
    const ReplayRead read = readAnyReplay(path, replay);
    if (!read.ok()) {
        platform_.message(&window_, replayMessage(read));
        return;
    }
    // A match plays on two boards, in the window's hands.
    if (replay.match) {
        if (onMatchReplay) onMatchReplay(replay.match);
        return;
    }
    watch(replay.game);
}

// ---- Playing ----

void ReplayPlayer::watch(std::shared_ptr<const Recording> recording) {
    if (!recording) return;
    if (onWatching) onWatching();
    RecordedGame& game = board_.game();
    if (active_) stop();
    if (!game.state().paused) game.pause(); // the game in progress waits, paused
    game.watch(std::move(recording));
    active_ = true;
    atEnd_ = proved_ = false;
    played_ = 0;
    restoreWindow();
    qApp->installEventFilter(this);
    setSpeed(speed_);
    if (onPlaying) onPlaying(true);
}

void ReplayPlayer::stop() {
    if (!active_) return;
    active_ = false;
    timer_.stop();
    qApp->removeEventFilter(this);
    board_.game().stopWatching();
    restoreWindow();
    if (banner_) banner_->hide();
    if (onPlaying) onPlaying(false);
}

// The board in view changes games: its size, its cells, the counters, the message line, the
// pause mark and the window's timers all follow the one now shown.
void ReplayPlayer::restoreWindow() {
    if (onBoardSwapped) onBoardSwapped();
    board_.showMessage();
    board_.followTimers();
    showBanner();
}

void ReplayPlayer::setSpeed(int speed) {
    speed_ = speed == 2 || speed == 4 || speed == 0 ? speed : 1;
    if (!active_) return;
    wall_.restart();
    if (speed_ == 0 || atEnd_)
        timer_.stop();
    else
        timer_.start();
    showBanner();
}

void ReplayPlayer::tick() {
    RecordedGame& game = board_.game();
    played_ += double(wall_.restart()) * speed_;
    while (const Input* next = game.nextInput()) {
        if (double(next->time) - played_ > LongestWait) played_ = double(next->time) - LongestWait;
        if (double(next->time) > played_) return;
        game.feedNext();
    }
    reachEnd();
}

void ReplayPlayer::step() {
    RecordedGame& game = board_.game();
    while (const Input* next = game.nextInput()) {
        const bool player = playerInput(next->kind);
        played_ = double(next->time);
        game.feedNext();
        if (player) return;
    }
    reachEnd();
}

void ReplayPlayer::playToEnd() {
    while (board_.game().feedNext()) {
    }
    reachEnd();
}

void ReplayPlayer::reachEnd() {
    if (!active_ || atEnd_) return;
    timer_.stop();
    atEnd_ = true;
    const Recording* r = board_.game().watched();
    proved_ = r && gameEnd(board_.game().state()) == r->end;
    showBanner();
    if (!proved_) {
        stop();
        platform_.message(&window_, replayMessage({ReplayError::Diverges, {}, {}}));
    }
}

void ReplayPlayer::showBanner() {
    if (!active_) return;
    if (!banner_) banner_ = newReplayBanner(board_.view());
    // In the band the window gives a replay above the board.
    const WindowLayout& l = board_.painter().layout();
    showReplayBanner(banner_, replayBannerText(speed_, atEnd_), l.clientWidth, l.ReplayBandBottom);
}

bool ReplayPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (!active_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // The menus' shortcuts wait: during a replay every key is the replay's.
        event->accept();
        return true;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isModifierKey(key->key())) return true;
        switch (key->key()) {
        case Qt::Key_1:
        case Qt::Key_2:
        case Qt::Key_4:
            setSpeed(key->key() - Qt::Key_0);
            return true;
        case Qt::Key_Space:
            if (speed_ != 0)
                setSpeed(0);
            else if (!key->isAutoRepeat() || !atEnd_)
                step();
            return true;
        default:
            if (key->isAutoRepeat()) return true;
            stop();
            // A panic key hides the game as ever: the replay ends, and the game goes with it.
            if (onLeavingKey) onLeavingKey(key->keyCombination());
            return true;
        }
    }
    case QEvent::KeyRelease:
        return true;
    case QEvent::MouseButtonPress:
        // A click on the menus ends the replay first: their commands are for the game.
        stop();
        return false;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace kp
