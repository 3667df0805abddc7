#include "background/picture.h"

#include "fixtures.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace kp {
namespace {

using test::Bytes;

class PictureFiles : public ::testing::Test {
  protected:
    test::TempDir dir;
    std::string Write(const std::string& name, const Bytes& bytes) {
        const std::string p = dir.path(name);
        test::WriteBytes(p, bytes);
        return p;
    }
};

// Every component within `tolerance` of the colour: JPEG is lossy.
void ExpectNear(Colour actual, Colour expected, int tolerance = 3) {
    EXPECT_NEAR(RedOf(actual), RedOf(expected), tolerance);
    EXPECT_NEAR(GreenOf(actual), GreenOf(expected), tolerance);
    EXPECT_NEAR(BlueOf(actual), BlueOf(expected), tolerance);
}

TEST_F(PictureFiles, bmp24BottomUpWithRowPaddingReadsExactly) {
    const Bitmap24 pattern = test::Pattern(5, 3); // 15 bytes a row, padded to 16
    const auto pic = LoadBmp(Write("p.bmp", test::BmpBytes(pattern)));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->size, (Size64{5, 3}));
    EXPECT_EQ(pic->reduction, 1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(pic->pixels.pixel(x, y), pattern.pixel(x, y));
}

TEST_F(PictureFiles, bmp24TopDown) {
    test::BmpSpec s{2, 2, 24};
    s.topDown = true;
    s.rows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
    const auto pic = LoadBmp(Write("t.bmp", test::BmpBytes(s)));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->pixels.pixel(0, 0), MakeColour(3, 2, 1));
    EXPECT_EQ(pic->pixels.pixel(1, 1), MakeColour(12, 11, 10));
}

TEST_F(PictureFiles, paletteBmpsOf8And4And1Bits) {
    test::BmpSpec s8{3, 1, 8};
    s8.palette = {10, 20, 30, 0, 40, 50, 60, 0};
    s8.rows = {{1, 0, 7}}; // index 7 is past the palette: black
    auto pic = LoadBmp(Write("8.bmp", test::BmpBytes(s8)));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->pixels.pixel(0, 0), MakeColour(60, 50, 40));
    EXPECT_EQ(pic->pixels.pixel(1, 0), MakeColour(30, 20, 10));
    EXPECT_EQ(pic->pixels.pixel(2, 0), MakeColour(0, 0, 0));

    test::BmpSpec s4{3, 1, 4};
    s4.palette = {0, 0, 0, 0, 255, 255, 255, 0};
    s4.rows = {{0x10, 0x10}};
    pic = LoadBmp(Write("4.bmp", test::BmpBytes(s4)));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->pixels.pixel(0, 0), MakeColour(255, 255, 255));
    EXPECT_EQ(pic->pixels.pixel(1, 0), MakeColour(0, 0, 0));
    EXPECT_EQ(pic->pixels.pixel(2, 0), MakeColour(255, 255, 255));

    test::BmpSpec s1{10, 1, 1};
    s1.palette = {0, 0, 0, 0, 0, 0, 255, 0};
    s1.rows = {{0b10100000, 0b01000000}};
    pic = LoadBmp(Write("1.bmp", test::BmpBytes(s1)));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->pixels.pixel(0, 0), MakeColour(255, 0, 0));
    EXPECT_EQ(pic->pixels.pixel(1, 0), MakeColour(0, 0, 0));
    EXPECT_EQ(pic->pixels.pixel(2, 0), MakeColour(255, 0, 0));
    EXPECT_EQ(pic->pixels.pixel(9, 0), MakeColour(255, 0, 0));
}

// Palette entry i is (10 * i + 10, 20 * i, 255 - 10 * i); indices past the palette are black.
Bytes RlePalette(int entries) {
    Bytes p;
    for (int i = 0; i < entries; ++i)
        p.insert(p.end(), {static_cast<uint8_t>(255 - 10 * i), static_cast<uint8_t>(20 * i),
                           static_cast<uint8_t>(10 * i + 10), 0});
    return p;
}

void ExpectIndices(const Picture& pic, const std::vector<std::vector<int>>& rows, int entries) {
    ASSERT_EQ(pic.pixels.height, static_cast<int>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y) {
        ASSERT_EQ(pic.pixels.width, static_cast<int>(rows[y].size()));
        for (size_t x = 0; x < rows[y].size(); ++x) {
            const int i = rows[y][x];
            const Colour want = i < entries ? MakeColour(10 * i + 10, 20 * i, 255 - 10 * i) : 0;
            EXPECT_EQ(pic.pixels.pixel(static_cast<int>(x), static_cast<int>(y)), want)
                << x << "," << y;
        }
    }
}

