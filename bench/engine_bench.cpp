// Figures for the rules: the run search on full boards, a whole removal chain, whole games on
// virtual time, and the costliest replay files the reader takes in.
#include "engine/game.h"
#include "engine/recorded_game.h"
#include "engine/virtual_clock.h"
#include "persistence/replay_file.h"
#include "persistence/settings.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace kp;

struct Landings : GameEvents {
    int64_t count = 0;
    void soundWanted(Sound s) override { count += s == Sound::Landing; }
};

LevelParameters board(int rows, int cols, int run) {
    LevelParameters p;
    p.rows = rows;
    p.columns = cols;
    p.minRun = run;
    return p;
}

// Fills the whole field with smileys of one colour, or of random colours.
void fill(GameState& s, bool mixed) {
    std::mt19937 rng(7);
    for (int r = 0; r <= s.params.rows; ++r)
        for (int c = 1; c <= s.params.columns; ++c)
            s.grid[r][c] = smileyCode(mixed ? static_cast<int>(rng() % 5) : 2, 1);
}

// args: rows, columns, run length, mixed colours
void BM_FindRuns(benchmark::State& st) {
    GameEvents none;
    Game game(none, 1);
    game.setParameters(board(static_cast<int>(st.range(0)), static_cast<int>(st.range(1)),
                             static_cast<int>(st.range(2))));
    game.newGame();
    fill(game.state(), st.range(3) != 0);
    const auto full = game.state().grid;
    for (auto _ : st) {
        game.state().grid = full;
        game.findRuns();
        benchmark::DoNotOptimize(game.state().grid[1][1]);
    }
}
BENCHMARK(BM_FindRuns)
    ->ArgNames({"rows", "cols", "run", "mixed"})
    ->ArgsProduct({{18}, {8}, {1, 4, 999}, {0, 1}})
    ->ArgsProduct({{99}, {99}, {1, 4, 999}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// A 99 x 99 board of loose halves in random colours over a floor of smileys: the search, the
// eight removal frames and the collapse, repeated until nothing more goes.
void BM_RemovalChain99(benchmark::State& st) {
    GameEvents none;
    Game game(none, 1);
    game.setParameters(board(99, 99, 4));
    game.setRemovalAnimation(0);
    game.setSmileyAnimation(0);
    game.setPinup(0);
    game.newGame();
    GameState& s = game.state();
    std::mt19937 rng(3);
    for (int r = 1; r <= 99; ++r)
        for (int c = 1; c <= 99; ++c)
            s.grid[r][c] = r > 90
                               ? smileyCode(static_cast<int>(rng() % 3), 1)
                               : (r > 30 ? capsuleCode(static_cast<int>(rng() % 3), 0) : CellEmpty);
    const auto start = s.grid;
    int64_t ticks = 0;
    for (auto _ : st) {
        s.grid = start;
        game.resume();
        game.findRuns();
        VirtualClock clock(game);
        while (game.chainRunning() && clock.step()) ++ticks;
    }
    st.counters["ticks/chain"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RemovalChain99)->Unit(benchmark::kMillisecond);

// Whole games on the default board: every capsule is hard-dropped as soon as it shows, with a
// random sideways move first; a lost game starts again.
void BM_WholeGames(benchmark::State& st) {
    Landings ev;
    Game game(ev, 11);
    game.setRemovalAnimation(0);
    game.setPinup(0);
    game.newGame();
    VirtualClock clock(game);
    std::mt19937 rng(5);
    static const Command moves[] = {Command::Left, Command::Right, Command::Turn, Command::Down};
    for (auto _ : st) {
        GameState& s = game.state();
        if (s.message == Message::Lost && s.messageVisible) game.newGame();
        if (s.capsule.row >= 1 && !game.chainRunning()) {
            game.handle(moves[rng() % 4]);
            game.handle(Command::Drop);
        } else if (s.paused) {
            game.handle(Command::Down);
        }
        clock.step();
    }
    st.counters["landings/s"] =
        benchmark::Counter(static_cast<double>(ev.count), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeGames);

// The costliest replays a file can hold, each with a forged end, so that the reader plays all it
// accepts before it refuses: every parameter at its most, then
//   0: a smiley animation tick for every input the limit lets through,
//   1: as many level skips as the limit lets through,
//   2: levels won at the first landing, on a board refilled nearly whole at each level,
//   3: as many level skips as the limit lets through, every parameter at its least,
//   4: fall steps, capsule after capsule, landing, looking for runs, until the board is full,
//   5: as many inputs as a file may hold, each a move that changes nothing (the game paused).
Recording costliestReplay(int kind) {
    Recording r;
    // Files of the version that holds the timers' fires, still read; kind 2 is a game of now.
    r.timersRecorded = true;
    for (const ParameterKey& k : ParameterKeys) r.params.*k.field = k.max;
    if (kind == 3)
        for (const ParameterKey& k : ParameterKeys) r.params.*k.field = k.min;
    const int64_t setUp = expectedReplayWork(r);
    const int64_t visit = int64_t{r.params.rows + 1} * r.params.columns;
    // `past`: one input more than the limit allows, else as many as it allows before playing.
    auto fill = [&](Input input, int64_t each, bool past = true) {
        const int64_t count = std::min((MaxReplayWork - setUp) / each + past, MaxReplayInputs);
        r.inputs.assign(static_cast<size_t>(count), input);
    };
    auto fire = [](TimerId id) { return Input{0, InputKind::Fire, static_cast<int32_t>(id)}; };
    if (kind == 0) {
        fill(fire(TimerId::SmileyAnimation), InputWork + visit);
    } else if (kind == 1 || kind == 3) {
        fill(Input{0, InputKind::SkipLevel}, InputWork + setUp);
    } else if (kind == 4) {
        fill(fire(TimerId::Fall), InputWork, false);
        r.inputs.front() = Input{0, InputKind::Resume};
    } else if (kind == 5) {
        fill(Input{0, InputKind::Handle, static_cast<int32_t>(Command::Left)}, InputWork, false);
    } else {
        GameEvents none;
        RecordedGame game(none, 17);
        VirtualClock clock(game);
        game.setClock(clock);
        LevelParameters& p = r.params;
        p.maxSmileyRows = 98;
        p.minRun = 1;
        p.colours = 1;
        game.setParameters(p);
        game.setRemovalAnimation(0);
        game.setPinup(0);
        game.newGame();
        clock.sync();
        while (replayWithin(game.recording(), MaxReplayWork).finished) {
            for (int i = 0; i < 50; ++i) {
                game.handle(Command::Drop);
                clock.sync();
                clock.advance(200);
                clock.sync();
            }
        }
        r = game.recording();
    }
    // As many of them as the largest file holds.
    while (replayText(r).size() > MaxReplayFile) r.inputs.resize(r.inputs.size() * 15 / 16);
    return r;
}

void BM_CostliestReplayFile(benchmark::State& st) {
    const std::string text = replayText(costliestReplay(static_cast<int>(st.range(0))));
    ReplayRead read;
    for (auto _ : st) {
        Recording r;
        read = parseReplay(text, r);
    }
    st.counters["work"] = static_cast<double>(read.work);
    st.counters["KB"] = static_cast<double>(text.size()) / 1024;
    st.counters["refused"] = read.ok() ? 0 : 1;
}
BENCHMARK(BM_CostliestReplayFile)->ArgName("kind")->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// The costliest match files: a pause at the start, then the longest wait a file may ask for,
// the smileys at their fastest, on the smallest board (0: the clock's ticks cost most beside
// the cells) and on the largest (1), so that the reader plays up to the limit and refuses.
void BM_CostliestMatchReplayFile(benchmark::State& st) {
    Recording r;
    r.match = MatchRules{};
    for (const ParameterKey& k : ParameterKeys) r.params.*k.field = st.range(0) ? k.max : k.min;
    r.options.smileyAnimation = 3;
    r.inputs.push_back({0, InputKind::Pause, 0, 0, -1});
    r.duration = INT32_MAX;
    const std::string text = versusReplayText(r);
    ReplayRead read;
    for (auto _ : st) {
        Recording out;
        read = parseVersusReplay(text, out);
    }
    st.counters["work"] = static_cast<double>(read.work);
    st.counters["refused"] = read.ok() ? 0 : 1;
}
BENCHMARK(BM_CostliestMatchReplayFile)
    ->ArgName("largest")
    ->DenseRange(0, 1)
    ->Unit(benchmark::kMillisecond);

} // namespace
