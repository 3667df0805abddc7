#include "progress_plot.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace kp {

namespace {

constexpr int Ticks = 5; // intervals on each value axis

} // namespace

ProgressPlot::ProgressPlot(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(160);
}

void ProgressPlot::setTitle(const QString& title) {
    title_ = title;
    update();
}

void ProgressPlot::setGamesTitle(const QString& title) {
    gamesTitle_ = title;
    update();
}

void ProgressPlot::setGames(int games) {
    games_ = std::max(games, 2);
    update();
}

QString ProgressPlot::label(const Series& s, double v) {
    return QString::number(v, 'f', s.decimals);
}

double ProgressPlot::xAt(const QRect& area, double game) const {
    return area.left() + (game - 1) * area.width() / (games_ - 1);
}

void ProgressPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0xf4, 0xf8, 0xfc));
    const QFontMetrics fm = fontMetrics();
    const int line = fm.height();

    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(QColor(0x26, 0x38, 0x6a));
    p.drawText(QRect(0, 2, width(), line), Qt::AlignCenter, title_);
    p.setFont(font());

    // Room for the labels of both value axes, the games' labels and title, and the legend.
    const int left = 8 + fm.horizontalAdvance(label(series_[0], series_[0].top));
    const int right = 8 + fm.horizontalAdvance(label(series_[1], series_[1].top));
    const QRect area(left, line + 8, width() - left - right, height() - 4 * line - 14);
    if (area.width() < 20 || area.height() < 20) return;
    p.fillRect(area, Qt::white);
    drawValueAxes(p, area, left, right);
    drawGamesAxis(p, area);
    drawSeries(p, area);
    drawLegend(p);
}

// The value grid and labels: series 0 on the left, series 1 on the right.
void ProgressPlot::drawValueAxes(QPainter& p, const QRect& area, int left, int right) const {
    const int line = fontMetrics().height();
    for (int t = 0; t <= Ticks; ++t) {
        const int y = area.bottom() - t * area.height() / Ticks;
        p.setPen(QColor(0xdd, 0xe3, 0xea));
        p.drawLine(area.left(), y, area.right(), y);
        for (int s = 0; s < 2; ++s) {
            const Series& series = series_[size_t(s)];
            p.setPen(series.colour);
            const QRect box = s == 0 ? QRect(0, y - line / 2, left - 4, line)
                                     : QRect(area.right() + 4, y - line / 2, right - 4, line);
            p.drawText(box, (s == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                       label(series, series.top * t / Ticks));
        }
    }
    p.setPen(QPen(series_[0].colour, 1.5));
    p.drawLine(area.bottomLeft(), area.topLeft());
    p.setPen(QPen(series_[1].colour, 1.5));
    p.drawLine(area.bottomRight(), area.topRight());
}

// The games: at most six labels, on whole games, and the axis's title.
void ProgressPlot::drawGamesAxis(QPainter& p, const QRect& area) const {
    const int line = fontMetrics().height();
    const int step = std::max(1, int(std::ceil((games_ - 1) / 5.0)));
    p.setPen(QColor(0x40, 0x40, 0x40));
    for (int g = 1; g <= games_; g += step) {
        const int x = int(std::lround(xAt(area, g)));
        p.drawLine(x, area.bottom(), x, area.bottom() + 3);
        p.drawText(QRect(x - 30, area.bottom() + 4, 60, line), Qt::AlignCenter, QString::number(g));
    }
    p.drawText(QRect(area.left(), area.bottom() + 4 + line, area.width(), line), Qt::AlignCenter,
               gamesTitle_);
    p.drawLine(area.bottomLeft(), area.bottomRight());
}

// The series, each point marked.
void ProgressPlot::drawSeries(QPainter& p, const QRect& area) const {
    for (const Series& s : series_) {
        const auto at = [&](QPointF v) {
            return QPointF(xAt(area, v.x()), area.bottom() - v.y() / s.top * area.height());
        };
        QPainterPath path;
        for (qsizetype i = 0; i < s.points.size(); ++i)
            i == 0 ? path.moveTo(at(s.points[i])) : path.lineTo(at(s.points[i]));
        p.setPen(QPen(s.colour, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setBrush(s.colour);
        for (const QPointF& v : s.points) p.drawEllipse(at(v), 3, 3);
    }
}

// The legend, centred under the games' title.
void ProgressPlot::drawLegend(QPainter& p) const {
    const QFontMetrics fm = fontMetrics();
    const int line = fm.height();
    const int swatch = 18, gap = 16;
    int legend = gap * (int(series_.size()) - 1);
    for (const Series& s : series_) legend += swatch + 4 + fm.horizontalAdvance(s.name);
    int x = (width() - legend) / 2;
    const int y = height() - line - 3;
    for (const Series& s : series_) {
        p.setPen(QPen(s.colour, 2));
        p.drawLine(x, y + line / 2, x + swatch, y + line / 2);
        p.setPen(QColor(0x20, 0x20, 0x20));
        x += swatch + 4;
        p.drawText(QRect(x, y, fm.horizontalAdvance(s.name) + 2, line), Qt::AlignVCenter, s.name);
        x += fm.horizontalAdvance(s.name) + gap;
    }
}

} // namespace kp
