// The computer player: the board in bytes, the reach of a capsule, the evaluation and the seat.
#include "cpu_player.h"

#include "recording.h"
#include "virtual_clock.h"

#include <algorithm>
#include <cmath>

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

bool isHalf(uint8_t v) {
    return v >= cpu::Half && v < cpu::Half + 25;
}
int linkIn(uint8_t v) {
    return (v - cpu::Half) % 5;
}
uint8_t halfValue(int colour, int link) {
    return static_cast<uint8_t>(cpu::Half + 5 * colour + link);
}

bool sameCapsule(const Capsule& a, const Capsule& b) {
    return a.row == b.row && a.col == b.col && a.orientation == b.orientation;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The board

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
    if (isHalf(v)) return (v - cpu::Half) / 5;
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
        if (isHalf(v) && linkIn(v) == link) set(r, c, static_cast<uint8_t>(v - link));
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
            if (!isHalf(v)) continue;
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
                if (!isHalf(lower) || linkIn(lower) != LinkBottom) break;
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
                if (!isHalf(right) || linkIn(right) != LinkRight) break;
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

// ---------------------------------------------------------------------------------------------
// The reach of a capsule

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
    static constexpr Command commands[] = {Command::Left, Command::Right, Command::Turn};
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
            const Capsule& c = node.cap;
            const uint64_t id = (static_cast<uint64_t>(c.row) << 40) |
                                (static_cast<uint64_t>(c.col) << 24) |
                                (static_cast<uint64_t>(c.upright()) << 20) |
                                (static_cast<uint64_t>(c.half1 & 0x3ff) << 10) |
                                static_cast<uint64_t>(c.half2 & 0x3ff);
            // Halves of one colour are the same landing whichever way round.
            const bool same = (c.half1 - 100) / 10 == (c.half2 - 100) / 10;
            const uint64_t id2 = same ? (id & ~uint64_t{0xfffff}) : id;
            if (std::find(sc.landed.begin(), sc.landed.end(), id2) != sc.landed.end()) continue;
            sc.landed.push_back(id2);
            CpuPlacement p;
            p.capsule = c;
            p.landTime = static_cast<int32_t>(fallAt);
            for (int32_t j = n; sc.nodes[j].parent >= 0; j = sc.nodes[j].parent) {
                const Node& nj = sc.nodes[j];
                if (nj.command < 0) continue;
                const Node& from = sc.nodes[nj.parent];
                p.keys.push_back(CpuPlacement::Key{from.t, commands[nj.command], from.cap});
            }
            std::reverse(p.keys.begin(), p.keys.end());
            out.push_back(std::move(p));
        }
        std::swap(sc.layer, sc.nextLayer);
    }
    if (nodesSeen) *nodesSeen += static_cast<int64_t>(sc.nodes.size());
    return out;
}

// ---------------------------------------------------------------------------------------------
// Levels

const CpuProfile& cpuProfile(CpuLevel level) {
    // name, think, plies, breadth, temperature, {interval, reaction}, drop, start
    static const CpuProfile profiles[CpuLevelCount] = {
        {"Beginner", 0.3, 1, 0, 300, {350, 750}, -1, 1500},
        {"Easy", 0.6, 1, 0, 150, {250, 500}, -1, 1200},
        {"Medium", 0.9, 1, 0, 30, {150, 320}, 500, 900},
        {"Hard", 0.95, 2, 4, 15, {110, 250}, 300, 700},
        {"Expert", 1.0, 2, 6, 0, {75, 150}, 120, 500},
        {"Random", 1.0, 1, 0, 0, {75, 150}, 120, 500},
        {"Greedy", 1.0, 1, 0, 0, {75, 150}, 120, 500},
    };
    return profiles[static_cast<int>(level)];
}

// ---------------------------------------------------------------------------------------------
// Evaluation

