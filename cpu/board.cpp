#include "cpu/board.h"

#include <algorithm>

namespace kp {

namespace {

// The colour class the run search gives a code (elimination.cpp), -1 for none.
int codeClass(int32_t code) {
    if (code == CellEmpty || code == CellWall) return -1;
    if (code >= 100 && code <= 999) return (code / 10) % 5;
    if (code >= -999 && code <= -100) return (-code / 10) % 5;
    const int d = colourDigit(code);
    return d < 0 ? -1 : d % 5;
}

int linkIn(uint8_t v) {
    return (v - cpu::Half) % 5;
}
uint8_t halfValue(int colour, int link) {
    return static_cast<uint8_t>(cpu::Half + 5 * colour + link);
}

} // namespace

uint8_t CpuBoard::fromCode(int32_t code) {
    if (code == CellEmpty) return cpu::Empty;
    if (isCapsuleHalf(code)) return halfValue((code - 100) / 10, code % 10);
    // A cell being removed is gone by the time anything falls again.
    if (isRemoval(code)) return cpu::Empty;
    const int k = codeClass(code);
    if (code < 0) return k < 0 ? cpu::SmileyNoColour : static_cast<uint8_t>(cpu::Smiley + k);
    return k < 0 ? cpu::Wall : static_cast<uint8_t>(cpu::Block + k);
}

int CpuBoard::colourOf(uint8_t v) {
    if (v >= cpu::Smiley && v < cpu::Smiley + 5) return v - cpu::Smiley;
    if (cpu::isHalf(v)) return (v - cpu::Half) / 5;
    if (v >= cpu::Block && v < cpu::Block + 5) return v - cpu::Block;
    return -1;
}

CpuBoard CpuBoard::of(const GameState& s) {
    CpuBoard b;
    b.rows_ = s.params.rows;
    b.cols_ = s.params.columns;
    b.width_ = b.cols_ + 2;
    b.minRun_ = s.params.minRun;
    b.cells_.assign(static_cast<size_t>((b.rows_ + 2) * b.width_), cpu::Wall);
    for (int r = 0; r <= b.rows_; ++r)
        for (int c = 1; c <= b.cols_; ++c) {
            const bool own = s.capsuleInGrid && s.capsule.covers(r, c);
            b.set(r, c, own ? cpu::Empty : fromCode(s.grid[r][c]));
        }
    return b;
}

int CpuBoard::smileys() const {
    int n = 0;
    for (int r = 1; r <= rows_; ++r)
        for (int c = 1; c <= cols_; ++c) {
            const uint8_t v = at(r, c);
            n += v >= cpu::Smiley && v <= cpu::SmileyNoColour;
        }
    return n;
}

ChainResult CpuBoard::land(const Capsule& k) {
    set(k.row, k.col, fromCode(k.half1));
    set(k.row2(), k.col2(), fromCode(k.half2));
    return settle();
}

ChainResult CpuBoard::settle() {
    ChainResult out;
    while (search(out)) collapse();
    out.won = smileys() == 0;
    out.lost = !out.won && (!free(1, cols_ / 2) || !free(1, cols_ / 2 + 1));
    return out;
}

// The game's run search: maximal lines of one colour class of at least minRun cells, across
// and down, rows 0 to the floor. The runs are noted in the order the game reports them (row by
// row from the top, by first cell from the left, across before down); the halves whose partner
// goes are loosened, then the marked cells emptied.
bool CpuBoard::search(ChainResult& out) {
    if (minRun_ > std::max(rows_ + 1, cols_)) return false;
    marks_.assign(cells_.size(), 0);
    bool found = false;
    auto cls = [&](int r, int c) { return colourOf(at(r, c)); };
    for (int r = 0; r <= rows_; ++r)
        for (int c = 1; c <= cols_; ++c) {
            const int k = cls(r, c);
            if (k < 0) continue;
            if (cls(r, c - 1) != k) {
                int n = 1;
                while (c + n <= cols_ && cls(r, c + n) == k) ++n;
                if (n >= minRun_) {
                    for (int i = 0; i < n; ++i) marks_[r * width_ + c + i] = 1;
                    if (out.runs < 4) out.runColours[out.runs] = static_cast<int8_t>(k);
                    ++out.runs;
                    found = true;
                }
            }
            if (r == 0 || cls(r - 1, c) != k) {
                int n = 1;
                while (r + n <= rows_ && cls(r + n, c) == k) ++n;
                if (n >= minRun_) {
                    for (int i = 0; i < n; ++i) marks_[(r + i) * width_ + c] = 1;
                    if (out.runs < 4) out.runColours[out.runs] = static_cast<int8_t>(k);
                    ++out.runs;
                    found = true;
                }
            }
        }
    if (!found) return false;
    ++out.steps;
    auto loosen = [&](int r, int c, int link) {
        if (r < 0 || marks_[r * width_ + c]) return;
        const uint8_t v = at(r, c);
        if (cpu::isHalf(v) && linkIn(v) == link) set(r, c, static_cast<uint8_t>(v - link));
    };
    for (int r = 0; r <= rows_; ++r)
        for (int c = 1; c <= cols_; ++c)
            if (marks_[r * width_ + c]) {
                loosen(r - 1, c, LinkTop);
                loosen(r + 1, c, LinkBottom);
                loosen(r, c - 1, LinkLeft);
                loosen(r, c + 1, LinkRight);
            }
    for (int r = 0; r <= rows_; ++r)
        for (int c = 1; c <= cols_; ++c)
            if (marks_[r * width_ + c]) {
                const uint8_t v = at(r, c);
                out.smileysRemoved += v >= cpu::Smiley && v <= cpu::SmileyNoColour;
                ++out.cellsRemoved;
                set(r, c, cpu::Empty);
            }
    return true;
}

// The collapse to its end. The game moves every unsupported piece a row a tick, bottom row
// first; pieces keep their columns and their order in them, so dropping each piece as far as
// it goes, bottom row first, ends where the ticks end.
void CpuBoard::collapse() {
    for (int r = rows_ - 1; r >= 0; --r)
        for (int c = cols_; c >= 1; --c) {
            const uint8_t v = at(r, c);
            if (!cpu::isHalf(v)) continue;
            switch (linkIn(v)) {
            case LinkLoose: {
                int to = r;
                while (free(to + 1, c)) ++to;
                if (to != r) {
                    set(r, c, cpu::Empty);
                    set(to, c, v);
                }
                break;
            }
            case LinkTop: {
                const uint8_t lower = at(r + 1, c);
                if (!cpu::isHalf(lower) || linkIn(lower) != LinkBottom) break;
                int to = r;
                while (free(to + 2, c)) ++to;
                if (to != r) {
                    set(r, c, cpu::Empty);
                    set(r + 1, c, cpu::Empty);
                    set(to, c, v);
                    set(to + 1, c, lower);
                }
                break;
            }
            case LinkLeft: {
                const uint8_t right = at(r, c + 1);
                if (!cpu::isHalf(right) || linkIn(right) != LinkRight) break;
                int to = r;
                while (free(to + 1, c) && free(to + 1, c + 1)) ++to;
                if (to != r) {
                    set(r, c, cpu::Empty);
                    set(r, c + 1, cpu::Empty);
                    set(to, c, v);
                    set(to, c + 1, right);
                }
                break;
            }
            default:
                break;
            }
        }
}

} // namespace kp
