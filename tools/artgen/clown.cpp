// Bobo the clown: a smiley in a polka-dot suit who balances a ball on a raised hand. The
// about page drops its three smileys onto that hand before Bobo shows up.
#include "dialog_art.h"

#include "figure.h"

#include <QPainterPath>

namespace artgen {

namespace {

const Material kFace{qRgb(128, 70, 8), qRgb(240, 178, 0), qRgb(255, 231, 9), qRgb(255, 246, 112)};
const Material kSuitRed{qRgb(110, 14, 34), qRgb(186, 30, 56), qRgb(228, 54, 76),
                        qRgb(255, 130, 146)};
const Material kSuitBlue{qRgb(14, 34, 112), qRgb(8, 96, 226), qRgb(6, 131, 255),
                         qRgb(84, 182, 255)};
const Material kHair{qRgb(116, 40, 4), qRgb(214, 92, 10), qRgb(250, 136, 28), qRgb(255, 190, 96)};
const Material kHat{qRgb(20, 80, 50), qRgb(24, 150, 90), qRgb(44, 196, 120), qRgb(150, 240, 190)};
const Material kWhite{qRgb(70, 74, 96), qRgb(196, 200, 214), qRgb(244, 244, 250),
                      qRgb(255, 255, 255)};
const Material kNose{qRgb(110, 10, 20), qRgb(200, 20, 40), qRgb(236, 40, 56), qRgb(255, 150, 160)};
const Material kShoe{qRgb(96, 16, 36), qRgb(172, 28, 58), qRgb(222, 52, 82), qRgb(255, 132, 150)};

constexpr QPointF kHead(50, 43);

} // namespace

QImage clownPicture() {
    Figure f(kClownWidth, kClownHeight);
    // Legs in baggy trousers, big shoes pointing outwards.
    f.part(kSuitBlue, [](QPainter& p) {
        thickLine(p, {45, 80}, {40, 96}, 9);
        thickLine(p, {57, 80}, {61, 96}, 9);
    });
    f.part(kShoe, [](QPainter& p) {
        disc(p, {35, 99}, 9, 3.6);
        disc(p, {66, 99}, 9, 3.6);
    });
    // The arm on the hip.
    f.part(kSuitRed, [](QPainter& p) {
        thickLine(p, {60, 61}, {70, 70}, 5);
        thickLine(p, {70, 70}, {62, 78}, 4.5);
    });
    f.part(kWhite, [](QPainter& p) { disc(p, {62, 78}, 3.2, 3.2); });
    // The suit, red on one side and blue on the other.
    f.part(kSuitRed, [](QPainter& p) {
        QPainterPath body;
        body.addRoundedRect(QRectF(38, 56, 25, 28), 8, 8);
        p.drawPath(body);
    });
    f.detail([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(6, 131, 255));
        p.drawRect(QRectF(51, 58, 10, 24));
        p.drawRect(QRectF(51, 57, 6, 26));
        p.setBrush(QColor(255, 231, 9));
        for (const QPointF& dot :
             {QPointF(43, 63), QPointF(46, 73), QPointF(42, 79), QPointF(56, 66), QPointF(57, 77)})
            p.drawEllipse(dot, 1.5, 1.5);
        p.setBrush(QColor(250, 250, 250));
        for (double y : {64.0, 71.0, 78.0}) p.drawEllipse(QPointF(50.5, y), 1.6, 1.6);
    });
    // The raised arm, hand open under the corner where a smiley will rest.
    f.part(kSuitBlue, [](QPainter& p) {
        thickLine(p, {41, 61}, {29, 52}, 5);
        thickLine(p, {29, 52}, {19, 38}, 4.5);
    });
    f.part(kWhite, [](QPainter& p) {
        disc(p, {17, 36}, 4.5, 2.6);
        disc(p, {19, 39}, 2.8, 2.8);
    });
    // A ruffled collar.
    f.part(kWhite, [](QPainter& p) {
        for (int i = 0; i < 5; ++i) disc(p, {40.0 + i * 5.0, 56.5}, 3.4, 2.8);
    });
    // Hair tufts behind the head, the head, the nose.
    f.part(kHair, [](QPainter& p) {
        disc(p, {37, 38}, 5.5, 6);
        disc(p, {63, 38}, 5.5, 6);
        disc(p, {36, 46}, 4, 4);
        disc(p, {64, 46}, 4, 4);
    });
    f.part(kFace, [](QPainter& p) { disc(p, kHead, 12.5, 12); });
    f.detail([](QPainter& p) {
        p.setPen(Qt::NoPen);
        // White make-up round the mouth, then the wide smile.
        p.setBrush(QColor(250, 250, 250));
        p.drawEllipse(QPointF(50, 48.5), 8, 4.5);
        p.setBrush(QColor(200, 30, 50));
        p.drawChord(QRectF(43, 44, 14, 8), 180 * 16, 180 * 16);
        p.fillRect(QRectF(44, 48, 12, 1), QColor(200, 30, 50));
        p.setBrush(QColor(250, 150, 160));
        p.drawEllipse(QPointF(50, 50.5), 2.5, 1);
        // Eyes looking up at the ball, with painted arches above.
        for (double dx : {-4.5, 4.5}) {
            const QPointF c(kHead.x() + dx, kHead.y() - 4);
            p.setBrush(QColor(250, 250, 250));
            p.drawEllipse(c, 2.4, 3.2);
            p.setBrush(QColor(60, 20, 80));
            p.drawEllipse(c + QPointF(-0.8, -0.9), 1.2, 1.8);
            p.fillRect(QRectF(c.x() - 2, c.y() - 5, 4, 1), QColor(60, 20, 80));
        }
    });
    f.part(kNose, [](QPainter& p) { disc(p, {50, 44}, 3.2, 3); });
    // A little cone hat with a pompom, tipped to one side.
    f.part(kHat, [](QPainter& p) {
        QPainterPath cone;
        cone.moveTo(42, 33);
        cone.lineTo(58, 32);
        cone.lineTo(55, 13);
        cone.closeSubpath();
        p.drawPath(cone);
    });
    f.detail([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 231, 9));
        for (const QPointF& dot : {QPointF(50, 28), QPointF(54, 23), QPointF(52, 18)})
            p.drawEllipse(dot, 1.3, 1.3);
    });
    f.part(kWhite, [](QPainter& p) { disc(p, {55.5, 11}, 3.4, 3.4); });
    return f.image();
}

} // namespace artgen
