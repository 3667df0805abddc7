#include "background/compose.h"

#include "background/filters.h"

#include <cstring>
#include <vector>

namespace kp {

PictureLayout LayOutPicture(const PictureOptions& options, Size64 picture, Size64 client) {
    PictureLayout layout;
    layout.scaled = ScaledSize(options.taille, picture, client);
    layout.placed = PlacedSize(options.mosaique, layout.scaled, client);
    layout.origin = PlacedOrigin(options.positionH, options.positionV, client, layout.placed);
    return layout;
}

namespace {

struct Span {
    int64_t first, end;
};

// Source pixels behind each target pixel of [from, to) when `source` pixels are stretched to
// `target`. Products can pass 64 bits for absurdly thin pictures, hence the wide arithmetic.
std::vector<Span> SourceSpans(int64_t source, int64_t target, int64_t from, int64_t to) {
    using Wide = unsigned __int128;
    std::vector<Span> spans;
    spans.reserve(static_cast<size_t>(to - from));
    for (int64_t u = from; u < to; ++u) {
        auto first = static_cast<int64_t>(Wide(u) * Wide(source) / Wide(target));
        auto end = static_cast<int64_t>(Wide(u + 1) * Wide(source) / Wide(target));
        if (end <= first) { // enlarging: the pixel under the target pixel's centre
            first = static_cast<int64_t>(Wide(2 * u + 1) * Wide(source) / Wide(2 * target));
            end = first + 1;
        }
        spans.push_back({first, end});
    }
    return spans;
}

} // namespace

Bitmap24 StretchPart(const Bitmap24& src, Size64 scaled, const Rect& part) {
    if (src.empty() || scaled.empty() || part.empty()) return {};
    Bitmap24 out = Bitmap24::Make(static_cast<int>(part.width()), static_cast<int>(part.height()));
    const std::vector<Span> xs = SourceSpans(src.width, scaled.width, part.left, part.right);
    const std::vector<Span> ys = SourceSpans(src.height, scaled.height, part.top, part.bottom);
    const int64_t x0 = xs.front().first, x1 = xs.back().end;
    // Per source column, the sums of the source rows behind one target row.
    std::vector<uint64_t> columns(static_cast<size_t>(3 * (x1 - x0)));
    for (int y = 0; y < out.height; ++y) {
        const Span& sy = ys[static_cast<size_t>(y)];
        std::fill(columns.begin(), columns.end(), 0);
        for (int64_t row = sy.first; row < sy.end; ++row) {
            const uint8_t* p = src.row(static_cast<int>(row)) + 3 * x0;
            for (size_t i = 0; i < columns.size(); ++i) columns[i] += p[i];
        }
        const auto rows = static_cast<uint64_t>(sy.end - sy.first);
        uint8_t* q = out.row(y);
        for (const Span& sx : xs) {
            uint64_t sum[3] = {0, 0, 0};
            for (int64_t col = sx.first; col < sx.end; ++col)
                for (int c = 0; c < 3; ++c)
                    sum[c] += columns[static_cast<size_t>(3 * (col - x0) + c)];
            const uint64_t n = rows * static_cast<uint64_t>(sx.end - sx.first);
            for (int c = 0; c < 3; ++c) *q++ = static_cast<uint8_t>((sum[c] + n / 2) / n);
        }
    }
    return out;
}

Bitmap24 ComposeUni(int width, int height, Colour colour) {
    return Bitmap24::Filled(width, height, colour);
}

Bitmap24 ComposeDegrade(int width, int height, Colour top, Colour bottom) {
    Bitmap24 bmp = Bitmap24::Make(width, height);
    Degrade(bmp, top, bottom);
    return bmp;
}

Bitmap24 ComposeLogo(int width, int height, const Bitmap24& logo) {
    Bitmap24 bmp = Bitmap24::Make(width, height);
    Draw(bmp, static_cast<int64_t>(width) - logo.width, 0, logo);
    return bmp;
}

Bitmap24 ComposeImage(const Bitmap24& pixels, const PictureLayout& layout,
                      const PictureOptions& options, int width, int height) {
    Bitmap24 bmp = Bitmap24::Filled(width, height, options.bordure);
    const TileSpan tx =
        VisibleTiles(layout.origin.x, layout.placed.width, layout.scaled.width, width);
    const TileSpan ty =
        VisibleTiles(layout.origin.y, layout.placed.height, layout.scaled.height, height);
    if (tx.first == tx.end || ty.first == ty.end) return bmp;

    Bitmap24 part = StretchPart(pixels, layout.scaled, Rect{tx.from, ty.from, tx.to, ty.to});
    if (part.empty()) return bmp;
    if (options.noirEtBlanc) ToGrayScale(part, part.bounds());
    if (options.negatif) Negative(part, part.bounds());

    const Rect placed{layout.origin.x, layout.origin.y, layout.origin.x + layout.placed.width,
                      layout.origin.y + layout.placed.height};
    const Rect visible = Intersect(placed, bmp.bounds());
    for (int64_t j = ty.first; j < ty.end; ++j) {
        for (int64_t i = tx.first; i < tx.end; ++i) {
            const int64_t tileX = layout.origin.x + i * layout.scaled.width;
            const int64_t tileY = layout.origin.y + j * layout.scaled.height;
            // The part's top-left pixel is the tile's pixel (from, from).
            const int64_t x = tileX + tx.from, y = tileY + ty.from;
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
