#pragma once
#include "game_state.h"

#include <cstdint>
#include <string>

namespace kp {

enum class Sound { Landing, Removal, LevelWon, HighScore };
enum class Counter { Level, Smileys, Chrono };

// Everything the rules tell the outside world, and the one thing they ask of it. The window
// implements it; tests implement it with a recorder. Every method has a do-nothing default.
class GameEvents {
  public:
    virtual ~GameEvents() = default;

    // A visible board cell (rows 1..rows, columns 1..columns, not a wall) must be redrawn.
    virtual void cellChanged(int /*row*/, int /*col*/, int32_t /*code*/) {}
    // The whole board changed at once (a level set up, a saved game loaded): its cells are not
    // reported one by one, the board is to be drawn whole.
    virtual void boardChanged() {}
    // One half of the next-capsule strip (column 1 or 2) must be redrawn.
    virtual void previewChanged(int /*col*/, int32_t /*code*/) {}
    virtual void counterChanged(Counter) {}
    // The message line's text or visibility changed; or it must be repainted over the smileys.
    virtual void messageChanged() {}
    virtual void messageRepaint() {}
    // The pause check mark moved.
    virtual void pauseChanged(bool /*paused*/) {}
    virtual void soundWanted(Sound) {}
    // A timer's enabled flag or period changed: the driver re-arms it.
    virtual void timerChanged(TimerId) {}
    // Window shake: move the window this many pixels below its resting place (0 to end).
    virtual void windowShake(int /*dy*/) {}
    // Pin-up animation: draw frame 1..23, or erase the figure at 24; 0 after it was cut short.
    virtual void pinupFrame(int /*frame*/, PinupFigure) {}
    // Panic: hide the game in the notification area, or show it again.
    virtual void panicChanged(bool /*hidden*/) {}
    // A lost game qualifies for the high-score table: ask the player's name (may be modal).
    virtual void recordOffered() {}

    // Whether a lost game at this level with this many smileys left enters the score table.
    virtual bool recordQualifies(int32_t /*level*/, int32_t /*smileysLeft*/) { return false; }
};

} // namespace kp
