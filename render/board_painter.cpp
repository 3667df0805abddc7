#include "board_painter.h"

#include "engine/cells.h"

#include <QPainter>

#include <algorithm>

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
}

void BoardPainter::setBackground(const QImage& background) {
    background_ = background.convertToFormat(QImage::Format_RGB32);
}

QRect BoardPainter::cellRect(int row, int col) const {
    return {(col - 1) * cellSize_ + 1, (row - 1) * cellSize_ + layout_.BoardTop + 1, cellSize_,
            cellSize_};
}

QRect BoardPainter::cellArea(int row, int col, int32_t code) const {
    if (code == CellWall || row < 1 || row > rows_ || col < 1 || col > columns_) return {};
    return cellRect(row, col);
}

QRect BoardPainter::previewArea(int col) const {
    if (layout_.PreviewY == Hidden) return {};
    return {(col + columns_ / 2 - 2) * cellSize_ + 1, layout_.PreviewY, cellSize_, cellSize_};
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

// The digits at `xs` and their outlines, one pixel beyond them all round.
QRect BoardPainter::counterArea(std::initializer_list<int> xs) const {
    if (layout_.CounterY == Hidden) return {};
    return QRect(*xs.begin(), layout_.CounterY, *(xs.end() - 1) + digits_.width() - *xs.begin(),
                 digits_.height())
        .adjusted(-1, -1, 1, 1);
}

QRect BoardPainter::levelArea() const {
    return counterArea({layout_.LevelTensX, layout_.LevelUnitsX});
}

QRect BoardPainter::smileysArea() const {
    return counterArea({layout_.SmileysHundredsX, layout_.SmileysTensX, layout_.SmileysUnitsX});
}

QRect BoardPainter::chronoArea() const {
    return counterArea({layout_.HoursX, layout_.SecondsUnitsX});
}

QRect BoardPainter::showPinup(const PinupFrames& frames, PinupFigure figure, int n) {
    const bool shown = n >= 1 && n <= PinupFrames::Frames;
    pinups_ = shown ? &frames : nullptr;
    pinupFigure_ = figure;
    pinupFrame_ = n;
    return pinupStrip(layout_, figure);
}

// Characters that are not digits (a blank, a minus sign) leave their place blank.
void BoardPainter::drawCounter(QPainter& p, const std::string& text,
                               std::initializer_list<int> xs) const {
    size_t i = 0;
    for (int x : xs) {
        const char ch = i < text.size() ? text[i] : ' ';
        if (ch >= '0' && ch <= '9')
            drawOutlined(p, x, layout_.CounterY, digits_.digit[ch - '0'],
                         digits_.digitOutline[ch - '0']);
        ++i;
    }
}

void BoardPainter::drawChrono(QPainter& p, const GameState& s) const {
    static constexpr int maxima[5] = {9, 5, 9, 5, 9};
    for (int x : {layout_.Sep1X, layout_.Sep2X})
        drawOutlined(p, x, layout_.CounterY, digits_.separator, digits_.separatorOutline);
    const auto xs = layout_.chronoDigitsX();
    for (int i = 0; i < 5; ++i)
        if (s.Chrono[i] >= 0 && s.Chrono[i] <= maxima[i])
            drawOutlined(p, xs[i], layout_.CounterY, digits_.digit[s.Chrono[i]],
                         digits_.digitOutline[s.Chrono[i]]);
}

void BoardPainter::paint(QPainter& p, const QRect& area, const GameState& s) const {
    if (background_.isNull() || area.isEmpty()) return;
    p.save();
    p.setClipRect(area);
    p.drawImage(area.topLeft(), background_, area);
    const int w = background_.width();
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
    bevel(layout_.BoardTop, background_.height() - 1);

    // Only the cells the area touches; the background is down already under empty ones.
    const int top = layout_.BoardTop + 1;
    const int firstRow = std::max(1, (area.top() - top) / cellSize_ + 1);
    const int lastRow = std::min(rows_, (area.bottom() - top) / cellSize_ + 1);
    const int firstCol = std::max(1, (area.left() - 1) / cellSize_ + 1);
    const int lastCol = std::min(columns_, (area.right() - 1) / cellSize_ + 1);
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            if (s.grid[r][c] != CellEmpty) sprites_.draw(p, cellRect(r, c), s.grid[r][c]);

    if (!s.cheated) { // cheating blanks the level and smiley counters
        if (area.intersects(levelArea()))
            drawCounter(p, levelText(s.level), {layout_.LevelTensX, layout_.LevelUnitsX});
        if (area.intersects(smileysArea()))
            drawCounter(p, smileysText(s.smileysLeft),
                        {layout_.SmileysHundredsX, layout_.SmileysTensX, layout_.SmileysUnitsX});
    }
    if (area.intersects(chronoArea())) drawChrono(p, s);
    for (int col : {1, 2})
        if (area.intersects(previewArea(col)))
            sprites_.draw(p, previewArea(col), s.preview[col - 1]);
    if (pinups_)
        drawPinupFrame(p, background_, layout_, cellSize_, *pinups_, sprites_, s, pinupFigure_,
                       pinupFrame_);
    p.restore();
}

QRect BoardPainter::hintArea(const Capsule& landing) const {
    return cellRect(landing.row, landing.col)
        .united(cellRect(landing.row2(), landing.col2()))
        .adjusted(-2, -2, 2, 2);
}

void BoardPainter::paintHint(QPainter& p, const Capsule& landing) const {
    p.save();
    const QRectF r = QRectF(hintArea(landing)).adjusted(2.5, 2.5, -2.5, -2.5);
    const qreal radius = cellSize_ / 4.0;
    p.setRenderHint(QPainter::Antialiasing);
    // Each half where it lands, in its colour and its lie, over a shade that keeps its colours
    // true on a bright or busy background; faint, so that it never passes for a capsule that
    // is down.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(r, radius, radius);
    p.setOpacity(0.65);
    sprites_.draw(p, cellRect(landing.row, landing.col), landing.half1);
    sprites_.draw(p, cellRect(landing.row2(), landing.col2()), landing.half2);
    p.setOpacity(1);
    // Light over a dark edge, to show on any background and any colour of smiley.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 170), 4));
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 235), 2, Qt::DashLine));
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

} // namespace kp
