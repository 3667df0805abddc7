#include "background/filters.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kp {

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const uint64_t magnitude = static_cast<uint64_t>(product < 0 ? -product : product);
    const uint64_t divisor = static_cast<uint64_t>(c < 0 ? -static_cast<int64_t>(c) : c);
    const uint64_t quotient = (magnitude + divisor / 2) / divisor;
    const bool negative = (product < 0) != (c < 0);
    if (negative) {
        if (quotient > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()) + 1) return -1;
        return static_cast<int32_t>(-static_cast<int64_t>(quotient));
    }
    if (quotient > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return -1;
    return static_cast<int32_t>(quotient);
}

void paintGradient(Bitmap24& bmp, Colour top, Colour bottom) {
    const int r1 = RedOf(top), g1 = GreenOf(top), b1 = BlueOf(top);
    const int dr = RedOf(bottom) - r1, dg = GreenOf(bottom) - g1, db = BlueOf(bottom) - b1;
    for (int i = 0; i < 256; ++i) {
        const Rect band{0, MulDiv(i, bmp.height, 256), bmp.width, MulDiv(i + 1, bmp.height, 256)};
        Fill(bmp, band,
             MakeColour(r1 + MulDiv(i, dr, 255), g1 + MulDiv(i, dg, 255), b1 + MulDiv(i, db, 255)));
    }
}

namespace {

template <typename PixelOp> void ForEachPixel(Bitmap24& bmp, const Rect& rect, PixelOp op) {
    const Rect r = Intersect(rect, bmp.bounds());
    for (int64_t y = r.top; y < r.bottom; ++y) {
        uint8_t* p = bmp.row(static_cast<int>(y)) + r.left * 3;
        for (int64_t x = r.left; x < r.right; ++x, p += 3) op(p);
    }
}

} // namespace

void ToGrayScale(Bitmap24& bmp, const Rect& rect) {
    ForEachPixel(bmp, rect, [](uint8_t* p) {
        const auto g = static_cast<uint8_t>((p[0] + p[1] + p[2]) / 3);
        p[0] = p[1] = p[2] = g;
    });
}

void Negative(Bitmap24& bmp, const Rect& rect) {
    ForEachPixel(bmp, rect, [](uint8_t* p) {
        for (int i = 0; i < 3; ++i) p[i] = static_cast<uint8_t>(255 - p[i]);
    });
}

Hsv RgbToHsv(int r, int g, int b) {
    Hsv out;
    out.v = std::max({r, g, b});
    const int d = out.v - std::min({r, g, b});
    out.s = out.v == 0 ? 0 : d * 255 / out.v;
    if (out.s == 0) return out;
    if (r == out.v)
        out.h = (g - b) * 60 / d;
    else if (g == out.v)
        out.h = (b - r) * 60 / d + 120;
    else
        out.h = (r - g) * 60 / d + 240;
    // Hue 0 means grey, so pure red takes 360.
    if (out.h <= 0) out.h += 360;
    return out;
}

Colour HsvToRgb(const Hsv& hsv) {
    const int s = hsv.s, v = hsv.v;
    int r = 0, g = 0, b = 0;
    if (hsv.h == 0 || s == 0 || v == 0) {
        r = g = b = v;
    } else {
        const int h = hsv.h == 360 ? 0 : hsv.h;
        const int f = h % 60;
        const int p = v - s * v / 255;
        const int t = v - s * v * (60 - f) / 15300;
        const int q = v - s * v * f / 15300;
        switch (h / 60) {
        case 0:
            r = v, g = t, b = p;
            break;
        case 1:
            r = q, g = v, b = p;
            break;
        case 2:
            r = p, g = v, b = t;
            break;
        case 3:
            r = p, g = q, b = v;
            break;
        case 4:
            r = t, g = p, b = v;
            break;
        case 5:
            r = v, g = p, b = q;
            break;
        default:
            break;
        }
    }
    return MakeColour(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

void tintBitmap(Colour target, const Bitmap24& source, Bitmap24& destination) {
    const int hue = RgbToHsv(RedOf(target), GreenOf(target), BlueOf(target)).h;
    const int width = std::min(source.width, destination.width);
    const int height = std::min(source.height, destination.height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Colour c = source.pixel(x, y);
            if (c == KeyRed) continue;
            Hsv hsv = RgbToHsv(RedOf(c), GreenOf(c), BlueOf(c));
            hsv.h = hue;
            destination.setPixel(x, y, HsvToRgb(hsv));
        }
    }
}

} // namespace kp
