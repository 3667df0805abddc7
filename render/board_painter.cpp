#include "board_painter.h"

#include <QPainter>

namespace kp {

namespace {

constexpr QRgb CounterOutline = qRgb(20, 14, 10);

// The picture's painted pixels grown by one pixel in all eight directions, in the outline's
// colour, on a picture one pixel larger on every side.
QImage outlineOf(const QImage& picture) {
    QImage out(picture.width() + 2, picture.height() + 2, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) != 0)
                for (int dy = 0; dy <= 2; ++dy)
                    for (int dx = 0; dx <= 2; ++dx) out.setPixel(x + dx, y + dy, CounterOutline);
    return out;
}

// A digit or separator with its outline, the picture's top-left corner at (x, y).
void drawOutlined(QPainter& p, int x, int y, const QImage& picture, const QImage& outline) {
    p.setCompositionMode(QPainter::CompositionMode_Darken);
    p.drawImage(x - 1, y - 1, outline);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(x, y, picture);
}

} // namespace

bool CounterDigits::load() {
    bool ok = true;
    for (int i = 0; i < 10; ++i) {
        digit[i] = toTransparentImage(loadBitmap(QStringLiteral(":/digits/ImgCpt%1").arg(i)));
        digitOutline[i] = outlineOf(digit[i]);
        ok &= !digit[i].isNull();
    }
    separator = toTransparentImage(loadBitmap(QStringLiteral(":/digits/ImgCptSep")));
    separatorOutline = outlineOf(separator);
    return ok && !separator.isNull();
}

void BoardPainter::setLayout(const WindowLayout& layout, int cellSize, int rows, int columns) {
    layout_ = layout;
    cellSize_ = cellSize;
    rows_ = rows;
    columns_ = columns;
    if (image_.width() != layout.clientWidth || image_.height() != layout.clientHeight)
        image_ = QImage(layout.clientWidth, layout.clientHeight, QImage::Format_RGB32);
}

void BoardPainter::setBackground(const QImage& background) {
    background_ = background.convertToFormat(QImage::Format_RGB32);
}

QRect BoardPainter::cellRect(int row, int col) const {
    return {(col - 1) * cellSize_ + 1, (row - 1) * cellSize_ + layout_.BoardTop + 1, cellSize_,
            cellSize_};
}

QRect BoardPainter::drawCell(const QRect& r, int32_t code) {
    QPainter p(&image_);
    p.drawImage(r.topLeft(), background_, r);
    sprites_.draw(p, r, code);
    return r;
}

QRect BoardPainter::setCell(int row, int col, int32_t code) {
    if (code == CellWall || row < 1 || row > rows_ || col < 1 || col > columns_) return {};
    return drawCell(cellRect(row, col), code);
}

QRect BoardPainter::setPreview(int col, int32_t code) {
    if (layout_.PreviewY == Hidden) return {};
    const QRect r((col + columns_ / 2 - 2) * cellSize_ + 1, layout_.PreviewY, cellSize_, cellSize_);
    return drawCell(r, code);
}

std::string BoardPainter::levelText(int32_t level) {
    std::string t = std::to_string(level);
    return t.size() == 1 ? "0" + t : t;
}

std::string BoardPainter::smileysText(int32_t smileysLeft) {
    std::string t = std::to_string(smileysLeft);
    if (t.size() == 1) t = "00" + t;
    if (t.size() == 2) t = "0" + t;
    if (t[0] == '0') t[0] = ' '; // no leading zero in the hundreds place
    return t;
}

