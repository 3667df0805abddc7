// versus: the computer player measured on virtual time, its tables printed as Markdown.
//
//   versus alone  [--seeds N] [--stop L]   Expert and the greedy baseline alone, N seeds
//   versus cost   [--decisions N]          decision time per level, landings per decision
//   versus ladder [--matches N] [--pairs all|steps] [--first L]
//                                          matches between levels, best of three, both on
//                                          level L (5); "steps": each level against the one
//                                          below it, and the baselines against the ends
//   versus tune   [--rounds N] [--seeds N] self-play alone: the weights, one change at a time
//   versus all                             alone, cost and ladder with their defaults
//
// Everything runs on the game's virtual time: a match of minutes takes a fraction of a second.
// Long runs belong under `nice -n 10`.
#include "cpu/drivers.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kp;

int option(int argc, char** argv, const char* name, int fallback) {
    for (int i = 2; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::atoi(argv[i + 1]);
    return fallback;
}

std::string textOption(int argc, char** argv, const char* name, const char* fallback) {
    for (int i = 2; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
    return fallback;
}

const char* nameOf(CpuLevel l) {
    return cpuProfile(l).name;
}

// ---------------------------------------------------------------------------------------------
// Alone

struct AloneFigures {
    double median = 0;
    double cleared10 = 0; // share of games that got past level 10
    double capsules = 0;  // per game, on average
};

AloneFigures alone(CpuLevel level, int seeds, int stopAt, const CpuWeights& w = {}) {
    std::vector<int> levels;
    int64_t capsules = 0;
    int past10 = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        CpuPlayer player(level, static_cast<uint32_t>(seed) * 2654435761u, w);
        const CpuGameResult r = playAlone(player, static_cast<uint32_t>(seed), LevelParameters{},
                                          stopAt, 6LL * 3600 * 1000);
        levels.push_back(r.level);
        capsules += r.capsules;
        past10 += r.level > 10;
    }
    std::sort(levels.begin(), levels.end());
    AloneFigures f;
    const size_t n = levels.size();
    f.median = n % 2 ? levels[n / 2] : (levels[n / 2 - 1] + levels[n / 2]) / 2.0;
    f.cleared10 = 100.0 * past10 / seeds;
    f.capsules = double(capsules) / seeds;
    return f;
}

void aloneTable(int seeds, int stopAt) {
    std::printf("## Alone\n\nDefault parameters and fall speeds, from level 1, %d seeds, on "
                "virtual time (games stop at level %d).\n\n",
                seeds, stopAt);
    std::printf("| Player | Median level reached | Cleared level 10 | Capsules a game |\n");
    std::printf("|---|---:|---:|---:|\n");
    for (CpuLevel l : {CpuLevel::Expert, CpuLevel::Greedy}) {
        const AloneFigures f = alone(l, seeds, stopAt);
        std::printf("| %s | %.1f | %.0f %% | %.0f |\n", nameOf(l), f.median, f.cleared10,
                    f.capsules);
        std::fflush(stdout);
    }
    std::printf("\n");
}

// ---------------------------------------------------------------------------------------------
// Cost

void costTable(int decisions) {
    // Positions as they come in Expert's games, every level of them.
    std::vector<std::unique_ptr<GameState>> states;
    for (uint32_t seed = 1; states.size() < static_cast<size_t>(decisions) && seed < 50; ++seed) {
        CpuPlayer player(CpuLevel::Expert, seed);
        int64_t n = 0;
        playAlone(player, seed, LevelParameters{}, 30, 3LL * 3600 * 1000,
                  [&](int64_t, Command c, const GameState& s) {
                      if (c == Command::Other || s.capsule.row != 1 || n++ % 4) return;
                      if (states.size() < static_cast<size_t>(decisions))
                          states.push_back(std::make_unique<GameState>(s));
                  });
    }
    std::printf("## Cost\n\nOne decision on %zu positions from Expert's games, on this "
                "machine (one core).\n\n",
                states.size());
    std::printf("| Player | Median | 99th percentile | Landings evaluated | Reach states |\n");
    std::printf("|---|---:|---:|---:|---:|\n");
    for (int i = 0; i < CpuLevelCount; ++i) {
        const auto level = static_cast<CpuLevel>(i);
        CpuPlayer player(level, 11);
        std::vector<double> us;
        for (const auto& s : states) {
            const auto t0 = std::chrono::steady_clock::now();
            const CpuPlacement p = player.decide(*s, 0);
            const auto t1 = std::chrono::steady_clock::now();
            if (p.landTime < -1) std::printf("?");
            us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        }
        std::sort(us.begin(), us.end());
        const CpuStats& st = player.stats();
        std::printf("| %s | %.0f µs | %.0f µs | %.0f | %.0f |\n", nameOf(level), us[us.size() / 2],
                    us[std::min(us.size() - 1, us.size() * 99 / 100)],
                    double(st.positions) / st.decisions, double(st.nodes) / st.decisions);
    }
    std::printf("\n");
}

// ---------------------------------------------------------------------------------------------
// Matches

// One match between two computer players: 0 when the first wins, 1 the second, -1 neither
// (the time ran out).
int playMatch(CpuLevel a, CpuLevel b, uint32_t seed, int firstLevel, int64_t* halves = nullptr) {
    MatchSettings ms;
    ms.startLevel = {firstLevel, firstLevel};
    ms.seed = seed;
    CpuPlayer p0(a, seed * 7u + 1u), p1(b, seed * 13u + 5u);
    Match m(ms, &p0.eyes(), &p1.eyes());
    const CpuMatchResult r = playCpuMatch(m, p0, p1, 2LL * 3600 * 1000);
    if (halves) *halves += r.halvesSent;
    return r.winner;
}

void ladderTable(int matches, bool allPairs, int firstLevel) {
    const int n = CpuLevelCount;
    std::vector<std::vector<int>> wins(n, std::vector<int>(n, -1)); // row beat column
    std::vector<std::vector<int>> played(n, std::vector<int>(n, 0));
    std::vector<std::pair<int, int>> pairs;
    if (allPairs) {
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) pairs.emplace_back(i, j);
    } else {
        for (int i = 0; i + 1 < 5; ++i) pairs.emplace_back(i + 1, i);
        pairs.emplace_back(static_cast<int>(CpuLevel::Expert), static_cast<int>(CpuLevel::Greedy));
        pairs.emplace_back(static_cast<int>(CpuLevel::Beginner),
                           static_cast<int>(CpuLevel::Greedy));
        pairs.emplace_back(static_cast<int>(CpuLevel::Expert), static_cast<int>(CpuLevel::Random));
    }
    int64_t halves = 0, total = 0, undecided = 0;
    for (auto [i, j] : pairs) {
        int wi = 0, wj = 0;
        for (int k = 0; k < matches; ++k) {
            // Each sits on either side in turn.
            const bool swap = k % 2;
            const uint32_t seed = 1000u + static_cast<uint32_t>(k);
            const int w = swap ? playMatch(static_cast<CpuLevel>(j), static_cast<CpuLevel>(i), seed,
                                           firstLevel, &halves)
                               : playMatch(static_cast<CpuLevel>(i), static_cast<CpuLevel>(j), seed,
                                           firstLevel, &halves);
            ++total;
            if (w < 0) {
                ++undecided;
                continue;
            }
            ((w == 0) != swap ? wi : wj) += 1;
        }
        wins[i][j] = wi;
        wins[j][i] = wj;
        played[i][j] = played[j][i] = matches;
        std::fprintf(stderr, "%s - %s: %d - %d\n", nameOf(static_cast<CpuLevel>(i)),
                     nameOf(static_cast<CpuLevel>(j)), wi, wj);
    }
    std::printf("## Ladder\n\n%d matches a pair, best of three, default parameters, both "
                "boards from level %d; each cell is the share of matches the row's player won "
                "against the column's (each player on either board in turn).\n\n",
                matches, firstLevel);
    std::printf("| |");
    for (int j = 0; j < n; ++j) std::printf(" %s |", nameOf(static_cast<CpuLevel>(j)));
    std::printf("\n|---|");
    for (int j = 0; j < n; ++j) std::printf("---:|");
    std::printf("\n");
    for (int i = 0; i < n; ++i) {
        std::printf("| %s |", nameOf(static_cast<CpuLevel>(i)));
        for (int j = 0; j < n; ++j) {
            if (wins[i][j] < 0)
                std::printf(" |");
            else
                std::printf(" %.0f %% |", 100.0 * wins[i][j] / played[i][j]);
        }
        std::printf("\n");
    }
    std::printf("\n%lld matches, %lld undecided after two hours of play, %.1f halves sent a "
                "match.\n\n",
                static_cast<long long>(total), static_cast<long long>(undecided),
                total ? double(halves) / total : 0.0);
}

