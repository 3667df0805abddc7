// The 42 source pictures of the board, under the names the game loads them by, and the 14
// sprites each smiley colour ends up with at its default colour.
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <utility>
#include <vector>

namespace artgen {

class AssetWriter;

std::vector<std::pair<QString, QImage>> spritePictures();

struct ColourSprites {
    std::array<QImage, 5> halves;  // by link 0..4
    std::array<QImage, 4> smileys; // frames 1..4
    std::array<QImage, 5> bursts;  // frames 0..4
};

// Colours 0 and 1 use their own pictures; 2..4 the reference ones tinted as the game does.
ColourSprites defaultSprites(int colour);

void writeSprites(AssetWriter& writer);

} // namespace artgen
