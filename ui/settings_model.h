#pragma once
// The player's settings for the whole run, and their one writer. Menus, dialogs and the keys
// page change them here, a group at a time, and each group has one signal that the part
// applying it listens to: nothing that changes a setting pushes it anywhere by hand.

#include "persistence/settings.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace kp {

class SettingsModel : public QObject {
    Q_OBJECT

  public:
    using Change = std::function<void(Settings&)>;

    explicit SettingsModel(std::filesystem::path file, QObject* parent = nullptr);

    const Settings& settings() const { return settings_; }
    const std::filesystem::path& file() const { return file_; }

    // Reads the file (a missing or unreadable one leaves the defaults); true when there was no
    // file at all: the very first start. Nobody is told: the window applies everything after.
    bool load();
    // Writes the file (at close).
    FileResult save();

    // The board's size and the rules' parameters ("Configuration").
    void changeParameters(const LevelParameters& p);
    void changeControls(const Controls& controls);
    void changeLanguage(int32_t language);
    // The smileys' size and the counter and next-capsule bands: the window's layout.
    void changeLayout(const Change& change);
    // The background; `picture` is a picture file to read (or none to keep the one loaded).
    void changeBackground(const Change& change,
                          const std::optional<std::string>& picture = std::nullopt);
    // The effects' output and volumes, the music's volume, looping and bank.
    void changeSound(const Change& change);
    void changeTune(int32_t tune);
    // The animations, the shake and the pin-up: how the rules show what happens.
    void changeAnimations(const Change& change);
    // The smileys' colours and symbols.
    void changeSmileys(const Change& change);
    // The message line's font and colour.
    void changeMessageLook(const Change& change);
    // The high-score table, changed by a score entered or the table erased (the callee writes
    // the file).
    void changeScores(const Change& change);

    // The choices of a match just started, kept for the next one: from now on the file has a
    // "Duel" section. Nothing applies them until then.
    void changeDuel(const DuelSettings& duel) {
        settings_.duel = duel;
        settings_.duelInFile = true;
    }

    // What applying a change found out (the background a picture could not replace, the recent
    // pictures after a new one), written back without telling anyone again.
    void settle(const Change& change) { change(settings_); }

  signals:
    void parametersChanged();
    void controlsChanged();
    void languageChanged();
    void layoutChanged();
    void backgroundChanged(const std::optional<std::string>& picture);
    void soundChanged();
    void tuneChanged();
    void animationsChanged();
    void smileysChanged();
    void messageLookChanged();
    void scoresChanged();

  private:
    std::filesystem::path file_;
    Settings settings_;
};

} // namespace kp
