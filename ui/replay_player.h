#pragma once
// Replays in the main window: the last finished game, a replay file, or the game behind a line
// of the score table, played with the game's own drawing, sound and pin-up under a "Revoir" /
// "Replay" banner, at 1x, 2x or 4x or step by step. Keys 1, 2 and 4 choose the speed, Space
// steps; any other key (or opening a menu) ends the replay and the game in progress comes
// back as it was, paused.

#include "ui/clock_driver.h"
#include "ui/replay_controls.h"

#include "engine/recorded_game.h"
#include "persistence/scores.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

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
    // A recording saved as a replay file of its kind's version. A match so far is taken as it
    // stands at the call (a copy): it plays on while the file dialog is open.
    void save(const Recording& recording);
    void chooseReplay();
    // A replay file from the menu, the command line or the file manager; a file that cannot be
    // watched is refused with a message and the game in progress goes on.
    void openReplay(const std::filesystem::path& path);

    // The replay kept beside a line of the score table, if any.
    void watchScore(const ScoreEntry& entry);

    void watch(std::shared_ptr<const Recording> recording);
    void stop();
    bool active() const { return active_; }
    // A key while a replay plays: true when it was the replay's (its speed, a step); any other
    // key ends the replay, for the window to do what else it means.
    bool key(const QKeyEvent& key);
    // The speed, the keys and the banner.
    ReplayControls& controls() { return controls_; }
    // 1, 2 or 4; 0 step by step.
    void setSpeed(int speed) { controls_.setSpeed(speed); }
    // Step by step: plays up to and including the player's next command.
    void step();
    // Plays on to the end at once (tests, and a step past the last command).
    void playToEnd();
    // The replay reached its last input; `proved` says whether the board, level, smileys and
    // chrono are those it recorded.
    bool atEnd() const { return controls_.atEnd(); }
    bool proved() const { return proved_; }

    // Told when a replay starts (true) and when it ends (false).
    std::function<void(bool playing)> onPlaying;
    // Before a single game's replay takes the board: the window shows that board.
    std::function<void()> onWatching;
    // Told with a match read from a replay file, for the window to play it on two boards.
    std::function<void(std::shared_ptr<const Recording>)> onMatchReplay;
    // Told when the board changes games (a replay starts or ends), for the window to lay
    // itself out for the one now shown and mark its pause.
    std::function<void()> onBoardSwapped;
    // The replay file dialogs (save: true for the save dialog); tests answer them.
    std::function<std::optional<QString>(bool save)> chooseFile;

    static bool isReplayFile(const std::filesystem::path& path);

  private:
    // The replay the board's game watches, whichever it is, as the driver runs it.
    class Watched final : public Timeline {
      public:
        explicit Watched(RecordedGame& game) : game_(game) {}
        int64_t now() const override;
        int64_t nextDue() override;
        void advanceTo(int64_t time) override;
        bool atEnd() const { return game_.replay() && game_.replay()->atEnd(); }

      private:
        RecordedGame& game_;
    };

    void reachEnd();
    void showBanner();
    void restoreWindow();
    static QString text(const char* source);

    Board& board_;
    QWidget& window_;
    Platform& platform_;
    const Records& records_;
    Watched timeline_;
    ClockDriver driver_;
    ReplayControls controls_;
    bool active_ = false;
    bool proved_ = false;
};

} // namespace kp
