#include "sprites.h"

#include "colour_symbols.h"

#include "background/filters.h"
#include "engine/cells.h"

#include <QImageReader>
#include <QPainter>
#include <QResource>

#include <png.h>

namespace kp {

QImage toTransparentImage(const Bitmap24& bmp) {
    // Written premultiplied as it is: every pixel is either opaque or wholly transparent. (No
    // conversion either: one would start Qt's thread pool, from whichever thread reads.)
    QImage out(bmp.width, bmp.height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < bmp.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < bmp.width; ++x) {
            const Colour c = bmp.pixel(x, y);
            line[x] = c == KeyRed ? qRgba(0, 0, 0, 0) : qRgb(RedOf(c), GreenOf(c), BlueOf(c));
        }
    }
    return out;
}

QImage readPng(const QString& file) {
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

Bitmap24 loadBitmap(const QString& resource) {
    // Straight from the resource's bytes with libpng's own simple reader: Qt's image reader
    // spends tens of microseconds on each picture before it reads a byte, and the first frame
    // needs 54 of them.
    const QByteArray bytes = QResource(resource).uncompressedData();
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (bytes.isEmpty() ||
        !png_image_begin_read_from_memory(&image, bytes.constData(), size_t(bytes.size())))
        return {};
    image.format = PNG_FORMAT_BGR; // the byte order of Bitmap24's rows
    Bitmap24 bmp = Bitmap24::Make(int(image.width), int(image.height));
    if (bmp.empty() ||
        !png_image_finish_read(&image, nullptr, bmp.bytes.data(), bmp.stride, nullptr)) {
        png_image_free(&image);
        return {};
    }
    return bmp;
}

namespace {

// The source picture names of one colour, in sprite order: five capsule halves (link 0..4),
// five removal frames (0..4), four smiley phases (1..4).
std::array<std::string, 14> sourceNames(int colourIndex) {
    std::array<std::string, 14> names;
    const bool own = colourIndex <= 1;
    const std::string c = std::to_string(colourIndex);
    for (int k = 0; k < 5; ++k) {
        names[k] = own ? "ImgColor" + c + std::to_string(k) : "RefColor2" + std::to_string(k);
        names[5 + k] = own ? "ImgColor" + std::to_string(5 + colourIndex) + std::to_string(k)
                           : "RefColor7" + std::to_string(k);
    }
    for (int f = 1; f <= 4; ++f)
        names[9 + f] = own ? "ImgColor_" + c + std::to_string(f) : "RefColor_2" + std::to_string(f);
    return names;
}

// Where the sprites of one colour sit in the table, in the order of sourceNames.
std::array<int, 14> spriteSlots(int colourIndex) {
    std::array<int, 14> places;
    for (int k = 0; k < 5; ++k) {
        places[k] = SpriteSet::indexOf(capsuleCode(colourIndex, k));
        places[5 + k] = SpriteSet::indexOf(removalCode(colourIndex, k));
    }
    for (int f = 1; f <= 4; ++f) places[9 + f] = SpriteSet::indexOf(smileyCode(colourIndex, f));
    return places;
}

} // namespace

int SpriteSet::indexOf(int32_t code) {
    if (code >= 100 && code <= 144 && code % 10 <= 4) return (code - 100) / 10 * 5 + code % 10;
    if (code >= 150 && code <= 194 && code % 10 <= 4) return 25 + (code - 150) / 10 * 5 + code % 10;
    if (code >= -144 && code <= -101 && -code % 10 >= 1 && -code % 10 <= 4)
        return 50 + (-code - 100) / 10 * 4 + (-code % 10 - 1);
    return -1;
}

const QImage* SpriteSet::sprite(int32_t code) const {
    const int i = indexOf(code);
    return i < 0 || sprites_[i].isNull() ? nullptr : &sprites_[i];
}

void SpriteSet::draw(QPainter& p, const QRect& cell, int32_t code) const {
    const int i = indexOf(code);
    if (i < 0 || sprites_[i].isNull()) return;
    p.drawImage(cell.topLeft(), atSize(i, cell.size()));
    if (!symbols_) return;
    // Capsule halves 0..24 and smileys 50..69 always; of the removal frames 25..49, the first.
    const bool removal = i >= 25 && i < 50;
    if (removal && (i - 25) % 5 != 0) return;
    const int colour = i < 25 ? i / 5 : removal ? (i - 25) / 5 : (i - 50) / 4;
    p.drawImage(cell, colourSymbol(colour, cell.width()));
}

QImage SpriteSet::glyph(int colourIndex) const {
    QImage out(16, 16, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    QPainter p(&out);
    draw(p, out.rect(), removalCode(colourIndex, 0));
    return out;
}

const Bitmap24& SpriteSet::source(const std::string& name) const {
    static const Bitmap24 none;
    const auto it = sources_.find(name);
    return it == sources_.end() ? none : it->second;
}

const QImage& SpriteSet::atSize(int index, const QSize& size) const {
    const QImage& sprite = sprites_[index];
    if (sprite.size() == size) return sprite;
    QImage& out = stretched_[index];
    if (out.size() != size) {
        // Stretched the way a painter stretches it over a cell, so the pixels are the same.
        out = QImage(size, QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent);
        QPainter p(&out);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QRect(QPoint(0, 0), size), sprite);
    }
    return out;
}

bool SpriteSet::load() {
    sources_.clear();
    bool complete = true;
    for (int c = 0; c <= 2; ++c)
        for (const std::string& name : sourceNames(c)) {
            Bitmap24 bmp = loadBitmap(QString::fromStdString(":/sprites/" + name));
            complete &= bmp.width == 16 && bmp.height == 16;
            sources_[name] = std::move(bmp);
        }
    madeIn_ = {};
    for (int c = 0; c < 5; ++c) recolour(c, DefaultSmileyColours[c]);
    return complete;
}

void SpriteSet::recolour(int colourIndex, Colour colour) {
    if (colourIndex < 0 || colourIndex > 4 || madeIn_[colourIndex] == colour) return;
    madeIn_[colourIndex] = colour;
    const auto places = spriteSlots(colourIndex);
    // Colours 0 and 1 at their exact defaults keep their hand-drawn pictures.
    const bool own = colourIndex <= 1 && colour == DefaultSmileyColours[colourIndex];
    const auto names = sourceNames(own ? colourIndex : 2);
    for (int i = 0; i < 14; ++i) {
        Bitmap24 bmp = source(names[i]);
        if (!own) tintBitmap(colour, source(names[i]), bmp);
        sprites_[places[i]] = toTransparentImage(bmp);
        stretched_[places[i]] = QImage();
    }
}

} // namespace kp
