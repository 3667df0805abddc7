#include "cell_check.h"

#include "render/colour_symbols.h"
#include "render/sprites.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace colourcheck {

namespace {

Cell overBlack(QImage drawn) {
    QImage shown(drawn.size(), QImage::Format_RGB32);
    shown.fill(Qt::black);
    QPainter(&shown).drawImage(0, 0, drawn);
    return {shown, drawn};
}

QImage transparentCell(int cellSize) {
    QImage cell(cellSize, cellSize, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    return cell;
}

} // namespace

int strongPixelsNeeded(int cellSize) {
    return cellSize * cellSize / 32;
}

Cell drawCell(const kp::SpriteSet& sprites, int32_t code, int cellSize) {
    QImage drawn = transparentCell(cellSize);
    QPainter p(&drawn);
    sprites.draw(p, drawn.rect(), code);
    p.end();
    return overBlack(drawn);
}

Cell drawCellWithSymbol(const kp::SpriteSet& sprites, int32_t code, int cellSize,
                        int symbolColour) {
    QImage drawn = transparentCell(cellSize);
    QPainter p(&drawn);
    if (const QImage* sprite = sprites.sprite(code)) p.drawImage(drawn.rect(), *sprite);
    p.drawImage(0, 0, kp::colourSymbol(symbolColour, cellSize));
    p.end();
    return overBlack(drawn);
}

Difference compare(const Cell& a, const Cell& b, Vision v) {
    Difference d;
    std::vector<double> painted;
    for (int y = 0; y < a.shown.height(); ++y)
        for (int x = 0; x < a.shown.width(); ++x) {
            const QRgb pa = a.shown.pixel(x, y), pb = b.shown.pixel(x, y);
            const double delta =
                pa == pb ? 0.0 : deltaE2000(toLab(simulate(pa, v)), toLab(simulate(pb, v)));
            if (delta >= StrongDelta) ++d.strongPixels;
            if (qAlpha(a.drawn.pixel(x, y)) != 0 || qAlpha(b.drawn.pixel(x, y)) != 0)
                painted.push_back(delta);
        }
    if (!painted.empty()) {
        const auto quarter = painted.begin() + painted.size() * 3 / 4;
        std::nth_element(painted.begin(), quarter, painted.end());
        d.colourDelta = *quarter;
    }
    return d;
}

} // namespace colourcheck
