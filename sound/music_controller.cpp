#include "music_controller.h"
#include "tunes.h"

#include <QPromise>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace kp::sound {

namespace {

// The tunes being opened on threads of their own, in the whole process.
struct Openings {
    std::mutex mutex;
    std::condition_variable done;
    int running = 0;
};
Openings openings;

// Held by an opening thread for as long as it touches anything: the player, the synthesiser's
// library, the tunes' resources.
struct Opening {
    Opening() {
        const std::lock_guard lock(openings.mutex);
        ++openings.running;
    }
    ~Opening() {
        {
            const std::lock_guard lock(openings.mutex);
            --openings.running;
        }
        openings.done.notify_all();
    }
    Opening(const Opening&) = delete;
    Opening& operator=(const Opening&) = delete;
};

} // namespace

bool waitForTunesOpened(int timeoutMs) {
    std::unique_lock lock(openings.mutex);
    return openings.done.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                  [] { return openings.running == 0; });
}

MusicController::MusicController(std::shared_ptr<MusicPlayer> player) : player_(std::move(player)) {
    QObject::connect(&watcher_, &QFutureWatcherBase::finished, &watcher_, [this] { opened(); });
}

MusicController::~MusicController() {
    release();
}

void MusicController::release() {
    if (opening_) {
        asked_ = Asked::Release;
        return;
    }
    releaseNow();
}

void MusicController::releaseNow() {
    resume_ = false;
    // Each step on its own: a tune that failed to open is not open, yet the player holds it
    // and must let it go too.
    player_->stop();
    player_->close();
    player_->setEnabled(false);
    player_->setTune({});
}

void MusicController::setLooping(bool looping) {
    looping_ = looping;
    // While a tune opens the player is busy; it takes the choice before it plays.
    if (!opening_) player_->setLooping(looping);
}

void MusicController::playTune(int n) {
    const TuneInfo* tune = tuneInfo(n);
    if (!tune) {
        stopMusic();
        return;
    }
    tune_ = n;
    show(true);
    if (opening_) {
        asked_ = Asked::Play;
        reportFailure_ = true;
        return;
    }
    open(true);
}

void MusicController::open(bool reportFailure) {
    releaseNow();
    player_->setTune(tuneResource(QString::fromLatin1(tuneInfo(tune_)->resource)));
    player_->setEnabled(true);
    opening_ = true;
    reportFailure_ = reportFailure;
    QPromise<bool> promise;
    promise.start();
    watcher_.setFuture(promise.future());
    // The thread is let go rather than joined: a bank that never loads (a hung network drive)
    // keeps it for ever, and nothing may wait for it, the game's close least of all. It holds
    // the player, which goes with its last owner, the window or this thread.
    // The thread counts as opening until it has let go of all it holds (see waitForTunesOpened).
    auto opening = std::make_unique<Opening>();
    std::thread([opening = std::move(opening), player = player_,
                 promise = std::move(promise)]() mutable {
        promise.addResult(player->open());
        promise.finish();
        promise = QPromise<bool>();
        player.reset();
        opening.reset();
    }).detach();
}

void MusicController::opened() {
    opening_ = false;
    if (const auto asked = std::exchange(asked_, std::nullopt)) {
        // Asked for while this tune was opening: its result is dropped.
        switch (*asked) {
        case Asked::Play:
            open(reportFailure_);
            return;
        case Asked::Release:
            releaseNow();
            return;
        case Asked::Stop:
            stopMusic();
            return;
        }
    }
    player_->setLooping(looping_);
    const bool ok = watcher_.future().resultCount() > 0 && watcher_.result() && player_->play();
    if (ok && hushed_) hush(true);
    show(false);
    if (!ok && reportFailure_ && failed_) failed_();
}

void MusicController::stopMusic() {
    tune_ = 0;
    if (opening_) {
        asked_ = Asked::Stop;
        show(false);
        return;
    }
    releaseNow();
    player_->releaseBank();
}

void MusicController::hush(bool hushed) {
    hushed_ = hushed;
    if (hushed && player_->mode() == MusicPlayer::Mode::Playing) {
        player_->pause();
        resume_ = true;
    }
}

MusicController::Watch MusicController::superviseMusic(bool applicationActive, bool windowVisible) {
    if (opening_ || hushed_) return Watch::Nothing;
    if (applicationActive && windowVisible && player_->mode() == MusicPlayer::Mode::Paused) {
        if (std::exchange(resume_, false)) {
            player_->pause(); // pausing a paused tune plays it on
            return Watch::Resumed;
        }
        show(true);
        open(false);
        return Watch::Restarted;
    }
    if (!applicationActive && player_->mode() == MusicPlayer::Mode::Playing) {
        player_->pause();
        return Watch::Paused;
    }
    if (player_->mode() == MusicPlayer::Mode::Stopped) {
        if (player_->looping()) {
            player_->play();
            return Watch::Replayed;
        }
        stopMusic();
        return Watch::Ended;
    }
    return Watch::Nothing;
}

} // namespace kp::sound
