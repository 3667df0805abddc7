#include "colour_symbols.h"

#include <array>
#include <map>
#include <utility>

namespace kp {

namespace {

// One drawing: the shapes of the five colours at one cell size, '#' for the white core. The
// rim is added around each core.
struct Drawing {
    int cell;                                 // the cell size it is drawn for
    std::array<std::array<const char*, 5>, 5> // rows of each shape, blank rows unused
        shapes;
};

// clang-format off
// 8 pixels: a three-pixel core, where only the outline can tell shapes apart.
constexpr Drawing Small{8, {{
    {"...", ".#.", "..."},          // dot
    {"...", "###", "..."},          // bar
    {"...", ".#.", "###"},          // triangle
    {"###", "#.#", "###"},          // square
    {"#.#", ".#.", "#.#"},          // cross
}}};
// 12 pixels: four; any two shapes differ in at least six pixels.
constexpr Drawing Medium{12, {{
    {".##.", "####", "####", ".##."},
    {"....", "####", "....", "...."},
    {"....", ".##.", "####", "####"},
    {"####", "#..#", "#..#", "####"},
    {"#..#", ".##.", ".##.", "#..#"},
}}};
// 16 pixels: five. Any two shapes differ in at least twelve of the core's pixels.
constexpr Drawing Large{16, {{
    {".###.", "#####", "#####", "#####", ".###."},
    {".....", ".....", "#####", ".....", "....."},
    {"..#..", "..#..", ".###.", ".###.", "#####"},
    {"#####", "#...#", "#...#", "#...#", "#####"},
    {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"},
}}};
// clang-format on

constexpr std::array<const char*, 5> ShapeNames{"dot", "bar", "triangle", "square", "cross"};

// The drawing and enlargement for a cell size: an exact fit if there is one (the larger
// drawing first), else the largest that fits.
std::pair<const Drawing*, int> drawingFor(int cellSize) {
    const Drawing* best = &Small;
    int bestFactor = 1;
    for (const Drawing* d : {&Large, &Medium, &Small}) {
        const int factor = cellSize / d->cell;
        if (factor < 1) continue;
        if (factor * d->cell == cellSize) return {d, factor};
        if (factor * d->cell > best->cell * bestFactor) best = d, bestFactor = factor;
    }
    return {best, bestFactor};
}

// The symbol at the drawing's own size, in a cell of that size: the core's lower-right corner
// one pixel in from the cell's, so the rim reaches the cell's edge.
QImage drawnSymbol(const Drawing& d, int colourIndex) {
    const auto& rows = d.shapes[colourIndex];
    int coreSize = 0;
    while (coreSize < 5 && rows[coreSize]) ++coreSize;
    const int origin = d.cell - 1 - coreSize;
    auto core = [&](int x, int y) {
        const int cx = x - origin, cy = y - origin;
        return cx >= 0 && cy >= 0 && cx < coreSize && cy < coreSize && rows[cy][cx] == '#';
    };
    QImage out(d.cell, d.cell, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    for (int y = 0; y < d.cell; ++y)
        for (int x = 0; x < d.cell; ++x) {
            if (core(x, y))
                out.setPixel(x, y, SymbolCore);
            else if (core(x - 1, y) || core(x + 1, y) || core(x, y - 1) || core(x, y + 1))
                out.setPixel(x, y, SymbolRim);
        }
    return out;
}

QImage makeSymbol(int colourIndex, int cellSize) {
    const auto [drawing, factor] = drawingFor(cellSize);
    const QImage drawn = drawnSymbol(*drawing, colourIndex);
    const int size = drawing->cell * factor;
    QImage out(cellSize, cellSize, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    const int offset = cellSize - size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            out.setPixel(offset + x, offset + y, drawn.pixel(x / factor, y / factor));
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

const char* colourShapeName(int colourIndex) {
    return colourIndex >= 0 && colourIndex < 5 ? ShapeNames[colourIndex] : "";
}

const QImage& colourSymbol(int colourIndex, int cellSize) {
    static std::map<std::pair<int, int>, QImage> made;
    static const QImage none;
    if (colourIndex < 0 || colourIndex > 4 || cellSize < Small.cell) return none;
    QImage& symbol = made[{colourIndex, cellSize}];
    if (symbol.isNull()) symbol = makeSymbol(colourIndex, cellSize);
    return symbol;
}

} // namespace kp
