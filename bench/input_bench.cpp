// What one read of the game controllers costs while nothing changes: the window reads them
// every few milliseconds while one is connected and the window is in front.
#include "input/gamepad.h"

#include "../tests/input/virtual_pad.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void padReadIdle(benchmark::State& state) {
    kp::Gamepad pad;
    if (!pad.start()) return state.SkipWithError("SDL's controller support did not start");
    std::unique_ptr<kp::test::VirtualPad> controller;
    if (state.range(0)) controller = std::make_unique<kp::test::VirtualPad>();
    int heard = 0;
    const kp::Gamepad::Listener listener = [&heard](int, int, bool) { ++heard; };
    pad.poll(listener);
    for (auto _ : state) pad.poll(listener);
    benchmark::DoNotOptimize(heard);
    state.counters["controllers"] = pad.controllers();
}
BENCHMARK(padReadIdle)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
