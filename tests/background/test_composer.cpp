#include "background/composer.h"

#include "fixtures.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kp {
namespace {

class Composer : public ::testing::Test {
  protected:
    test::TempDir dir;
    BackgroundComposer composer;
    BackgroundSettings settings;
    Bitmap24 logo = test::Pattern(53, 430);

    void SetUp() override { composer.setLogo(logo); }

    std::string WriteBmp(const std::string& name, const Bitmap24& bmp) {
        const std::string p = dir.path(name);
        test::WriteBytes(p, test::BmpBytes(bmp));
        return p;
    }
    Composition Open(const std::string& path, int cw, int ch) {
        settings.background = PictureBackground;
        return composer.composeBackground(settings, cw, ch, path);
    }
    Composition Again(int cw, int ch) {
        return composer.composeBackground(settings, cw, ch, KeepPicture);
    }
    const Bitmap24& bg() const { return composer.background(); }
};

TEST_F(Composer, plainColourFillsTheClientArea) {
    settings.background = PlainBackground;
    settings.plainColour = 0x00563412;
    const Composition c = composer.composeBackground(settings, 130, 340, KeepPicture);
    EXPECT_TRUE(c.composed);
    EXPECT_EQ(c.checked, ModeItem::Plain);
    EXPECT_FALSE(c.pictureMenusEnabled);
    EXPECT_FALSE(c.borderColourEnabled.has_value());
    ASSERT_EQ(bg().width, 130);
    ASSERT_EQ(bg().height, 340);
    EXPECT_EQ(bg().pixel(0, 0), MakeColour(0x12, 0x34, 0x56));
    EXPECT_EQ(bg().pixel(129, 339), MakeColour(0x12, 0x34, 0x56));
}

TEST_F(Composer, gradientRunsFromTheFirstColourAtTheTop) {
    settings.background = GradientBackground;
    settings.gradientTop = MakeColour(0, 0, 0);
    settings.gradientBottom = MakeColour(255, 255, 255);
    EXPECT_EQ(composer.composeBackground(settings, 20, 256, KeepPicture).checked,
              ModeItem::Gradient);
    EXPECT_EQ(bg().pixel(19, 0), MakeColour(0, 0, 0));
    EXPECT_EQ(bg().pixel(5, 100), MakeColour(100, 100, 100));
    EXPECT_EQ(bg().pixel(0, 255), MakeColour(255, 255, 255));
}

TEST_F(Composer, logoHugsTheRightEdgeOnBlack) {
    settings.background = LogoBackground;
    EXPECT_EQ(composer.composeBackground(settings, 130, 340, KeepPicture).checked, ModeItem::Logo);
    EXPECT_EQ(bg().pixel(76, 0), MakeColour(0, 0, 0));
    EXPECT_EQ(bg().pixel(77, 0), logo.pixel(0, 0));
    EXPECT_EQ(bg().pixel(129, 339), logo.pixel(52, 339));
    composer.composeBackground(settings, 40, 20, KeepPicture); // narrower than the logo: cropped
    EXPECT_EQ(bg().pixel(0, 5), logo.pixel(13, 5));
}

TEST_F(Composer, normalSizeIsCentredOverTheBorderColour) {
    const Bitmap24 pic = test::Pattern(4, 2);
    settings.borderColour = MakeColour(9, 8, 7);
    const std::string path = WriteBmp("p.bmp", pic);
    const Composition c = Open(path, 10, 6);
    EXPECT_TRUE(c.composed);
    EXPECT_FALSE(c.refusedPicture);
    EXPECT_EQ(c.checked, ModeItem::Recent1);
    EXPECT_TRUE(c.pictureMenusEnabled);
    EXPECT_EQ(c.borderColourEnabled, true);
    EXPECT_EQ(bg().pixel(0, 0), MakeColour(9, 8, 7));
    EXPECT_EQ(bg().pixel(3, 2), pic.pixel(0, 0));
    EXPECT_EQ(bg().pixel(6, 3), pic.pixel(3, 1));
    EXPECT_EQ(bg().pixel(7, 3), MakeColour(9, 8, 7));
    EXPECT_EQ(settings.recentPictures[0], path);
}

TEST_F(Composer, rightAndBottomPositions) {
    const Bitmap24 pic = test::Pattern(4, 2);
    settings.pictureAlignH = AlignEnd;
    settings.pictureAlignV = AlignEnd;
    Open(WriteBmp("p.bmp", pic), 10, 6);
    EXPECT_EQ(bg().pixel(6, 4), pic.pixel(0, 0));
    EXPECT_EQ(bg().pixel(9, 5), pic.pixel(3, 1));
}

TEST_F(Composer, doubleSizeRepeatsPixelsAndCropsWhenLargerThanTheClient) {
    const Bitmap24 pic = test::Pattern(300, 200);
    settings.pictureSize = Size200; // 600 x 400, placed at (-235, -30)
    const Composition c = Open(WriteBmp("p.bmp", pic), 130, 340);
    EXPECT_EQ(c.borderColourEnabled, false);
    for (int y : {0, 1, 2, 171, 339})
        for (int x : {0, 1, 64, 129})
            EXPECT_EQ(bg().pixel(x, y), pic.pixel((x + 235) / 2, (y + 30) / 2)) << x << "," << y;
}

TEST_F(Composer, shrinkingAveragesTheCoveredPixels) {
    Bitmap24 pic = Bitmap24::Make(4, 2);
    const int reds[2][4] = {{10, 11, 200, 0}, {10, 11, 100, 0}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) pic.setPixel(x, y, MakeColour(reds[y][x], 0, 0));
    settings.pictureSize = Size50; // 2 x 1
    settings.pictureAlignH = settings.pictureAlignV = AlignStart;
    Open(WriteBmp("p.bmp", pic), 3, 1);
    EXPECT_EQ(bg().pixel(0, 0), MakeColour(11, 0, 0)); // 10.5 rounds up
    EXPECT_EQ(bg().pixel(1, 0), MakeColour(75, 0, 0));
}

TEST_F(Composer, tilesRepeatFromThePlacedOrigin) {
    const Bitmap24 pic = test::Pattern(3, 2);
    settings.tiled = true;
    const Composition c = Open(WriteBmp("p.bmp", pic), 10, 5);
    EXPECT_EQ(c.borderColourEnabled, false);
    // Placed 12 x 6, centred: origin (-1, 0), since -0.5 truncates to 0.
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(bg().pixel(x, y), pic.pixel((x + 1) % 3, y % 2)) << x << "," << y;
}

TEST_F(Composer, greyThenNegativeApplyToThePictureOnly) {
    settings.greyscale = settings.negative = true;
    settings.borderColour = MakeColour(1, 2, 3);
    Open(WriteBmp("p.bmp", Bitmap24::Filled(2, 2, MakeColour(10, 20, 31))), 4, 4);
    EXPECT_EQ(bg().pixel(1, 1), MakeColour(235, 235, 235));
    EXPECT_EQ(bg().pixel(0, 0), MakeColour(1, 2, 3));
}

TEST_F(Composer, pictureScaledToNothingLeavesTheBorderEvenWhenTiled) {
    settings.pictureSize = Size25;
    settings.tiled = true;
    settings.borderColour = MakeColour(5, 5, 5);
    const Composition c = Open(WriteBmp("tiny.bmp", test::Pattern(3, 3)), 30, 20);
    EXPECT_TRUE(c.composed);
    EXPECT_EQ(c.borderColourEnabled, true);
    EXPECT_EQ(bg().pixel(15, 10), MakeColour(5, 5, 5));
}

TEST_F(Composer, borderItemFollowsCoverageWhateverThePosition) {
    settings.pictureAlignH = AlignEnd;
    EXPECT_EQ(Open(WriteBmp("a.bmp", test::Pattern(10, 6)), 10, 6).borderColourEnabled, false);
    EXPECT_EQ(Open(WriteBmp("b.bmp", test::Pattern(9, 6)), 10, 6).borderColourEnabled, true);
}

TEST_F(Composer, idemComposesAgainFromThePictureInHand) {
    const Bitmap24 pic = test::Pattern(4, 2);
    const std::string path = WriteBmp("p.bmp", pic);
    Open(path, 10, 6);
    std::filesystem::remove(path);
    settings.pictureAlignH = settings.pictureAlignV = AlignStart;
    const Composition c = Again(8, 8);
    EXPECT_TRUE(c.composed);
    EXPECT_EQ(c.checked, ModeItem::Open);
    EXPECT_FALSE(c.recentChanged);
    EXPECT_EQ(bg().width, 8);
    EXPECT_EQ(bg().pixel(0, 0), pic.pixel(0, 0));
}

TEST_F(Composer, openingPicturesMovesTheRecentList) {
    for (int i = 10; i >= 1; --i)
        settings.recentPictures[static_cast<size_t>(i - 1)] =
            WriteBmp(std::to_string(i) + ".bmp", test::Pattern(2, 2));
    const RecentPictures before = settings.recentPictures;
    EXPECT_TRUE(Open(before[2], 10, 6).recentChanged);
    EXPECT_EQ(settings.recentPictures[0], before[2]);
    EXPECT_EQ(settings.recentPictures[1], before[0]);
    EXPECT_EQ(settings.recentPictures[3], before[3]);

    settings.background = PlainBackground; // a path outside picture mode is neither read nor listed
    const Composition c = composer.composeBackground(settings, 10, 6, dir.path("other.bmp"));
    EXPECT_FALSE(c.recentChanged);
    EXPECT_EQ(settings.recentPictures[0], before[2]);
}

TEST_F(Composer, refusedPictureKeepsEverythingAndSaysSo) {
    settings.background = GradientBackground;
    composer.composeBackground(settings, 10, 6, KeepPicture);
    const Bitmap24 shown = bg();
    settings.recentPictures[0] = "/old.bmp";
    const std::string bad = dir.path("bad.jpg");
    test::WriteBytes(bad, {'n', 'o', 'p', 'e'});

    const Composition c = Open(bad, 10, 6);
    EXPECT_FALSE(c.composed);
    EXPECT_EQ(c.refusedPicture, bad);
    EXPECT_EQ(bg().bytes, shown.bytes);
    EXPECT_EQ(settings.recentPictures[0], "/old.bmp");
    EXPECT_EQ(settings.background, GradientBackground); // the mode of the background in view
}

TEST_F(Composer, missingPictureAtStartUpQuietlyShowsTheLogo) {
    const Composition c = Open(dir.path("gone.jpg"), 130, 340);
    EXPECT_TRUE(c.composed);
    EXPECT_FALSE(c.refusedPicture);
    EXPECT_EQ(settings.background, LogoBackground);
    EXPECT_EQ(c.checked, ModeItem::Logo);
    EXPECT_FALSE(c.pictureMenusEnabled);
    EXPECT_EQ(bg().pixel(77, 0), logo.pixel(0, 0));
}

TEST_F(Composer, unknownModeShowsTheLogo) {
    settings.background = 7;
    EXPECT_EQ(composer.composeBackground(settings, 130, 340, KeepPicture).checked, ModeItem::Logo);
    EXPECT_EQ(settings.background, LogoBackground);
}

TEST_F(Composer, smallJpegIsReadAgainWholeWhenShownLarger) {
    const std::string path = dir.path("photo.jpg");
    test::WriteBytes(path, test::SolidJpeg(160, 80, MakeColour(30, 160, 90)));
    settings.pictureSize = Size25;
    Open(path, 40, 20);
    ASSERT_TRUE(composer.picture());
    EXPECT_EQ(composer.picture()->reduction, 4);

    settings.pictureSize = NormalSize;
    Again(200, 100);
    EXPECT_EQ(composer.picture()->reduction, 1);
    const Colour c = bg().pixel(100, 50);
    EXPECT_NEAR(GreenOf(c), 160, 3);
}

TEST_F(Composer, smallJpegWhoseFileWentIsStretchedFromTheCopyInHand) {
    const std::string path = dir.path("photo.jpg");
    test::WriteBytes(path, test::SolidJpeg(160, 80, MakeColour(200, 40, 40)));
    settings.pictureSize = Size25;
    Open(path, 40, 20);
    std::filesystem::remove(path);
    settings.pictureSize = NormalSize;
    EXPECT_TRUE(Again(200, 100).composed);
    EXPECT_EQ(composer.picture()->reduction, 4);
    EXPECT_NEAR(RedOf(bg().pixel(20, 10)), 200, 3);
}

// A picture far larger than the window is decoded only as far as it shows: the pixels kept in
// hand stay within a few times the window's, whatever the size setting.
TEST_F(Composer, largePictureIsDecodedOnlyAsFarAsItShows) {
    const std::string path = dir.path("large.jpg");
    test::WriteBytes(path, test::SolidJpeg(3000, 2000, MakeColour(90, 150, 210), 95, true));
    for (int sizeChoice = NormalSize; sizeChoice <= Size200; ++sizeChoice) {
        for (bool tiled : {false, true}) {
            settings.pictureSize = sizeChoice;
            settings.tiled = tiled;
            Open(path, 130, 340);
            ASSERT_TRUE(composer.picture());
            const Bitmap24& kept = composer.picture()->pixels;
            EXPECT_LE(int64_t{kept.width} * kept.height, 4 * 130 * 340) << sizeChoice << tiled;
            EXPECT_NEAR(GreenOf(bg().pixel(65, 170)), 150, 3) << sizeChoice << tiled;
        }
    }
}

// Whatever was read for one layout, kept as read or stretched on the way, and whatever is read
// again for the next, the background is the one the whole picture gives (decoded at the same
// scale, for a JPEG).
TEST_F(Composer, partsReadComposeAsTheWholePicture) {
    const Bitmap24 pattern = test::Pattern(400, 300);
    const std::string files[] = {WriteBmp("p.bmp", pattern), dir.path("r.bmp"), dir.path("p.jpg")};
    test::WriteBytes(files[1], test::Rle8Bytes(400, 300));
    test::WriteBytes(files[2], test::JpegBytes(pattern, 95, true));
    for (const std::string& path : files) {
        Open(path, 90, 70);
        // Every size, three positions, with and without tiles, in two windows.
        for (int n = 0; n < 9 * 3 * 2 * 2; ++n) {
            const Size64 client = n < 54 ? Size64{90, 70} : Size64{12, 100};
            settings.pictureSize = n % 9;
            settings.pictureAlignH = settings.pictureAlignV = n / 9 % 3;
            settings.tiled = n / 27 % 2;
            const int cw = static_cast<int>(client.width), ch = static_cast<int>(client.height);
            Again(cw, ch);
            const int reduction = composer.picture()->reduction;
            const auto whole =
                LoadPicture(path, [&](Size64 own) { return Shown(ReducedSize(own, reduction)); });
            ASSERT_TRUE(whole);
            const PictureOptions options = PictureOptionsOf(settings);
            const Bitmap24 expected =
                ComposeImage(*whole, LayOutPicture(options, whole->size, client), options, cw, ch);
            ASSERT_EQ(bg().bytes, expected.bytes) << path << " " << n;
        }
    }
}

// The pixels in hand were read for one layout; when the file has gone, another layout shows
// what they hold where it belongs, and the border colour where they have nothing.
TEST_F(Composer, fileGoneShowsWhatIsInHandAndTheBorderElsewhere) {
    const Bitmap24 pic = test::Pattern(300, 200);
    const std::string path = WriteBmp("p.bmp", pic);
    settings.borderColour = MakeColour(1, 2, 3);
    Open(path, 130, 140); // centred: columns 85 to 214 and rows 30 to 169 show
    std::filesystem::remove(path);
    settings.pictureAlignH = settings.pictureAlignV = AlignStart;
    EXPECT_TRUE(Again(130, 140).composed);
    EXPECT_EQ(bg().pixel(85, 30), pic.pixel(85, 30));
    EXPECT_EQ(bg().pixel(129, 139), pic.pixel(129, 139));
    EXPECT_EQ(bg().pixel(84, 100), MakeColour(1, 2, 3));
    EXPECT_EQ(bg().pixel(100, 29), MakeColour(1, 2, 3));
}

} // namespace
} // namespace kp
