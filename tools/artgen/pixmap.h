// Picture helpers shared by every generator: the key colour, 24-bit PNG output and the
// game's own integer hue replacement, used here to check how recoloured sprites will look.
#pragma once

#include "background/filters.h"

#include <QImage>
#include <QString>

namespace artgen {

// Pure red marks transparent pixels in every keyed picture of the game.
inline constexpr QRgb kKey = 0xffff0000u;

inline bool isKey(QRgb c) {
    return (c & 0xffffffu) == 0xff0000u;
}

// A picture of the given size filled with the key colour.
QImage keyedPicture(int width, int height);

// Writes a 24-bit RGB PNG (no alpha channel), creating the folder if needed.
void savePicture(const QImage& picture, const QString& path);

// Writes a PNG with alpha, for icons and cursors.
void saveWithAlpha(const QImage& picture, const QString& path);

// Hue 1..360 for a coloured pixel, 0 for a grey one; saturation and value 0..255.
using Hsv = kp::Hsv;

// Integer conversions exactly as the game's recolouring performs them.
Hsv toHsv(QRgb colour);
QRgb fromHsv(Hsv hsv);

// The game's hue replacement: every non-key pixel keeps its saturation and value and takes
// the hue of target; key pixels stay key.
QImage tinted(const QImage& reference, QRgb target);

// Converts key pixels to transparent ones.
QImage keyToAlpha(const QImage& picture);

// Nearest-neighbour enlargement by an integer factor.
QImage enlarged(const QImage& picture, int factor);

} // namespace artgen
