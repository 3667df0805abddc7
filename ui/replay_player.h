#pragma once
// Replays in the main window: the last finished game, a replay file, or the game behind a line
// of the score table, played with the game's own drawing, sound and pin-up under a "Revoir" /
// "Replay" banner, at 1x, 2x or 4x or step by step. Keys 1, 2 and 4 choose the speed, Space
// steps; any other key (or a click on the menus) ends the replay and the game in progress comes
// back as it was, paused.

#include "engine/match.h"
#include "engine/recording.h"
#include "persistence/scores.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QLabel;

namespace kp {

class Board;
class Platform;
class Records;

class ReplayPlayer : public QObject {
  public:
    // Plays on `board`, which sits in `window`; the score table's replays are in `records`.
    ReplayPlayer(Board& board, QWidget& window, Platform& platform, const Records& records);
    ~ReplayPlayer() override;

    // The menu's commands.
    void watchLastGame();
    void saveLastGame();
    // A match so far, saved as a replay file of its own version. It is taken as it stands at
    // the call: the match plays on while the file dialog is open, and the file holds one moment.
    void saveMatch(MatchRecording match);
    void chooseReplay();
    // A replay file from the menu, the command line or the file manager; a file that cannot be
    // watched is refused with a message and the game in progress goes on.
    void openReplay(const std::filesystem::path& path);

    // The replay kept beside a line of the score table, if any.
    void watchScore(const ScoreEntry& entry);

    void watch(std::shared_ptr<const Recording> recording);
    void stop();
    bool active() const { return active_; }
    // 1, 2 or 4; 0 step by step.
    int speed() const { return speed_; }
    void setSpeed(int speed);
    // Step by step: plays up to and including the player's next command.
    void step();
    // Plays on to the end at once (tests, and a step past the last command).
    void playToEnd();
    // The replay reached its last input; `proved` says whether the board, level, smileys and
    // chrono are those it recorded.
    bool atEnd() const { return atEnd_; }
    bool proved() const { return proved_; }
    QLabel* banner() const { return banner_; }

    // Told when a replay starts (true) and when it ends (false).
    std::function<void(bool playing)> onPlaying;
    // Before a single game's replay takes the board: the window shows that board.
    std::function<void()> onWatching;
    // Told with a match read from a replay file, for the window to play it on two boards.
    std::function<void(std::shared_ptr<const MatchRecording>)> onMatchReplay;
    // Told when the board changes games (a replay starts or ends), for the window to lay
    // itself out for the one now shown and mark its pause.
    std::function<void()> onBoardSwapped;
    // A key that ended a replay, for the window to do what else it means (a panic key still
    // hides the game).
    std::function<void(QKeyCombination key)> onLeavingKey;
    // The replay file dialogs (save: true for the save dialog); tests answer them.
    std::function<std::optional<QString>(bool save)> chooseFile;

    static bool isReplayFile(const std::filesystem::path& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void tick();
    void reachEnd();
    void showBanner();
    void restoreWindow();
    static QString text(const char* source);

    Board& board_;
    QWidget& window_;
    Platform& platform_;
    const Records& records_;
    QLabel* banner_ = nullptr;
    QTimer timer_;
    QElapsedTimer wall_;
    double played_ = 0; // the recording's milliseconds reached
    int speed_ = 1;
    bool active_ = false;
    bool atEnd_ = false;
    bool proved_ = false;
};

} // namespace kp
