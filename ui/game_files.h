#pragma once
// Saved games and the score table's entry: "Ouvrir une partie..." and "Enregistrer la partie
// sous...", a saved game given on the command line, and the name asked for after a lost game
// that enters the score table.

#include "persistence/file_result.h"

#include <filesystem>
#include <functional>
#include <vector>

class QWidget;

namespace kp {

class NameDialog;
class Platform;
class RecordedGame;
class Records;
class ReplayPlayer;
class SettingsModel;

class GameFiles {
  public:
    struct Parts {
        QWidget& window;
        Platform& platform;
        SettingsModel& model;
        RecordedGame& game;
        Records& records;
        ReplayPlayer& replays;
        // The score table, once a score is in.
        std::function<void()> showScores;
    };
    explicit GameFiles(Parts parts) : p_(std::move(parts)) {}

    // Opens a saved game as "Ouvrir une partie..." does; a file that is no saved game is
    // refused with a message and the game in progress goes on. A replay file opens as a replay.
    void open(const std::filesystem::path& path);
    void choose();
    void saveAs();
    // A lost game that enters the score table: the player's name, then the table.
    void enterScore();
    // Files written for one request that fail together (a full disk fails them all) give one
    // message: that of the last of them with something to say.
    void tell(const std::vector<FileResult>& written);

  private:
    Parts p_;
    NameDialog* nameDialog_ = nullptr;
};

} // namespace kp
