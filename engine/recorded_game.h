#pragma once
// The game the window plays: the rules, recording every input they take from outside at the
// time of the table's clock they play on, and able to play a recording back in place of the
// game in progress, which steps aside until the replay is over. Inputs the rules make to
// themselves (a landing that pauses a lost game, a key that resumes a paused one) are not
// inputs, nor are the fires of the table's clock, which a replay's clock fires again: only
// calls from outside are recorded, so each is fed back once.

#include "recording.h"
#include "replay.h"
#include "virtual_clock.h"

#include <functional>
#include <memory>
#include <optional>

namespace kp {

namespace detail {

// Stands between the rules and the window: passes every event on, tells its owner when the
// message line changes (a lost game), and while a replay plays holds back what would reach
// beyond the board: the window's timers, hiding in the notification area, the score offer.
class EventRelay : public GameEvents {
  public:
    explicit EventRelay(GameEvents& to) : to_(to) {}

    void cellChanged(int row, int col, int32_t code) override { to_.cellChanged(row, col, code); }
    void boardChanged() override { to_.boardChanged(); }
    void previewChanged(int col, int32_t code) override { to_.previewChanged(col, code); }
    void counterChanged(Counter c) override { to_.counterChanged(c); }
    void messageChanged() override;
    void messageRepaint() override { to_.messageRepaint(); }
    void pauseChanged(bool paused) override { to_.pauseChanged(paused); }
    void soundWanted(Sound s) override { to_.soundWanted(s); }
    void timerChanged(TimerId id) override;
    void windowShake(int dy) override { to_.windowShake(dy); }
    void pinupFrame(int frame, PinupFigure figure) override { to_.pinupFrame(frame, figure); }
    void panicChanged(bool hidden) override;
    void recordOffered() override;
    bool recordQualifies(int32_t level, int32_t smileysLeft) override;

  protected:
    virtual void messageNoticed() = 0;
    bool watching_ = false;

  private:
    GameEvents& to_;
};

} // namespace detail

class RecordedGame : private detail::EventRelay, public Game {
  public:
    using Finished = std::function<void(const std::shared_ptr<const Recording>&)>;

    explicit RecordedGame(GameEvents& events, uint32_t seed = 0);

    // The clock of the table the game plays on, whose fires reach Game::fire: the inputs are
    // recorded at its time from the game's start, and a new game arms every timer anew, as a
    // replay's new clock does. `catchUp` brings the table up to the wall's time before each
    // input (its driver's), so that the timers due by then fire first.
    void setClock(VirtualClock& clock, std::function<void()> catchUp = {});
    // Told once per finished game: lost, left for another or ended after the player played.
    void setFinishedHandler(Finished finished) { finished_ = std::move(finished); }
    // The game in progress so far, to the table's time.
    const Recording& recording();
    // The game in progress ends with no other after it (the window closes): it is told as
    // finished if the player played, with what was played so far. A replay stops first.
    void endGame();
    // The last finished game; null before any.
    std::shared_ptr<const Recording> lastGame() const { return last_; }

    // Replaying in place. The game in progress is set aside as it is, and nothing from outside
    // reaches the replayed game: the window's inputs are dropped (a change of the window's
    // activity is kept for the game in progress).
    void watch(std::shared_ptr<const Recording> recording);
    bool watching() const { return watching_; }
    const Recording* watched() const { return watched_.get(); }
    // The recording watched, played on a table of its own; null when none is.
    Replay* replay() { return replay_.get(); }
    const Replay* replay() const { return replay_.get(); }
    // Brings the game in progress back as it was.
    void stopWatching();

    // The rules' inputs, recorded (see Game).
    void newGame(const SavedGame* saved = nullptr);
    void restartLevel();
    void skipLevel();
    void markHelped();
    void togglePause();
    void pause();
    void resume();
    void panic();
    void unhide();
    void setWindowActive(bool active);
    void handle(Command command);
    void press(Command command);
    void release(Command command);
    void setKeyRepeat(int32_t delay, int32_t interval);
    void setParameters(const LevelParameters& p);
    void setSmileyAnimation(int32_t value);
    void setRemovalAnimation(int32_t value);
    void setShake(bool on);
    void setPinup(int32_t value);
    // A timer fired from outside the table's clock: an input like any other.
    void fire(TimerId id);

  private:
    // Notes an input; false while a replay plays, when the input must not reach the game.
    bool record(InputKind kind, int32_t value = 0, int32_t value2 = 0);
    // The table's time from the game's start, once it has caught up with the wall.
    int64_t tableTime();
    void messageNoticed() override;
    void finish();

    VirtualClock* clock_ = nullptr;
    std::function<void()> catchUp_;
    Finished finished_;
    Recording live_;
    int64_t origin_ = 0;
    bool over_ = false; // the game in progress has been handed over as finished
    std::shared_ptr<const Recording> last_;

    std::shared_ptr<const Recording> watched_;
    std::unique_ptr<Replay> replay_;
    std::unique_ptr<GameState> held_; // the game in progress while a replay plays
    uint32_t heldSeed_ = 0;
    std::optional<bool> heldActive_;
};

} // namespace kp
