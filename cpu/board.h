#pragma once
// The board as the computer player sees it: the field inside its walls, one byte a cell, with
// the game's removal and collapse rules on it (a test holds them equal to the game's on random
// boards).

#include "engine/game.h"

#include <array>
#include <cstdint>
#include <vector>

namespace kp {

// A cell as the computer player sees it.
namespace cpu {
constexpr uint8_t Empty = 0;
constexpr uint8_t Wall = 1;   // walls, floor, and codes that neither fall nor match
constexpr uint8_t Smiley = 2; // + colour class 0..4
constexpr uint8_t SmileyNoColour = 7;
constexpr uint8_t Half = 8;   // + 5 * colour + link (8..32)
constexpr uint8_t Block = 33; // + colour class: a cell that never falls but matches (33..37)
inline bool isHalf(uint8_t v) {
    return v >= Half && v < Half + 25;
}
} // namespace cpu

// What a chain did, from one landing to the end of its last search.
struct ChainResult {
    int smileysRemoved = 0;
    int cellsRemoved = 0;
    int runs = 0;                                     // lines removed, a cross counting two
    int steps = 0;                                    // searches that found runs
    std::array<int8_t, 4> runColours{-1, -1, -1, -1}; // the first four, in the order found
    bool won = false;                                 // no smiley left
    bool lost = false;                                // the entry is taken
};

class CpuBoard {
  public:
    CpuBoard() = default;
    // The board of a state, without its falling capsule.
    static CpuBoard of(const GameState& s);

    int rows() const { return rows_; }
    int columns() const { return cols_; }
    uint8_t at(int r, int c) const {
        if (r < 0 || r > rows_ + 1 || c < 0 || c > cols_ + 1) return cpu::Wall;
        return cells_[r * width_ + c];
    }
    void set(int r, int c, uint8_t v) { cells_[r * width_ + c] = v; }
    bool free(int r, int c) const { return at(r, c) == cpu::Empty; }
    bool fits(const Capsule& k) const { return free(k.row, k.col) && free(k.row2(), k.col2()); }
    int smileys() const;

    // Writes the landed capsule, then runs searches, removals and collapses to the end.
    ChainResult land(const Capsule& k);

    static uint8_t fromCode(int32_t code);
    static int colourOf(uint8_t v); // the colour class, -1 for none

  private:
    ChainResult settle();
    bool search(ChainResult& out);
    void collapse();

    int rows_ = 0, cols_ = 0, width_ = 0, minRun_ = 4;
    std::vector<uint8_t> cells_;
    std::vector<uint8_t> marks_;
};

} // namespace kp
