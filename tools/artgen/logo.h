// The background logo: the game's name running down a 53 x 430 band, drawn on black.
#pragma once

#include <QImage>

namespace artgen {

class AssetWriter;

inline constexpr int kLogoWidth = 53, kLogoHeight = 430;

QImage logoPicture();
void writeLogo(AssetWriter& writer);

} // namespace artgen
