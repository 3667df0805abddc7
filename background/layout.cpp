#include "background/layout.h"

#include <algorithm>

namespace kp {

Size64 ScaledSize(int sizeChoice, Size64 picture, Size64 client) {
    const int64_t sw = picture.width, sh = picture.height;
    const int64_t cw = client.width, ch = client.height;
    if (sw <= 0 || sh <= 0) return {};
    switch (sizeChoice) {
    case NormalSize:
        return {sw, sh};
    case Stretched:
        return {cw, ch};
    case FitWidth:
        return {cw, sh * cw / sw};
    case FitHeight:
        return {sw * ch / sh, ch};
    case Size25:
        return {sw / 4, sh / 4};
    case Size50:
        return {sw * 2 / 4, sh * 2 / 4};
    case Size75:
        return {sw * 3 / 4, sh * 3 / 4};
    case Size150:
        return {sw * 6 / 4, sh * 6 / 4};
    case Size200:
        return {sw * 2, sh * 2};
    default:
        return {};
    }
}

Size64 PlacedSize(bool tiled, Size64 scaled, Size64 client) {
    if (!tiled) return scaled;
    if (scaled.empty()) return {};
    // Whole tiles, added one at a time until the client size is reached.
    const auto cover = [](int64_t client, int64_t tile) {
        return client <= 0 ? 0 : (client + tile - 1) / tile * tile;
    };
    return {cover(client.width, scaled.width), cover(client.height, scaled.height)};
}

int64_t Offset(int position, int64_t client, int64_t placed) {
    switch (position) {
    case AlignCentre:
        return (client - placed) / 2;
    case AlignEnd:
        return client - placed;
    default:
        return 0;
    }
}

Point64 PlacedOrigin(int positionH, int positionV, Size64 client, Size64 placed) {
    return {Offset(positionH, client.width, placed.width),
            Offset(positionV, client.height, placed.height)};
}

TileSpan VisibleTiles(int64_t origin, int64_t placed, int64_t tile, int64_t client) {
    if (tile <= 0 || placed <= 0) return {};
    const int64_t a = std::max<int64_t>(origin, 0);
    const int64_t b = std::min(origin + placed, client);
    if (b <= a) return {};
    TileSpan span;
    span.first = (a - origin) / tile;
    span.end = (b - origin - 1) / tile + 1;
    if (span.end - span.first == 1) {
        span.from = a - origin - span.first * tile;
        span.to = b - origin - span.first * tile;
    } else {
        span.to = tile;
    }
    return span;
}

bool BorderVisible(Size64 placed, Size64 client) {
    return placed.width < client.width || placed.height < client.height;
}

int ChooseReduction(Size64 picture, Size64 wanted) {
    for (int divisor : {8, 4, 2}) {
        const Size64 reduced = ReducedSize(picture, divisor);
        if (reduced.width >= wanted.width && reduced.height >= wanted.height) return divisor;
    }
    return 1;
}

Size64 ReducedSize(Size64 picture, int reduction) {
    return {(picture.width + reduction - 1) / reduction,
            (picture.height + reduction - 1) / reduction};
}

} // namespace kp
