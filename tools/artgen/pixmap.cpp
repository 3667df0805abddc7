#include "pixmap.h"

#include "background/filters.h"

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

// The game's own colour arithmetic, so the pictures tint here exactly as they will in play.
Hsv toHsv(QRgb colour) {
    return kp::RgbToHsv(qRed(colour), qGreen(colour), qBlue(colour));
}

QRgb fromHsv(Hsv hsv) {
    const kp::Colour c = kp::HsvToRgb(hsv);
    return qRgb(kp::RedOf(c), kp::GreenOf(c), kp::BlueOf(c));
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