namespace {

constexpr int MaxAttackHalves = 4; // halves one attack sends at most

double gain(const ChainResult& r, const CpuWeights& w, bool inMatch) {
    double g = w.smiley * r.smileysRemoved + w.cell * r.cellsRemoved;
    if (inMatch && r.runs >= 2) g += w.attack * std::min(r.runs, MaxAttackHalves);
    if (r.won) g += w.cleared;
    if (r.lost) g -= w.lost;
    return g;
}

// What the board promises: colours side by side, smileys left uncovered, a low and even heap
// with no holes, and room at the entry.
double shape(const CpuBoard& b, const CpuWeights& w, const CpuMatchView& m) {
    const int rows = b.rows(), cols = b.columns();
    double likes = 0, above = 0, buried = 0, holes = 0, height = 0;
    int entryHeight = 0;
    for (int c = 1; c <= cols; ++c) {
        int seen[5] = {0, 0, 0, 0, 0};
        int total = 0;
        int top = rows + 1;
        for (int r = 0; r <= rows; ++r) {
            const uint8_t v = b.at(r, c);
            if (v == cpu::Empty) {
                if (top <= rows) holes += 1;
                continue;
            }
            if (top > rows) top = r;
            const int k = CpuBoard::colourOf(v);
            if (v >= cpu::Smiley && v <= cpu::SmileyNoColour) {
                if (k >= 0) buried += total - seen[k];
            } else if (isHalf(v) && k >= 0) {
                if (CpuBoard::colourOf(b.at(r + 1, c)) == k) above += 1;
                if (CpuBoard::colourOf(b.at(r, c + 1)) == k ||
                    (c > 1 && !isHalf(b.at(r, c - 1)) && CpuBoard::colourOf(b.at(r, c - 1)) == k))
                    likes += 1;
            }
            if (k >= 0) ++seen[k];
            ++total;
        }
        const int h = rows + 1 - top;
        height += h;
        if (c == cols / 2 || c == cols / 2 + 1) entryHeight = std::max(entryHeight, h);
    }
    const int line = std::max(2, rows - 6 - m.waiting / 2);
    const double over = std::max(0, entryHeight - line);
    return w.likeNeighbour * likes + w.likeAbove * above - w.buried * buried - w.hole * holes -
           w.height * height - w.danger * over * over - w.received * m.waiting;
}

struct Scored {
    size_t index;
    double first; // the landing's own gain and shape
    double score; // with the preview's capsule
    ChainResult result;
};

int32_t fallPeriodOf(const GameState& s) {
    const int32_t running = s.timer(TimerId::Fall).period;
    if (running > 0) return running;
    const int64_t p =
        int64_t{s.params.firstFallPeriod} - (int64_t{s.level} - 1) * s.params.fallPeriodStep;
    return static_cast<int32_t>(std::clamp<int64_t>(p, Game::MinFallPeriod, 1 << 30));
}

} // namespace

CpuPlayer::CpuPlayer(CpuLevel level, uint32_t seed, const CpuWeights& weights)
    : level_(level), profile_(cpuProfile(level)), weights_(weights), rng_(seed) {
    eyes_.player = this;
}

CpuPlacement CpuPlayer::decide(const GameState& s, int32_t elapsed) {
    ++stats_.decisions;
    const CpuBoard board = CpuBoard::of(s);
    const int32_t period = fallPeriodOf(s);
    std::vector<CpuPlacement> all =
        reachable(board, s.capsule, period, profile_.hands, &stats_.nodes, elapsed);
    lastScore_ = 0;
    if (all.empty()) return {};
    auto uniform = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(rng_); };

    if (level_ == CpuLevel::Random) return all[uniform(all.size())];

    const bool thinks = std::uniform_real_distribution<double>(0, 1)(rng_) < profile_.thinkShare;
    if (!thinks) {
        // A hasty capsule: somewhere near where it came in, with two keys at most.
        std::vector<size_t> near;
        for (size_t i = 0; i < all.size(); ++i)
            if (all[i].keys.size() <= 2) near.push_back(i);
        return near.empty() ? all[uniform(all.size())] : all[near[uniform(near.size())]];
    }

    std::vector<Scored> scored;
    scored.reserve(all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        CpuBoard b = board;
        const ChainResult r = b.land(all[i].capsule);
        ++stats_.positions;
        double first = 0;
        if (level_ == CpuLevel::Greedy)
            first = r.smileysRemoved;
        else
            first = gain(r, weights_, match_.inMatch) +
                    (r.won || r.lost ? 0 : shape(b, weights_, match_));
        scored.push_back(Scored{i, first, first, r});
    }

    if (level_ == CpuLevel::Greedy) {
        double top = -1;
        for (const Scored& x : scored) top = std::max(top, x.first);
        std::vector<size_t> best;
        for (const Scored& x : scored)
            if (x.first == top) best.push_back(x.index);
        return all[best[uniform(best.size())]];
    }

    std::sort(scored.begin(), scored.end(),
              [](const Scored& a, const Scored& b) { return a.first > b.first; });
    size_t considered = scored.size();
    const bool preview = isCapsuleHalf(s.preview[0]) && isCapsuleHalf(s.preview[1]);
    if (profile_.plies >= 2 && preview) {
        considered = std::min<size_t>(scored.size(), std::max(1, profile_.breadth));
        const Capsule next{1, s.params.columns / 2, 2, s.preview[0], s.preview[1]};
        CpuHands nextHands = profile_.hands;
        for (size_t j = 0; j < considered; ++j) {
            Scored& x = scored[j];
            if (x.result.won || x.result.lost) continue;
            CpuBoard b = board;
            b.land(all[x.index].capsule);
            const std::vector<CpuPlacement> second =
                reachable(b, next, period, nextHands, &stats_.nodes);
            double bestSecond = -weights_.lost;
            for (const CpuPlacement& q : second) {
                CpuBoard b2 = b;
                const ChainResult r2 = b2.land(q.capsule);
                ++stats_.positions;
                const double v = weights_.secondPly * gain(r2, weights_, match_.inMatch) +
                                 (r2.won || r2.lost ? 0 : shape(b2, weights_, match_));
                bestSecond = std::max(bestSecond, v);
            }
            x.score = gain(x.result, weights_, match_.inMatch) + bestSecond;
        }
    }

    size_t pick = 0;
    for (size_t j = 1; j < considered; ++j)
        if (scored[j].score > scored[pick].score) pick = j;
    if (profile_.temperature > 0 && considered > 1) {
        std::vector<double> weights(considered);
        const double top = scored[pick].score;
        for (size_t j = 0; j < considered; ++j)
            weights[j] = std::exp((scored[j].score - top) / profile_.temperature);
        pick = std::discrete_distribution<size_t>(weights.begin(), weights.end())(rng_);
    }
    lastScore_ = scored[pick].score;
    return all[scored[pick].index];
}

