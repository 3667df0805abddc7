// Sound figures: how soon a requested effect reaches the mixer's output, what a second of
// music costs to synthesise, what the SoundFont takes in memory, and what making the output
// costs the window when there is no sound server.
#include "sound/audio_output.h"
#include "sound/effects.h"
#include "sound/music_player.h"
#include "sound/tunes.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <memory>

using namespace kp::sound;

namespace {

// The pull size of the audio sink is a few milliseconds; 512 frames is a typical one.
constexpr int PullFrames = 512;

long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4; // pages of 4 KiB
}

// A tune playing in a player on the mixer.
struct PlayingTune {
    Mixer mixer;
    MusicPlayer player;
    bool ok = false;
    explicit PlayingTune(const char* resource) {
        mixer.setMusic(&player);
        player.setTune(tuneResource(resource));
        player.setEnabled(true);
        ok = player.open() && player.play();
    }
};

// Registered first, before other benchmarks leave freed memory for the allocator to reuse.
void BM_SoundFontMemory(benchmark::State& state) {
    long grown = 0;
    for (auto _ : state) {
        const long before = residentKiB();
        auto tune = std::make_unique<PlayingTune>("ELISE");
        if (!tune->ok) return state.SkipWithError("no SoundFont");
        grown = residentKiB() - before;
        state.SetLabel(tune->player.soundFontPath());
    }
    state.counters["resident_MiB"] = double(grown) / 1024.0;
}
BENCHMARK(BM_SoundFontMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_EffectRequestToFirstSample(benchmark::State& state) {
    PlayingTune tune("BOOSTER");
    if (!tune.ok) return state.SkipWithError("no SoundFont");
    tune.mixer.setMusicGain(0.0f); // only the effect shows in the output
    SoundEffects fx(tune.mixer);
    fx.setOutput(1);
    std::vector<int16_t> out(2 * PullFrames);
    int64_t firstFrame = -1;
    for (auto _ : state) {
        fx.playRemoval();
        int64_t frame = 0;
        for (firstFrame = -1; firstFrame < 0 && frame < 44100; frame += PullFrames) {
            tune.mixer.render(out.data(), PullFrames);
            for (int i = 0; i < PullFrames && firstFrame < 0; ++i)
                if (out[size_t(2 * i)] != 0) firstFrame = frame + i;
        }
        benchmark::DoNotOptimize(out.data());
    }
    // The clip fades in from zero, so its first non-zero sample is a few frames in.
    state.counters["first_sample_frame"] = double(firstFrame);
    state.counters["pull_ms"] = 1000.0 * PullFrames / 44100;
}
BENCHMARK(BM_EffectRequestToFirstSample)->Unit(benchmark::kMicrosecond);

void BM_MusicSecond(benchmark::State& state) {
    PlayingTune tune(Tunes[size_t(state.range(0))].resource);
    if (!tune.ok) return state.SkipWithError("no SoundFont");
    std::vector<int16_t> out(2 * PullFrames);
    for (auto _ : state) {
        for (int done = 0; done < 44100; done += PullFrames) {
            tune.mixer.render(out.data(), PullFrames);
            if (tune.player.mode() != MusicPlayer::Mode::Playing) tune.player.play();
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel(Tunes[size_t(state.range(0))].resource);
}
BENCHMARK(BM_MusicSecond)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

// The output starts connecting and returns: the fallback to silence comes later, on the event
// loop, so the window never waits for a server that is not there.
void BM_DeviceOutputWithoutServer(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "sound_bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    const QByteArray server = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", "unix:/nonexistent/kp-bench-no-sound-server");
    // The fallback's warning, once per output made, says nothing here.
    const auto previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    Mixer mixer;
    for (auto _ : state) {
        DeviceOutput out(mixer);
        benchmark::DoNotOptimize(&out);
    }
    qInstallMessageHandler(previous);
    if (server.isNull())
        qunsetenv("PULSE_SERVER");
    else
        qputenv("PULSE_SERVER", server);
}
BENCHMARK(BM_DeviceOutputWithoutServer)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
