// Flags, the mail link and the preset glyphs of the dialog, and the list of its pictures.
#include "dialog_art.h"

#include "pixmap.h"
#include "resources.h"
#include "sprite_set.h"

#include <QColor>
#include <cmath>
#include <numbers>

namespace artgen {

namespace {

QRgb scaled(QRgb c, double factor) {
    auto f = [&](int v) { return std::clamp(int(std::lround(v * factor)), 0, 255); };
    const QRgb out = qRgb(f(qRed(c)), f(qGreen(c)), f(qBlue(c)));
    return isKey(out) ? qRgb(254, 0, 0) : out;
}

// Copies the painted pixels of a keyed picture onto another.
void overlay(QImage& target, const QImage& picture, int left, int top) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!isKey(picture.pixel(x, y)) && target.valid(left + x, top + y))
                target.setPixel(left + x, top + y, picture.pixel(x, y));
}

constexpr QRgb kFlagBlue = qRgb(24, 64, 170), kFlagWhite = qRgb(246, 246, 250),
               kFlagRed = qRgb(226, 38, 52), kUnionBlue = qRgb(18, 36, 112),
               kUnionRed = qRgb(206, 24, 44), kFlagOutline = qRgb(36, 40, 62);

// The cloth is 24 x 14; u, v are its pixel coordinates.
QRgb frenchCloth(int u, int) {
    return u < 8 ? kFlagBlue : u < 16 ? kFlagWhite : kFlagRed;
}

QRgb unionCloth(int u, int v) {
    const double cu = u - 11.5, cv = v - 6.5;
    if (std::abs(cu) < 1.1 || std::abs(cv) < 1.1) return kUnionRed;
    if (std::abs(cu) < 2.1 || std::abs(cv) < 2.1) return kFlagWhite;
    // The two diagonals of the cloth, white with a thin red middle.
    const double len = std::hypot(24.0, 14.0);
    const double d1 = std::abs(14.0 * (u + 0.5) - 24.0 * (v + 0.5)) / len;
    const double d2 = std::abs(14.0 * (u + 0.5) + 24.0 * (v + 0.5) - 14.0 * 24.0) / len;
    const double d = std::min(d1, d2);
    if (d < 0.55) return kUnionRed;
    if (d < 1.7) return kFlagWhite;
    return kUnionBlue;
}

} // namespace

QImage flagPicture(bool english, bool pressed) {
    constexpr int clothW = 24, clothH = 14;
    QImage picture = keyedPicture(kFlagWidth, kFlagHeight);
    const int shift = pressed ? 1 : 0;
    auto wave = [](int u) { return u * 2 * std::numbers::pi / 16 + 0.6; };
    auto offset = [&](int u) { return int(std::lround(1 + std::sin(wave(u)))); };
    for (int u = -1; u <= clothW; ++u) {
        const int cu = std::clamp(u, 0, clothW - 1);
        const int top = offset(cu) + shift;
        const int x = u + 1 + shift;
        // The light falls on the slopes that face the top-left.
        const double light = 1.0 + 0.13 * std::cos(wave(cu)) - (pressed ? 0.12 : 0.0);
        for (int v = -1; v <= clothH; ++v) {
            const int y = top + v + 1;
            if (!picture.valid(x, y)) continue;
            if (u < 0 || u >= clothW || v < 0 || v >= clothH) {
                picture.setPixel(x, y, kFlagOutline);
                continue;
            }
            QRgb c = english ? unionCloth(u, v) : frenchCloth(u, v);
            double f = light;
            if (v == 0 || u == 0) f += 0.08;                   // lit edge
            if (v == clothH - 1 || u == clothW - 1) f -= 0.12; // shaded edge
            picture.setPixel(x, y, scaled(c, f));
        }
    }
    return picture;
}

