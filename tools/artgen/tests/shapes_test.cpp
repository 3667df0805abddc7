// How the pictures fit together on the board and across the pin-up strip.
#include "pixmap.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

using artgen::isKey;

namespace {

QImage sprite(const QString& name) {
    QImage image(":/sprites/" + name);
    EXPECT_FALSE(image.isNull()) << name.toStdString();
    return image;
}

// Painted pixels along one edge of a 16 x 16 picture: 0 top, 1 right, 2 bottom, 3 left.
QVector<bool> edge(const QImage& image, int side) {
    QVector<bool> painted;
    for (int i = 0; i < 16; ++i) {
        const int x = side == 1 ? 15 : side == 3 ? 0 : i;
        const int y = side == 2 ? 15 : side == 0 ? 0 : i;
        painted << !isKey(image.pixel(x, y));
    }
    return painted;
}

int count(const QVector<bool>& v) {
    return int(std::count(v.begin(), v.end(), true));
}

const QString kHalfRows[] = {"ImgColor0", "ImgColor1", "RefColor2"};

} // namespace

TEST(CapsuleHalves, touchTheirPartnersEdgeOnlyAndFlat) {
    // Link k has its partner below (1), right (2), above (3) or left (4).
    const int partnerSide[5] = {-1, 2, 1, 0, 3};
    for (const QString& row : kHalfRows)
        for (int k = 0; k < 5; ++k) {
            const QImage half = sprite(row + QString::number(k));
            for (int side = 0; side < 4; ++side) {
                const int painted = count(edge(half, side));
                if (side == partnerSide[k])
                    EXPECT_GE(painted, 10) << row.toStdString() << k << " side " << side;
                else
                    EXPECT_EQ(painted, 0) << row.toStdString() << k << " side " << side;
            }
        }
}

TEST(CapsuleHalves, joinSeamlesslyWithHalvesOfAnyColour) {
    for (const QString& a : kHalfRows)
        for (const QString& b : kHalfRows) {
            EXPECT_EQ(edge(sprite(a + "2"), 1), edge(sprite(b + "4"), 3)) << "lying";
            EXPECT_EQ(edge(sprite(a + "1"), 2), edge(sprite(b + "3"), 0)) << "upright";
        }
}

TEST(Smileys, areRoundAndSymmetric) {
    for (const QString& row : {QString("ImgColor_0"), QString("ImgColor_1"), QString("RefColor_2")})
        for (int f = 1; f <= 4; ++f) {
            const QImage face = sprite(row + QString::number(f));
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 8; ++x)
                    EXPECT_EQ(isKey(face.pixel(x, y)), isKey(face.pixel(15 - x, y)))
                        << row.toStdString() << f << " at " << x << "," << y;
        }
}

TEST(RemovalBursts, growFromAFullFlashToAFewEmbers) {
    for (const QString& row : {QString("ImgColor5"), QString("ImgColor6"), QString("RefColor7")}) {
        int previous = 256;
        for (int k = 0; k < 5; ++k) {
            const QImage frame = sprite(row + QString::number(k));
            int painted = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) painted += !isKey(frame.pixel(x, y));
            EXPECT_GT(painted, 0) << row.toStdString() << k;
            EXPECT_LT(painted, previous) << row.toStdString() << k << " should fade";
            previous = painted;
        }
    }
}

namespace {

// Mean x of the figure's pixels in strip coordinates, for frames that show it whole.
double stripCentre(const QString& name, int offset) {
    const QImage frame(":/pinup/" + name);
    EXPECT_FALSE(frame.isNull()) << name.toStdString();
    double sum = 0;
    int n = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            if (!isKey(frame.pixel(x, y))) sum += offset + x, ++n;
    return n ? sum / n : 0;
}

} // namespace

TEST(Pinups, figuresCrossTheStripAtAnEvenPace) {
    const int leftOffsets[23] = {0,  0,  0,  2,  6,  8,  16,  24,  32,  38,  41, 48,
                                 59, 65, 71, 78, 84, 92, 100, 105, 116, 123, 130};
    const int rightOffsets[23] = {118, 101, 96, 84, 75, 70, 53, 50, 49, 42, 36, 36,
                                  38,  39,  45, 46, 40, 22, 20, 11, 0,  0,  0};
    // Frames 4..21 show the whole figure in both sets.
    for (int n = 5; n <= 21; ++n) {
        const auto name = [&](const char* stem, int i) {
            return QString("%1%2").arg(stem).arg(i, 2, 10, QChar('0'));
        };
        const double leftStep = stripCentre(name("ImgYY", n), leftOffsets[n - 1]) -
                                stripCentre(name("ImgYY", n - 1), leftOffsets[n - 2]);
        EXPECT_GT(leftStep, 0.5) << "ImgYY" << n << " should walk on to the right";
        EXPECT_LT(leftStep, 14) << "ImgYY" << n << " jumps";
        const double rightStep = stripCentre(name("ImgXX", n), rightOffsets[n - 1]) -
                                 stripCentre(name("ImgXX", n - 1), rightOffsets[n - 2]);
        // The hat and cane swinging out in the show move the mean a little either way.
        EXPECT_LT(rightStep, 6) << "ImgXX" << n << " should not step back";
        EXPECT_GT(rightStep, -16) << "ImgXX" << n << " jumps";
    }
}
