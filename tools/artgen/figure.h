// A small cartoon renderer for the pin-up figures: every body part is a flat shape that gets
// its own dark outline, a light edge on the upper left and a shade on the lower right, so
// overlapping parts stay readable at 80 pixels high. No anti-aliasing touches the key colour.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <functional>

namespace artgen {

struct Material {
    QRgb outline, shade, fill, light;
};

// Where a limb ends: angles in degrees from hanging straight down, positive towards the way
// the figure faces (facing is +1 for right, -1 for left).
QPointF limbEnd(QPointF from, double length, double degrees, int facing);

class Figure {
  public:
    Figure(int width, int height);

    // Paints the silhouette drawn by draw (any colour) as one part over what is already there.
    void part(const Material& material, const std::function<void(QPainter&)>& draw);
    // Paints directly without outline or shading (eyes, mouths, small details).
    void detail(const std::function<void(QPainter&)>& draw);

    const QImage& image() const { return image_; }
    // Left-most and right-most painted columns; {1, 0} when nothing is painted.
    std::pair<int, int> columns() const;

  private:
    QImage image_;
};

// Helpers for silhouettes.
void thickLine(QPainter& p, QPointF a, QPointF b, double width);
void disc(QPainter& p, QPointF centre, double rx, double ry);

} // namespace artgen
