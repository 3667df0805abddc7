#pragma once
// A board on the screen. BoardDisplay is what shows and sounds of one game: the view that
// draws it with its counters and next capsule, the message line over it, its effects. Board is
// the single-player board: a display with the rules that play it and the timers that drive
// them; what reaches beyond it (the pause mark, the shake, hiding, the score table) goes to the
// window through Board::Host. A match shows its two games on two displays of its own.

#include "engine/recorded_game.h"
#include "engine/table.h"
#include "engine/virtual_clock.h"
#include "input/bindings.h"
#include "render/board_painter.h"
#include "render/pinup.h"
#include "ui/clock_driver.h"
#include "ui/stage.h"

#include <QLabel>
#include <QObject>

#include <array>
#include <functional>
#include <optional>

namespace kp {

namespace sound {
class SoundEffects;
}

// The board's client area: the painter draws the part of the game each frame asks for.
class BoardView : public QWidget {
  public:
    BoardView(const BoardPainter& painter, QWidget* parent);
    // The game it draws.
    void setState(const GameState& state) { state_ = &state; }
    // Called once, just after the first frame is painted: what can wait for it waits.
    std::function<void()> afterFirstFrame;
    // Draws the board (and the message over it) `dy` pixels lower, the strip it uncovers at the
    // top in `strip`: the shake of a window that cannot move itself.
    void shift(int dy, QColor strip);
    // An outline where the falling capsule would best land; none to take it away.
    void setHint(std::optional<Capsule> hint);
    const std::optional<Capsule>& hint() const { return hint_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const BoardPainter& painter_;
    const GameState* state_ = nullptr;
    QRect hintArea() const;

    int shift_ = 0;
    QColor strip_;
    std::optional<Capsule> hint_;
};

// A move of the capsule for an action of the bindings; Other for the rest.
Command commandFor(Action action);

// Answers what the rules say about drawing and sound; the rest goes on to `beyond`, if any.
class BoardDisplay : public GameEvents {
  public:
    BoardDisplay(sound::SoundEffects& effects, const SpriteSet& sprites,
                 const CounterDigits& digits, QWidget* parent, GameEvents* beyond = nullptr);
    // The game it shows; nothing is drawn before it is known.
    void setState(const GameState& state);

    BoardPainter& painter() { return painter_; }
    const BoardPainter& painter() const { return painter_; }
    BoardView* view() const { return view_; }
    QLabel* message() const { return message_; }
    // Where its effects sound: the mixer's voice and the side (-1 left .. 1 right).
    void setSoundPlace(int voice, float pan) {
        voice_ = voice;
        pan_ = pan;
    }

    // The message line as the rules have it, worded in the language in use.
    void showMessage();
    // The board's place in the client area: the painter's layout and the message line's place.
    void setLayout(const WindowLayout& layout, int cellSize);
    void setMessageLook(const QFont& font, QColor colour);
    void repaint() { view_->update(); }
    // An outline on the board where the capsule would best land, until it lands.
    void showHint(const Capsule& landing) { view_->setHint(landing); }

    void cellChanged(int row, int col, int32_t code) override;
    void boardChanged() override;
    void previewChanged(int col, int32_t code) override;
    void counterChanged(Counter counter) override;
    void messageChanged() override;
    void messageRepaint() override;
    void soundWanted(Sound s) override;
    void pinupFrame(int frame, PinupFigure figure) override;
    void pauseChanged(bool paused) override;
    void timerChanged(TimerId id) override;
    void windowShake(int dy) override;
    void panicChanged(bool hidden) override;
    void recordOffered() override;
    bool recordQualifies(int32_t level, int32_t smileysLeft) override;

  private:
    void placeMessage();

    GameEvents* beyond_;
    const GameState* state_ = nullptr;
    sound::SoundEffects& effects_;
    BoardPainter painter_;
    PinupFrames pinups_;
    BoardView* view_;
    QLabel* message_;
    int voice_ = 0;
    float pan_ = 0.0f;
};

class Board : public QObject, public Stage, private GameEvents {
  public:
    // What a board asks of the window around it.
    class Host {
      public:
        virtual void pauseChanged(bool paused) = 0;
        virtual void windowShake(int dy) = 0;
        virtual void panicChanged(bool hidden) = 0;
        virtual void recordOffered() = 0;
        virtual bool recordQualifies(int32_t level, int32_t smileysLeft) = 0;
        // After each tick of the game's clock (once a second while a level plays).
        virtual void clockTicked() = 0;

      protected:
        ~Host() = default;
    };

    Board(Host& host, sound::SoundEffects& effects, const SpriteSet& sprites,
          const CounterDigits& digits, QWidget* parent);

    RecordedGame& game() { return game_; }
    const RecordedGame& game() const { return game_; }
    BoardPainter& painter() { return display_.painter(); }
    const BoardPainter& painter() const { return display_.painter(); }
    BoardView* view() const { return display_.view(); }
    QLabel* message() const { return display_.message(); }

    // The clock runs the game in view on from where it stood; it stands still while a replay,
    // on a clock of its own, is shown.
    void followTimers();
    void showMessage() { display_.showMessage(); }
    void repaint() { display_.repaint(); }

    // As a stage in the window.
    QWidget* widget() override { return view(); }
    const LevelParameters& parameters() const override { return game_.state().params; }
    bool paused() const override { return game_.state().paused; }
    void togglePause() override { game_.togglePause(); }
    void panic() override { game_.panic(); }
    void unhide() override { game_.unhide(); }
    void setBackground(const QImage& background) override { painter().setBackground(background); }
    void redraw() override { repaint(); }
    int besideWidth(int, int) const override { return 0; }
    void setLayout(const WindowLayout& layout, int cellSize) override;
    void setMessageLook(const QFont& font, QColor colour) override {
        display_.setMessageLook(font, colour);
    }
    bool played(int p) const override { return p == 0; }
    // A move from the player's key or pad button: with the game's own repeat the rules repeat a
    // held direction; otherwise each press (the desktop's repeats included) is one move.
    void play(int p, Command command, bool pressed, bool gameRepeat) override;
    void hint() override { showHint(); }
    // Someone other than the person at the keys plays the board (the demonstration's computer).
    void seat(Seat* seat);
    // "Indice": where the computer's best player would put the falling capsule, outlined until
    // the capsule lands. The game counts as helped, as a restarted level does.
    void showHint();

  private:
    void pauseChanged(bool paused) override { host_.pauseChanged(paused); }
    void timerChanged(TimerId id) override;
    void windowShake(int dy) override { host_.windowShake(dy); }
    void panicChanged(bool hidden) override { host_.panicChanged(hidden); }
    void recordOffered() override { host_.recordOffered(); }
    bool recordQualifies(int32_t level, int32_t smileysLeft) override {
        return host_.recordQualifies(level, smileysLeft);
    }

    Host& host_;
    // Declared before the rules, which tell it of the first board as they are made.
    BoardDisplay display_;
    RecordedGame game_;
    VirtualClock clock_;
    Table table_;
    ClockDriver driver_;
};

} // namespace kp
