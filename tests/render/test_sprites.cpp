#include "render/sprites.h"

#include "background/filters.h"
#include "engine/cells.h"

#include <gtest/gtest.h>

namespace kp {

namespace {
// Sprites need Qt's image plugins and the resources, but no display.
struct Sprites : ::testing::Test {
    SpriteSet set;
    void SetUp() override { ASSERT_TRUE(set.load()); }
};

QImage own(const char* name) {
    return toTransparentImage(loadBitmap(QString(":/sprites/") + name));
}
} // namespace

TEST_F(Sprites, everyDrawableCodeHasASpriteAndNothingElseDoes) {
    int count = 0;
    for (int32_t code = -200; code <= 1000; ++code)
        if (set.sprite(code)) ++count;
    EXPECT_EQ(count, 70);
    EXPECT_EQ(set.sprite(CellEmpty), nullptr);
    EXPECT_EQ(set.sprite(CellWall), nullptr);
    EXPECT_EQ(set.sprite(smileyCode(0, 0)), nullptr);
    EXPECT_EQ(set.sprite(105), nullptr);
    for (int c = 0; c < 5; ++c) {
        ASSERT_NE(set.sprite(smileyCode(c, 4)), nullptr);
        EXPECT_EQ(set.sprite(smileyCode(c, 4))->size(), QSize(16, 16));
        // The corners are see-through.
        EXPECT_EQ(qAlpha(set.sprite(capsuleCode(c, 0))->pixel(0, 0)), 0);
    }
}

TEST_F(Sprites, theSecondColourKeepsItsOwnPicturesOnlyAtItsExactDefault) {
    set.recolour(1, MakeColour(255, 231, 9));
    EXPECT_EQ(*set.sprite(smileyCode(1, 2)), own("ImgColor_12"));
    EXPECT_EQ(*set.sprite(capsuleCode(1, 3)), own("ImgColor13"));

    set.recolour(1, MakeColour(255, 231, 10));
    EXPECT_NE(*set.sprite(smileyCode(1, 2)), own("ImgColor_12"));
    const Bitmap24 ref = loadBitmap(":/sprites/RefColor_22");
    Bitmap24 tinted = ref;
    tintBitmap(MakeColour(255, 231, 10), ref, tinted);
    EXPECT_EQ(*set.sprite(smileyCode(1, 2)), toTransparentImage(tinted));
}

TEST_F(Sprites, aGreyColourTurnsTheSpritesGreyAndKeepsThemSeeThrough) {
    set.recolour(3, MakeColour(128, 128, 128));
    const QImage& img = *set.sprite(removalCode(3, 2));
    const QImage ref = toTransparentImage(loadBitmap(":/sprites/RefColor72"));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb p = img.pixel(x, y);
            EXPECT_EQ(qAlpha(p), qAlpha(ref.pixel(x, y)));
            if (qAlpha(p) == 255) {
                EXPECT_EQ(qRed(p), qGreen(p));
                EXPECT_EQ(qGreen(p), qBlue(p));
            }
        }
}

} // namespace kp
