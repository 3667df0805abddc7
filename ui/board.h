#pragma once
// One board on the screen: the rules that play it and the timers that drive them, the view
// that draws it with its counters and next capsule, the message line over it, and the effects
// it asks for. The window holds one and places it; what reaches beyond the board (the pause
// mark, the shake, hiding, the score table) goes to the window through Board::Host.

#include "engine/recorded_game.h"
#include "input/bindings.h"
#include "render/board_painter.h"
#include "render/pinup.h"

#include <QLabel>
#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

namespace kp {

namespace sound {
class SoundEffects;
}

// The board's client area: the painter draws the part of the game each frame asks for.
class BoardView : public QWidget {
  public:
    BoardView(const BoardPainter& painter, const GameState& state, QWidget* parent);
    // Called once, just after the first frame is painted: what can wait for it waits.
    std::function<void()> afterFirstFrame;
    // Draws the board (and the message over it) `dy` pixels lower, the strip it uncovers at the
    // top in `strip`: the shake of a window that cannot move itself.
    void shift(int dy, QColor strip);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const BoardPainter& painter_;
    const GameState& state_;
    int shift_ = 0;
    QColor strip_;
};

// A move of the capsule for an action of the bindings; Other for the rest.
Command commandFor(Action action);

class Board : public QObject, private GameEvents {
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
    BoardPainter& painter() { return painter_; }
    const BoardPainter& painter() const { return painter_; }
    BoardView* view() const { return view_; }
    QLabel* message() const { return message_; }

    // Each timer started or stopped as the rules' table has it (a new game, a replay).
    void followTimers();
    // The message line as the rules have it, worded in the language in use.
    void showMessage();
    // The board's place in the client area: the painter's layout and the message line's place.
    void setLayout(const WindowLayout& layout, int cellSize);
    void setMessageLook(const QFont& font, QColor colour);
    void repaint() { view_->update(); }

    // A move from the player's key or pad button: with the game's own repeat the rules repeat a
    // held direction; otherwise each press (the desktop's repeats included) is one move.
    void play(Command command, bool pressed, bool gameRepeat);

  private:
    void cellChanged(int row, int col, int32_t code) override;
    void boardChanged() override;
    void previewChanged(int col, int32_t code) override;
    void counterChanged(Counter counter) override;
    void messageChanged() override;
    void messageRepaint() override;
    void pauseChanged(bool paused) override { host_.pauseChanged(paused); }
    void timerChanged(TimerId id) override;
    void soundWanted(Sound s) override;
    void windowShake(int dy) override { host_.windowShake(dy); }
    void pinupFrame(int frame, PinupFigure figure) override;
    void panicChanged(bool hidden) override { host_.panicChanged(hidden); }
    void recordOffered() override { host_.recordOffered(); }
    bool recordQualifies(int32_t level, int32_t smileysLeft) override {
        return host_.recordQualifies(level, smileysLeft);
    }
    void placeMessage();

    Host& host_;
    sound::SoundEffects& effects_;
    RecordedGame game_;
    BoardPainter painter_;
    PinupFrames pinups_;
    BoardView* view_;
    QLabel* message_;
    std::array<QTimer, TimerCount> timers_;
};

} // namespace kp
