#pragma once
// The main window frames the stage in view (Stages): its menus, its place on the screen, its
// layout and background around the stage, panic and closing, and the settings for the whole run.

#include "ui/board.h"
#include "ui/menu_items.h"
#include "ui/panic_hideout.h"
#include "ui/platform.h"
#include "ui/settings_model.h"
#include "ui/translations.h"

#include "input/bindings.h"
#include "input/controllers.h"
#include "persistence/settings.h"
#include "render/sprites.h"
#include "sound/sound_system.h"

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <array>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QActionGroup;

namespace kp {
class MenuBook;
class MenuRows;
class BackgroundMenus;
class ConfigDialog;
class DisplayMenus;
class Demonstration;
class MatchView;
struct Recording;
class GameFiles;
class Records;
class ReplayControls;
class ReplayPlayer;
class SoundMenus;
class Stages;
class WindowPlacement;
} // namespace kp

namespace kp {

class MainWindow : public QMainWindow, public Board::Host {
  public:
    // settingsFile: where the settings are read at start-up and written at close.
    MainWindow(Platform& platform, std::filesystem::path settingsFile,
               sound::SoundSystem::Options soundOptions = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The board in play.
    Board& board() { return board_; }
    // Replays of finished games and files.
    ReplayPlayer& replays() { return *replays_; }
    // The statistics and the score table's replays.
    Records& records() { return *records_; }
    const Settings& settings() const { return model_.settings(); }
    // The settings' one writer.
    SettingsModel& settingsModel() { return model_; }
    const SpriteSet& sprites() const { return sprites_; }
    // The configuration, help and about dialog, made when first asked for.
    ConfigDialog* configDialog();
    sound::SoundSystem& sound() { return sound_; }
    // A menu item (e.g. Item::Pause), a submenu (e.g. Item::SoundVolumeMenu); null for none.
    QAction* action(Item id) const;
    const std::map<Item, QAction*>& actions() const;
    QMenu* menu(Item id) const;
    // The menu bar, its titles wrapped onto as many rows as the window's width needs.
    MenuRows* menuRows() const { return menuRows_; }

    // The pictures the first frame draws. The first showing reads them, unless they were
    // handed over beforehand: main has them read on another core while Qt connects to the
    // display.
    struct Pictures {
        SpriteSet sprites;
        CounterDigits digits;
        Bitmap24 logo;
        static Pictures read();
    };
    void usePictures(std::future<Pictures> pictures) { pictures_ = std::move(pictures); }
    // The first showing: resources, settings, layout, background, first game.
    void firstShow();
    // "Quitter", from the menu bar or the notification area: the window closes as its close
    // button would (settings written) and the program ends, even from the panic hiding place.
    void quitGame();

    // Opens a saved game as "Ouvrir une partie..." does; a file that is no saved game is
    // refused with a message and the game in progress goes on.
    void openSavedGame(const std::filesystem::path& path);

    // Language: the settings' choice, installed for every window and Qt's own dialogs.
    Language language() const { return languageFromSetting(settings().language); }
    void chooseLanguage(Language language);
    void useFrench() { chooseLanguage(Language::French); }
    void useEnglish() { chooseLanguage(Language::English); }

    // Display.
    void layOutWindow();
    // The menu titles wrapped for the board's width, and the window's height with them.
    void fitMenuRows();
    // The window manager's frame around the window; none before it has framed it.
    QMargins frameMargins() const;
    // Composes the background: a picture path, or KeepPicture to keep the picture already loaded.
    void composeBackground(const std::optional<std::string>& path);
    void repaintAll();
    const Bindings& bindings() const { return bindings_; }
    // The game controllers; followed once the window has shown.
    Controllers& controllers() { return controllers_; }
    // A button of controller `pad` (in the order they were plugged in) pressed or let go.
    void padButton(int pad, int button, bool pressed);

    // What the window shows: the single game, the demonstration, a match, a replay.
    Stages& stages() { return *stages_; }
    MatchView* matchView() const;
    Demonstration* demo() const;
    void startMatch(const DuelSettings& duel, std::optional<uint32_t> seed = std::nullopt);
    void watchMatch(std::shared_ptr<const Recording> recording);

    // What the board asks of the window.
    void pauseChanged(bool paused) override;
    void windowShake(int dy) override;
    void panicChanged(bool hidden) override;
    void recordOffered() override;
    bool recordQualifies(int32_t level, int32_t smileysLeft) override;
    void clockTicked() override;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Menus (menus.cpp).
    void buildMenus();
    void buildFileMenu();
    void buildTrayMenu();
    // Every caption of the menus and the message line, in the language in use.
    void retranslate();
    // Every group of settings, applied when the model says it changed (listenToSettings) and
    // all at once at start-up (applySettings).
    void listenToSettings();
    void applySettings();
    void applyParameters(); // laid out, drawn, and a new game, as "Nouvelle partie" does
    void applyBindings();   // the bindings, the menu shortcuts and the game's key repeat
    void applyLanguage();

    QColor borderColour() const;
    Stage& stage();
    // The window laid out for the stage in view: its size, background and message font.
    void stageLaidOut();
    // The buttons reach the game only while its window is in front, or the keys page waits
    // for one.
    bool padsHeard() const;
    void showGamepadName(); // in the keys page, if it is open
    void unhideGame();

    Platform& platform_;
    SettingsModel model_;
    std::future<Pictures> pictures_;
    SpriteSet sprites_;
    CounterDigits digits_;
    sound::SoundSystem sound_;
    Board board_;
    Translations translations_;
    SoundMenus* soundMenus_ = nullptr;
    DisplayMenus* display_ = nullptr;
    ConfigDialog* configDialog_ = nullptr;
    std::unique_ptr<GameFiles> files_;
    Records* records_ = nullptr;
    ReplayPlayer* replays_ = nullptr;
    bool shown_ = false;

    MenuBook* book_ = nullptr;
    PanicHideout* hideout_ = nullptr;
    MenuRows* menuRows_ = nullptr;
    int replayBand_ = 0; // the height of the replay banner's band at the window's top, if any
    BackgroundMenus* background_ = nullptr;
    WindowPlacement* placement_;
    Bindings bindings_;
    Controllers controllers_{
        {[this](int pad, int button, bool pressed) { padButton(pad, button, pressed); },
         [this] { return padsHeard(); }, [this] { showGamepadName(); }},
        this};
    // Declared last, gone first: the match or the demonstration in view still plays with the
    // sound, the pictures and the board above.
    std::unique_ptr<Stages> stages_;
};

} // namespace kp
