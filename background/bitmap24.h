#pragma once
// A plain 24-bit picture: rows of blue, green, red bytes, top-down (row 0 is the top line),
// each row padded to a multiple of 4 bytes like a device-independent bitmap, so the window
// layer can wrap the bytes as they are (QImage::Format_BGR888 with bytesPerLine = stride).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kp {

// A colour in the settings-file form 0x00BBGGRR (red in the low byte). System colour
// constants must be resolved to RGB by the caller; only the low three bytes are read.
using Colour = uint32_t;

constexpr Colour MakeColour(int r, int g, int b) {
    return static_cast<Colour>(r & 0xFF) | static_cast<Colour>(g & 0xFF) << 8 |
           static_cast<Colour>(b & 0xFF) << 16;
}
constexpr int RedOf(Colour c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
    return static_cast<int>(c >> 8 & 0xFF);
}
constexpr int BlueOf(Colour c) {
    return static_cast<int>(c >> 16 & 0xFF);
}

// Left and top included, right and bottom excluded.
struct Rect {
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    int64_t width() const { return right - left; }
    int64_t height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

Rect Intersect(const Rect& a, const Rect& b);

struct Bitmap24 {
    int width = 0;
    int height = 0;
    int stride = 0; // bytes per row, a multiple of 4
    std::vector<uint8_t> bytes;

    // A black picture; empty (0 x 0) when either side is not positive.
    static Bitmap24 Make(int width, int height);
    static Bitmap24 Filled(int width, int height, Colour colour);

    bool empty() const { return width <= 0 || height <= 0; }
    Rect bounds() const { return {0, 0, width, height}; }
    uint8_t* row(int y) { return bytes.data() + static_cast<size_t>(y) * stride; }
    const uint8_t* row(int y) const { return bytes.data() + static_cast<size_t>(y) * stride; }

    // Unchecked: x and y must lie inside the picture.
    Colour pixel(int x, int y) const {
        const uint8_t* p = row(y) + 3 * x;
        return MakeColour(p[2], p[1], p[0]);
    }
    void setPixel(int x, int y, Colour c) {
        uint8_t* p = row(y) + 3 * x;
        p[0] = static_cast<uint8_t>(BlueOf(c));
        p[1] = static_cast<uint8_t>(GreenOf(c));
        p[2] = static_cast<uint8_t>(RedOf(c));
    }
};

// Fills the part of the rectangle that lies inside the picture.
void Fill(Bitmap24& bmp, const Rect& rect, Colour colour);

// Copies src onto dst with src's top-left corner at (x, y); whatever falls outside dst is
// cropped, so x and y may be negative.
void Draw(Bitmap24& dst, int64_t x, int64_t y, const Bitmap24& src);

} // namespace kp
