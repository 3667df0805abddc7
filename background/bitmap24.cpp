#include "background/bitmap24.h"

#include <algorithm>
#include <cstring>

namespace kp {

Rect Intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.empty()) return {};
    return r;
}

Bitmap24 Bitmap24::Make(int width, int height) {
    Bitmap24 bmp;
    if (width <= 0 || height <= 0) return bmp;
    bmp.width = width;
    bmp.height = height;
    bmp.stride = (width * 3 + 3) & ~3;
    bmp.bytes.assign(static_cast<size_t>(bmp.stride) * static_cast<size_t>(height), 0);
    return bmp;
}

Bitmap24 Bitmap24::Filled(int width, int height, Colour colour) {
    Bitmap24 bmp = Make(width, height);
    Fill(bmp, bmp.bounds(), colour);
    return bmp;
}

void Fill(Bitmap24& bmp, const Rect& rect, Colour colour) {
    const Rect r = Intersect(rect, bmp.bounds());
    if (r.empty()) return;
    const uint8_t bgr[3] = {static_cast<uint8_t>(BlueOf(colour)),
                            static_cast<uint8_t>(GreenOf(colour)),
                            static_cast<uint8_t>(RedOf(colour))};
    const size_t n = static_cast<size_t>(r.width()) * 3;
    uint8_t* first = bmp.row(static_cast<int>(r.top)) + r.left * 3;
    for (size_t i = 0; i < n; i += 3) std::memcpy(first + i, bgr, 3);
    for (int64_t y = r.top + 1; y < r.bottom; ++y)
        std::memcpy(bmp.row(static_cast<int>(y)) + r.left * 3, first, n);
}

void Draw(Bitmap24& dst, int64_t x, int64_t y, const Bitmap24& src) {
    const Rect r = Intersect(Rect{x, y, x + src.width, y + src.height}, dst.bounds());
    if (r.empty()) return;
    const size_t n = static_cast<size_t>(r.width()) * 3;
    for (int64_t row = r.top; row < r.bottom; ++row)
        std::memcpy(dst.row(static_cast<int>(row)) + r.left * 3,
                    src.row(static_cast<int>(row - y)) + (r.left - x) * 3, n);
}

} // namespace kp