// ---------------------------------------------------------------------------------------------
// Tuning

void tune(int rounds, int seeds) {
    CpuWeights best;
    struct Field {
        const char* name;
        double CpuWeights::*w;
    };
    const Field fields[] = {
        {"smiley", &CpuWeights::smiley},
        {"cell", &CpuWeights::cell},
        {"likeNeighbour", &CpuWeights::likeNeighbour},
        {"likeAbove", &CpuWeights::likeAbove},
        {"buried", &CpuWeights::buried},
        {"hole", &CpuWeights::hole},
        {"height", &CpuWeights::height},
        {"danger", &CpuWeights::danger},
        {"secondPly", &CpuWeights::secondPly},
    };
    auto score = [&](const CpuWeights& w) {
        // Mean level reached alone, on seeds the tables do not use.
        double sum = 0;
        for (int s = 0; s < seeds; ++s) {
            CpuPlayer player(CpuLevel::Expert, 77u + static_cast<uint32_t>(s), w);
            sum += playAlone(player, 90000u + static_cast<uint32_t>(s), LevelParameters{}, 40,
                             6LL * 3600 * 1000)
                       .level;
        }
        return sum / seeds;
    };
    double bestScore = score(best);
    std::printf("start: mean level %.2f\n", bestScore);
    std::mt19937 rng(5);
    for (int r = 0; r < rounds; ++r) {
        CpuWeights trial = best;
        const Field& f = fields[rng() % (sizeof fields / sizeof fields[0])];
        const double factor = std::uniform_real_distribution<double>(0.6, 1.6)(rng);
        trial.*f.w *= factor;
        const double s = score(trial);
        std::printf("round %d: %s x %.2f -> %.2f%s\n", r + 1, f.name, factor, s,
                    s > bestScore ? " (kept)" : "");
        std::fflush(stdout);
        if (s > bestScore) {
            best = trial;
            bestScore = s;
        }
    }
    std::printf("\nbest: mean level %.2f\n", bestScore);
    for (const Field& f : fields) std::printf("    double %s = %g;\n", f.name, best.*f.w);
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "alone" || mode == "all")
        aloneTable(option(argc, argv, "--seeds", 200), option(argc, argv, "--stop", 40));
    if (mode == "cost" || mode == "all") costTable(option(argc, argv, "--decisions", 1000));
    if (mode == "ladder" || mode == "all")
        ladderTable(option(argc, argv, "--matches", 200),
                    textOption(argc, argv, "--pairs", "all") == "all",
                    option(argc, argv, "--first", 5));
    if (mode == "tune") tune(option(argc, argv, "--rounds", 20), option(argc, argv, "--seeds", 8));
    if (mode != "alone" && mode != "cost" && mode != "ladder" && mode != "tune" && mode != "all") {
        std::fprintf(stderr, "usage: versus alone|cost|ladder|tune|all [options]\n");
        return 2;
    }
    return 0;
}
