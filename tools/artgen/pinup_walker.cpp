// Kapsy: a blue and yellow capsule on white rubber legs, strolling across with a smile.
#include "pinup_figures.h"

#include <cmath>
#include <numbers>

namespace artgen {

namespace {

constexpr double kThigh = 9, kShin = 9, kGround = 74.0;

const Material kBlue{qRgb(14, 34, 112), qRgb(8, 96, 226), qRgb(6, 131, 255), qRgb(84, 182, 255)};
const Material kYellow{qRgb(128, 70, 8), qRgb(240, 178, 0), qRgb(255, 231, 9), qRgb(255, 246, 112)};
const Material kRubber{qRgb(70, 74, 96), qRgb(196, 200, 214), qRgb(244, 244, 250),
                       qRgb(255, 255, 255)};
const Material kShoe{qRgb(96, 16, 36), qRgb(172, 28, 58), qRgb(222, 52, 82), qRgb(255, 132, 150)};

} // namespace

Pose walkCycle(double phase, int facing, double swing) {
    const double s = std::sin(phase), c = std::cos(phase);
    Pose pose;
    pose.facing = facing;
    auto leg = [&](double sign) {
        const double thigh = 30 * sign * s * swing;
        const double bend = std::max(0.0, 55 * sign * c) * swing;
        return Limb{thigh, thigh - bend};
    };
    pose.legFront = leg(1);
    pose.legBack = leg(-1);
    pose.armFront = {-35 * s * swing, (-35 * s + 30) * swing};
    pose.armBack = {35 * s * swing, (35 * s + 30) * swing};
    return pose;
}

double hipHeight(const Pose& pose, double thigh, double shin, double ground) {
    auto drop = [&](const Limb& l) {
        return thigh * std::cos(l.upper * std::numbers::pi / 180) +
               shin * std::cos(l.lower * std::numbers::pi / 180);
    };
    return ground - std::max(drop(pose.legFront), drop(pose.legBack));
}

Pose walkerPose(int frame, double swing) {
    Pose pose = walkCycle(frame * std::numbers::pi / 4, 1, swing);
    if (frame == 9 || frame == 19) pose.expression = 1;
    if (frame >= 13 && frame <= 15) pose.expression = 2;
    return pose;
}

void drawWalker(Figure& f, double x, const Pose& pose) {
    const int dir = pose.facing;
    const double hipY = hipHeight(pose, kThigh, kShin, kGround);
    const double bottom = hipY + 3, top = bottom - 50, seam = top + 25;
    const QPointF shoulder(x, seam + 3);

    auto leg = [&](const Limb& l, double side) {
        const QPointF hip(x + side, hipY);
        const QPointF knee = limbEnd(hip, kThigh, l.upper, dir);
        const QPointF foot = limbEnd(knee, kShin, l.lower, dir);
        f.part(kRubber, [&](QPainter& p) {
            thickLine(p, hip, knee, 4);
            thickLine(p, knee, foot, 4);
        });
        f.part(kShoe, [&](QPainter& p) { disc(p, foot + QPointF(2.5 * dir, 2), 4.5, 2.6); });
    };
    auto arm = [&](const Limb& l) {
        const QPointF elbow = limbEnd(shoulder, 8, l.upper, dir);
        const QPointF hand = limbEnd(elbow, 8, l.lower, dir);
        f.part(kRubber, [&](QPainter& p) {
            thickLine(p, shoulder, elbow, 3.5);
            thickLine(p, elbow, hand, 3.5);
            disc(p, hand, 2.8, 2.8);
        });
    };

    arm(pose.armBack);
    leg(pose.legBack, -3 * dir);
    leg(pose.legFront, 3 * dir);
    f.part(kYellow, [&](QPainter& p) {
        p.drawRect(QRectF(x - 10, seam, 20, bottom - seam - 10));
        p.drawEllipse(QRectF(x - 10, bottom - 20, 20, 20));
    });
    f.part(kBlue, [&](QPainter& p) {
        p.drawEllipse(QRectF(x - 10, top, 20, 20));
        p.drawRect(QRectF(x - 10, top + 10, 20, seam - top - 10));
    });
    f.detail([&](QPainter& p) {
        // Gloss down the capsule's left side, then the face, turned the way Kapsy walks.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 240, 255));
        p.drawRect(QRectF(x - 8, top + 5, 2, 6));
        p.setBrush(QColor(255, 255, 222));
        p.drawRect(QRectF(x - 8, seam + 4, 2, 8));
        const double ex = x + 2.5 * dir, ey = top + 12;
        for (double dx : {-3.5, 3.5}) {
            const QPointF c(ex + dx, ey);
            if (pose.expression == 0) {
                p.setBrush(QColor(250, 250, 250));
                p.drawEllipse(c, 2.6, 4.0);
                p.setBrush(QColor(10, 20, 58));
                p.drawEllipse(c + QPointF(1.0 * dir, 0.5), 1.2, 2.5);
            } else {
                p.setBrush(QColor(14, 34, 112));
                p.drawRect(QRectF(c.x() - 2, ey + (pose.expression == 2 ? -1 : 1), 4, 1.2));
            }
        }
        p.setBrush(QColor(14, 34, 112));
        const double my = top + 19;
        if (pose.expression == 2) {
            p.drawChord(QRectF(ex - 5, my - 3, 10, 7), 180 * 16, 180 * 16);
        } else {
            p.drawRect(QRectF(ex - 3, my + 1, 6, 1));
            p.drawRect(QRectF(ex - 4, my, 1, 1));
            p.drawRect(QRectF(ex + 3, my, 1, 1));
        }
    });
    arm(pose.armFront);
}

} // namespace artgen
