#include "render/sprites.h"

#include "render/colour_symbols.h"

#include "background/filters.h"
#include "engine/cells.h"

#include <QPainter>
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

namespace {
// A cell of the given size over a background no sprite uses, drawn as the board draws it.
QImage drawnCell(const SpriteSet& set, int32_t code, int size) {
    QImage cell(size, size, QImage::Format_RGB32);
    cell.fill(QColor(1, 2, 3));
    QPainter p(&cell);
    set.draw(p, cell.rect(), code);
    return cell;
}
} // namespace

TEST_F(Sprites, withoutSymbolsACellIsItsStretchedSpriteAndWithThemOnlyTheSymbolIsAdded) {
    for (int size : {8, 12, 16, 24, 32, 48})
        for (int colour = 0; colour < 5; ++colour) {
            std::vector<int32_t> codes;
            for (int k = 0; k <= 4; ++k)
                codes.insert(codes.end(), {capsuleCode(colour, k), removalCode(colour, k)});
            for (int phase = 1; phase <= 4; ++phase) codes.push_back(smileyCode(colour, phase));
            const QImage& symbol = colourSymbol(colour, size);
            ASSERT_EQ(symbol.size(), QSize(size, size));
            for (int32_t code : codes) {
                QImage stretched(size, size, QImage::Format_RGB32);
                stretched.fill(QColor(1, 2, 3));
                QPainter(&stretched).drawImage(stretched.rect(), *set.sprite(code));
                set.setSymbols(false);
                ASSERT_EQ(drawnCell(set, code, size), stretched) << code << " at " << size;

                set.setSymbols(true);
                const QImage withSymbol = drawnCell(set, code, size);
                // Of the removal frames, only the first keeps the colour's symbol.
                const bool carries = !isRemoval(code) || code % 10 == 0;
                for (int y = 0; y < size; ++y)
                    for (int x = 0; x < size; ++x) {
                        const bool mark = carries && qAlpha(symbol.pixel(x, y)) != 0;
                        ASSERT_EQ(withSymbol.pixel(x, y),
                                  mark ? symbol.pixel(x, y) : stretched.pixel(x, y))
                            << code << " at " << size << ", " << x << "," << y;
                    }
            }
        }
}

TEST_F(Sprites, theColourGlyphIsTheFirstRemovalFrameWithItsSymbolWhenSymbolsAreOn) {
    EXPECT_EQ(set.glyph(2), *set.sprite(removalCode(2, 0)));
    set.setSymbols(true);
    QImage expected = *set.sprite(removalCode(2, 0));
    QPainter(&expected).drawImage(0, 0, colourSymbol(2, 16));
    EXPECT_EQ(set.glyph(2), expected);
}

} // namespace kp
