#pragma once
// Cell codes of the board. One integer per cell tells what it holds:
// clang-format off
//   998                  empty
//   999                  wall or floor
//   100 + 10c + link     a capsule half of colour c; link 0 loose (its partner is gone),
//                        1 top, 2 left, 3 bottom, 4 right (where it stands in its capsule)
//   150 + 10c + frame    a cell of colour c being removed, frame 0..4
//   -(100 + 10c + p)     a smiley of colour c, animation phase p 1..4
// clang-format on
// The codes are also the saved-game format, so their values never change.
// Saved games may put any 32-bit value in a cell, so every helper here accepts any int32_t.

#include <cstdint>

namespace kp {

constexpr int32_t CellEmpty = 998;
constexpr int32_t CellWall = 999;

constexpr int LinkLoose = 0;
constexpr int LinkTop = 1;
constexpr int LinkLeft = 2;
constexpr int LinkBottom = 3;
constexpr int LinkRight = 4;

constexpr int32_t capsuleCode(int colour, int link) {
    return 100 + 10 * colour + link;
}
constexpr int32_t removalCode(int colour, int frame) {
    return 150 + 10 * colour + frame;
}
constexpr int32_t smileyCode(int colour, int phase) {
    return -(100 + 10 * colour + phase);
}

constexpr bool isCapsuleHalf(int32_t code) {
    return code >= 100 && code <= 144 && code % 10 <= 4;
}
constexpr bool isRemoval(int32_t code) {
    return code >= 150 && code <= 194;
}
constexpr bool isSmiley(int32_t code) {
    return code < 0;
}

// Link digit of a capsule half (meaningful only when isCapsuleHalf).
constexpr int linkOf(int32_t code) {
    return code % 10;
}

// The colour digit: the tens digit of the code's absolute value written in decimal, i.e. its
// second character. 0..4 is a colour, 5..9 a cell being removed (colour + 5), 9 also for empty
// and wall cells. Codes of one decimal digit have no second character: -1.
constexpr int colourDigit(int32_t code) {
    int64_t a = code < 0 ? -static_cast<int64_t>(code) : code;
    if (a < 10) return -1;
    while (a >= 100) a /= 10;
    return static_cast<int>(a % 10);
}

// Run detection: equal colour digits, or digits five apart (a cell already marked for removal
// still matches its own colour, so crossing runs go together).
constexpr bool coloursMatch(int a, int b) {
    if (a < 0 || b < 0) return false;
    return a == b || a - b == 5 || b - a == 5;
}

} // namespace kp