// The streams hold every code: runs (clipped at the line's end), absolute runs with and without
// their padding byte, line ends, a jump, and the picture's end; skipped pixels take entry 0.
test::BmpSpec Rle8Example() {
    test::BmpSpec s{7, 4, 8, 1};
    s.palette = RlePalette(6);
    s.stream = {3, 1, 0, 3, 2, 3, 2, 0, 0, 0, // bottom line: 1 1 1, then 2 3 2 padded
                0, 2, 3, 1,                   // jump 3 right and 1 up
                2, 4, 9, 5, 0, 0,             // 4 4, then 5 until the line is full
                0, 4, 1, 2, 9, 4, 0, 1};      // top line: 1 2 9 4, then the end
    return s;
}
const std::vector<std::vector<int>> Rle8Pixels = {
    {1, 2, 9, 4, 0, 0, 0}, {0, 0, 0, 4, 4, 5, 5}, {0, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 2, 3, 2, 0}};

TEST_F(PictureFiles, runLengthEncodedBmpsOf8And4Bits) {
    auto pic = LoadBmp(Write("rle8.bmp", test::BmpBytes(Rle8Example())));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->size, (Size64{7, 4}));
    ExpectIndices(*pic, Rle8Pixels, 6);

    test::BmpSpec s4{9, 3, 4, 2};
    s4.palette = RlePalette(8);
    s4.stream = {3, 0x12, 0, 5, 0x34, 0x56, 0x70, 0, 0, 0}; // 1 2 1, then 3 4 5 6 7 padded
    s4.stream.insert(s4.stream.end(), {0, 2, 2, 0, 4, 0x0F, 0, 0, 0, 1}); // 2 right, 0 15 0 15
    pic = LoadBmp(Write("rle4.bmp", test::BmpBytes(s4)));
    ASSERT_TRUE(pic);
    ExpectIndices(
        *pic,
        {{0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 15, 0, 15, 0, 0, 0}, {1, 2, 1, 3, 4, 5, 6, 7, 0}},
        8);

    test::BmpSpec down = Rle8Example(); // stored top line first
    down.topDown = true;
    pic = LoadBmp(Write("down.bmp", test::BmpBytes(down)));
    ASSERT_TRUE(pic);
    ExpectIndices(*pic, {Rle8Pixels.rbegin(), Rle8Pixels.rend()}, 6);
}

// Streams cut short, lying about their size or jumping out of the picture end in a refusal or a
// clipped picture, never in a read or write outside a buffer, nor in a loop without end.
TEST_F(PictureFiles, hostileRunLengthStreamsAreRefusedOrClipped) {
    const Bytes good = test::BmpBytes(Rle8Example());
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(LoadBmp(Write("cut.bmp", Bytes(good.begin(), good.begin() + n)))) << n;

    test::BmpSpec s = Rle8Example();
    s.stream = {0, 2, 255, 255, 7, 1}; // out of the picture: nothing more is read
    auto pic = LoadBmp(Write("far.bmp", test::BmpBytes(s)));
    ASSERT_TRUE(pic);
    ExpectIndices(*pic, std::vector<std::vector<int>>(4, std::vector<int>(7, 0)), 6);

    s.stream = {0, 2, 200, 0, 3, 1, 0, 0, 0, 1}; // far right: the run falls outside
    pic = LoadBmp(Write("right.bmp", test::BmpBytes(s)));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->pixels.pixel(6, 3), MakeColour(10, 0, 255));

    s.stream = {0, 255, 1, 2, 3}; // an absolute run longer than the file
    EXPECT_FALSE(LoadBmp(Write("abs.bmp", test::BmpBytes(s))));
    s.stream = {0, 0, 0, 0, 0, 0}; // three line ends of four, then nothing
    EXPECT_FALSE(LoadBmp(Write("short.bmp", test::BmpBytes(s))));
    s.stream = Bytes(8, 0); // the last line's end ends the picture too
    EXPECT_TRUE(LoadBmp(Write("ends.bmp", test::BmpBytes(s))));
    s.stream.clear();
    for (int i = 0; i < 1000; ++i) s.stream.insert(s.stream.end(), {0, 2, 0, 0}); // no move
    EXPECT_FALSE(LoadBmp(Write("still.bmp", test::BmpBytes(s))));

    test::BmpSpec wrong = Rle8Example();
    wrong.bits = 4; // eight-bit runs declared on four bits
    EXPECT_FALSE(LoadBmp(Write("bits.bmp", test::BmpBytes(wrong))));
    Bytes past = good;
    past[10] = 0xF0; // the pixels start past the end of the file
    EXPECT_FALSE(LoadBmp(Write("past.bmp", past)));

    std::srand(11);
    for (int round = 0; round < 300; ++round) {
        Bytes damaged = good;
        for (int k = 0; k < 3; ++k)
            damaged[54 + static_cast<size_t>(std::rand()) % (damaged.size() - 54)] =
                static_cast<uint8_t>(std::rand());
        pic = LoadBmp(Write("damaged.bmp", damaged));
        if (pic) {
            EXPECT_EQ(pic->pixels.width, 7);
        }
    }
}

