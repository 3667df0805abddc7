#pragma once
// The player's records, kept beside the settings file: the statistics of every finished game
// and match, and the replays of the games that entered the score table.

#include "engine/game_summary.h"
#include "engine/recording.h"
#include "persistence/scores.h"
#include "persistence/statistics.h"

#include <QObject>

#include <filesystem>
#include <functional>

class QWidget;

namespace kp {

class Platform;

class Records : public QObject {
  public:
    // A failure to write them is told over `window`.
    Records(QWidget& window, Platform& platform, std::filesystem::path settingsFile);

    // A single game came to its end: its statistics are added. Played again where nobody sees
    // it: a few milliseconds for an hour of play, at the moment the game ends.
    void gameFinished(const Recording& game);
    // A match against the computer came to its end.
    void matchFinished(const MatchSummary& match);
    // The finished game's statistics that could not be written, taken to be told with the score
    // entry that followed the game (a full disk fails all three files: one message says it).
    // Untaken, it is told once the event that finished the game is over.
    FileResult takeStatisticsFailure();
    const Statistics& statistics() const { return statistics_; }
    const std::filesystem::path& statisticsFile() const { return statisticsFile_; }
    // Told when a finished game or match changed the statistics.
    std::function<void(const Statistics&)> onStatistics;

    // The replay kept beside a line of the score table, and whether there is one.
    std::filesystem::path scoreReplayPath(const ScoreEntry& entry) const;
    bool hasScoreReplay(const ScoreEntry& entry) const;
    // The game `last` entered the score table as `entry`: its replay is kept beside the table,
    // and those of entries no longer in it go.
    FileResult keepForScore(const ScoreEntry& entry, const ScoreTable& table,
                            const Recording& last);

  private:
    void statisticsAdded(const FileResult& result);

    QWidget& window_;
    Platform& platform_;
    std::filesystem::path settingsFile_;
    std::filesystem::path statisticsFile_;
    Statistics statistics_;
    FileResult statisticsFailure_;
};

} // namespace kp
