// The pictures under assets/ as the game loads them: through the compiled resource file.
#include "palette.h"
#include "pixmap.h"

#include <QImage>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>

using namespace artgen;

namespace {

QImage load(const QString& path) {
    QImage image(":" + path);
    EXPECT_FALSE(image.isNull()) << path.toStdString() << " is missing from the resources";
    return image;
}

QStringList spriteNames() {
    QStringList names;
    for (QString row :
         {"ImgColor0", "ImgColor1", "RefColor2", "ImgColor5", "ImgColor6", "RefColor7"})
        for (int k = 0; k < 5; ++k) names << row + QString::number(k);
    for (QString row : {"ImgColor_0", "ImgColor_1", "RefColor_2"})
        for (int f = 1; f <= 4; ++f) names << row + QString::number(f);
    return names;
}

bool keyedCorners(const QImage& image) {
    const int r = image.width() - 1, b = image.height() - 1;
    return isKey(image.pixel(0, 0)) && isKey(image.pixel(r, 0)) && isKey(image.pixel(0, b)) &&
           isKey(image.pixel(r, b));
}

// Share of the non-key pixels whose saturation is at least minSaturation.
double saturatedShare(const QImage& image, int minSaturation) {
    int painted = 0, saturated = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (isKey(c)) continue;
            ++painted;
            if (toHsv(c).s >= minSaturation) ++saturated;
        }
    return painted ? double(saturated) / painted : 0.0;
}

int hueDistance(int a, int b) {
    const int d = std::abs(a - b) % 360;
    return std::min(d, 360 - d);
}

} // namespace

TEST(Sprites, allFortyTwoAreSixteenSquareOpaqueWithKeyCorners) {
    const QStringList names = spriteNames();
    ASSERT_EQ(names.size(), 42);
    for (const QString& name : names) {
        const QImage image = load("/sprites/" + name);
        ASSERT_EQ(image.size(), QSize(16, 16)) << name.toStdString();
        EXPECT_FALSE(image.hasAlphaChannel()) << name.toStdString();
        EXPECT_TRUE(keyedCorners(image)) << name.toStdString();
    }
}

TEST(Sprites, referencePicturesCarrySaturationSoThatTintingColoursThem) {
    for (const QString& name : spriteNames().filter("RefColor")) {
        const QImage tintedPicture = tinted(load("/sprites/" + name), kDefaultColours[2]);
        EXPECT_GT(saturatedShare(tintedPicture, 120), 0.6) << name.toStdString();
    }
}

TEST(Sprites, handDrawnPicturesHaveTheHueOfTheirDefaultColour) {
    const std::pair<QString, int> rows[] = {
        {"ImgColor0", 0}, {"ImgColor_0", 0}, {"ImgColor1", 1}, {"ImgColor_1", 1}};
    for (const auto& [prefix, colour] : rows) {
        const int hue = toHsv(kDefaultColours[colour]).h;
        for (const QString& name : spriteNames().filter(prefix)) {
            const QImage image = load("/sprites/" + name);
            int body = 0, near = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const Hsv c = toHsv(image.pixel(x, y));
                    if (isKey(image.pixel(x, y)) || c.s < 150 || c.v < 150) continue;
                    ++body;
                    if (hueDistance(c.h, hue) <= 25) ++near;
                }
            ASSERT_GT(body, 0) << name.toStdString();
            EXPECT_GT(double(near) / body, 0.8) << name.toStdString();
        }
    }
}

