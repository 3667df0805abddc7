#include "background/compose.h"

#include "background/filters.h"
#include "background/part.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace kp {

PictureLayout LayOutPicture(const PictureOptions& options, Size64 picture, Size64 client) {
    PictureLayout layout;
    layout.scaled = ScaledSize(options.sizeChoice, picture, client);
    layout.placed = PlacedSize(options.tiled, layout.scaled, client);
    layout.origin = PlacedOrigin(options.positionH, options.positionV, client, layout.placed);
    return layout;
}

Shown ShownOf(const PictureLayout& layout, Size64 client) {
    const TileSpan tx =
        VisibleTiles(layout.origin.x, layout.placed.width, layout.scaled.width, client.width);
    const TileSpan ty =
        VisibleTiles(layout.origin.y, layout.placed.height, layout.scaled.height, client.height);
    if (tx.first == tx.end || ty.first == ty.end) return {layout.scaled, Rect{}};
    return {layout.scaled, Rect{tx.from, ty.from, tx.to, ty.to}};
}

bool Holds(const Picture& picture, const Shown& shown) {
    if (shown.part.empty()) return true;
    const bool fineEnough = picture.grid == shown.scaled ||
                            (picture.grid == ReducedSize(picture.size, picture.reduction) &&
                             ChooseReduction(picture.size, shown.scaled) >= picture.reduction);
    const Rect needed = SourceArea(picture.grid, shown.scaled, shown.part);
    return fineEnough && Intersect(needed, picture.area) == needed;
}

namespace {

// Along one axis, the target pixels [from, to) whose source pixels lie within [first, end).
// Both ends of the spans grow with the target pixel, so these pixels follow each other.
std::pair<int64_t, int64_t> Covered(int64_t source, int64_t target, int64_t from, int64_t to,
                                    int64_t first, int64_t end) {
    const std::vector<Span> spans = SourceSpans(source, target, from, to);
    const auto lo = std::partition_point(spans.begin(), spans.end(),
                                         [&](const Span& s) { return s.first < first; });
    const auto hi =
        std::partition_point(lo, spans.end(), [&](const Span& s) { return s.end <= end; });
    return {from + (lo - spans.begin()), from + (hi - spans.begin())};
}

// The part of `part` whose source pixels the picture holds: all of it, unless the pixels in hand
// were read for another layout.
Rect CoveredPart(const Picture& picture, Size64 scaled, const Rect& part) {
    if (picture.pixels.empty() || scaled.empty() || part.empty()) return {};
    const Rect& a = picture.area;
    const auto [left, right] =
        Covered(picture.grid.width, scaled.width, part.left, part.right, a.left, a.right);
    const auto [top, bottom] =
        Covered(picture.grid.height, scaled.height, part.top, part.bottom, a.top, a.bottom);
    return Intersect(Rect{left, top, right, bottom}, part);
}

} // namespace

Bitmap24 StretchPart(const Picture& src, Size64 scaled, const Rect& part) {
    if (src.pixels.empty() || scaled.empty() || part.empty()) return {};
    RowStretcher stretcher(src.grid, scaled, part, false);
    const Rect& needed = stretcher.needed();
    for (int64_t y = needed.top; y < needed.bottom; ++y)
        stretcher.add(y, src.pixels.row(static_cast<int>(y - src.area.top)), src.area.left);
    return stretcher.take();
}

Bitmap24 composePlain(int width, int height, Colour colour) {
    return Bitmap24::Filled(width, height, colour);
}

Bitmap24 composeGradient(int width, int height, Colour top, Colour bottom) {
    Bitmap24 bmp = Bitmap24::Make(width, height);
    paintGradient(bmp, top, bottom);
    return bmp;
}

Bitmap24 ComposeLogo(int width, int height, const Bitmap24& logo) {
    Bitmap24 bmp = Bitmap24::Make(width, height);
    Draw(bmp, static_cast<int64_t>(width) - logo.width, 0, logo);
    return bmp;
}

Bitmap24 ComposeImage(const Picture& picture, const PictureLayout& layout,
                      const PictureOptions& options, int width, int height) {
    Bitmap24 bmp = Bitmap24::Filled(width, height, options.border);
    const TileSpan tx =
        VisibleTiles(layout.origin.x, layout.placed.width, layout.scaled.width, width);
    const TileSpan ty =
        VisibleTiles(layout.origin.y, layout.placed.height, layout.scaled.height, height);
    if (tx.first == tx.end || ty.first == ty.end) return bmp;

    const Rect drawn = CoveredPart(picture, layout.scaled, Rect{tx.from, ty.from, tx.to, ty.to});
    Bitmap24 part = StretchPart(picture, layout.scaled, drawn);
    if (part.empty()) return bmp;
    if (options.greyscale) ToGrayScale(part, part.bounds());
    if (options.negative) Negative(part, part.bounds());

    const Rect placed{layout.origin.x, layout.origin.y, layout.origin.x + layout.placed.width,
                      layout.origin.y + layout.placed.height};
    const Rect visible = Intersect(placed, bmp.bounds());
    for (int64_t j = ty.first; j < ty.end; ++j) {
        for (int64_t i = tx.first; i < tx.end; ++i) {
            const int64_t tileX = layout.origin.x + i * layout.scaled.width;
            const int64_t tileY = layout.origin.y + j * layout.scaled.height;
            // The part's top-left pixel is the tile's pixel (drawn.left, drawn.top).
            const int64_t x = tileX + drawn.left, y = tileY + drawn.top;
            const Rect target = Intersect(Rect{x, y, x + part.width, y + part.height}, visible);
            for (int64_t row = target.top; row < target.bottom; ++row)
                std::memcpy(bmp.row(static_cast<int>(row)) + 3 * target.left,
                            part.row(static_cast<int>(row - y)) + 3 * (target.left - x),
                            static_cast<size_t>(3 * target.width()));
        }
    }
    return bmp;
}

} // namespace kp
