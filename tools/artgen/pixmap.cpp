#include "pixmap.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <stdexcept>

namespace artgen {

QImage keyedPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kKey);
    return picture;
}

static void writePng(const QImage& picture, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!picture.save(path, "PNG")) throw std::runtime_error("cannot write " + path.toStdString());
}

void savePicture(const QImage& picture, const QString& path) {
    writePng(picture.convertToFormat(QImage::Format_RGB888), path);
}

void saveWithAlpha(const QImage& picture, const QString& path) {
    writePng(picture.convertToFormat(QImage::Format_ARGB32), path);
}

Hsv toHsv(QRgb colour) {
    const int r = qRed(colour), g = qGreen(colour), b = qBlue(colour);
    const int v = std::max({r, g, b});
    const int d = v - std::min({r, g, b});
    const int s = v == 0 ? 0 : d * 255 / v;
    if (s == 0) return {0, 0, v};
    int h;
    if (r == v)
        h = (g - b) * 60 / d;
    else if (g == v)
        h = (b - r) * 60 / d + 120;
    else
        h = (r - g) * 60 / d + 240;
    if (h <= 0) h += 360;
    return {h, s, v};
}

QRgb fromHsv(Hsv c) {
    auto clamp = [](int x) { return std::clamp(x, 0, 255); };
    if (c.h == 0 || c.s == 0 || c.v == 0) return qRgb(clamp(c.v), clamp(c.v), clamp(c.v));
    const int h = c.h == 360 ? 0 : c.h;
    const int f = h % 60, sector = h / 60;
    const int v = c.v, s = c.s;
    const int p = v - s * v / 255;
    const int t = v - s * v * (60 - f) / 15300;
    const int q = v - s * v * f / 15300;
    int r = 0, g = 0, b = 0;
    switch (sector) {
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
    return qRgb(clamp(r), clamp(g), clamp(b));
}

QImage tinted(const QImage& reference, QRgb target) {
    const int hue = toHsv(target).h;
    QImage out = reference.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = out.pixel(x, y);
            if (isKey(c)) continue;
            Hsv hsv = toHsv(c);
            hsv.h = hue;
            out.setPixel(x, y, fromHsv(hsv));
        }
    return out;
}

QImage keyToAlpha(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            if (isKey(out.pixel(x, y))) out.setPixel(x, y, 0);
    return out;
}

QImage enlarged(const QImage& picture, int factor) {
    return picture.scaled(picture.width() * factor, picture.height() * factor,
                          Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace artgen
