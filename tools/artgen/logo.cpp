#include "logo.h"

#include "palette.h"
#include "pixmap.h"
#include "resources.h"
#include "sprite_set.h"

#include <QFont>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace artgen {

namespace {

QFont titleFont() {
    // A fixed font file keeps the logo identical from one machine to the next.
    static const int id = QFontDatabase::addApplicationFont(
        "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-BoldOblique.ttf");
    QFont font(id >= 0 ? QFontDatabase::applicationFontFamilies(id).value(0) : "DejaVu Sans");
    font.setBold(true);
    font.setItalic(true);
    font.setStretch(QFont::Condensed);
    font.setPixelSize(100);
    return font;
}

struct Word {
    QPainterPath path;
    QColor top, middle, bottom, rim, ink;
};

// Paints one word: a light rim that separates it from the black, a dark ink outline, then
// the gradient fill running from the letters' tops (right) to their feet (left).
void paintWord(QPainter& p, const Word& w) {
    QLinearGradient fill(QPointF(kLogoWidth - 6, 0), QPointF(8, 0));
    fill.setColorAt(0.0, w.top);
    fill.setColorAt(0.45, w.middle);
    fill.setColorAt(1.0, w.bottom);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(w.rim, 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(w.path);
    p.setPen(QPen(w.ink, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(w.path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(w.path);
}

} // namespace

QImage logoPicture() {
    QImage picture(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);

    const QFont font = titleFont();
    QPainterPath first, second;
    first.addText(0, 0, font, "Kembrolla");
    const QFontMetricsF metrics(font);
    second.addText(metrics.horizontalAdvance("Kembrolla "), 0, font, "Panic!");
    const QRectF bounds = first.boundingRect().united(second.boundingRect());

    // Reads from the top down, starting below the counter and preview bands, so the name is
    // whole even in the default window (342 pixels high); the letters' tops face the right
    // edge of the window.
    const double length = 280.0, thickness = 30.0, left = 11.0, top = 58.0;
    QTransform t;
    t.translate(left, top);
    t.rotate(90);
    t.scale(length / bounds.width(), thickness / bounds.height());
    t.translate(-bounds.left(), -bounds.bottom());

    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // Bright enough to read on black, yet a step below the sprites that play in front of it.
    paintWord(p, {t.map(first), QColor(240, 214, 130), QColor(226, 160, 0), QColor(196, 76, 0),
                  QColor(140, 84, 36), QColor(56, 22, 0)});
    paintWord(p, {t.map(second), QColor(176, 220, 250), QColor(48, 146, 240), QColor(26, 62, 184),
                  QColor(84, 124, 196), QColor(8, 16, 60)});

    // Below the name, the game's blue capsule and a grinning yellow smiley.
    p.setRenderHint(QPainter::Antialiasing, false);
    const ColourSprites blue = defaultSprites(0), yellow = defaultSprites(1);
    p.drawImage(QRect(4, 346, 48, 48), keyToAlpha(yellow.smileys[2]));
    p.drawImage(QRect(10, 396, 16, 16), keyToAlpha(blue.halves[2]));
    p.drawImage(QRect(26, 396, 16, 16), keyToAlpha(yellow.halves[4]));
    return picture;
}

void writeLogo(AssetWriter& writer) {
    writer.picture("/logo", "ImgLogo", "logo/ImgLogo.png", logoPicture());
}

} // namespace artgen
