#include "digits.h"

#include "pixmap.h"
#include "resources.h"

#include <array>

namespace artgen {

namespace {

// Which segment each pixel belongs to; every digit paints exactly these pixels, lit or not,
// so a digit drawn over another one replaces it completely.
constexpr std::array<const char*, kDigitHeight> kCells = {
    ".aaaaaa.", //
    "f.aaaa.b", //
    "ff....bb", //
    "ff....bb", //
    "ff....bb", //
    "ff....bb", //
    "f.gggg.b", //
    "e.gggg.c", //
    "ee....cc", //
    "ee....cc", //
    "ee....cc", //
    "ee....cc", //
    "e.dddd.c", //
    ".dddddd.", //
};

// Lit segments a..g of each digit.
constexpr std::array<const char*, 10> kLit = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                              "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

// Amber display: a brighter edge on the upper-left of each lit bar, a dark glass for unlit ones.
const QRgb kLitTop = qRgb(255, 244, 170);
const QRgb kLitBody = qRgb(255, 196, 48);
const QRgb kLitEdge = qRgb(226, 140, 20);
const QRgb kUnlit = qRgb(62, 40, 30);
const QRgb kUnlitEdge = qRgb(46, 30, 24);

bool isLit(int digit, char segment) {
    for (const char* s = kLit[digit]; *s; ++s)
        if (*s == segment) return true;
    return false;
}

bool sameSegment(int x, int y, char segment) {
    return x >= 0 && x < kDigitWidth && y >= 0 && y < kDigitHeight && kCells[y][x] == segment;
}

} // namespace

QImage digitPicture(int digit) {
    QImage picture = keyedPicture(kDigitWidth, kDigitHeight);
    for (int y = 0; y < kDigitHeight; ++y)
        for (int x = 0; x < kDigitWidth; ++x) {
            const char seg = kCells[y][x];
            if (seg == '.') continue;
            // Light falls from the top-left: pixels with no segment neighbour above or to the
            // left catch it, those with none below or to the right are in shadow.
            const bool top = !sameSegment(x, y - 1, seg) || !sameSegment(x - 1, y, seg);
            const bool bottom = !sameSegment(x, y + 1, seg) || !sameSegment(x + 1, y, seg);
            QRgb c;
            if (isLit(digit, seg))
                c = top && !bottom ? kLitTop : bottom && !top ? kLitEdge : kLitBody;
            else
                c = bottom && !top ? kUnlitEdge : kUnlit;
            picture.setPixel(x, y, c);
        }
    return picture;
}

QImage separatorPicture() {
    QImage picture = keyedPicture(kSeparatorWidth, kDigitHeight);
    for (int y0 : {3, 9}) {
        picture.setPixel(0, y0, kLitTop);
        picture.setPixel(1, y0, kLitBody);
        picture.setPixel(0, y0 + 1, kLitBody);
        picture.setPixel(1, y0 + 1, kLitEdge);
    }
    return picture;
}

void writeDigits(AssetWriter& writer) {
    for (int d = 0; d < 10; ++d)
        writer.picture("/digits", QString("ImgCpt%1").arg(d), QString("digits/ImgCpt%1.png").arg(d),
                       digitPicture(d));
    writer.picture("/digits", "ImgCptSep", "digits/ImgCptSep.png", separatorPicture());
}

} // namespace artgen