TEST_F(PictureFiles, bmp32And16BitsWithAndWithoutMasks) {
    test::BmpSpec s32{1, 1, 32};
    s32.rows = {{0x11, 0x22, 0x33, 0xFF}};
    auto pic = LoadBmp(Write("32.bmp", test::BmpBytes(s32)));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->pixels.pixel(0, 0), MakeColour(0x33, 0x22, 0x11));

    test::BmpSpec s565{2, 1, 16, 3};
    s565.masks = {0xF800, 0x07E0, 0x001F};
    s565.rows = {{0x00, 0xF8, 0xE0, 0x07}}; // pure red, pure green
    pic = LoadBmp(Write("565.bmp", test::BmpBytes(s565)));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->pixels.pixel(0, 0), MakeColour(255, 0, 0));
    EXPECT_EQ(pic->pixels.pixel(1, 0), MakeColour(0, 255, 0));
}

TEST_F(PictureFiles, brokenOrUnsupportedBmpsAreRefused) {
    const Bytes good = test::BmpBytes(test::Pattern(8, 8));
    EXPECT_FALSE(LoadBmp(dir.path("missing.bmp")));
    EXPECT_FALSE(LoadBmp(Write("empty.bmp", {})));
    EXPECT_FALSE(LoadBmp(Write("short.bmp", Bytes(good.begin(), good.end() - 30))));
    EXPECT_FALSE(LoadBmp(Write("header.bmp", Bytes(good.begin(), good.begin() + 54))));
    EXPECT_FALSE(LoadBmp(dir.path("")));                            // a folder
    EXPECT_FALSE(LoadBmp(Write("text.bmp", Bytes{'B', 'M', 'x'}))); // magic only

    test::BmpSpec rle{4, 1, 8, 1}; // run-length encoded, its palette missing
    rle.rows = {{0, 0, 0, 0}};
    EXPECT_FALSE(LoadBmp(Write("rle.bmp", test::BmpBytes(rle))));
    test::BmpSpec zero{0, 1, 24};
    zero.rows = {{}};
    EXPECT_FALSE(LoadBmp(Write("zero.bmp", test::BmpBytes(zero))));
}

TEST_F(PictureFiles, oversizedBmpIsRefusedBeforeAnyAllocation) {
    Bytes b = test::BmpBytes(test::Pattern(2, 2));
    const uint32_t side = 20000; // 400 megapixels claimed by a tiny file
    for (int i = 0; i < 4; ++i) b[18 + i] = b[22 + i] = static_cast<uint8_t>(side >> (8 * i));
    EXPECT_FALSE(LoadBmp(Write("huge.bmp", b)));
}

TEST_F(PictureFiles, jpegDecodesWholeByDefault) {
    const auto pic = LoadJpeg(Write("j.jpg", test::SolidJpeg(64, 48, MakeColour(200, 80, 30))));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->size, (Size64{64, 48}));
    EXPECT_EQ(pic->reduction, 1);
    EXPECT_EQ(pic->pixels.width, 64);
    ExpectNear(pic->pixels.pixel(10, 10), MakeColour(200, 80, 30));
}

TEST_F(PictureFiles, jpegDecodesReducedWhenTheWantedSizeAllows) {
    const std::string p = Write("big.jpg", test::SolidJpeg(161, 81, MakeColour(20, 90, 240)));
    const auto pic = LoadJpeg(p, [](Size64 own) {
        EXPECT_EQ(own, (Size64{161, 81}));
        return Size64{40, 20};
    });
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->reduction, 4);
    EXPECT_EQ(pic->size, (Size64{161, 81})); // the picture's own size is kept
    EXPECT_EQ(pic->pixels.width, 41);        // rounded up
    EXPECT_EQ(pic->pixels.height, 21);
    ExpectNear(pic->pixels.pixel(20, 10), MakeColour(20, 90, 240));
}

