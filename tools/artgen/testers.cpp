// The seven beta-testers: smiley portraits, each with a colour and a hat or a gadget of its
// own, so that they tell apart at a glance.
#include "dialog_art.h"

#include "figure.h"

#include <QPainterPath>

namespace artgen {

namespace {

const Material kYellow{qRgb(128, 70, 8), qRgb(240, 178, 0), qRgb(255, 231, 9), qRgb(255, 246, 112)};
const Material kBlue{qRgb(14, 34, 112), qRgb(8, 96, 226), qRgb(6, 131, 255), qRgb(84, 182, 255)};
const Material kPink{qRgb(120, 20, 80), qRgb(214, 70, 150), qRgb(250, 120, 190),
                     qRgb(255, 190, 225)};
const Material kGreen{qRgb(10, 90, 60), qRgb(20, 180, 110), qRgb(60, 230, 150),
                      qRgb(170, 255, 210)};
const Material kOrange{qRgb(120, 50, 0), qRgb(220, 110, 0), qRgb(255, 153, 0), qRgb(255, 205, 110)};
const Material kLavender{qRgb(70, 40, 120), qRgb(150, 110, 210), qRgb(190, 160, 240),
                         qRgb(230, 215, 255)};
const Material kCyan{qRgb(0, 80, 100), qRgb(0, 170, 200), qRgb(40, 215, 240), qRgb(170, 245, 255)};
const Material kRed{qRgb(110, 14, 34), qRgb(186, 30, 56), qRgb(228, 54, 76), qRgb(255, 130, 146)};
const Material kWhite{qRgb(70, 74, 96), qRgb(196, 200, 214), qRgb(244, 244, 250),
                      qRgb(255, 255, 255)};
const Material kGrey{qRgb(60, 60, 72), qRgb(150, 150, 162), qRgb(196, 196, 206),
                     qRgb(236, 236, 242)};
const Material kDark{qRgb(16, 16, 28), qRgb(36, 36, 54), qRgb(56, 56, 80), qRgb(110, 110, 140)};
const Material kGold{qRgb(110, 70, 0), qRgb(210, 150, 10), qRgb(250, 200, 40), qRgb(255, 240, 150)};

constexpr QPointF kCentre(16, 18);
constexpr QColor kInk(40, 24, 30);

void face(Figure& f, const Material& skin, int mood, bool glasses = false) {
    f.part(skin, [](QPainter& p) { disc(p, kCentre, 11.5, 11); });
    f.detail([&](QPainter& p) {
        p.setPen(Qt::NoPen);
        for (double dx : {-4.5, 4.5}) {
            const QPointF eye(kCentre.x() + dx, kCentre.y() - 1.5);
            if (mood == 1) { // a wink with the right eye
                if (dx > 0) {
                    p.fillRect(QRectF(eye.x() - 2, eye.y(), 4, 1), kInk);
                    continue;
                }
            }
            p.setBrush(QColor(250, 250, 250));
            p.drawEllipse(eye, 2.2, 2.8);
            p.setBrush(kInk);
            p.drawEllipse(eye + QPointF(0.4, 0.5), 1.1, 1.6);
        }
        const QPointF m(kCentre.x(), kCentre.y() + 4.5);
        if (mood == 2) { // open laugh
            p.setBrush(QColor(120, 30, 40));
            p.drawChord(QRectF(m.x() - 4, m.y() - 3, 8, 7), 180 * 16, 180 * 16);
            p.fillRect(QRectF(m.x() - 1.5, m.y() + 1.5, 3, 1), QColor(236, 110, 120));
        } else {
            p.fillRect(QRectF(m.x() - 2.5, m.y() + 1, 5, 1), kInk);
            p.fillRect(QRectF(m.x() - 3.5, m.y(), 1, 1), kInk);
            p.fillRect(QRectF(m.x() + 2.5, m.y(), 1, 1), kInk);
        }
        if (glasses) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kInk, 1));
            p.drawEllipse(QRectF(7.5, 13, 6, 6));
            p.drawEllipse(QRectF(18.5, 13, 6, 6));
            p.drawLine(QPointF(13.5, 15.5), QPointF(18.5, 15.5));
        }
    });
}

} // namespace

