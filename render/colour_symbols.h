#pragma once
// Colour symbols: with the option on, each of the five colours also carries a shape of its
// own (dot, bar, triangle, square, cross), so that a player who tells some colours apart
// poorly still tells the cells apart. A symbol is a white shape in a dark rim, which stands out
// whatever colour the player gives the smileys, greys included, and sits in the cell's
// lower-right corner, away from the eyes and the gloss, which are on the upper left.

#include <QImage>

namespace kp {

inline constexpr QRgb SymbolCore = 0xFFFFFFFFu; // the shape itself
inline constexpr QRgb SymbolRim = 0xFF181820u;  // the rim around it

// The shape of a colour index (0..4): "dot", "bar", "triangle", "square" or "cross".
const char* colourShapeName(int colourIndex);

// A cellSize x cellSize picture, transparent but for the symbol of the colour index (0..4).
// The 8-, 12- and 16-pixel cells have symbols drawn pixel by pixel; larger cells take the
// 12- or 16-pixel drawing enlarged by a whole factor (24 is twice 12, 32 twice 16, 48 three
// times 16) so every pixel stays square. Other sizes take the largest drawing that fits; cells
// under 8 pixels get an empty picture.
const QImage& colourSymbol(int colourIndex, int cellSize);

} // namespace kp
