#pragma once
// The main window: the board, the menus, the window's place and the settings for the whole run.

#include "ui/board.h"
#include "ui/demonstration.h"
#include "ui/match_view.h"
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
class DuelDialog;
class GameFiles;
class Records;
class ReplayControls;
class ReplayPlayer;
class SoundMenus;
class WindowPlacement;
} // namespace kp

namespace kp {

class MainWindow : public QMainWindow, public Board::Host, public MatchView::Host {
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
    // A menu item by its name (e.g. "MenuPause"); null when unknown.
    QAction* action(const std::string& id) const;
    const std::map<std::string, QAction*>& actions() const;
    // A submenu by its name (e.g. "MenuSonVolume"); null when unknown.
    QMenu* menu(const std::string& id) const;
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
    void applySmileyColour(int colourIndex);
    // Composes the background: a picture path, or KeepPicture to keep the picture already loaded.
    void composeBackground(const std::optional<std::string>& path);
    void repaintAll();
    const Bindings& bindings() const { return bindings_; }
    // The game controllers; followed once the window has shown.
    Controllers& controllers() { return controllers_; }
    // A button of controller `pad` (in the order they were plugged in) pressed or let go.
    void padButton(int pad, int button, bool pressed);

    // A match against the computer or a friend, in place of the single game ("Nouveau
    // duel..."), until "Partie seul", a new single game or a saved game ends it.
    void chooseMatch();
    // `seed` deals the rounds (by default, from the clock).
    void startMatch(const DuelSettings& duel, std::optional<uint32_t> seed = std::nullopt);
    void leaveMatch();
    // A match under way is left only when the player says so; true when it may go.
    bool mayLeaveMatch();
    // A recorded match played again on two boards, until any key.
    void watchMatch(std::shared_ptr<const Recording> recording);
    // The match in play; null in single-player.
    MatchView* matchView() const { return match_; }
    // "Démonstration": the computer plays a game of its own in the single game's place until a
    // key or a menu command.
    void startDemo();
    void stopDemo();
    Demonstration* demo() const { return demo_.get(); }

    // What the board, or the match, asks of the window.
    void pauseChanged(bool paused) override;
    void windowShake(int dy) override;
    void panicChanged(bool hidden) override;
    void recordOffered() override;
    bool recordQualifies(int32_t level, int32_t smileysLeft) override;
    void clockTicked() override;
    void matchEnded() override;
    void rematch() override;
    void replayEnded(bool proved) override;

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
    void buildAnimationMenus(QMenu* options);
    void buildSmileyMenus(QMenu* options);
    void buildDisplayMenu(QMenu* options);
    // Every caption of the menus and the message line, in the language in use.
    void retranslate();
    // Every group of settings, applied when the model says it changed (listenToSettings) and
    // all at once at start-up (applySettings).
    void listenToSettings();
    void applySettings();
    void applyParameters(); // laid out, drawn, and a new game, as "Nouvelle partie" does
    void applyBindings();   // the bindings, the menu shortcuts and the game's key repeat
    void applyLanguage();
    void applyAnimations();
    void showLayout(); // the check marks, the cell size and the window's layout
    void applyLayout();
    void applySmileys();

    // Commands (commands.cpp).
    void chooseSmileyColour(int colourIndex);
    void defaultSmileyColours();
    void toggleColourSymbols();
    void chooseSmileySize(int smileySize, const char* item);
    void checkSmileySize();
    void toggleBand(int32_t Settings::*field);
    void chooseMessageFont();
    void applyMessageFont();
    QColor borderColour() const;
    // Input (main_window.cpp): what an action does, from a key or a pad button.
    void act(Action action, bool pressed, bool gameRepeat);
    bool gameRepeat() const;
    std::optional<Command> secondPlayerMove(QKeyCombination key) const;
    // The items a match has no use for are greyed while it plays; F2 starts the next match.
    void showMatchMenus();
    // The single board on screen: the player's, or the demonstration's.
    Board& shownBoard() { return demo_ ? demo_->board() : board_; }
    // What the window shows: that board, or a match.
    Stage& stage() { return match_ ? static_cast<Stage&>(*match_) : shownBoard(); }
    // The match view in place of the single board (or of another match).
    void showMatch(const MatchView::Setup& setup);
    // What the window shows: the single game's board, the demonstration's, a match.
    void showStage(QWidget* stage);
    void stageShown();
    // The end of a match's replay: the ended match it was watched over comes back, else the
    // single game.
    void leaveMatchReplay();
    // The replay on show, a single game's or a match's; null when none is.
    ReplayControls* replayInView();
    // A replay ends for a key not its own (or a menu opened), and the key means what it does.
    void leaveReplay(QKeyCombination key = {});
    // The buttons reach the game only while its window is in front, or the keys page waits
    // for one.
    bool padsHeard() const;
    void showGamepadName(); // in the keys page, if it is open
    void togglePause();
    void panicGame();
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
    MatchView* match_ = nullptr;
    std::unique_ptr<MatchView> matchBehind_; // the ended match a replay was watched over
    std::unique_ptr<Demonstration> demo_;
    DuelDialog* duelDialog_ = nullptr;
    // The controller that plays the right-hand board against a friend; -1 none.
    int secondPad_ = 1;
    ConfigDialog* configDialog_ = nullptr;
    std::unique_ptr<GameFiles> files_;
    Records* records_ = nullptr;
    ReplayPlayer* replays_ = nullptr;
    int cellSize_ = 16;
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
};

} // namespace kp
