#include "ui/game_files.h"

#include "ui/file_messages.h"
#include "ui/name_dialog.h"
#include "ui/platform.h"
#include "ui/records.h"
#include "ui/replay_player.h"
#include "ui/settings_model.h"

#include "engine/recorded_game.h"

#include "persistence/saved_game.h"
#include "persistence/scores.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <cerrno>

#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace kp {

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("Messages", source);
}

// Why the file cannot even be read as a saved game, in one sentence; empty when
// it can be. (A folder, a device or a pipe is never opened: reading a pipe could wait forever.)
QString unreadableSave(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    const QString name = QFile::decodeName(QByteArray::fromStdString(path.string()));
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    int error = ec.value();
    if (status.type() == fs::file_type::not_found)
        return text(QT_TRANSLATE_NOOP("Messages", "The file \"%1\" does not exist.")).arg(name);
    if (!ec && fs::is_directory(status))
        return text(QT_TRANSLATE_NOOP("Messages", "\"%1\" is a folder, not a saved game."))
            .arg(name);
    if (!ec && !fs::is_regular_file(status))
        return text(QT_TRANSLATE_NOOP("Messages", "\"%1\" is not a file but a device or a pipe."))
            .arg(name);
    if (!ec && fs::file_size(path, ec) > MaxFileSize && !ec)
        return text(QT_TRANSLATE_NOOP("Messages",
                                      "The file \"%1\" is far too large to be a saved game."))
            .arg(name);
    if (!ec) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
            return {};
        }
        error = errno;
    }
    const QString reason = systemReason(error);
    return text(QT_TRANSLATE_NOOP("Messages", "The file \"%1\" cannot be read: %2."))
        .arg(name, reason);
}

} // namespace

void GameFiles::open(const std::filesystem::path& path) {
    // A replay opens as a replay, wherever it was chosen (the file manager, the command line).
    if (ReplayPlayer::isReplayFile(path)) {
        p_.replays.openReplay(path);
        return;
    }
    // A file that holds no saved game is refused before the game in progress is touched.
    if (const QString why = unreadableSave(path); !why.isEmpty()) {
        p_.platform.message(&p_.window, why);
        return;
    }
    auto onDisk = std::make_unique<SavedGame>();
    switch (readSavedGame(path, p_.model.file().string(), *onDisk)) {
    case LoadResult::NotASave:
        p_.platform.message(
            &p_.window,
            text(QT_TRANSLATE_NOOP("Messages", "The file does not contain backup "
                                               "Kembrolla Panic!.\r\rCancelled operation.")));
        break;
    case LoadResult::SettingsFile:
        p_.game.newGame(); // the settings file itself: a fresh game, without a word
        break;
    case LoadResult::Loaded:
        p_.game.newGame(onDisk.get());
        break;
    }
}

void GameFiles::choose() {
    if (const auto path = p_.platform.openGame(&p_.window)) open(systemPath(*path));
}

void GameFiles::saveAs() {
    const auto path = p_.platform.saveGame(&p_.window);
    if (!path) return;
    const FileResult saved = writeSavedGame(systemPath(*path), p_.game.state());
    if (const QString failed = fileMessage(saved); !failed.isEmpty())
        p_.platform.message(&p_.window, failed);
}

void GameFiles::enterScore() {
    // The game's end writes three files (statistics, score, replay); when they fail, as they
    // all do on a full disk, one message tells it: the score's if it failed, else the others'.
    std::vector<FileResult> written{p_.records.takeStatisticsFailure()};
    if (!nameDialog_) nameDialog_ = new NameDialog(&p_.window);
    if (nameDialog_->exec() != QDialog::Accepted) {
        tell(written);
        return;
    }
    // The date in the computer's own language.
    ShortMonths months;
    const QLocale locale;
    for (int m = 0; m < 12; ++m)
        months[m] = locale.monthName(m + 1, QLocale::ShortFormat).toStdString();
    const GameState& s = p_.game.state();
    const ScoreEntry entry{std::to_string(s.level), std::to_string(s.smileysLeft),
                           nameDialog_->name().toStdString(), scoreDateNow(months)};
    ScoreUpdate r;
    p_.model.changeScores([&](Settings& settings) {
        r = kp::enterScore(settings.scores, p_.model.file(), s.level, s.smileysLeft, entry.name,
                           entry.date);
    });
    if (r.rank > 0) {
        if (const auto last = p_.game.lastGame())
            written.push_back(p_.records.keepForScore(entry, p_.model.settings().scores, *last));
        written.push_back(r.file);
    }
    tell(written);
    p_.showScores();
}

void GameFiles::tell(const std::vector<FileResult>& written) {
    if (const QString told = filesMessage(written); !told.isEmpty())
        p_.platform.message(&p_.window, told);
}

} // namespace kp
