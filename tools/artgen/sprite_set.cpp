#include "sprite_set.h"

#include "palette.h"
#include "pixmap.h"
#include "resources.h"
#include "sprites.h"

namespace artgen {

namespace {

ColourSprites drawn(const Palette& palette) {
    ColourSprites s;
    for (int k = 0; k < 5; ++k) s.halves[k] = capsuleHalf(k, palette);
    for (int f = 1; f <= 4; ++f) s.smileys[f - 1] = smiley(f, palette);
    for (int k = 0; k < 5; ++k) s.bursts[k] = burst(k, palette);
    return s;
}

// Row names of the source pictures: halves, smileys, bursts, for blue, yellow, reference.
void add(std::vector<std::pair<QString, QImage>>& out, const ColourSprites& s,
         const QString& halves, const QString& smileys, const QString& bursts) {
    for (int k = 0; k < 5; ++k) out.emplace_back(halves + QString::number(k), s.halves[k]);
    for (int f = 1; f <= 4; ++f) out.emplace_back(smileys + QString::number(f), s.smileys[f - 1]);
    for (int k = 0; k < 5; ++k) out.emplace_back(bursts + QString::number(k), s.bursts[k]);
}

} // namespace

std::vector<std::pair<QString, QImage>> spritePictures() {
    std::vector<std::pair<QString, QImage>> out;
    add(out, drawn(bluePalette()), "ImgColor0", "ImgColor_0", "ImgColor5");
    add(out, drawn(yellowPalette()), "ImgColor1", "ImgColor_1", "ImgColor6");
    add(out, drawn(referencePalette()), "RefColor2", "RefColor_2", "RefColor7");
    return out;
}

ColourSprites defaultSprites(int colour) {
    if (colour == 0) return drawn(bluePalette());
    if (colour == 1) return drawn(yellowPalette());
    ColourSprites s = drawn(referencePalette());
    const QRgb target = kDefaultColours[colour];
    for (auto& p : s.halves) p = tinted(p, target);
    for (auto& p : s.smileys) p = tinted(p, target);
    for (auto& p : s.bursts) p = tinted(p, target);
    return s;
}

void writeSprites(AssetWriter& writer) {
    for (const auto& [name, picture] : spritePictures())
        writer.picture("/sprites", name, "sprites/" + name + ".png", picture);
}

} // namespace artgen