TEST(Sprites, smileyFramesAreFourDifferentPictures) {
    for (QString row : {"ImgColor_0", "ImgColor_1", "RefColor_2"}) {
        QSet<QByteArray> frames;
        for (int f = 1; f <= 4; ++f) {
            const QImage image = load("/sprites/" + row + QString::number(f));
            frames.insert(
                QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        EXPECT_EQ(frames.size(), 4) << row.toStdString();
    }
}

TEST(Digits, everyDigitPaintsTheSamePixelsSoOneCoversAnother) {
    const QImage zero = load("/digits/ImgCpt0");
    ASSERT_EQ(zero.size(), QSize(8, 14));
    for (int d = 1; d < 10; ++d) {
        const QImage digit = load(QString("/digits/ImgCpt%1").arg(d));
        ASSERT_EQ(digit.size(), QSize(8, 14));
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 8; ++x)
                EXPECT_EQ(isKey(digit.pixel(x, y)), isKey(zero.pixel(x, y)))
                    << "digit " << d << " at " << x << "," << y;
        EXPECT_NE(digit, zero);
    }
    EXPECT_EQ(load("/digits/ImgCptSep").size(), QSize(2, 14));
}

TEST(Logo, isFiftyThreeByFourHundredThirtyOnBlack) {
    const QImage logo = load("/logo/ImgLogo");
    ASSERT_EQ(logo.size(), QSize(53, 430));
    EXPECT_EQ(logo.pixel(0, 0) & 0xffffff, 0u);
    int lit = 0;
    for (int y = 0; y < 340; ++y)
        for (int x = 0; x < 53; ++x) lit += qGray(logo.pixel(x, y)) > 60;
    EXPECT_GT(lit, 2000) << "the name should fill the visible part of the band";
}

TEST(Pinups, framesHaveTheSlotWidthsAndAreEightyHigh) {
    const int fromLeft[23] = {8,  11, 20, 22, 29, 31, 28, 29, 26, 27, 33, 28,
                              24, 26, 24, 31, 28, 24, 29, 28, 24, 17, 10};
    const int fromRight[23] = {12, 29, 27, 29, 31, 26, 38, 37, 36, 49, 60, 60,
                               56, 53, 35, 31, 20, 38, 31, 22, 29, 13, 5};
    for (int n = 1; n <= 23; ++n) {
        const QString number = QString("%1").arg(n, 2, 10, QChar('0'));
        const QImage left = load("/pinup/ImgYY" + number);
        const QImage right = load("/pinup/ImgXX" + number);
        EXPECT_EQ(left.size(), QSize(fromLeft[n - 1], 80)) << "ImgYY" << n;
        EXPECT_EQ(right.size(), QSize(fromRight[n - 1], 80)) << "ImgXX" << n;
        EXPECT_FALSE(left.hasAlphaChannel());
        EXPECT_TRUE(isKey(left.pixel(0, 0)) && isKey(right.pixel(0, 0))) << n;
        int paintedLeft = 0, paintedRight = 0;
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < left.width(); ++x) paintedLeft += !isKey(left.pixel(x, y));
            for (int x = 0; x < right.width(); ++x) paintedRight += !isKey(right.pixel(x, y));
        }
        EXPECT_GT(paintedLeft, 0) << "ImgYY" << n << " shows nothing";
        EXPECT_GT(paintedRight, 0) << "ImgXX" << n << " shows nothing";
    }
}

TEST(Icons, comeInTheirSizesWithTransparentCorners) {
    for (int size : {16, 22, 32, 48}) {
        const QImage icon = load(QString("/icons/IconPanic1_%1").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = load(QString("/icons/AppIcon_%1").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    }
    for (QString cursor : {"Selection", "Main_Standard"}) {
        const QImage image = load("/icons/" + cursor);
        EXPECT_EQ(image.size(), QSize(32, 32));
        EXPECT_FALSE(image.text("HotspotX").isEmpty()) << cursor.toStdString();
    }
}

TEST(HueReplacement, keepsGreysAndKeyAndGivesPureRedTheHue360) {
    EXPECT_EQ(toHsv(qRgb(255, 0, 0)).h, 360);
    EXPECT_EQ(toHsv(qRgb(90, 90, 90)).h, 0);
    QImage picture = keyedPicture(3, 1);
    picture.setPixel(1, 0, qRgb(90, 90, 90));
    picture.setPixel(2, 0, qRgb(254, 0, 0));
    const QImage out = tinted(picture, qRgb(0, 0, 255));
    EXPECT_TRUE(isKey(out.pixel(0, 0)));
    EXPECT_EQ(out.pixel(1, 0) & 0xffffff, 0x5a5a5au);
    EXPECT_EQ(out.pixel(2, 0) & 0xffffff, 0x0000feu);
}
