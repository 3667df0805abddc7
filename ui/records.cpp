#include "ui/records.h"

#include "ui/file_messages.h"
#include "ui/platform.h"

#include "engine/hash.h"
#include "persistence/replay_file.h"

#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>

namespace kp {

namespace {

// Text of a score entry as the table keeps it, without the blanks a file may add.
std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The name scoreReplayPath gives: sixteen lower-case hexadecimal digits and the extension.
bool isScoreReplayName(const std::string& name) {
    constexpr size_t digits = 16;
    return name.size() == digits + ReplayExtension.size() &&
           name.find_first_not_of("0123456789abcdef") == digits &&
           std::string_view(name).substr(digits) == ReplayExtension;
}

} // namespace

Records::Records(QWidget& window, Platform& platform, std::filesystem::path settingsFile)
    : QObject(&window), window_(window), platform_(platform),
      settingsFile_(std::move(settingsFile)), statisticsFile_(statisticsFilePath(settingsFile_)) {}

void Records::gameFinished(const Recording& game) {
    statisticsAdded(addToStatistics(statisticsFile_, summarise(game),
                                    static_cast<int64_t>(std::time(nullptr)), statistics_));
}

void Records::matchFinished(const MatchSummary& match) {
    statisticsAdded(addToStatistics(statisticsFile_, match, statistics_));
}

void Records::statisticsAdded(const FileResult& r) {
    if (r.ok() && onStatistics) onStatistics(statistics_);
    if (fileMessage(r).isEmpty()) return;
    // Told once the event that ended the game is over, unless the score entry it offers takes
    // it first.
    statisticsFailure_ = r;
    QTimer::singleShot(0, this, [this] {
        const QString failed = fileMessage(takeStatisticsFailure());
        if (!failed.isEmpty()) platform_.message(&window_, failed);
    });
}

FileResult Records::takeStatisticsFailure() {
    return std::exchange(statisticsFailure_, FileResult{});
}

std::filesystem::path Records::scoreReplayPath(const ScoreEntry& e) const {
    // Named after the entry itself, so the table may reorder, merge with another copy's or
    // lose lines without a replay ever showing beside the wrong one.
    Fnv1a h;
    for (const std::string& field : {e.level, e.left, e.name, e.date}) h.add(trimmed(field) + '\n');
    char name[40];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(h.value));
    std::filesystem::path folder = settingsFile_;
    folder.replace_filename(settingsFile_.stem().string() + "-replays");
    return folder / (std::string(name) + std::string(ReplayExtension));
}

bool Records::hasScoreReplay(const ScoreEntry& entry) const {
    std::error_code ec;
    return !trimmed(entry.name).empty() &&
           std::filesystem::is_regular_file(scoreReplayPath(entry), ec);
}

FileResult Records::keepForScore(const ScoreEntry& entry, const ScoreTable& table,
                                 const Recording& last) {
    const std::filesystem::path path = scoreReplayPath(entry);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    const FileResult r = writeReplay(path, last);
    // The replays of games that left the table go with them: only files of the names the game
    // gives them, never the player's own files or links, nor anything in a linked folder.
    if (std::filesystem::is_symlink(path.parent_path(), ec)) return r;
    std::vector<std::filesystem::path> kept;
    for (const ScoreEntry& e : table.Entries) kept.push_back(scoreReplayPath(e));
    for (const auto& f : std::filesystem::directory_iterator(path.parent_path(), ec))
        if (isScoreReplayName(f.path().filename().string()) && f.is_regular_file(ec) &&
            !f.is_symlink(ec) && std::find(kept.begin(), kept.end(), f.path()) == kept.end())
            std::filesystem::remove(f.path(), ec);
    return r;
}

} // namespace kp
