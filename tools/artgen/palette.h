// The tones every sprite is drawn with. The blue and the yellow are painted by hand with hue
// shifts; the reference ramp has one hue only, so that the game's hue replacement keeps its
// shading (saturation and value) for any colour the player picks.
#pragma once

#include <QRgb>
#include <array>

namespace artgen {

enum class Tone {
    Outline, // one step darker than the shade, never black
    Deep,    // core shadow on the lower right
    Shade,
    Body,
    Light,
    Gloss, // near-white highlight, still tinted
    White, // eye whites and teeth: no saturation, stay white when recoloured
    Pupil, // very dark, tinted
    Count
};

struct Palette {
    std::array<QRgb, static_cast<int>(Tone::Count)> tones{};
    QRgb operator[](Tone t) const { return tones[static_cast<int>(t)]; }
};

// The default colours of the five smiley colours, as the game ships them.
inline constexpr std::array<QRgb, 5> kDefaultColours = {0xff0683ffu, 0xffffe709u, 0xffff00ffu,
                                                        0xff00ffacu, 0xffff9900u};

Palette bluePalette();
Palette yellowPalette();
// Hue of the reference pictures as they are stored (only seen untinted in the about box).
inline constexpr int kReferenceHue = 150;
Palette referencePalette();

} // namespace artgen
