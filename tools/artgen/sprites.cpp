#include "sprites.h"

#include "pixmap.h"

#include <array>
#include <cmath>
#include <cstring>

namespace artgen {

namespace {

Normal normalised(double x, double y, double z) {
    const double n = std::sqrt(x * x + y * y + z * z);
    return {x / n, y / n, z / n};
}

const Normal kLight = normalised(-0.55, -0.7, 0.62);
const Normal kHalfway = normalised(kLight.x, kLight.y, kLight.z + 1.0);

double dot(Normal a, Normal b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Unit vector from each link towards the partner half.
constexpr std::array<std::array<int, 2>, 5> kTowardsPartner = {
    {{0, 0}, {0, 1}, {1, 0}, {0, -1}, {-1, 0}}};

} // namespace

void paintSolid(QImage& picture, const Palette& palette, const SolidFn& solid,
                double glossThreshold, int outlineWidth,
                const std::function<bool(int, int)>& only) {
    auto inside = [&](int x, int y) { return solid(x + 0.5, y + 0.5).has_value(); };
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const auto n = solid(x + 0.5, y + 0.5);
            if (!n || (only && !only(x, y))) continue;
            const int w = outlineWidth;
            Tone tone;
            if (!inside(x - w, y) || !inside(x + w, y) || !inside(x, y - w) || !inside(x, y + w)) {
                tone = Tone::Outline;
            } else {
                const double diffuse = dot(*n, kLight);
                if (dot(*n, kHalfway) > glossThreshold)
                    tone = Tone::Gloss;
                else if (diffuse > 0.86)
                    tone = Tone::Light;
                else if (diffuse > 0.42)
                    tone = Tone::Body;
                else if (diffuse > 0.02)
                    tone = Tone::Shade;
                else
                    tone = Tone::Deep;
            }
            picture.setPixel(x, y, palette[tone]);
        }
}

bool insideRound(int x, int y, int left, int top, int diameter) {
    // Pixel circles drawn by hand: how far each row of a 12 or 14 pixel disc is inset.
    static constexpr std::array<int, 12> inset12 = {4, 2, 1, 0, 0, 0, 0, 0, 0, 1, 2, 4};
    static constexpr std::array<int, 14> inset14 = {5, 3, 2, 1, 1, 0, 0, 0, 0, 1, 1, 2, 3, 5};
    const int row = y - top, col = x - left;
    if (row < 0 || row >= diameter || col < 0 || col >= diameter) return false;
    const int in = diameter == 12 ? inset12[row] : inset14[row];
    return col >= in && col < diameter - in;
}

QImage capsuleHalf(int link, const Palette& palette) {
    constexpr double radius = 6.4, cx = 8.0, cy = 8.0;
    const auto [dx, dy] = kTowardsPartner[link];
    QImage picture = keyedPicture(kCell, kCell);
    paintSolid(picture, palette, [&](double x, double y) -> std::optional<Normal> {
        // The round end is a hand-drawn disc; towards the partner the body runs straight on.
        const double along = (x - cx) * dx + (y - cy) * dy;
        const double across = std::abs((x - cx) * dy - (y - cy) * dx);
        const bool straight = link != 0 && along > 0 && across < 6.0;
        if (!straight && !insideRound(int(std::floor(x)), int(std::floor(y)), 2, 2, 12))
            return std::nullopt;
        // Nearest point of the capsule's axis, which runs from the cell centre to the partner.
        const double t = std::max(0.0, along);
        const double ox = x - (cx + t * dx), oy = y - (cy + t * dy);
        const double d2 = std::min(ox * ox + oy * oy, radius * radius * 0.98);
        return normalised(ox, oy, std::sqrt(radius * radius - d2));
    });
    return picture;
}

void stamp(QImage& picture, int left, int top, std::initializer_list<const char*> rows,
           const std::function<std::optional<QRgb>(char)>& legend) {
    int y = top;
    for (const char* row : rows) {
        for (int i = 0; row[i] != '\0'; ++i) {
            if (row[i] == ' ' || row[i] == '.') continue;
            if (const auto c = legend(row[i]); c && picture.valid(left + i, y))
                picture.setPixel(left + i, y, *c);
        }
        ++y;
    }
}

QImage burst(int frame, const Palette& palette) {
    QImage picture = keyedPicture(kCell, kCell);
    auto legend = [&](char c) -> std::optional<QRgb> {
        switch (c) {
        case 'o':
            return palette[Tone::Outline];
        case 'd':
            return palette[Tone::Shade];
        case 'b':
            return palette[Tone::Body];
        case 'l':
            return palette[Tone::Light];
        case 'g':
            return palette[Tone::Gloss];
        default:
            return std::nullopt;
        }
    };
    switch (frame) {
    case 0: // the cell pops into a bright star
        stamp(picture, 0, 0,
              {"................", "................", ".......oo.......", "......oggo......",
               "..oo..oglo..oo..", "..oloooglooolo..", "...olglgglglo...", "....ogggglbo....",
               "....olgggbbo....", "...olblbbbdbo...", "..odoooblooodo..", "..oo..oddo..oo..",
               "......oddo......", ".......oo.......", "................", "................"},
              legend);
        break;
    case 1: // a ring opens around a fading core
        stamp(picture, 0, 0,
              {"................", "................", "......llll......", "....ll....ll....",
               "...l........l...", "...l...gg...b...", "..l...glgb...b..", "..l...lggb...b..",
               "..l...bbbd...b..", "..l....dd....d..", "...l........d...", "...b........d...",
               "....bb....dd....", "......dddd......", "................", "................"},
              legend);
        break;
    case 2: // the ring breaks into sparks
        stamp(picture, 0, 0,
              {"................", ".......l........", "..l....g....l...", "...g.......g....",
               "................", "................", "................", ".gl....b.....lg.",
               "................", "................", "................", "...b.......b....",
               "..d....d....d...", "........d.......", "................", "................"},
              legend);
        break;
    case 3: // sparks fly out and dim
        stamp(picture, 0, 0,
              {".l.....b......l.", "................", "................", "................",
               "................", "................", "................", "b..............b",
               "................", "................", "................", "................",
               "................", "................", ".d.............d", ".......d........"},
              legend);
        break;
    default: // last embers
        stamp(picture, 0, 0,
              {"................", "................", "..d.............", "................",
               "................", "............d...", "................", "................",
               "................", "....d...........", "................", "................",
               "...........d....", "................", "................", "................"},
              legend);
        break;
    }
    return picture;
}

} // namespace artgen
