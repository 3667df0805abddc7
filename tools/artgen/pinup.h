// The two pin-up figures that cross the foot of the board after a won level: 23 frames each,
// 80 pixels high, each frame exactly as wide as its slot in the strip.
#pragma once

#include <QImage>
#include <array>
#include <vector>

namespace artgen {

class AssetWriter;

struct PinupSlot {
    int offset; // where the frame is drawn inside the strip
    int width;  // the frame's picture width
};

inline constexpr int kPinupHeight = 80;

// ImgYY: the figure entering from the left; ImgXX: the one entering from the right.
inline constexpr std::array<PinupSlot, 23> kFromLeftSlots = {{
    {0, 8},   {0, 11},  {0, 20},   {2, 22},   {6, 29},   {8, 31},   {16, 28},  {24, 29},
    {32, 26}, {38, 27}, {41, 33},  {48, 28},  {59, 24},  {65, 26},  {71, 24},  {78, 31},
    {84, 28}, {92, 24}, {100, 29}, {105, 28}, {116, 24}, {123, 17}, {130, 10},
}};
inline constexpr std::array<PinupSlot, 23> kFromRightSlots = {{
    {118, 12}, {101, 29}, {96, 27}, {84, 29}, {75, 31}, {70, 26}, {53, 38}, {50, 37},
    {49, 36},  {42, 49},  {36, 60}, {36, 60}, {38, 56}, {39, 53}, {45, 35}, {46, 31},
    {40, 20},  {22, 38},  {20, 31}, {11, 22}, {0, 29},  {0, 13},  {0, 5},
}};

// Strip widths: the right end of the last slot reached by each figure.
inline constexpr int kFromLeftStrip = 140, kFromRightStrip = 130;

// The 23 frames of one figure, cut to their slots.
std::vector<QImage> pinupFrames(bool fromRight);

void writePinups(AssetWriter& writer);

} // namespace artgen