TEST_F(PictureFiles, greyAndCmykJpegsComeOutAsColour) {
    const Bytes grey(16 * 8, 100);
    auto pic = LoadJpeg(Write("g.jpg", test::JpegBytes(16, 8, 1, grey)));
    ASSERT_TRUE(pic);
    ExpectNear(pic->pixels.pixel(3, 3), MakeColour(100, 100, 100));

    Bytes cmyk;
    for (int i = 0; i < 16 * 8; ++i) cmyk.insert(cmyk.end(), {255, 0, 255, 255}); // magenta ink
    pic = LoadJpeg(Write("c.jpg", test::JpegBytes(16, 8, 4, cmyk)));
    ASSERT_TRUE(pic);
    ExpectNear(pic->pixels.pixel(3, 3), MakeColour(255, 0, 255));
}

// A progressive file holds the coefficients of its baseline twin, sent over several scans and
// kept whole until the last one: read whole, reduced or for a part, it gives the same pixels.
TEST_F(PictureFiles, progressiveJpegsReadAsTheirBaselineTwins) {
    const int width = 203, height = 157;
    struct Format {
        int components;
        test::Sampling sampling;
    };
    for (const Format f : {Format{3, {1, 1}}, Format{3, {2, 1}}, Format{3, {1, 2}},
                           Format{3, {2, 2}}, Format{1, {}}, Format{4, {}}}) {
        const Bytes samples = test::Grainy(width, height, f.components);
        const std::string twins[] = {
            Write("base.jpg",
                  test::JpegBytes(width, height, f.components, samples, 90, false, f.sampling)),
            Write("prog.jpg",
                  test::JpegBytes(width, height, f.components, samples, 90, true, f.sampling))};
        for (int reduction : {1, 2, 4, 8}) {
            const Size64 scaled = ReducedSize({width, height}, reduction);
            const int64_t w = scaled.width, h = scaled.height;
            for (const Rect& part : {Rect{0, 0, w, h}, Rect{w / 3, h / 4, w / 3 + 9, h / 4 + 7},
                                     Rect{w - 5, h - 3, w, h}}) {
                const auto wanted = [&](Size64) { return Shown(scaled, part); };
                const auto base = LoadJpeg(twins[0], wanted), prog = LoadJpeg(twins[1], wanted);
                ASSERT_TRUE(base && prog);
                EXPECT_EQ(prog->reduction, reduction);
                EXPECT_EQ(prog->area, base->area);
                EXPECT_FALSE(prog->pixels.empty());
                EXPECT_EQ(prog->pixels.bytes, base->pixels.bytes)
                    << f.components << " " << f.sampling.across << "x" << f.sampling.down << " 1/"
                    << reduction << " " << part.left << "," << part.top;
            }
        }
    }
}

TEST_F(PictureFiles, brokenJpegsAreRefusedWithoutEndingTheProgram) {
    const Bytes good = test::SolidJpeg(64, 64, MakeColour(1, 2, 3));
    EXPECT_FALSE(LoadJpeg(dir.path("missing.jpg")));
    EXPECT_FALSE(LoadJpeg(Write("empty.jpg", {})));
    EXPECT_FALSE(LoadJpeg(Write("half.jpg", Bytes(good.begin(), good.begin() + good.size() / 2))));
    EXPECT_FALSE(LoadJpeg(Write("noend.jpg", Bytes(good.begin(), good.end() - 2))));
    EXPECT_FALSE(LoadJpeg(Write("soi.jpg", Bytes{0xFF, 0xD8})));
    EXPECT_FALSE(LoadJpeg(Write("text.jpg", Bytes{'h', 'e', 'l', 'l', 'o'})));
    EXPECT_FALSE(LoadJpeg(Write("bmp.jpg", test::BmpBytes(test::Pattern(4, 4)))));
}

TEST_F(PictureFiles, oversizedJpegIsRefused) {
    Bytes b = test::SolidJpeg(16, 16, MakeColour(1, 2, 3));
    // The frame header: FF C0, length, precision, then height and width, big-endian.
    size_t sof = 2;
    while (sof + 1 < b.size() && !(b[sof] == 0xFF && b[sof + 1] == 0xC0)) ++sof;
    ASSERT_LT(sof + 9, b.size());
    b[sof + 5] = b[sof + 7] = 0x4E; // 20000 x 20000
    b[sof + 6] = b[sof + 8] = 0x20;
    EXPECT_FALSE(LoadJpeg(Write("huge.jpg", b)));
}

