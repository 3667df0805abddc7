#include "replay_player.h"

#include "ui/board.h"
#include "ui/file_messages.h"
#include "ui/platform.h"
#include "ui/records.h"

#include "persistence/replay_file.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>

#include <utility>

namespace kp {

namespace {

// A recorded pause longer than this (the player away, the computer asleep) is shortened.
constexpr int64_t LongestWait = 1500;

} // namespace

ReplayPlayer::ReplayPlayer(Board& board, QWidget& window, Platform& platform,
                           const Records& records)
    : QObject(&window), board_(board), window_(window), platform_(platform), records_(records),
      timeline_(board.game()), driver_(timeline_, this), controls_(driver_, [this] { step(); }) {
    driver_.setLongestWait(LongestWait);
    driver_.woke = [this] {
        if (timeline_.atEnd()) reachEnd();
    };
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

ReplayPlayer::~ReplayPlayer() = default;

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
    save(*last);
}

void ReplayPlayer::save(const Recording& recording) {
    const auto name = chooseFile(true);
    if (!name) return;
    const FileResult r = writeReplay(systemPath(*name), recording);
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
    proved_ = false;
    driver_.start();
    controls_.restart();
    restoreWindow();
    if (onPlaying) onPlaying(true);
}

void ReplayPlayer::stop() {
    if (!active_) return;
    active_ = false;
    driver_.stop();
    board_.game().stopWatching();
    restoreWindow();
    controls_.hideBanner();
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

bool ReplayPlayer::key(const QKeyEvent& key) {
    if (!active_) return false;
    if (controls_.key(key)) return true;
    stop();
    return false;
}

void ReplayPlayer::step() {
    if (Replay* replay = board_.game().replay()) replay->step();
    if (timeline_.atEnd()) reachEnd();
}

void ReplayPlayer::playToEnd() {
    if (Replay* replay = board_.game().replay()) replay->playToEnd();
    reachEnd();
}

void ReplayPlayer::reachEnd() {
    if (!active_ || controls_.atEnd()) return;
    const Recording* r = board_.game().watched();
    const Replay* replay = board_.game().replay();
    proved_ = r && replay && replay->end() == r->end;
    if (!proved_) {
        stop();
        platform_.message(&window_, replayMessage({ReplayError::Diverges, {}, {}}));
        return;
    }
    controls_.reachEnd();
}

int64_t ReplayPlayer::Watched::now() const {
    return game_.replay() ? game_.replay()->now() : 0;
}

int64_t ReplayPlayer::Watched::nextDue() {
    return game_.replay() ? game_.replay()->nextDue() : -1;
}

void ReplayPlayer::Watched::advanceTo(int64_t time) {
    if (Replay* replay = game_.replay()) replay->advanceTo(time);
}

void ReplayPlayer::showBanner() {
    if (!active_) return;
    // In the band the window gives a replay above the board.
    const WindowLayout& l = board_.painter().layout();
    controls_.placeBanner(board_.view(), l.clientWidth, l.ReplayBandBottom);
}

} // namespace kp
