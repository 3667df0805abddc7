#include "cpu/reach.h"

#include <algorithm>

namespace kp {

namespace {

struct Node {
    Capsule cap;
    int32_t t;      // the earliest time the next key may go
    int32_t parent; // -1 for the start
    int16_t falls;  // falls since the capsule came into view
    int8_t command; // the key that led here, -1 a fall
};

struct Scratch {
    std::vector<Node> nodes;
    std::vector<uint32_t> stamp;
    std::vector<int32_t> best; // node index
    std::vector<int32_t> layer, nextLayer;
    std::vector<uint64_t> landed;
    uint32_t gen = 0;
};

thread_local Scratch scratch;

// Readies the scratch space for a search over `keySpace` places.
void prepare(Scratch& sc, size_t keySpace) {
    if (sc.stamp.size() < keySpace) {
        sc.stamp.assign(keySpace, 0);
        sc.best.assign(keySpace, -1);
    }
    if (++sc.gen == 0) {
        std::fill(sc.stamp.begin(), sc.stamp.end(), 0);
        sc.gen = 1;
    }
    sc.nodes.clear();
    sc.layer.clear();
    sc.landed.clear();
}

// Whether a landing on the same cells in the same colours was found already; notes it if not.
bool landedBefore(Scratch& sc, const Capsule& c) {
    const uint64_t id =
        (static_cast<uint64_t>(c.row) << 40) | (static_cast<uint64_t>(c.col) << 24) |
        (static_cast<uint64_t>(c.upright()) << 20) |
        (static_cast<uint64_t>(c.half1 & 0x3ff) << 10) | static_cast<uint64_t>(c.half2 & 0x3ff);
    // Halves of one colour are the same landing whichever way round.
    const bool same = (c.half1 - 100) / 10 == (c.half2 - 100) / 10;
    const uint64_t id2 = same ? (id & ~uint64_t{0xfffff}) : id;
    if (std::find(sc.landed.begin(), sc.landed.end(), id2) != sc.landed.end()) return true;
    sc.landed.push_back(id2);
    return false;
}

// The landing node `n` stands on, at the fall due at `fallAt`, and the keys that lead there.
CpuPlacement placementOf(const Scratch& sc, int32_t n, int64_t fallAt) {
    static constexpr Command commands[] = {Command::Left, Command::Right, Command::Turn};
    CpuPlacement p;
    p.capsule = sc.nodes[n].cap;
    p.landTime = static_cast<int32_t>(fallAt);
    for (int32_t j = n; sc.nodes[j].parent >= 0; j = sc.nodes[j].parent) {
        const Node& nj = sc.nodes[j];
        if (nj.command < 0) continue;
        const Node& from = sc.nodes[nj.parent];
        p.keys.push_back(CpuPlacement::Key{from.t, commands[nj.command], from.cap});
    }
    std::reverse(p.keys.begin(), p.keys.end());
    return p;
}

} // namespace

std::vector<CpuPlacement> reachable(const CpuBoard& board, const Capsule& k, int32_t fallPeriod,
                                    const CpuHands& hands, int64_t* nodesSeen, int32_t elapsed) {
    std::vector<CpuPlacement> out;
    Scratch& sc = scratch;
    const int rows = board.rows(), cols = board.columns();
    const int64_t period = std::max(1, fallPeriod);
    const int32_t interval = std::max(1, hands.moveInterval);
    // The falls so far, and as many again as the board has rows at the most.
    const int startFalls = static_cast<int>(std::max(0, elapsed) / period);
    const int maxFalls = startFalls + rows + 4;
    const size_t keySpace = static_cast<size_t>(maxFalls + 1) * (rows + 1) * (cols + 1) * 4;
    prepare(sc, keySpace);
    auto keyOf = [&](const Capsule& c, int falls) {
        return ((static_cast<size_t>(falls) * (rows + 1) + c.row) * (cols + 1) + c.col) * 4 +
               (c.orientation - 1);
    };
    // Adds a node unless one as early is known for the same place and number of falls.
    auto add = [&](std::vector<int32_t>& into, const Capsule& c, int32_t t, int falls,
                   int32_t parent, int8_t command) {
        if (c.row < 0 || c.row > rows || c.col < 1 || c.col > cols || falls > maxFalls) return;
        const size_t key = keyOf(c, falls);
        if (sc.stamp[key] == sc.gen && sc.nodes[sc.best[key]].t <= t) return;
        sc.stamp[key] = sc.gen;
        sc.best[key] = static_cast<int32_t>(sc.nodes.size());
        sc.nodes.push_back(Node{c, t, parent, static_cast<int16_t>(falls), command});
        into.push_back(sc.best[key]);
    };
    if (!board.fits(k)) return out;
    add(sc.layer, k, std::max(elapsed, hands.reaction), startFalls, -1, -1);
    static constexpr Move moves[] = {Move::Left, Move::Right, Move::Turn};
    for (int falls = startFalls; !sc.layer.empty() && falls <= maxFalls; ++falls) {
        const int64_t fallAt = (falls + 1) * period;
        sc.nextLayer.clear();
        for (size_t i = 0; i < sc.layer.size(); ++i) {
            const int32_t n = sc.layer[i];
            const Node node = sc.nodes[n];
            const size_t key = keyOf(node.cap, falls);
            if (sc.best[key] != n) continue; // bettered since
            if (node.t < fallAt && node.cap.row >= 1) {
                for (int m = 0; m < 3; ++m) {
                    const Capsule next = node.cap.after(moves[m]);
                    // The rules refuse a turn into the hidden row.
                    if (next.row < 1 || !board.fits(next)) continue;
                    add(sc.layer, next, node.t + interval, falls, n, static_cast<int8_t>(m));
                }
            }
            const Capsule down = node.cap.after(Move::Down);
            if (board.fits(down)) {
                add(sc.nextLayer, down, static_cast<int32_t>(std::max<int64_t>(node.t, fallAt)),
                    falls + 1, n, -1);
                continue;
            }
            // It lands at the next fall. One placement per cells and colours.
            if (!landedBefore(sc, node.cap)) out.push_back(placementOf(sc, n, fallAt));
        }
        std::swap(sc.layer, sc.nextLayer);
    }
    if (nodesSeen) *nodesSeen += static_cast<int64_t>(sc.nodes.size());
    return out;
}

} // namespace kp
