#include "palette.h"

#include "pixmap.h"

namespace artgen {

static Palette make(QRgb outline, QRgb deep, QRgb shade, QRgb body, QRgb light, QRgb gloss,
                    QRgb white, QRgb pupil) {
    return Palette{{outline, deep, shade, body, light, gloss, white, pupil}};
}

// Shadows lean towards violet and highlights towards cyan, as a painter would do.
Palette bluePalette() {
    return make(qRgb(14, 34, 112), qRgb(18, 62, 176), qRgb(8, 96, 226), qRgb(6, 131, 255),
                qRgb(84, 182, 255), qRgb(214, 240, 255), qRgb(250, 250, 250), qRgb(10, 20, 58));
}

// Yellow shades run through amber into a warm brown outline.
Palette yellowPalette() {
    return make(qRgb(128, 70, 8), qRgb(204, 128, 0), qRgb(240, 178, 0), qRgb(255, 231, 9),
                qRgb(255, 246, 112), qRgb(255, 255, 222), qRgb(250, 250, 250), qRgb(72, 38, 6));
}

Palette referencePalette() {
    auto hsv = [](int s, int v) { return fromHsv({kReferenceHue, s, v}); };
    return make(hsv(235, 112), hsv(250, 168), hsv(250, 206), hsv(245, 245), hsv(150, 255),
                hsv(40, 255), qRgb(250, 250, 250), hsv(200, 52));
}

} // namespace artgen
