// Smiley faces. The four frames loop as a little scene: a glance to the left, one to the
// right, a big grin, then a blink before the next glance.
#include "pixmap.h"
#include "sprites.h"

#include <cmath>

namespace artgen {

namespace {

// Face features per frame, over the shaded ball. W eye white, P pupil, o ink line, t teeth,
// m inside of the mouth.
const char* const kFaces[4][12] = {
    {"................", "................", "................", "................",
     "....WW....WW....", "...PPWW..PPWW...", "...PPWW..PPWW...", "...PPWW..PPWW...",
     "....WW....WW....", "................", ".....o....o.....", "......oooo......"},
    {"................", "................", "................", "................",
     "....WW....WW....", "...WWPP..WWPP...", "...WWPP..WWPP...", "...WWPP..WWPP...",
     "....WW....WW....", "................", ".....o....o.....", "......oooo......"},
    {"................", "................", "................", "................",
     "................", "....oo....oo....", "...o..o..o..o...", "................",
     "................", "....oooooooo....", "....otttttto....", ".....ommmmo....."},
    {"................", "................", "................", "................",
     "................", "................", "...oooo..oooo...", "....oo....oo....",
     "................", "................", ".....o....o.....", "......oooo......"},
};

} // namespace

QImage smiley(int frame, const Palette& palette) {
    constexpr double radius = 7.2, cx = 8.0, cy = 8.0;
    QImage picture = keyedPicture(kCell, kCell);
    paintSolid(
        picture, palette,
        [&](double x, double y) -> std::optional<Normal> {
            if (!insideRound(int(std::floor(x)), int(std::floor(y)), 1, 1, 14)) return std::nullopt;
            const double ox = x - cx, oy = y - cy;
            const double d2 = std::min(ox * ox + oy * oy, radius * radius * 0.98);
            const double z = std::sqrt(radius * radius - d2), n = radius;
            return Normal{ox / n, oy / n, z / n};
        },
        0.985);
    const char* const* face = kFaces[(frame - 1) & 3];
    int y = 0;
    for (int row = 0; row < 12; ++row, ++y)
        stamp(picture, 0, y, {face[row]}, [&](char c) -> std::optional<QRgb> {
            switch (c) {
            case 'W':
                return palette[Tone::White];
            case 't':
                return palette[Tone::White];
            case 'P':
                return palette[Tone::Pupil];
            case 'm':
                return palette[Tone::Pupil];
            case 'o':
                return palette[Tone::Outline];
            default:
                return std::nullopt;
            }
        });
    // The grin's mouth closes below the teeth.
    if (frame == 3)
        stamp(picture, 0, 12, {"......oooo......"},
              [&](char) -> std::optional<QRgb> { return palette[Tone::Outline]; });
    return picture;
}

} // namespace artgen
