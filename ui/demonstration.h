#pragma once
// "Démonstration": the computer at its Expert level plays a single game by itself, on a board
// of its own that takes the single game's place, until the player presses a key. It plays
// through the same commands as a key, from a seat on the game's clock; its games enter no
// score table, no statistics and no replay, and the player's game waits, paused, behind it.

#include "ui/board.h"

#include <QObject>

#include <functional>
#include <vector>

namespace kp {

class Demonstration : public QObject, private Board::Host, private Seat {
  public:
    Demonstration(const LevelParameters& params, sound::SoundEffects& effects,
                  const SpriteSet& sprites, const CounterDigits& digits, QWidget* window);

    Board& board() { return board_; }
    // The colour a shaking board uncovers.
    QColor border = Qt::black;
    // After each tick of the game's clock, for the window's own watch (the music).
    std::function<void()> onClockTick;

  private:
    int64_t look(int64_t now, const Play& play) override;
    void pauseChanged(bool) override {}
    void windowShake(int dy) override { board_.view()->shift(dy, border); }
    void panicChanged(bool) override {}
    void recordOffered() override {}
    bool recordQualifies(int32_t, int32_t) override { return false; }
    void clockTicked() override {
        if (onClockTick) onClockTick();
    }

    struct Key {
        int64_t at;
        Command command;
    };
    Board board_;
    std::vector<Key> keys_;
    bool planned_ = false;
    int64_t waitFrom_ = -1; // when a pause began (a level's start, a lost game)
};

} // namespace kp
