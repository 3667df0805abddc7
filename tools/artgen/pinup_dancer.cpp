// Dotty: a smiley in a purple tailcoat and top hat. Dotty tap-steps in from the right, stops
// for a "ta-da" with cane and hat, spins and leaps away to the left.
#include "pinup_figures.h"

#include <QPainterPath>
#include <array>
#include <cmath>
#include <numbers>

namespace artgen {

namespace {

constexpr double kThigh = 11, kShin = 11, kGround = 74.0;

const Material kFace{qRgb(128, 70, 8), qRgb(240, 178, 0), qRgb(255, 231, 9), qRgb(255, 246, 112)};
const Material kCoat{qRgb(44, 22, 88), qRgb(92, 50, 160), qRgb(128, 74, 206), qRgb(176, 136, 242)};
const Material kTrousers{qRgb(30, 24, 60), qRgb(56, 46, 104), qRgb(76, 64, 136),
                         qRgb(110, 98, 170)};
const Material kGlove{qRgb(70, 74, 96), qRgb(196, 200, 214), qRgb(244, 244, 250),
                      qRgb(255, 255, 255)};
const Material kHat{qRgb(22, 18, 40), qRgb(44, 36, 70), qRgb(62, 52, 96), qRgb(100, 90, 140)};
const Material kShoe{qRgb(20, 18, 32), qRgb(40, 36, 58), qRgb(56, 52, 80), qRgb(140, 136, 170)};
const Material kCane{qRgb(40, 22, 10), qRgb(90, 50, 20), qRgb(120, 70, 30), qRgb(170, 110, 60)};

// Frames 7 to 18: the show in the middle of the strip.
Pose showPose(int frame) {
    Pose p;
    p.facing = -1;
    p.expression = 2;
    switch (frame) {
    case 7:
        p.armFront = {50, 70}, p.armBack = {-30, -20}, p.cane = 40, p.expression = 0;
        break;
    case 8:
        p.armFront = {75, 85}, p.armBack = {-55, -45}, p.cane = 80;
        break;
    case 9:
        p.armFront = {90, 95}, p.armBack = {-80, -70}, p.cane = 95;
        p.legFront = {15, 15}, p.legBack = {-10, -10};
        break;
    case 10:
        p.armFront = {100, 100}, p.armBack = {-125, -150}, p.cane = 95, p.hatInHand = true;
        p.legFront = {30, 30}, p.legBack = {-20, -20};
        break;
    case 11:
        p.armFront = {95, 95}, p.armBack = {-125, -150}, p.cane = 92, p.hatInHand = true;
        p.legFront = {38, 38}, p.legBack = {-30, -30};
        break;
    case 12:
        p.armFront = {95, 95}, p.armBack = {-125, -150}, p.cane = 92, p.hatInHand = true;
        p.legFront = {75, 60}, p.legBack = {-5, -5};
        break;
    case 13:
        p.armFront = {90, 85}, p.armBack = {-115, -130}, p.cane = 90, p.hatInHand = true;
        p.legFront = {25, 25}, p.legBack = {-20, -20}, p.expression = 1;
        break;
    case 14: // the hat comes down to greet
        p.armFront = {60, 40}, p.armBack = {-100, -80}, p.cane = 30, p.hatInHand = true;
        p.expression = 1;
        break;
    case 15:
        p.armFront = {35, 20}, p.armBack = {160, 175}, p.cane = 10, p.expression = 0;
        break;
    case 16:
        p.armFront = {20, 20}, p.armBack = {20, 40}, p.cane = 5, p.expression = 0;
        break;
    case 17:
        p.frontView = true, p.expression = 2;
        break;
    default: // 18, the leap
        p.armFront = {120, 130}, p.armBack = {-60, -50}, p.cane = 130;
        p.legFront = {70, 80}, p.legBack = {-55, -75}, p.lift = 5;
        break;
    }
    return p;
}

} // namespace

Pose dancerPose(int frame, double swing) {
    if (frame >= 7 && frame <= 18) {
        Pose p = showPose(frame);
        for (Limb* l : {&p.armFront, &p.armBack, &p.legFront, &p.legBack})
            l->upper *= swing, l->lower *= swing;
        p.cane *= swing;
        return p;
    }
    Pose p = walkCycle(frame * std::numbers::pi / 4, -1, swing);
    p.cane = p.armFront.lower * 0.6;
    if (frame == 21) p.expression = 1;
    return p;
}

void drawDancer(Figure& f, double x, const Pose& pose) {
    const int dir = pose.facing;
    const double hipY = hipHeight(pose, kThigh, kShin, kGround) - pose.lift;
    const double waist = hipY + 2, chest = hipY - 17;
    const double faceX = pose.frontView ? x : x + dir;
    const QPointF headCentre(faceX, chest - 8);
    const double headTop = headCentre.y() - 9;

    auto hatAt = [&](QPointF brim, Figure& fig) {
        fig.part(kHat, [&](QPainter& p) {
            p.drawRect(QRectF(brim.x() - 5.5, brim.y() - 11, 11, 11));
            disc(p, brim, 8, 2);
        });
        fig.detail([&](QPainter& p) {
            p.fillRect(QRectF(brim.x() - 5, brim.y() - 4, 11, 2), QColor(6, 131, 255));
        });
    };
    auto leg = [&](const Limb& l, double side) {
        const QPointF hip(x + side, hipY);
        const QPointF knee = limbEnd(hip, kThigh, l.upper, dir);
        const QPointF foot = limbEnd(knee, kShin, l.lower, dir);
        f.part(kTrousers, [&](QPainter& p) {
            thickLine(p, hip, knee, 5);
            thickLine(p, knee, foot, 4.5);
        });
        const double toe = pose.frontView ? 0 : 2.5 * dir;
        f.part(kShoe, [&](QPainter& p) { disc(p, foot + QPointF(toe, 2), 4, 2.4); });
    };
    auto arm = [&](const Limb& l, QPointF shoulder, bool withCane, bool withHat) {
        const QPointF elbow = limbEnd(shoulder, 8, l.upper, dir);
        const QPointF hand = limbEnd(elbow, 8, l.lower, dir);
        f.part(kCoat, [&](QPainter& p) {
            thickLine(p, shoulder, elbow, 4);
            thickLine(p, elbow, hand, 3.5);
        });
        if (withHat) hatAt(hand + QPointF(0, -3), f);
        if (withCane) {
            const QPointF top = limbEnd(hand, -4, pose.cane, dir);
            const QPointF tip = limbEnd(hand, 19, pose.cane, dir);
            f.part(kCane, [&](QPainter& p) {
                thickLine(p, top, tip, 2);
                disc(p, top, 2, 2);
            });
        }
        f.part(kGlove, [&](QPainter& p) { disc(p, hand, 2.6, 2.6); });
    };

    const QPointF shoulder(x, chest + 3);
    if (pose.frontView) {
        leg({}, -3);
        leg({}, 3);
    } else {
        arm(pose.armBack, shoulder, false, pose.hatInHand);
        leg(pose.legBack, -2 * dir);
        leg(pose.legFront, 2 * dir);
    }
    f.part(kCoat, [&](QPainter& p) {
        QPainterPath body;
        body.addRoundedRect(QRectF(x - 6, chest, 12, waist - chest), 4, 4);
        p.drawPath(body);
    });
    f.detail([&](QPainter& p) {
        // Shirt front and a yellow bow tie.
        const double sx = pose.frontView ? x : x + 2 * dir;
        p.fillRect(QRectF(sx - 1.5, chest + 1, 3, 9), QColor(244, 244, 250));
        p.fillRect(QRectF(sx - 3, chest + 1, 6, 2), QColor(255, 214, 0));
    });
    f.part(kFace, [&](QPainter& p) { disc(p, headCentre, 8.5, 9); });
    f.detail([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        const double look = pose.frontView ? 0 : dir;
        for (double dx : {-3.5, 3.0}) {
            const QPointF c(faceX + dx + look, headCentre.y() - 1);
            if (pose.expression == 1) {
                p.fillRect(QRectF(c.x() - 1.5, c.y() + 1, 3, 1), QColor(128, 70, 8));
            } else if (pose.expression == 2) {
                p.fillRect(QRectF(c.x() - 1.5, c.y() - 1, 3, 1), QColor(128, 70, 8));
                p.fillRect(QRectF(c.x() - 2, c.y(), 1, 1), QColor(128, 70, 8));
                p.fillRect(QRectF(c.x() + 1.5, c.y(), 1, 1), QColor(128, 70, 8));
            } else {
                p.setBrush(QColor(250, 250, 250));
                p.drawEllipse(c, 2.2, 3.0);
                p.setBrush(QColor(72, 38, 6));
                p.drawEllipse(c + QPointF(0.8 * look, 0.5), 1.1, 2.0);
            }
        }
        const QPointF m(faceX + look, headCentre.y() + 4);
        if (pose.expression == 2) {
            p.setBrush(QColor(110, 30, 24));
            p.drawChord(QRectF(m.x() - 3.5, m.y() - 3, 7, 6), 180 * 16, 180 * 16);
            p.fillRect(QRectF(m.x() - 1, m.y() + 1, 3, 1), QColor(236, 104, 110));
        } else {
            p.fillRect(QRectF(m.x() - 2, m.y() + 1, 4, 1), QColor(128, 70, 8));
            p.fillRect(QRectF(m.x() - 3, m.y(), 1, 1), QColor(128, 70, 8));
            p.fillRect(QRectF(m.x() + 2, m.y(), 1, 1), QColor(128, 70, 8));
        }
    });
    if (!pose.hatInHand) hatAt(QPointF(faceX, headTop + 2), f);
    if (pose.frontView) {
        arm({8, 4}, QPointF(x - 5, chest + 3), true, false);
        arm({-8, -4}, QPointF(x + 5, chest + 3), false, false);
    } else {
        arm(pose.armFront, shoulder, true, false);
    }
}

} // namespace artgen