TEST_F(PictureFiles, scansOverAHugePictureAreRefusedBeforeDecoding) {
    // 7 kB asking for 400 passes over 100 megapixels: many seconds of decoding.
    EXPECT_FALSE(LoadJpeg(Write("hostile.jpg", test::ManyScansJpeg(10000, 10000, 400))));
    // As many scans over a small picture, or a dozen over a photograph, are fine.
    EXPECT_TRUE(LoadJpeg(Write("small.jpg", test::ManyScansJpeg(640, 480, 400))));
    EXPECT_TRUE(LoadJpeg(Write("photo.jpg", test::ManyScansJpeg(3000, 2000, 12)), [](Size64) {
        return Shown(Size64{600, 400});
    }));
}

TEST_F(PictureFiles, loadPictureTriesBmpThenJpegWhateverTheExtension) {
    auto pic = LoadPicture(Write("really-a-bmp.jpg", test::BmpBytes(test::Pattern(3, 2))));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->pixels.pixel(2, 1), MakeColour(2, 1, 3));
    pic = LoadPicture(Write("really-a-jpeg.bmp", test::SolidJpeg(8, 8, MakeColour(0, 0, 0))));
    ASSERT_TRUE(pic);
    EXPECT_EQ(pic->size, (Size64{8, 8}));
}

// Every cut of a file, and scattered damaged bytes, must end in a refusal or a picture,
// never in a crash, a hang or an exit.
TEST_F(PictureFiles, everyTruncationAndDamageFailsCleanly) {
    // 7 pixels take 21 bytes a row, padded to 24; only the last padding may be missing.
    const Bytes bmp = test::BmpBytes(test::Pattern(7, 5));
    EXPECT_TRUE(LoadPicture(Write("nopad.bmp", Bytes(bmp.begin(), bmp.end() - 3))));
    for (size_t n = 0; n < bmp.size() - 3; ++n)
        EXPECT_FALSE(LoadPicture(Write("cut.bmp", Bytes(bmp.begin(), bmp.begin() + n)))) << n;

    const Bytes jpeg = test::JpegBytes(24, 24, 3, [] {
        Bytes rgb;
        for (int i = 0; i < 24 * 24 * 3; ++i) rgb.push_back(static_cast<uint8_t>(i * 37));
        return rgb;
    }());
    for (size_t n = 0; n < jpeg.size() - 2; n += 3)
        EXPECT_FALSE(LoadPicture(Write("cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + n)))) << n;

    std::srand(7);
    for (int round = 0; round < 200; ++round) {
        Bytes damaged = round % 2 ? jpeg : bmp;
        for (int k = 0; k < 4; ++k)
            damaged[static_cast<size_t>(std::rand()) % damaged.size()] ^=
                static_cast<uint8_t>(1 + std::rand() % 255);
        const auto pic = LoadPicture(Write("damaged", damaged));
        if (pic) {
            EXPECT_LE(pic->size.width * pic->size.height, MaxPicturePixels);
            EXPECT_FALSE(pic->pixels.empty());
        }
    }
}

// Reading only the part that shows still reads the whole file: one cut anywhere, even past the
// rows that show, is refused.
TEST_F(PictureFiles, partReadsStillRefuseCutFiles) {
    const Bytes jpeg = test::JpegBytes(test::Pattern(64, 64));
    const auto topLeft = [](Size64 own) { return Shown(own, Rect{0, 0, 4, 4}); };
    for (size_t n = 0; n < jpeg.size() - 2; n += 7)
        EXPECT_FALSE(LoadJpeg(Write("cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + n)), topLeft))
            << n;
    // Stored bottom line first; its end code may go, the last line's end ending it too.
    const Bytes bmp = test::Rle8Bytes(64, 64);
    const auto bottomLeft = [](Size64 own) { return Shown(own, Rect{0, 60, 4, 64}); };
    for (size_t n = 0; n < bmp.size() - 2; n += 7)
        EXPECT_FALSE(LoadBmp(Write("cut.bmp", Bytes(bmp.begin(), bmp.begin() + n)), bottomLeft))
            << n;
    EXPECT_TRUE(LoadJpeg(Write("whole.jpg", jpeg), topLeft));
    EXPECT_TRUE(LoadBmp(Write("whole.bmp", bmp), bottomLeft));
}

} // namespace
} // namespace kp
