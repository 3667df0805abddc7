#include "background/filters.h"

#include <gtest/gtest.h>

namespace kp {
namespace {

Colour Grey(int g) {
    return MakeColour(g, g, g);
}

TEST(MulDiv, roundsToNearestWithHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(1, -1, 2), -1);
    EXPECT_EQ(MulDiv(-1, -1, 2), 1);
    EXPECT_EQ(MulDiv(1, 1, 3), 0);
    EXPECT_EQ(MulDiv(2, 1, 3), 1);
    EXPECT_EQ(MulDiv(-2, 1, 3), -1);
    EXPECT_EQ(MulDiv(32, 100, 256), 13); // 12.5
}

TEST(MulDiv, usesA64BitProductAndFailsWithMinusOne) {
    EXPECT_EQ(MulDiv(2'000'000'000, 2'000'000'000, 2'000'000'000), 2'000'000'000);
    EXPECT_EQ(MulDiv(5, 7, 0), -1);
    EXPECT_EQ(MulDiv(2'000'000'000, 2, 1), -1); // does not fit in 32 bits
}

TEST(paintGradient, blackToWhiteOn256RowsGivesRowIItsOwnGrey) {
    Bitmap24 bmp = Bitmap24::Make(3, 256);
    paintGradient(bmp, Grey(0), Grey(255));
    for (int y = 0; y < 256; ++y) {
        EXPECT_EQ(bmp.pixel(0, y), Grey(y)) << "row " << y;
        EXPECT_EQ(bmp.pixel(2, y), Grey(y)) << "row " << y;
    }
}

TEST(paintGradient, componentsFollowMulDivOf255ThBothWays) {
    // 512 rows: band i covers rows 2i and 2i + 1.
    Bitmap24 bmp = Bitmap24::Make(1, 512);
    paintGradient(bmp, MakeColour(10, 200, 30), MakeColour(250, 0, 30));
    EXPECT_EQ(bmp.pixel(0, 0), MakeColour(10, 200, 30));
    EXPECT_EQ(bmp.pixel(0, 2), MakeColour(11, 199, 30));    // +0.94 -> 1, -0.78 -> -1
    EXPECT_EQ(bmp.pixel(0, 257), MakeColour(130, 100, 30)); // +120.47, -100.39
    EXPECT_EQ(bmp.pixel(0, 511), MakeColour(250, 0, 30));
}

TEST(paintGradient, shortBitmapSkipsBandsAndRoundsBandEdges) {
    // 100 rows: band 0 ends at 0.39 -> 0 and is empty, so the top row holds band 1; band 31 spans
    // row 12 (12.1 -> 12 .. 12.5 -> 13), bands 32 and 33 are empty, band 34 spans row 13, and the
    // last band starts at 99.6 -> 100 so the bottom row holds band 254. Truncating instead of
    // rounding would give rows 12 and 13 other bands.
    Bitmap24 bmp = Bitmap24::Make(2, 100);
    paintGradient(bmp, Grey(0), Grey(255));
    EXPECT_EQ(bmp.pixel(1, 0), Grey(1));
    EXPECT_EQ(bmp.pixel(1, 12), Grey(31));
    EXPECT_EQ(bmp.pixel(1, 13), Grey(34));
    EXPECT_EQ(bmp.pixel(1, 99), Grey(254));
}

TEST(paintGradient, tallBitmapRepeatsBandsAndEndsOnTheEndColour) {
    Bitmap24 bmp = Bitmap24::Make(1, 1000);
    paintGradient(bmp, MakeColour(255, 0, 100), MakeColour(0, 255, 100));
    EXPECT_EQ(bmp.pixel(0, 0), MakeColour(255, 0, 100));
    EXPECT_EQ(bmp.pixel(0, 3), MakeColour(255, 0, 100)); // band 0 covers rows 0..3
    EXPECT_EQ(bmp.pixel(0, 4), MakeColour(254, 1, 100));
    EXPECT_EQ(bmp.pixel(0, 999), MakeColour(0, 255, 100));
}

TEST(ToGrayScale, takesTheTruncatedUnweightedMean) {
    Bitmap24 bmp = Bitmap24::Filled(2, 1, MakeColour(10, 20, 31));
    bmp.setPixel(1, 0, MakeColour(255, 255, 254));
    ToGrayScale(bmp, bmp.bounds());
    EXPECT_EQ(bmp.pixel(0, 0), Grey(20));
    EXPECT_EQ(bmp.pixel(1, 0), Grey(254));
}

TEST(ToGrayScale, touchesOnlyTheRectangleAndClipsIt) {
    Bitmap24 bmp = Bitmap24::Filled(4, 3, MakeColour(0, 0, 90));
    ToGrayScale(bmp, Rect{2, 1, 10, 10});
    EXPECT_EQ(bmp.pixel(1, 1), MakeColour(0, 0, 90));
    EXPECT_EQ(bmp.pixel(2, 0), MakeColour(0, 0, 90));
    EXPECT_EQ(bmp.pixel(2, 1), Grey(30));
    EXPECT_EQ(bmp.pixel(3, 2), Grey(30));
    ToGrayScale(bmp, Rect{-5, -5, -1, -1}); // wholly outside: nothing happens
}

TEST(Negative, invertsEachComponentAndTwiceRestores) {
    Bitmap24 bmp = Bitmap24::Make(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) bmp.setPixel(x, y, MakeColour(x * 30, y * 50, 255 - x));
    const Bitmap24 original = bmp;
    Negative(bmp, bmp.bounds());
    EXPECT_EQ(bmp.pixel(3, 2), MakeColour(255 - 90, 255 - 100, 3));
    Negative(bmp, bmp.bounds());
    EXPECT_EQ(bmp.bytes, original.bytes);
}

TEST(Hsv, pureRedHasHue360AndGreyHasHue0) {
    EXPECT_EQ(RgbToHsv(255, 0, 0), (Hsv{360, 255, 255}));
    EXPECT_EQ(RgbToHsv(255, 0, 1), (Hsv{360, 255, 255})); // -0.23 truncates to 0
    EXPECT_EQ(RgbToHsv(77, 77, 77), (Hsv{0, 0, 77}));
    EXPECT_EQ(RgbToHsv(0, 0, 0), (Hsv{0, 0, 0}));
}

TEST(Hsv, hueSaturationAndValueTruncate) {
    EXPECT_EQ(RgbToHsv(0, 128, 255), (Hsv{210, 255, 255})); // -30.1 + 240
    EXPECT_EQ(RgbToHsv(255, 0, 128), (Hsv{330, 255, 255})); // -30.1 + 360
    EXPECT_EQ(RgbToHsv(128, 255, 0), (Hsv{90, 255, 255}));  // -30.1 + 120
    EXPECT_EQ(RgbToHsv(200, 100, 50), (Hsv{20, 191, 200})); // 20, 191.25
}

TEST(Hsv, rebuildsEverySectorAndGreys) {
    EXPECT_EQ(HsvToRgb({360, 191, 200}), MakeColour(200, 51, 51)); // sector 0 via 360
    EXPECT_EQ(HsvToRgb({90, 255, 255}), MakeColour(128, 255, 0));
    EXPECT_EQ(HsvToRgb({120, 255, 255}), MakeColour(0, 255, 0));
    EXPECT_EQ(HsvToRgb({210, 255, 255}), MakeColour(0, 128, 255));
    EXPECT_EQ(HsvToRgb({240, 191, 200}), MakeColour(51, 51, 200));
    EXPECT_EQ(HsvToRgb({330, 255, 255}), MakeColour(255, 0, 128));
    EXPECT_EQ(HsvToRgb({0, 255, 140}), Grey(140));
    EXPECT_EQ(HsvToRgb({200, 0, 140}), Grey(140));
    EXPECT_EQ(HsvToRgb({400, 255, 255}), MakeColour(0, 0, 0)); // no such sector
    EXPECT_EQ(HsvToRgb({0, 0, 300}), Grey(255));               // clamped
}

class TintTest : public ::testing::Test {
  protected:
    Bitmap24 source = Bitmap24::Make(3, 2);
    Bitmap24 dest = Bitmap24::Filled(3, 2, MakeColour(1, 2, 3));
    void SetUp() override {
        source.setPixel(0, 0, MakeColour(200, 100, 50));
        source.setPixel(1, 0, MakeColour(128, 128, 128));
        source.setPixel(2, 0, KeyRed);
        source.setPixel(0, 1, MakeColour(254, 0, 0));
        source.setPixel(1, 1, MakeColour(255, 255, 255));
        source.setPixel(2, 1, MakeColour(0, 0, 0));
    }
};

TEST_F(TintTest, takesTheTargetHueAndKeepsSaturationAndValue) {
    tintBitmap(MakeColour(0, 0, 255), source, dest);
    EXPECT_EQ(dest.pixel(0, 0), MakeColour(51, 51, 200));
    EXPECT_EQ(dest.pixel(0, 1), MakeColour(0, 0, 254)); // near-red is recoloured
}

TEST_F(TintTest, greysStayGreyAndKeyRedIsNeverWritten) {
    tintBitmap(MakeColour(0, 0, 255), source, dest);
    EXPECT_EQ(dest.pixel(1, 0), Grey(128));
    EXPECT_EQ(dest.pixel(1, 1), Grey(255));
    EXPECT_EQ(dest.pixel(2, 1), Grey(0));
    EXPECT_EQ(dest.pixel(2, 0), MakeColour(1, 2, 3));
}

TEST_F(TintTest, greyTargetTurnsColoursToTheGreyOfTheirValue) {
    tintBitmap(MakeColour(90, 90, 90), source, dest);
    EXPECT_EQ(dest.pixel(0, 0), Grey(200));
    EXPECT_EQ(dest.pixel(0, 1), Grey(254));
}

TEST_F(TintTest, redTargetUsesHue360) {
    tintBitmap(KeyRed, source, dest);
    EXPECT_EQ(dest.pixel(0, 0), MakeColour(200, 51, 51));
}

TEST_F(TintTest, smallerSourceRecoloursOnlyTheSharedArea) {
    Bitmap24 small = Bitmap24::Filled(1, 1, MakeColour(0, 255, 0));
    tintBitmap(MakeColour(0, 0, 255), small, dest);
    EXPECT_EQ(dest.pixel(0, 0), MakeColour(0, 0, 255));
    EXPECT_EQ(dest.pixel(1, 0), MakeColour(1, 2, 3));
    EXPECT_EQ(dest.pixel(0, 1), MakeColour(1, 2, 3));
}

} // namespace
} // namespace kp
