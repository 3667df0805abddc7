// The dialog's pictures as the game loads them, through the compiled resource file.
#include "dialog_art.h"
#include "pixmap.h"

#include <QImage>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>

using namespace artgen;

namespace {

QImage picture(const QString& name) {
    QImage image(":/dialog/" + name);
    EXPECT_FALSE(image.isNull()) << name.toStdString() << " is missing from the resources";
    return image;
}

bool keyedCorners(const QImage& image) {
    const int r = image.width() - 1, b = image.height() - 1;
    return isKey(image.pixel(0, 0)) && isKey(image.pixel(r, 0)) && isKey(image.pixel(0, b)) &&
           isKey(image.pixel(r, b));
}

QByteArray bytes(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    return QByteArray(reinterpret_cast<const char*>(rgb.constBits()), rgb.sizeInBytes());
}

} // namespace

TEST(DialogPictures, haveTheirSizesAndTheKeyAroundThem) {
    const std::pair<QString, QSize> sizes[] = {{"ImgIcoFrancais", {kFlagWidth, kFlagHeight}},
                                               {"ImgIcoFrancaisEnfonce", {kFlagWidth, kFlagHeight}},
                                               {"ImgIcoAnglais", {kFlagWidth, kFlagHeight}},
                                               {"ImgIcoAnglaisEnfonce", {kFlagWidth, kFlagHeight}},
                                               {"ImgMail", {32, 24}},
                                               {"ImgClown", {kClownWidth, kClownHeight}}};
    for (const auto& [name, size] : sizes) {
        const QImage image = picture(name);
        EXPECT_EQ(image.size(), size) << name.toStdString();
        EXPECT_TRUE(keyedCorners(image)) << name.toStdString();
    }
    QSet<QByteArray> glyphs, portraits;
    for (int k = 1; k <= 4; ++k) glyphs << bytes(picture(QString("ImgConfig%1").arg(k)));
    for (int k = 1; k <= kTesterCount; ++k) {
        const QImage image = picture(QString("ImgTesteur%1").arg(k));
        EXPECT_EQ(image.size(), QSize(32, 32));
        EXPECT_TRUE(keyedCorners(image)) << k;
        portraits << bytes(image);
    }
    EXPECT_EQ(glyphs.size(), 4);
    EXPECT_EQ(portraits.size(), kTesterCount);
}

TEST(DialogPictures, pressedFlagsDifferAndTheClownsCornerStaysFree) {
    EXPECT_NE(bytes(picture("ImgIcoFrancais")), bytes(picture("ImgIcoFrancaisEnfonce")));
    EXPECT_NE(bytes(picture("ImgIcoAnglais")), bytes(picture("ImgIcoAnglaisEnfonce")));
    // The about page drops 32-pixel smileys onto the clown's top-left corner.
    const QImage clown = picture("ImgClown");
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) ASSERT_TRUE(isKey(clown.pixel(x, y))) << x << "," << y;
}
