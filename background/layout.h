#pragma once
// The arithmetic of a picture background: how large the picture is drawn, where it goes,
// and where its tiles fall. Sizes are 64-bit because a fitted size can exceed 32 bits for a
// very thin picture; every division truncates toward zero as the game always did.

#include "background/bitmap24.h"

#include <cstdint>

namespace kp {

struct Size64 {
    int64_t width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const Size64&) const = default;
};

struct Point64 {
    int64_t x = 0, y = 0;
    bool operator==(const Point64&) const = default;
};

// "ImageFondTaille" values.
enum PictureSize : int {
    NormalSize = 0,
    Stretched = 1,
    FitWidth = 2,
    FitHeight = 3,
    Size25 = 4,
    Size50 = 5,
    Size75 = 6,
    Size150 = 7,
    Size200 = 8,
};

// "ImageFondPositionH" / "ImageFondPositionV" values.
enum Alignment : int { AlignStart = 0, AlignCentre = 1, AlignEnd = 2 };

// The size the picture is drawn at. A picture without pixels, or an unknown size setting,
// gives 0 x 0.
Size64 ScaledSize(int sizeChoice, Size64 picture, Size64 client);

// The size of the placed picture: the scaled one, or with tiling the smallest whole number of
// tiles that covers the client area. A tile without area cannot cover anything: 0 x 0.
Size64 PlacedSize(bool tiled, Size64 scaled, Size64 client);

// Where the placed picture's top-left corner goes; negative values crop it.
int64_t Offset(int position, int64_t client, int64_t placed);
Point64 PlacedOrigin(int positionH, int positionV, Size64 client, Size64 placed);

// Along one axis, the tiles of the placed picture that show in the client area. Tiles are
// numbered from 0 at the placed picture's origin; tile i starts at origin + i * tile and is
// cropped to the placed picture and to the client. [from, to) is the part of a tile that
// shows: the whole tile when two or more tiles show (only possible for a tile narrower than
// the client), else the cropped part of the one tile. Empty (first == end) when nothing shows.
struct TileSpan {
    int64_t first = 0, end = 0;
    int64_t from = 0, to = 0;
    bool operator==(const TileSpan&) const = default;
};
TileSpan VisibleTiles(int64_t origin, int64_t placed, int64_t tile, int64_t client);

// True when the placed picture leaves some of the client area to the border colour.
bool BorderVisible(Size64 placed, Size64 client);

// JPEG pictures can be decoded at 1/2, 1/4 or 1/8 of their size. The largest of these
// divisors whose rounded-up result still has at least `wanted` pixels each way; 1 otherwise.
int ChooseReduction(Size64 picture, Size64 wanted);
// The size of the picture decoded at 1/reduction: each side divided, rounded up.
Size64 ReducedSize(Size64 picture, int reduction);

} // namespace kp
