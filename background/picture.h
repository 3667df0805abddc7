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

struct Picture {
    // The decoded pixels: the whole picture, or 1/2, 1/4 or 1/8 of it for a JPEG that
    // was only needed small.
    Bitmap24 pixels;
    // The picture's own size, which every layout computation uses.
    Size64 size;
    // 1, 2, 4 or 8: how much smaller `pixels` is than the picture.
    int reduction = 1;
};

// Given the picture's own size, the size it will be drawn at. Lets a JPEG be decoded at a
// reduced size when that still gives enough pixels. Without it the picture comes whole.
using WantedSize = std::function<Size64(Size64 picture)>;

std::optional<Picture> LoadBmp(const std::string& path);
std::optional<Picture> LoadJpeg(const std::string& path, const WantedSize& wanted = {});
// As a BMP first, then as a JPEG, whatever the file's extension says.
std::optional<Picture> LoadPicture(const std::string& path, const WantedSize& wanted = {});

} // namespace kp
