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

    // Reads from the top down, so the name is whole even in a window shorter than the band;
    // the letters' tops face the right edge of the window.
    const double length = 326.0, thickness = 34.0, left = 9.0, top = 8.0;
    QTransform t;
    t.translate(left, top);
    t.rotate(90);
    t.scale(length / bounds.width(), thickness / bounds.height());
    t.translate(-bounds.left(), -bounds.bottom());

    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    paintWord(p, {t.map(first), QColor(255, 252, 200), QColor(255, 214, 0), QColor(255, 112, 0),
                  QColor(255, 250, 235), QColor(120, 40, 0)});
    paintWord(p, {t.map(second), QColor(200, 240, 255), QColor(40, 160, 255), QColor(20, 60, 210),
                  QColor(235, 248, 255), QColor(10, 24, 96)});

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
