#include "music_controller.h"
#include "tunes.h"

namespace kp::sound {

MusicController::MusicController(MusicPlayer& player) : player_(player) {}

MusicController::~MusicController() {
    release();
}

QString MusicController::playFailure(Language language) {
    return language == Language::French ? QStringLiteral("Lecture impossible.")
                                        : QStringLiteral("Impossible playing.");
}

void MusicController::release() {
    // Each step on its own: a tune that failed to open is not open, yet the player holds it
    // and must let it go too.
    player_.stop();
    player_.close();
    player_.setEnabled(false);
    player_.setTune({});
}

std::optional<QString> MusicController::playTune(int n, Language language) {
    const TuneInfo* tune = tuneInfo(n);
    if (!tune) {
        stopMusic();
        return std::nullopt;
    }
    if (loading_) loading_(true);
    release();
    tune_ = n;
    player_.setTune(tuneResource(QString::fromLatin1(tune->resource)));
    player_.setEnabled(true);
    const bool ok = player_.open() && player_.play();
    if (loading_) loading_(false);
    if (ok) return std::nullopt;
    return playFailure(language);
}

void MusicController::stopMusic() {
    tune_ = 0;
    release();
    player_.releaseBank();
}

MusicController::Watch MusicController::superviseMusic(bool applicationActive, bool windowVisible) {
    if (applicationActive && windowVisible && player_.mode() == MusicPlayer::Mode::Paused) {
        if (loading_) loading_(true);
        player_.stop();
        player_.close();
        if (player_.open()) player_.play();
        if (loading_) loading_(false);
        return Watch::Restarted;
    }
    if (!applicationActive && player_.mode() == MusicPlayer::Mode::Playing) {
        player_.pause();
        return Watch::Paused;
    }
    if (player_.mode() == MusicPlayer::Mode::Stopped) {
        if (player_.looping()) {
            player_.play();
            return Watch::Replayed;
        }
        stopMusic();
        return Watch::Ended;
    }
    return Watch::Nothing;
}

} // namespace kp::sound
