#include "figure.h"

#include "pixmap.h"

#include <QPen>
#include <cmath>
#include <numbers>

namespace artgen {

QPointF limbEnd(QPointF from, double length, double degrees, int facing) {
    const double a = degrees * std::numbers::pi / 180.0;
    return from + QPointF(std::sin(a) * facing * length, std::cos(a) * length);
}

Figure::Figure(int width, int height) : image_(keyedPicture(width, height)) {}

void Figure::part(const Material& m, const std::function<void(QPainter&)>& draw) {
    QImage mask(image_.size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        draw(p);
    }
    auto in = [&](int x, int y) { return mask.valid(x, y) && qAlpha(mask.pixel(x, y)) > 0; };
    QImage out = image_;
    for (int y = 0; y < image_.height(); ++y)
        for (int x = 0; x < image_.width(); ++x) {
            if (in(x, y)) {
                QRgb c = m.fill;
                if (!in(x + 2, y + 1) || !in(x + 1, y + 2))
                    c = m.shade;
                else if (!in(x - 1, y) || !in(x, y - 1))
                    c = m.light;
                out.setPixel(x, y, c);
            } else if (in(x - 1, y) || in(x + 1, y) || in(x, y - 1) || in(x, y + 1) ||
                       in(x - 1, y - 1) || in(x + 1, y + 1) || in(x - 1, y + 1) ||
                       in(x + 1, y - 1)) {
                out.setPixel(x, y, m.outline);
            }
        }
    image_ = out;
}

void Figure::detail(const std::function<void(QPainter&)>& draw) {
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    draw(p);
}

std::pair<int, int> Figure::columns() const {
    int left = image_.width(), right = -1;
    for (int y = 0; y < image_.height(); ++y)
        for (int x = 0; x < image_.width(); ++x)
            if (!isKey(image_.pixel(x, y))) left = std::min(left, x), right = std::max(right, x);
    return left <= right ? std::pair{left, right} : std::pair{1, 0};
}

void thickLine(QPainter& p, QPointF a, QPointF b, double width) {
    p.save();
    p.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(a, b);
    p.restore();
}

void disc(QPainter& p, QPointF centre, double rx, double ry) {
    p.drawEllipse(centre, rx, ry);
}

} // namespace artgen
