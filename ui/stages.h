#pragma once
// What the window shows in its middle: the single game, the demonstration, a match, or a
// replay of either; the one swap between them; and the keys and pad buttons of the person at
// the window, which go to the stage in view.

#include "ui/board.h"
#include "ui/demonstration.h"
#include "ui/match_view.h"
#include "ui/menu_items.h"
#include "ui/network_session.h"

#include <QKeyCombination>

#include <functional>
#include <memory>
#include <optional>

class QKeyEvent;
class QMainWindow;

namespace kp {

class Controllers;
class DuelDialog;
class MenuBook;
class NetworkDialog;
class Platform;
class Records;
class ReplayPlayer;
class SettingsModel;

// The menu item behind an action that is no move of the capsule; none for a move.
std::optional<Item> menuItemFor(Action action);

class Stages : private MatchView::Host {
  public:
    struct Parts {
        QMainWindow& window;
        Board& board; // the single game's
        // What a board asks of the window: the pause mark, the game hidden or shown.
        Board::Host& host;
        SettingsModel& model;
        sound::SoundEffects& effects;
        const SpriteSet& sprites;
        const CounterDigits& digits;
        Platform& platform;
        Records& records;
        ReplayPlayer& replays;
        Controllers& controllers;
        const Bindings& bindings;
        MenuBook& book;
        // The colour a shaking board uncovers.
        std::function<QColor()> border;
        // The window lays itself out for the stage now in view: its size, background, font.
        std::function<void()> laidOut;
    };
    explicit Stages(Parts parts);
    ~Stages();
    Stages(const Stages&) = delete;
    Stages& operator=(const Stages&) = delete;

    // The stage in view, and the board alone in view (the player's or the demonstration's).
    Stage& stage() { return match_ ? static_cast<Stage&>(*match_) : shownBoard(); }
    Board& shownBoard() { return demo_ ? demo_->board() : p_.board; }
    MatchView* match() const { return match_; }
    Demonstration* demo() const { return demo_.get(); }
    // The replay in view, a single game's or a match's; null when none is.
    ReplayControls* replayInView();
    // While a replay or the demonstration is in view every key is theirs, the menus' too.
    bool takesEveryKey() { return demo_ || replayInView(); }

    // "Démonstration": the computer plays a game of its own in the single game's place until a
    // key or a menu command.
    void startDemo();
    void stopDemo();
    // "Nouveau duel...": a match against the computer or a friend, in place of the single
    // game, until "Partie seul", a new single game or a saved game ends it.
    void chooseMatch();
    // `seed` deals the rounds (by default, from the clock).
    void startMatch(const DuelSettings& duel, std::optional<uint32_t> seed = std::nullopt);
    // "Duel en réseau...": hosting a match for a friend on another computer, or joining one.
    void chooseNetworkMatch();
    // The tests' network match, the computer at this side's board: "host CODE" waits for a
    // guest, "join ADDRESS CODE" joins one (KP_NETWORK_TEST).
    void startNetworkTest(const QString& how);
    void leaveMatch();
    // A match under way is left only when the player says so; true when it may go.
    bool mayLeaveMatch();
    // A recorded match played again on two boards, until any key.
    void watchMatch(std::shared_ptr<const Recording> recording);
    // "Revoir la dernière partie" and "Enregistrer le replay": in a match, the match so far.
    void watchLastGame();
    void saveLastGame();
    // A replay ends for a key not its own (or a menu opened), and the key means what it does:
    // the game in progress, or the match watched over, comes back; a panic key hides the game.
    void leaveReplay(QKeyCombination key = {});
    // Panic, from anywhere: a replay ends, and the game in view hides, paused.
    void panic();

    // The stage in view took the window (a replay took its board, or gave it back): the window
    // lays out for it, and the menus and the pause mark follow it.
    void shown();
    // The items a match has no use for are greyed while it plays; the new-game key plays the
    // next match.
    void showMenus();

    // The person at the window: a key, a pad button.
    void keyPress(const QKeyEvent& event);
    void keyRelease(const QKeyEvent& event);
    void padButton(int pad, int button, bool pressed);

  private:
    void act(Action action, bool pressed, bool gameRepeat);
    bool gameRepeat();
    std::optional<Command> secondPlayerMove(QKeyCombination key);
    void showMatch(const MatchView::Setup& setup);
    MatchView::Setup newMatch(const DuelSettings& duel, std::optional<uint32_t> seed);
    void startNetworkMatch(const NetworkSession::Agreed& agreed, bool computer);
    void networkFailed(const Recording& recording) override;
    void leaveMatchReplay();
    void show(QWidget* stage);

    // What a match asks of the window.
    void pauseChanged(bool paused) override { p_.host.pauseChanged(paused); }
    void panicChanged(bool hidden) override { p_.host.panicChanged(hidden); }
    void matchEnded() override;
    void rematch() override;
    void replayEnded(bool proved) override;

    Parts p_;
    MatchView* match_ = nullptr;
    std::unique_ptr<MatchView> matchBehind_; // the ended match a replay was watched over
    std::unique_ptr<Demonstration> demo_;
    DuelDialog* duelDialog_ = nullptr;
    NetworkDialog* networkDialog_ = nullptr;
    std::unique_ptr<NetworkSession> network_; // the meeting before a network match
    // The controller that plays the right-hand board against a friend; -1 none.
    int secondPad_ = 1;
};

} // namespace kp