QImage mailPicture() {
    constexpr int w = 32, h = 24, left = 1, top = 3, right = 30, bottom = 21;
    QImage picture = keyedPicture(w, h);
    const QRgb outline = qRgb(96, 72, 44), paper = qRgb(252, 246, 228), lit = qRgb(255, 255, 246),
               shade = qRgb(220, 206, 172), fold = qRgb(190, 168, 124);
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            QRgb c = paper;
            if (x == left || x == right || y == top || y == bottom)
                c = outline;
            else if (x == left + 1 || y == top + 1)
                c = lit;
            else if (x == right - 1 || y == bottom - 1)
                c = shade;
            picture.setPixel(x, y, c);
        }
    // The flap's two folds meet in the middle, where a heart seals the letter.
    const double cx = (left + right) / 2.0, cy = 13.0;
    for (int x = left + 1; x < right; ++x) {
        const double t = x <= cx ? (x - left) / (cx - left) : (right - x) / (right - cx);
        const int y = int(std::lround(top + 1 + t * (cy - top - 1)));
        picture.setPixel(x, y, fold);
        if (y + 1 < bottom) picture.setPixel(x, y + 1, shade);
    }
    const QRgb heart = qRgb(222, 40, 70), heartLit = qRgb(255, 130, 150),
               heartDark = qRgb(128, 14, 40);
    static const char* const kHeart[] = {".oo.oo.", "ollollo", "olllddo",
                                         ".olddo.", "..odo..", "...o..."};
    for (int r = 0; r < 6; ++r)
        for (int c = 0; kHeart[r][c]; ++c) {
            const char ch = kHeart[r][c];
            if (ch == '.') continue;
            const QRgb col = ch == 'o'   ? heartDark
                             : ch == 'l' ? (r == 1 ? heartLit : heart)
                                         : scaled(heart, 0.8);
            picture.setPixel(int(cx) - 3 + c, int(cy) - 2 + r, col);
        }
    // A stamp with a tiny yellow smiley in the top-right corner.
    const QImage face = defaultSprites(1).smileys[2];
    for (int y = 5; y <= 12; ++y)
        for (int x = 21; x <= 27; ++x) {
            const bool edge = y == 5 || y == 12 || x == 21 || x == 27;
            picture.setPixel(x, y,
                             edge ? ((x + y) % 2 ? qRgb(70, 110, 200) : lit) : qRgb(120, 170, 240));
        }
    QImage small = face.scaled(6, 6, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    overlay(picture, small, 22, 6);
    return picture;
}

QImage presetGlyph(int preset) {
    QImage picture = keyedPicture(32, 32);
    struct Place {
        int x, y, colour, frame;
    };
    std::vector<Place> places;
    switch (preset) {
    case 1:
        places = {{8, 8, 1, 3}};
        break;
    case 2:
        places = {{0, 9, 0, 1}, {16, 7, 1, 3}};
        break;
    case 3:
        places = {{0, 16, 0, 2}, {16, 16, 2, 1}, {8, 1, 1, 3}};
        break;
    default:
        places = {{0, 0, 0, 2}, {16, 0, 2, 1}, {0, 16, 3, 4}, {16, 16, 4, 3}};
        break;
    }
    for (const Place& p : places)
        overlay(picture, defaultSprites(p.colour).smileys[p.frame - 1], p.x, p.y);
    return picture;
}

void writeDialogArt(AssetWriter& writer) {
    const QString dir = "dialog/";
    auto put = [&](const QString& name, const QImage& image) {
        writer.picture("/dialog", name, dir + name + ".png", image);
    };
    put("ImgIcoFrancais", flagPicture(false, false));
    put("ImgIcoFrancaisEnfonce", flagPicture(false, true));
    put("ImgIcoAnglais", flagPicture(true, false));
    put("ImgIcoAnglaisEnfonce", flagPicture(true, true));
    put("ImgMail", mailPicture());
    for (int k = 1; k <= 4; ++k) put(QString("ImgConfig%1").arg(k), presetGlyph(k));
    put("ImgClown", clownPicture());
    for (int k = 1; k <= kTesterCount; ++k) put(QString("ImgTesteur%1").arg(k), testerPicture(k));
}

} // namespace artgen
