#pragma once
// The pin-up animation between levels: a figure crossing a strip at the foot of the board in
// 23 frames, behind the capsule halves still lying there.

#include "render/sprites.h"
#include "render/window_layout.h"

#include "engine/game_state.h"

#include <QImage>
#include <QRect>

#include <array>

namespace kp {

struct PinupFrames {
    static constexpr int Frames = 23;
    // Frame n (1..23) of each figure: YY enters from the left, XX from the right.
    std::array<QImage, Frames> fromLeft, fromRight;
    bool load(); // from the resources; false when a frame is missing

    const QImage& frame(PinupFigure f, int n) const {
        return (f == PinupFigure::FromRight ? fromRight : fromLeft)[n - 1];
    }
    // The frame's x inside the strip.
    static int offset(PinupFigure f, int n);
    // The strip's uncut width: 130 for XX, 140 for YY.
    static int stripWidth(PinupFigure f);
};

// Composes frame n (1..23; 24 draws the background alone) of a figure over the background,
// with the capsule halves of the board in front, into `target` at (1, PinupY). Returns the
// rectangle drawn.
QRect drawPinupFrame(QImage& target, const QImage& background, const WindowLayout& layout,
                     int cellSize, const PinupFrames& frames, const SpriteSet& sprites,
                     const GameState& s, PinupFigure figure, int n);

} // namespace kp
