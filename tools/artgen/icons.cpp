#include "icons.h"

#include "palette.h"
#include "pixmap.h"
#include "resources.h"
#include "sprite_set.h"
#include "sprites.h"

#include <QPainter>
#include <cmath>

namespace artgen {

namespace {

// A blue and yellow capsule lying across the icon from bottom-left to top-right, drawn at
// the icon's own size so that every size stays crisp.
QImage diagonalCapsule(int size) {
    const double k = size / 16.0;
    const double ax = 4.6 * k, ay = 11.4 * k, bx = 11.4 * k, by = 4.6 * k, radius = 4.1 * k;
    QImage picture = keyedPicture(size, size);
    auto solid = [&](double x, double y) -> std::optional<Normal> {
        const double vx = bx - ax, vy = by - ay;
        const double t =
            std::clamp(((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
        const double ox = x - (ax + t * vx), oy = y - (ay + t * vy);
        const double d2 = ox * ox + oy * oy;
        if (d2 > radius * radius) return std::nullopt;
        const double z = std::sqrt(radius * radius - d2), n = radius;
        return Normal{ox / n, oy / n, z / n};
    };
    const int outline = size >= 32 ? 2 : 1;
    // The halves meet on the diagonal across the capsule's middle.
    paintSolid(picture, bluePalette(), solid, 0.97, outline, [](int x, int y) { return x < y; });
    paintSolid(picture, yellowPalette(), solid, 0.97, outline, [](int x, int y) { return x >= y; });
    return picture;
}

struct Cursor {
    const char* name;
    int hotX, hotY;
    std::initializer_list<const char*> rows;
};

// A white glove pointing with its index finger, for things that can be clicked.
const Cursor kHand{
    "Main_Standard", 6, 0, {"......oo..........", ".....oWWo.........", ".....oWWo.........",
                            ".....oWWo.........", ".....oWWooo.......", ".....oWWoWWoo.....",
                            ".....oWWoWWoWWo...", ".oo..oWWoWWoWWoo..", "oWWo.oWWoWWoWWoWo.",
                            "oWWWooWWWWWWWWoWWo", ".oWWWoWWWWWWWWWWWo", "..oWWWWWWWWWWWWWso",
                            "..oWWWWWWWWWWWWWso", "...oWWWWWWWWWWWsso", "...oWWWWWWWWWWWso.",
                            "....oWWWWWWWWWsso.", "....oWWWWWWWWWso..", ".....oCCCCCCCCCo..",
                            ".....oCCCCCCCCCo..", ".....ooooooooooo.."}};

// An arrow with a smiley at its heel: picking something in the game's own box.
const Cursor kSelection{"Selection",
                        0,
                        0,
                        {"o...........", "oo..........", "oWo.........", "oWWo........",
                         "oWWWo.......", "oWWWWo......", "oWWWWWo.....", "oWWWWWWo....",
                         "oWWWWWWWo...", "oWWWWWWWWo..", "oWWWWWWWWWo.", "oWWWWWWoooo.",
                         "oWWWoWWo....", "oWWo.oWWo...", "oWo..oWWo...", "oo....oWWo..",
                         "o.....oWWo..", ".......oo..."}};

QImage cursorPicture(const Cursor& c) {
    QImage picture = keyedPicture(32, 32);
    if (&c == &kSelection) {
        const QImage smiley = defaultSprites(1).smileys[2];
        QPainter p(&picture);
        p.drawImage(14, 14, keyToAlpha(smiley));
    }
    stamp(picture, 0, 0, c.rows, [](char ch) -> std::optional<QRgb> {
        switch (ch) {
        case 'o':
            return qRgb(24, 26, 40);
        case 'W':
            return qRgb(255, 255, 255);
        case 's':
            return qRgb(196, 200, 214);
        case 'C':
            return qRgb(6, 131, 255);
        default:
            return std::nullopt;
        }
    });
    QImage out = keyToAlpha(picture);
    out.setText("HotspotX", QString::number(c.hotX));
    out.setText("HotspotY", QString::number(c.hotY));
    return out;
}

} // namespace

QImage panicIcon(int size) {
    return keyToAlpha(diagonalCapsule(size));
}

QImage applicationIcon(int size) {
    // The grinning yellow smiley, enlarged pixel for pixel.
    return keyToAlpha(enlarged(defaultSprites(1).smileys[2], size / 16));
}

void writeIcons(AssetWriter& writer) {
    for (int size : {16, 22, 32, 48}) {
        const QString name = QString("IconPanic1_%1").arg(size);
        writer.withAlpha("/icons", name, "icons/" + name + ".png", panicIcon(size));
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = QString("AppIcon_%1").arg(size);
        writer.withAlpha("/icons", name, "icons/" + name + ".png", applicationIcon(size));
    }
    for (const Cursor* c : {&kSelection, &kHand})
        writer.withAlpha("/icons", c->name, QString("icons/%1.png").arg(c->name),
                         cursorPicture(*c));
}

} // namespace artgen
