#include "pinup.h"

#include "engine/cells.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace kp {

namespace {
constexpr std::array<int, PinupFrames::Frames> offsetsFromRight{
    118, 101, 96, 84, 75, 70, 53, 50, 49, 42, 36, 36, 38, 39, 45, 46, 40, 22, 20, 11, 0, 0, 0};
constexpr std::array<int, PinupFrames::Frames> offsetsFromLeft{
    0, 0, 0, 2, 6, 8, 16, 24, 32, 38, 41, 48, 59, 65, 71, 78, 84, 92, 100, 105, 116, 123, 130};
} // namespace

const QImage& PinupFrames::frame(PinupFigure f, int n) const {
    if (f != figure_ || n != n_) {
        const QString name = QStringLiteral(":/pinup/Img%1%2")
                                 .arg(f == PinupFigure::FromRight ? "XX" : "YY")
                                 .arg(n, 2, 10, QLatin1Char('0'));
        image_ = toTransparentImage(loadBitmap(name));
        figure_ = f;
        n_ = n;
    }
    return image_;
}

int PinupFrames::offset(PinupFigure f, int n) {
    return (f == PinupFigure::FromRight ? offsetsFromRight : offsetsFromLeft)[n - 1];
}

int PinupFrames::stripWidth(PinupFigure f) {
    return f == PinupFigure::FromRight ? 130 : 140;
}

QRect pinupStrip(const WindowLayout& layout, PinupFigure figure) {
    const int width = std::min(PinupFrames::stripWidth(figure), layout.clientWidth - 2);
    return width > 0 ? QRect(1, layout.PinupY, width, 80) : QRect();
}

void drawPinupFrame(QPainter& p, const QImage& background, const WindowLayout& layout, int cellSize,
                    const PinupFrames& frames, const SpriteSet& sprites, const GameState& s,
                    PinupFigure figure, int n) {
    const QRect strip = pinupStrip(layout, figure);
    if (strip.isEmpty() || n < 1 || n > PinupFrames::Frames) return;
    p.save();
    p.setClipRect(strip, Qt::IntersectClip);
    p.drawImage(strip.topLeft(), background, strip);
    const QImage& img = frames.frame(figure, n);
    if (!img.isNull()) p.drawImage(strip.left() + PinupFrames::offset(figure, n), strip.top(), img);
    // The halves still lying on the board stay in front of the figure.
    for (int r = 1; r <= s.params.rows; ++r)
        for (int c = 1; c <= s.params.columns; ++c) {
            const int32_t code = s.grid[r][c];
            if (!isCapsuleHalf(code)) continue;
            const QRect cell((c - 1) * cellSize + 1, (r - 1) * cellSize + layout.BoardTop + 1,
                             cellSize, cellSize);
            if (cell.intersects(strip)) sprites.draw(p, cell, code);
        }
    p.restore();
}

} // namespace kp
