#pragma once
// What the window shows in its middle: a board alone (the player's game, or the
// demonstration's) or a match of two. The window asks the same of it whichever it is.

#include "engine/game.h"
#include "render/window_layout.h"

#include <QColor>

class QFont;
class QImage;
class QWidget;

namespace kp {

class ReplayControls;

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

    // What the stage holds beside its first board, `boardWidth` pixels wide, at a cell size: a
    // match's strip and second board.
    virtual int besideWidth(int boardWidth, int cellSize) const = 0;
    // Its first board laid out as a single board would be (the others beside it), the stage
    // sized to hold them all.
    virtual void setLayout(const WindowLayout& board, int cellSize) = 0;
    virtual void setMessageLook(const QFont& font, QColor colour) = 0;

    // Whether a person at this keyboard plays board p.
    virtual bool played(int p) const = 0;
    // A move of the person at board p, from a key or a pad button (p < 0: a key of no board,
    // which still resumes a paused game); with the game's own repeat, a held key's press and
    // release, otherwise one move a press.
    virtual void play(int p, Command command, bool pressed, bool gameRepeat) = 0;
    // "Indice", where the stage has a coach.
    virtual void hint() {}
    // The controls of the replay it plays; null when it plays none.
    virtual ReplayControls* replayControls() const { return nullptr; }

  protected:
    ~Stage() = default;
};

} // namespace kp
