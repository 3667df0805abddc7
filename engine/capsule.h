#pragma once
// The falling capsule as a value: where it stands, how it lies and its two halves. A move gives
// the capsule it would become; the rules check that it fits before they commit it.
#include "cells.h"

#include <cstdint>

namespace kp {

enum class Move { Left, Right, Down, Turn };

struct Capsule {
    int32_t row = 0;
    int32_t col = 0;
    // 1 and 3 stand upright (first half on top), 2 and 4 lie flat (first half on the left);
    // each quarter turn goes on to the next, 4 back to 1.
    int32_t orientation = 2;
    int32_t half1 = CellEmpty; // the reference cell, at (row, col)
    int32_t half2 = CellEmpty; // below it, or to its right

    bool upright() const { return orientation == 1 || orientation == 3; }
    int32_t row2() const { return upright() ? row + 1 : row; }
    int32_t col2() const { return upright() ? col : col + 1; }
    bool covers(int32_t r, int32_t c) const {
        return (r == row && c == col) || (r == row2() && c == col2());
    }

    // The capsule after a move. A quarter turn keeps one cell in place: the lower half of an
    // upright capsule (or the left half of a lying one) stays where it is, and the halves swap
    // ends so that the colours go round counter-clockwise.
    Capsule after(Move move) const {
        Capsule c = *this;
        switch (move) {
        case Move::Left:
            --c.col;
            break;
        case Move::Right:
            ++c.col;
            break;
        case Move::Down:
            ++c.row;
            break;
        case Move::Turn:
            if (upright()) {
                if (orientation == 3) {
                    ++c.row;
                    --c.col;
                }
                c.half1 = capsuleCode(halfColour(half1), LinkLeft);
                c.half2 = capsuleCode(halfColour(half2), LinkRight);
            } else {
                if (orientation == 2)
                    --c.row;
                else
                    ++c.col;
                c.half1 = capsuleCode(halfColour(half2), LinkTop);
                c.half2 = capsuleCode(halfColour(half1), LinkBottom);
            }
            c.orientation = orientation % 4 + 1;
            break;
        }
        return c;
    }

  private:
    static int halfColour(int32_t code) { return (code - 100) / 10; }
};

} // namespace kp
