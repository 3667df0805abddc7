#pragma once
// The configuration, help and about dialog: a non-modal box with three tabs and an OK button.
// It edits the game parameters (applied, after a question, when it closes), shows the help in
// the current language, and the about page with the high-score table.

#include "ui/translations.h"
#include <QDialog>
#include <QUrl>

#include <array>
#include <functional>
#include <string>

class QPushButton;
class QTabWidget;
class QTextEdit;

namespace kp {

class AboutPage;
class ConfigPage;
class KeysPage;
class Platform;
class Records;
class ReplayPlayer;
class SettingsModel;
class SpriteSet;
class StatisticsPage;

class ConfigDialog : public Translated<QDialog> {
  public:
    enum Tab { ConfigurationTab = 0, KeysTab = 1, HelpTab = 2, AboutTab = 3, StatisticsTab = 4 };

    // What the dialog works with: the settings it shows and changes, the replays of the score
    // table and the statistics, the smileys' pictures, and the name of the game controller.
    struct Services {
        SettingsModel& settings;
        ReplayPlayer& replays;
        Records& records;
        const SpriteSet& sprites;
        std::function<std::string()> gamepadName;
    };

    // Over `window`, the game's window.
    ConfigDialog(Services services, Platform& platform, QWidget* window);

    // Selects a tab and shows the dialog (or brings it forward when it is already open).
    void showTab(int tab);
    int currentTab() const;

    // Panic hides an open dialog with the game, and a replay hides it while it plays on the
    // board; the restore, or the replay's end, brings it back untouched.
    void stepAside(bool aside);

    // Whether the configuration was changed since the dialog was last shown.
    bool modified() const;

    // The mail link's address: "mailto:" with the subject and the body, percent-encoded.
    QUrl mailLink() const;
    // The address the mail link writes to (set when the game is built).
    static QString contactAddress();

    // A gamepad button for the keys page, when one of its slots waits for it: true when taken.
    bool takePadButton(int button);
    bool waitsForPadButton() const;
    // The connected controller's name (empty: none), for the keys page.
    void showGamepad(const std::string& name);

    ConfigPage* pageConfiguration() const { return config_; }
    KeysPage* keysPage() const { return keys_; }
    AboutPage* aboutPage() const { return about_; }
    StatisticsPage* statisticsPage() const { return statistics_; }
    QTabWidget* tabs() const { return tabs_; }
    QTextEdit* help() const { return help_; }

  protected:
    void retranslate() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Every way of closing (OK, the close box, Escape) comes through here.
    void done(int result) override;

  private:
    void firstShow();
    void FormClose();
    void tabChanged(int tab);
    void updateScores();
    void eraseScoresClicked();
    void showStatistics();
    void clearStatisticsClicked();
    void openMail();

    Services services_;
    Platform& platform_;
    bool steppedAside_ = false;
    QTabWidget* tabs_;
    ConfigPage* config_;
    KeysPage* keys_;
    QTextEdit* help_;
    AboutPage* about_;
    StatisticsPage* statistics_;
    QPushButton* ok_;
};

} // namespace kp
