#include "music_controller.h"
#include "tunes.h"

#include <QFile>

namespace kp::sound {

MusicController::MusicController(MusicPlayer& player, QString programFile, QString tempDir)
    : player_(player), programFile_(std::move(programFile)), tempDir_(std::move(tempDir)) {}

MusicController::~MusicController() {
    release();
}

QString MusicController::playFailure(int langue) {
    return langue == 0 ? QStringLiteral("Lecture impossible.")
                       : QStringLiteral("Impossible playing.");
}

QString MusicController::tempFile(int n) const {
    return tuneTempPath(tempDir_, programFile_, n);
}

void MusicController::release() {
    // Each step on its own: a tune that failed to open is not open, yet its file was written
    // and must go too.
    player_.stop();
    player_.close();
    player_.setEnabled(false);
    const QString file = player_.fileName();
    if (!file.isEmpty()) QFile::remove(file);
    player_.setFileName({});
}

std::optional<QString> MusicController::MenuMusique_Go(int n, int langue) {
    const TuneInfo* tune = tuneInfo(n);
    if (!tune) {
        MenuMusiquePas_Go();
        return std::nullopt;
    }
    if (loading_) loading_(true);
    release();
    musique_ = n;
    const QString path = tempFile(n);
    bool ok = false;
    const QByteArray bytes = tuneResource(QString::fromLatin1(tune->resource));
    QFile out(path);
    if (!bytes.isEmpty() && out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ok = out.write(bytes) == bytes.size();
        out.close();
    }
    if (ok) {
        player_.setFileName(path);
        player_.setEnabled(true);
        ok = player_.open() && player_.play();
    }
    if (loading_) loading_(false);
    if (ok) return std::nullopt;
    return playFailure(langue);
}

void MusicController::MenuMusiquePas_Go() {
    musique_ = 0;
    release();
}

MusicController::Watch MusicController::superviseMusic(bool applicationActive, bool windowVisible,
                                                       bool enBoucle) {
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
        if (enBoucle) {
            player_.play();
            return Watch::Replayed;
        }
        MenuMusiquePas_Go();
        return Watch::Ended;
    }
    return Watch::Nothing;
}

} // namespace kp::sound
