#pragma once
// The pin-up animation between levels: a figure crossing a strip at the foot of the board in
// 23 frames, behind the capsule halves still lying there.

#include "render/sprites.h"
#include "render/window_layout.h"

#include "engine/game_state.h"

#include <QImage>
#include <QRect>

namespace kp {

class PinupFrames {
  public:
    static constexpr int Frames = 23;
    // Frame n (1..23) of a figure: YY enters from the left, XX from the right; null when it is
    // missing. Read from the resources when asked, and only the last frame asked is kept: a
    // figure plays for two seconds once a level is won, and reading a frame takes under a
    // tenth of a millisecond (bench/render_bench, BM_PinupFrame).
    const QImage& frame(PinupFigure f, int n) const;
    // The frame's x inside the strip.
    static int offset(PinupFigure f, int n);
    // The strip's uncut width: 130 for XX, 140 for YY.
    static int stripWidth(PinupFigure f);

  private:
    mutable PinupFigure figure_ = PinupFigure::FromLeft;
    mutable int n_ = 0;
    mutable QImage image_;
};

// Where a figure's strip lies in the window, cut to the client width (empty when nothing fits).
QRect pinupStrip(const WindowLayout& layout, PinupFigure figure);

// Draws frame n (1..23) of a figure over the background of its strip, with the capsule halves
// of the board in front; what the painter's clip leaves out of the strip is not drawn.
void drawPinupFrame(QPainter& p, const QImage& background, const WindowLayout& layout, int cellSize,
                    const PinupFrames& frames, const SpriteSet& sprites, const GameState& s,
                    PinupFigure figure, int n);

} // namespace kp
