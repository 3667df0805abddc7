// The measures colourcheck rests on, against published values.
#include "colour_vision.h"

#include <gtest/gtest.h>

using namespace colourcheck;

TEST(DeltaE2000, matchesSharmaWuDalalsTestPairs) {
    struct Pair {
        Lab a, b;
        double expected;
    };
    const Pair pairs[] = {
        {{50.0, 2.6772, -79.7751}, {50.0, 0.0, -82.7485}, 2.0425},
        {{50.0, -1.3802, -84.2814}, {50.0, 0.0, -82.7485}, 1.0000},
        {{50.0, 0.0, 0.0}, {50.0, -1.0, 2.0}, 2.3669},
        {{50.0, 2.49, -0.001}, {50.0, -2.49, 0.0011}, 7.2195}, // hues either side of 0
        {{50.0, 2.5, 0.0}, {73.0, 25.0, -18.0}, 27.1492},
        {{50.0, 2.5, 0.0}, {56.0, -27.0, -3.0}, 31.9030},
        {{22.7233, 20.0904, -46.6940}, {23.0331, 14.9730, -42.5619}, 2.0373},
    };
    for (const Pair& p : pairs) {
        EXPECT_NEAR(deltaE2000(p.a, p.b), p.expected, 5e-4);
        EXPECT_NEAR(deltaE2000(p.b, p.a), p.expected, 5e-4);
    }
}

TEST(Simulation, keepsGreysAndConfusesTheColoursEachDeficiencyConfuses) {
    for (Vision v : Visions)
        for (QRgb grey : {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(255, 255, 255)})
            EXPECT_LE(deltaE2000(toLab(simulate(grey, v)), toLab(grey)), 1.0) << int(v);
    auto apart = [](QRgb a, QRgb b, Vision v) {
        return deltaE2000(toLab(simulate(a, v)), toLab(simulate(b, v)));
    };
    const QRgb red = qRgb(220, 40, 40), green = qRgb(90, 140, 40);
    EXPECT_GT(apart(red, green, Vision::Normal), 40.0);
    EXPECT_LT(apart(red, green, Vision::Deuteranopia), 15.0);
    EXPECT_LT(apart(red, green, Vision::Protanopia), 20.0);
    const QRgb blue = qRgb(40, 90, 220), teal = qRgb(40, 160, 160);
    EXPECT_LT(apart(blue, teal, Vision::Tritanopia), apart(blue, teal, Vision::Normal) / 2);
    EXPECT_EQ(simulate(qRgb(255, 0, 255), Vision::Grey), qRgb(105, 105, 105));
}
