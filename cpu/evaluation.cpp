// The computer player's levels and how it chooses a landing.
#include "cpu/player.h"

#include <algorithm>
#include <cmath>

namespace kp {

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
            } else if (cpu::isHalf(v) && k >= 0) {
                if (CpuBoard::colourOf(b.at(r + 1, c)) == k) above += 1;
                if (CpuBoard::colourOf(b.at(r, c + 1)) == k ||
                    (c > 1 && !cpu::isHalf(b.at(r, c - 1)) &&
                     CpuBoard::colourOf(b.at(r, c - 1)) == k))
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

namespace {

// Each landing scored by what its chain gains and by the board it leaves.
std::vector<Scored> firstPly(const CpuBoard& board, const std::vector<CpuPlacement>& all,
                             bool greedy, const CpuWeights& w, const CpuMatchView& m,
                             CpuStats& stats) {
    std::vector<Scored> scored;
    scored.reserve(all.size());
    for (size_t i = 0; i < all.size(); ++i) {
        CpuBoard b = board;
        const ChainResult r = b.land(all[i].capsule);
        ++stats.positions;
        const double first = greedy
                                 ? r.smileysRemoved
                                 : gain(r, w, m.inMatch) + (r.won || r.lost ? 0 : shape(b, w, m));
        scored.push_back(Scored{i, first, first, r});
    }
    return scored;
}

// The first `considered` landings scored again with the best the preview's capsule `next` can
// do after each.
void secondPly(const CpuBoard& board, const Capsule& next, int32_t period, const CpuHands& hands,
               const std::vector<CpuPlacement>& all, std::vector<Scored>& scored, size_t considered,
               const CpuWeights& w, const CpuMatchView& m, CpuStats& stats) {
    for (size_t j = 0; j < considered; ++j) {
        Scored& x = scored[j];
        if (x.result.won || x.result.lost) continue;
        CpuBoard b = board;
        b.land(all[x.index].capsule);
        const std::vector<CpuPlacement> second = reachable(b, next, period, hands, &stats.nodes);
        double bestSecond = -w.lost;
        for (const CpuPlacement& q : second) {
            CpuBoard b2 = b;
            const ChainResult r2 = b2.land(q.capsule);
            ++stats.positions;
            const double v =
                w.secondPly * gain(r2, w, m.inMatch) + (r2.won || r2.lost ? 0 : shape(b2, w, m));
            bestSecond = std::max(bestSecond, v);
        }
        x.score = gain(x.result, w, m.inMatch) + bestSecond;
    }
}

// The best of the first `considered`, or, with a temperature, one drawn the likelier the
// nearer it scores to the best.
size_t pickAmong(const std::vector<Scored>& scored, size_t considered, double temperature,
                 std::mt19937& rng) {
    size_t pick = 0;
    for (size_t j = 1; j < considered; ++j)
        if (scored[j].score > scored[pick].score) pick = j;
    if (temperature > 0 && considered > 1) {
        std::vector<double> weights(considered);
        const double top = scored[pick].score;
        for (size_t j = 0; j < considered; ++j)
            weights[j] = std::exp((scored[j].score - top) / temperature);
        pick = std::discrete_distribution<size_t>(weights.begin(), weights.end())(rng);
    }
    return pick;
}

} // namespace

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

    const bool greedy = level_ == CpuLevel::Greedy;
    std::vector<Scored> scored = firstPly(board, all, greedy, weights_, match_, stats_);
    if (greedy) {
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
        secondPly(board, next, period, profile_.hands, all, scored, considered, weights_, match_,
                  stats_);
    }
    const size_t pick = pickAmong(scored, considered, profile_.temperature, rng_);
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

} // namespace kp
