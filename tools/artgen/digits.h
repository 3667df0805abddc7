// Counter digits: a seven-segment display whose unlit segments stay faintly visible.
#pragma once

#include <QImage>

namespace artgen {

class AssetWriter;

inline constexpr int kDigitWidth = 8, kDigitHeight = 14, kSeparatorWidth = 2;

QImage digitPicture(int digit); // 0..9
QImage separatorPicture();

void writeDigits(AssetWriter& writer);

} // namespace artgen
