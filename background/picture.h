#pragma once
// Reading background pictures from files: BMP by a small reader of our own, JPEG through
// libjpeg-turbo. Any file that is missing, empty, truncated, damaged, not a picture, or
// larger than MaxPicturePixels is refused with nullopt; nothing here throws or exits.

#include "background/bitmap24.h"
#include "background/layout.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kp {

// Larger pictures are refused rather than decoded (a 24-bit copy would pass 300 MB).
constexpr int64_t MaxPicturePixels = 100'000'000;

// What the caller will draw of a picture: the size it is drawn at, and the part of that drawing
// that shows, in its coordinates (empty when nothing shows). Given a size alone, all of it shows.
struct Shown {
    Size64 scaled;
    Rect part;
    Shown(Size64 scaled) : scaled(scaled), part{0, 0, scaled.width, scaled.height} {}
    Shown(Size64 scaled, const Rect& part) : scaled(scaled), part(part) {}
};

struct Picture {
    // The pixels in hand: the part `area` of the picture drawn at `grid` size. Read whole, that
    // is all of the picture at its own size, or at 1/2, 1/4 or 1/8 of it for a JPEG needed
    // small. Read for what shows, it is only the rows and columns behind the part that shows, or
    // that part itself, stretched while reading, when they are many times its size.
    Bitmap24 pixels;
    // The picture's own size, which every layout computation uses.
    Size64 size;
    // 1, 2, 4 or 8: the picture was decoded at 1/reduction of its size.
    int reduction = 1;
    Size64 grid;
    Rect area;
};

// Given the picture's own size, what of it will show. Lets a picture be read only as far as it
// shows, and a JPEG be decoded at a reduced size when that still gives enough pixels. Without it
// the picture comes whole.
using WantedPart = std::function<Shown(Size64 picture)>;

std::optional<Picture> LoadBmp(const std::string& path, const WantedPart& wanted = {});
std::optional<Picture> LoadJpeg(const std::string& path, const WantedPart& wanted = {});
// As a BMP first, then as a JPEG, whatever the file's extension says.
std::optional<Picture> LoadPicture(const std::string& path, const WantedPart& wanted = {});

} // namespace kp
