#pragma once
// The pixel operations shared by the background and the smiley recolouring: a vertical
// gradient, grey scale, negative and hue replacement. All arithmetic is integer, so a picture
// comes out the same, pixel for pixel, on every machine.

#include "background/bitmap24.h"

#include <cstdint>

namespace kp {

// a * b / c with a 64-bit product, rounded to the nearest integer, halves away from zero;
// -1 when c is 0 or the result does not fit in 32 bits.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// Fills the whole bitmap with 256 horizontal bands going from `top` (first band) to `bottom`
// (last band). Bitmaps under 256 rows skip some bands; taller ones repeat rows.
void paintGradient(Bitmap24& bmp, Colour top, Colour bottom);

// g = (R + G + B) / 3 on every pixel of the rectangle (clipped to the bitmap).
void ToGrayScale(Bitmap24& bmp, const Rect& rect);

// Each component becomes 255 minus itself on every pixel of the rectangle (clipped).
void Negative(Bitmap24& bmp, const Rect& rect);

// Hue 1..360 for a coloured pixel (pure red is 360), 0 for grey; saturation and value 0..255.
struct Hsv {
    int h = 0, s = 0, v = 0;
    bool operator==(const Hsv&) const = default;
};

Hsv RgbToHsv(int r, int g, int b);
// Components clamped to 0..255.
Colour HsvToRgb(const Hsv& hsv);

// The key colour of transparent drawing: pixels of this colour are never recoloured.
constexpr Colour KeyRed = MakeColour(255, 0, 0);

// Writes into `destination` the pixels of `source` with their hue replaced by the hue of
// `target`, keeping saturation and value; key-red pixels leave the destination untouched.
// Only the area both bitmaps share is visited.
void tintBitmap(Colour target, const Bitmap24& source, Bitmap24& destination);

} // namespace kp
