// The 16 x 16 cell pictures: capsule halves, smileys and removal bursts.
#pragma once

#include "palette.h"

#include <QImage>
#include <functional>
#include <optional>

namespace artgen {

inline constexpr int kCell = 16;

struct Normal {
    double x, y, z;
};

// Maps a point of the picture (pixel centres at .5) to the unit surface normal of the solid
// seen there, or nothing outside it. Points beyond the picture may be asked for: a capsule
// half continues into its partner's cell, so its flat side gets no outline.
using SolidFn = std::function<std::optional<Normal>(double x, double y)>;

// Paints a solid lit from the top-left: a one-pixel outline, four tones and a gloss spot.
// Only pixels for which only() holds are written, when it is given: two palettes can then
// share one solid (a two-coloured capsule) without an outline between them.
void paintSolid(QImage& picture, const Palette& palette, const SolidFn& solid,
                double glossThreshold = 0.975, int outlineWidth = 1,
                const std::function<bool(int, int)>& only = {});

// Whether pixel (x, y) lies in the hand-drawn disc of the given diameter (12 or 14) whose
// bounding square starts at (left, top).
bool insideRound(int x, int y, int left, int top, int diameter);

// Link: 0 lone half, 1 partner below, 2 partner right, 3 partner above, 4 partner left.
QImage capsuleHalf(int link, const Palette& palette);

// Frames 1..4: glance left, glance right, grin, blink.
QImage smiley(int frame, const Palette& palette);

// Frames 0..4 of the removal animation: a flash, a ring, sparks, embers.
QImage burst(int frame, const Palette& palette);

// Draws a few rows of text art: each character selects a tone through legend; ' ' and '.'
// leave the pixel as it is.
void stamp(QImage& picture, int left, int top, std::initializer_list<const char*> rows,
           const std::function<std::optional<QRgb>(char)>& legend);

} // namespace artgen