std::optional<CpuAdvice> cpuAdvice(const GameState& s, CpuLevel level, int32_t elapsed,
                                   const CpuWeights& weights) {
    if (!s.capsuleInGrid || s.capsule.row < 1 || s.phase != Phase::Playing) return std::nullopt;
    if (!CpuBoard::of(s).fits(s.capsule)) return std::nullopt;
    CpuPlayer coach(level, 1, weights);
    CpuAdvice a;
    a.placement = coach.decide(s, elapsed);
    a.score = coach.lastScore();
    return a;
}

// ---------------------------------------------------------------------------------------------
// The seat at the keys

void CpuPlayer::watch(const Game& game, std::function<int64_t()> clock) {
    game_ = &game;
    clock_ = std::move(clock);
}

GameEvents& CpuPlayer::eyes(GameEvents* next) {
    eyes_.next = next;
    return eyes_;
}

void CpuPlayer::capsuleEntered() {
    if (!game_ || !clock_) return;
    const GameState& s = game_->state();
    entered_ = clock_();
    plan_ = decide(s, 0);
    planned_ = true;
    nextKey_ = 0;
    dropAt_ = Never;
    if (profile_.dropPause >= 0) {
        const int64_t lastKey = plan_.keys.empty()
                                    ? profile_.hands.reaction
                                    : plan_.keys.back().time + profile_.hands.moveInterval;
        const int64_t at = lastKey + profile_.dropPause;
        if (at < plan_.landTime) dropAt_ = entered_ + at;
    }
}

int64_t CpuPlayer::poll(int64_t now, const std::function<void(Command)>& press) {
    if (!game_) return Never;
    const GameState& s = game_->state();
    if (s.paused) {
        planned_ = false;
        if (s.hidden || !s.messageVisible || s.message != Message::Level) {
            resumeAt_ = Never;
            return Never;
        }
        if (resumeAt_ == Never) resumeAt_ = now + profile_.startDelay;
        if (now < resumeAt_) return resumeAt_;
        resumeAt_ = Never;
        ++stats_.keys;
        press(Command::Other);
        return Never;
    }
    resumeAt_ = Never;
    if (!planned_) return Never;
    while (nextKey_ < plan_.keys.size() && entered_ + plan_.keys[nextKey_].time <= now) {
        const CpuPlacement::Key& key = plan_.keys[nextKey_++];
        if (!s.capsuleInGrid || s.phase != Phase::Playing || !sameCapsule(s.capsule, key.before)) {
            ++stats_.offPlan;
            planned_ = false;
            return Never;
        }
        ++stats_.keys;
        press(key.command);
    }
    if (nextKey_ < plan_.keys.size()) return entered_ + plan_.keys[nextKey_].time;
    if (dropAt_ != Never) {
        if (now < dropAt_) return dropAt_;
        dropAt_ = Never;
        if (s.capsuleInGrid && s.phase == Phase::Playing && s.capsule.col == plan_.capsule.col &&
            s.capsule.orientation == plan_.capsule.orientation) {
            ++stats_.keys;
            press(Command::Drop);
        }
    }
    planned_ = false;
    return Never;
}