// Restores the background under the digits, then draws them unless the counter is blanked.
// Characters that are not digits (a minus sign) leave their place blank.
QRect BoardPainter::drawCounter(const std::string& text, std::initializer_list<int> xs,
                                bool blank) {
    if (layout_.CounterY == Hidden) return {};
    const int w = digits_.width(), h = digits_.height();
    // The digits and their outlines, one pixel beyond them all round.
    const QRect r = QRect(*xs.begin(), layout_.CounterY, *(xs.end() - 1) + w - *xs.begin(), h)
                        .adjusted(-1, -1, 1, 1);
    QPainter p(&image_);
    p.drawImage(r.topLeft(), background_, r);
    if (!blank) {
        size_t i = 0;
        for (int x : xs) {
            const char ch = i < text.size() ? text[i] : ' ';
            if (ch >= '0' && ch <= '9')
                drawOutlined(p, x, layout_.CounterY, digits_.digit[ch - '0'],
                             digits_.digitOutline[ch - '0']);
            ++i;
        }
    }
    return r;
}

QRect BoardPainter::drawLevel(const GameState& s) {
    return drawCounter(levelText(s.level), {layout_.LevelTensX, layout_.LevelUnitsX}, s.cheated);
}

QRect BoardPainter::drawSmileysLeft(const GameState& s) {
    return drawCounter(smileysText(s.smileysLeft),
                       {layout_.SmileysHundredsX, layout_.SmileysTensX, layout_.SmileysUnitsX},
                       s.cheated);
}

QRect BoardPainter::drawChrono(const GameState& s) {
    if (layout_.CounterY == Hidden || background_.isNull()) return {};
    static constexpr int maxima[5] = {9, 5, 9, 5, 9};
    const int w = digits_.width(), h = digits_.height();
    const QRect r =
        QRect(layout_.HoursX, layout_.CounterY, layout_.SecondsUnitsX + w - layout_.HoursX, h)
            .adjusted(-1, -1, 1, 1);
    const int x0 = r.left(), y0 = r.top();
    // Composed apart, then copied at once, so the chrono never flickers.
    QImage scratch = background_.copy(r);
    QPainter sp(&scratch);
    for (int x : {layout_.Sep1X, layout_.Sep2X})
        drawOutlined(sp, x - x0, layout_.CounterY - y0, digits_.separator,
                     digits_.separatorOutline);
    const auto xs = layout_.chronoDigitsX();
    for (int i = 0; i < 5; ++i)
        if (s.Chrono[i] >= 0 && s.Chrono[i] <= maxima[i])
            drawOutlined(sp, xs[i] - x0, layout_.CounterY - y0, digits_.digit[s.Chrono[i]],
                         digits_.digitOutline[s.Chrono[i]]);
    sp.end();
    QPainter(&image_).drawImage(r.topLeft(), scratch);
    return r;
}

QRect BoardPainter::pinupFrame(const PinupFrames& frames, const GameState& s, PinupFigure figure,
                               int n) {
    return drawPinupFrame(image_, background_, layout_, cellSize_, frames, sprites_, s, figure, n);
}

void BoardPainter::paintAll(const GameState& s) {
    {
        QPainter p(&image_);
        p.drawImage(0, 0, background_);
        const int w = image_.width();
        auto bevel = [&](int y1, int y2) {
            p.setPen(QColor(255, 255, 255));
            p.drawLine(w - 1, y1, w - 1, y2);
            p.drawLine(w - 1, y2, 0, y2);
            p.setPen(QColor(128, 128, 128));
            p.drawLine(0, y2, 0, y1);
            p.drawLine(0, y1, w - 1, y1);
        };
        bevel(layout_.CounterBandTop, layout_.CounterBandBottom);
        bevel(layout_.PreviewBandTop, layout_.PreviewBandBottom);
        bevel(layout_.BoardTop, image_.height() - 1);
        // The background is down already: an empty cell needs nothing more.
        for (int r = 1; r <= rows_; ++r)
            for (int c = 1; c <= columns_; ++c)
                if (s.grid[r][c] != CellEmpty) sprites_.draw(p, cellRect(r, c), s.grid[r][c]);
    }
    drawLevel(s);
    drawChrono(s);
    drawSmileysLeft(s);
    setPreview(1, s.preview[0]);
    setPreview(2, s.preview[1]);
}

} // namespace kp