QImage testerPicture(int tester) {
    Figure f(32, 32);
    switch (tester) {
    case 1: // Pilulix wears a capsule for a hat.
        face(f, kYellow, 0);
        f.part(kPink, [](QPainter& p) {
            p.drawRoundedRect(QRectF(15, 2, 13, 8), 4, 4);
            p.drawRect(QRectF(15, 2, 5, 8));
        });
        f.part(kBlue, [](QPainter& p) {
            p.drawRoundedRect(QRectF(4, 2, 13, 8), 4, 4);
            p.drawRect(QRectF(11, 2, 6, 8));
        });
        break;
    case 2: // Capsulette and her bow.
        face(f, kPink, 1);
        f.part(kRed, [](QPainter& p) {
            QPainterPath bow;
            bow.moveTo(17, 7);
            bow.lineTo(11, 2);
            bow.lineTo(11, 11);
            bow.closeSubpath();
            bow.moveTo(19, 7);
            bow.lineTo(26, 2);
            bow.lineTo(26, 11);
            bow.closeSubpath();
            p.drawPath(bow);
            disc(p, {18, 7}, 2.2, 2.2);
        });
        break;
    case 3: // Zigzag's propeller cap.
        face(f, kGreen, 2);
        f.part(kRed, [](QPainter& p) { p.drawChord(QRectF(5, 6, 22, 14), 0, 180 * 16); });
        f.part(kGold, [](QPainter& p) {
            thickLine(p, {16, 6}, {16, 3}, 1.5);
            disc(p, {11.5, 2.5}, 4, 1.2);
            disc(p, {20.5, 2.5}, 4, 1.2);
        });
        break;
    case 4: // Frimousse: round glasses and freckles.
        face(f, kOrange, 0, true);
        f.detail([](QPainter& p) {
            for (const QPointF& d : {QPointF(8, 21), QPointF(10, 22), QPointF(22, 21),
                                     QPointF(24, 22), QPointF(9, 23), QPointF(23, 23)})
                p.fillRect(QRectF(d, QSizeF(1, 1)), QColor(190, 90, 0));
        });
        f.part(kOrange, [](QPainter& p) {
            disc(p, {11, 7}, 3, 2);
            disc(p, {16, 6}, 3, 2.2);
            disc(p, {21, 7}, 3, 2);
        });
        break;
    case 5: // Mamie Turbo: a grey bun and reading glasses.
        f.part(kGrey, [](QPainter& p) { disc(p, {16, 5}, 5, 4); });
        face(f, kLavender, 0, true);
        f.part(kGrey, [](QPainter& p) { p.drawChord(QRectF(5, 6, 22, 12), 0, 180 * 16); });
        break;
    case 6: // Bidouille never takes the headphones off.
        face(f, kBlue, 2);
        f.part(kDark, [](QPainter& p) {
            p.setPen(QPen(Qt::white, 2.5));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(4, 4, 24, 24), 10 * 16, 160 * 16);
        });
        f.part(kRed, [](QPainter& p) {
            p.drawRoundedRect(QRectF(2, 13, 5, 9), 2, 2);
            p.drawRoundedRect(QRectF(25, 13, 5, 9), 2, 2);
        });
        break;
    default: // Capitaine Pixel and the captain's cap.
        face(f, kCyan, 1);
        f.part(kWhite, [](QPainter& p) {
            QPainterPath crown;
            crown.addRoundedRect(QRectF(5, 2, 22, 8), 4, 4);
            p.drawPath(crown);
        });
        f.part(kDark, [](QPainter& p) { p.drawChord(QRectF(6, 7, 20, 6), 180 * 16, 180 * 16); });
        f.part(kGold, [](QPainter& p) { disc(p, {16, 6}, 2.2, 2); });
        break;
    }
    return f.image();
}

} // namespace artgen