void CpuPlayer::Eyes::previewChanged(int col, int32_t code) {
    if (next) next->previewChanged(col, code);
    // The strip changes whenever the capsule is in row 1, first when it comes into view: the
    // player looks then. (A landing, or a new board, ends the capsule in view.)
    if (col != 2 || !player->game_ || inView) return;
    const GameState& s = player->game_->state();
    if (s.capsuleInGrid && s.capsule.row == 1 && s.phase == Phase::Playing) {
        inView = true;
        player->capsuleEntered();
    }
}
void CpuPlayer::Eyes::cellChanged(int r, int c, int32_t code) {
    if (next) next->cellChanged(r, c, code);
}
void CpuPlayer::Eyes::boardChanged() {
    inView = false;
    if (next) next->boardChanged();
}
void CpuPlayer::Eyes::counterChanged(Counter c) {
    if (next) next->counterChanged(c);
}
void CpuPlayer::Eyes::messageChanged() {
    if (next) next->messageChanged();
}
void CpuPlayer::Eyes::messageRepaint() {
    if (next) next->messageRepaint();
}
void CpuPlayer::Eyes::pauseChanged(bool p) {
    if (next) next->pauseChanged(p);
}
void CpuPlayer::Eyes::soundWanted(Sound snd) {
    if (snd == Sound::Landing) inView = false;
    if (next) next->soundWanted(snd);
}
void CpuPlayer::Eyes::timerChanged(TimerId id) {
    if (next) next->timerChanged(id);
}
void CpuPlayer::Eyes::windowShake(int dy) {
    if (next) next->windowShake(dy);
}
void CpuPlayer::Eyes::pinupFrame(int f, PinupFigure fig) {
    if (next) next->pinupFrame(f, fig);
}
void CpuPlayer::Eyes::panicChanged(bool h) {
    if (next) next->panicChanged(h);
}
void CpuPlayer::Eyes::recordOffered() {
    if (next) next->recordOffered();
}
bool CpuPlayer::Eyes::recordQualifies(int32_t level, int32_t smileys) {
    return next ? next->recordQualifies(level, smileys) : false;
}

// ---------------------------------------------------------------------------------------------
// A game alone

CpuGameResult playAlone(CpuPlayer& player, uint32_t seed, const LevelParameters& params,
                        int32_t stopAt, int64_t maxTime,
                        const std::function<void(int64_t, Command, const GameState&)>& keys) {
    // The player's keys come at most this long after they are due when a capsule comes into
    // view in the middle of a step; every reaction is longer.
    constexpr int64_t Quantum = 16;
    GameEvents& eyes = player.eyes();
    Game game(eyes, seed);
    VirtualClock* clockPtr = nullptr;
    player.watch(game, [&clockPtr] { return clockPtr ? clockPtr->now() : 0; });
    game.setParameters(params);
    game.setSmileyAnimation(GameOptions{}.smileyAnimation);
    game.setRemovalAnimation(GameOptions{}.removalAnimation);
    game.newGame();
    VirtualClock clock(game);
    clockPtr = &clock;
    const int64_t before = player.stats().decisions;
    auto press = [&](Command c) {
        if (keys) keys(clock.now(), c, game.state());
        game.handle(c);
        clock.sync();
    };
    CpuGameResult res;
    while (clock.now() < maxTime && game.state().level < stopAt) {
        const GameState& s = game.state();
        if (s.paused && s.messageVisible && s.message == Message::Lost) {
            res.lost = true;
            break;
        }
        const int64_t now = clock.now();
        const int64_t next = player.poll(now, press);
        clock.advance(std::min(next, now + Quantum) - now);
    }
    res.level = game.state().level;
    res.time = clock.now();
    res.capsules = player.stats().decisions - before;
    res.checksum = gameEnd(game.state()).checksum;
    return res;
}

} // namespace kp
