// Figures for the computer player: the time one decision takes at each level and the landings
// it evaluates, on positions from whole games (median and 99th percentile as counters, in
// microseconds; run it on one core: taskset -c 0).
#include "cpu/drivers.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace kp;

// Capsules as they come into view in Expert's games, from level 1 to where it loses.
const std::vector<std::unique_ptr<GameState>>& positions() {
    static const std::vector<std::unique_ptr<GameState>> all = [] {
        std::vector<std::unique_ptr<GameState>> out;
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            CpuPlayer player(CpuLevel::Expert, seed);
            int64_t n = 0;
            playAlone(player, seed, LevelParameters{}, 30, 3LL * 3600 * 1000,
                      [&](int64_t, Command c, const GameState& s) {
                          // Every eighth first key of a capsule, while it is still in row 1.
                          if (c == Command::Other || s.capsule.row != 1 || n++ % 8) return;
                          if (out.size() < 400) out.push_back(std::make_unique<GameState>(s));
                      });
        }
        return out;
    }();
    return all;
}

void BM_Decision(benchmark::State& st) {
    const auto level = static_cast<CpuLevel>(st.range(0));
    const auto& states = positions();
    CpuPlayer player(level, 7);
    std::vector<double> us;
    size_t i = 0;
    for (auto _ : st) {
        const auto t0 = std::chrono::steady_clock::now();
        CpuPlacement p = player.decide(*states[i++ % states.size()], 0);
        const auto t1 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(p);
        us.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    std::sort(us.begin(), us.end());
    const auto& s = player.stats();
    st.counters["median_us"] = us[us.size() / 2];
    st.counters["p99_us"] = us[std::min(us.size() - 1, us.size() * 99 / 100)];
    st.counters["positions"] = double(s.positions) / double(s.decisions);
    st.counters["nodes"] = double(s.nodes) / double(s.decisions);
    st.SetLabel(cpuProfile(level).name);
}
BENCHMARK(BM_Decision)->DenseRange(0, CpuLevelCount - 1)->Unit(benchmark::kMicrosecond);

} // namespace
