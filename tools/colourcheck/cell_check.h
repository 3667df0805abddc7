#pragma once
// Whether two board cells can be told apart, as seen with a given vision.

#include "colour_vision.h"

#include <QImage>

#include <cstdint>

namespace kp {
class SpriteSet;
}

namespace colourcheck {

// Two colours collapse when their cells differ by less than this (CIEDE2000) in all but a
// quarter of the pixels either cell paints: about what separates two shades of one colour at
// a glance. The quarter is the body; outlines, eyes and teeth look alike in any colour.
inline constexpr double ColourDelta = 10.0;
// A pixel differs at a glance from another when they are this far apart: what a white or
// dark mark makes against the body of a cell.
inline constexpr double StrongDelta = 30.0;
// How many such pixels make a shape that can be seen: one in 32 of the cell's pixels, two at
// 8-pixel cells.
int strongPixelsNeeded(int cellSize);

// A cell as the screen shows it and, alongside, what was drawn there: the cell alone on a
// transparent picture, whose opaque pixels are the ones that count.
struct Cell {
    QImage shown;
    QImage drawn;
};

// The cell of a code at a cell size as the sprite set draws it (with or without symbols, as it
// is set), over black, where the board's cells usually lie.
Cell drawCell(const kp::SpriteSet& sprites, int32_t code, int cellSize);
// The same, with the symbol of another colour index painted over the sprite instead.
Cell drawCellWithSymbol(const kp::SpriteSet& sprites, int32_t code, int cellSize, int symbolColour);

struct Difference {
    double colourDelta = 0; // the CIEDE2000 difference a quarter of the painted pixels reach
    int strongPixels = 0;   // pixels at least StrongDelta apart
};
Difference compare(const Cell& a, const Cell& b, Vision v);

} // namespace colourcheck
