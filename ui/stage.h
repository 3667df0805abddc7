#pragma once
// What the window shows in its middle: a board alone (the player's game, or the
// demonstration's) or a match of two. The window asks the same of it whichever it is.

#include "engine/game_state.h"

class QImage;
class QWidget;

namespace kp {

class Stage {
  public:
    virtual QWidget* widget() = 0;
    // The parameters its boards play with.
    virtual const LevelParameters& parameters() const = 0;
    // Its first board's pause: the player's.
    virtual bool paused() const = 0;
    virtual void togglePause() = 0;
    virtual void panic() = 0;
    virtual void unhide() = 0;
    // The composed background, as wide as the stage.
    virtual void setBackground(const QImage& background) = 0;
    // Drawn again whole.
    virtual void redraw() = 0;

  protected:
    ~Stage() = default;
};

} // namespace kp
