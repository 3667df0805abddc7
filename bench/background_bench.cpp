// Composing a background from a 24-megapixel JPEG, baseline or progressive, into a small client
// area, from the file each time, as opening a picture does; and composing again from the picture
// in hand. Then the peak memory of opening large JPEGs in that small window.

#include "background/composer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int ClientWidth = 130, ClientHeight = 340;

// A photograph-like picture: smooth gradients with some grain, so the file has the size and
// decoding cost of a real one (a flat picture would decode unrealistically fast); or a flat one,
// which makes a small file however many pixels it declares. Either may be progressive, whose
// decoder keeps the coefficients of the whole picture until its last scan.
class Photo {
  public:
    enum Kind { Grainy, GrainyProgressive, FlatProgressive };

    Photo(int width, int height, Kind kind)
        : path_("/tmp/kp-background-bench-" + std::to_string(getpid()) + "-" +
                std::to_string(width) + "x" + std::to_string(height) + "-" + std::to_string(kind) +
                ".jpg") {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        jpeg_compress_struct ci{};
        jpeg_error_mgr err{};
        ci.err = jpeg_std_error(&err);
        jpeg_create_compress(&ci);
        jpeg_stdio_dest(&ci, f);
        ci.image_width = static_cast<JDIMENSION>(width);
        ci.image_height = static_cast<JDIMENSION>(height);
        ci.input_components = 3;
        ci.in_color_space = JCS_RGB;
        jpeg_set_defaults(&ci);
        jpeg_set_quality(&ci, 90, TRUE);
        if (kind != Grainy) jpeg_simple_progression(&ci);
        jpeg_start_compress(&ci, TRUE);
        std::vector<uint8_t> row(3 * static_cast<size_t>(width), 128);
        uint32_t seed = 12345;
        while (ci.next_scanline < ci.image_height) {
            const int y = static_cast<int>(ci.next_scanline);
            for (int x = 0; x < width && kind != FlatProgressive; ++x) {
                seed = seed * 1103515245 + 12345;
                const int grain = static_cast<int>(seed >> 27) - 16;
                row[3 * x] = static_cast<uint8_t>(std::clamp(x * 255 / width + grain, 0, 255));
                row[3 * x + 1] = static_cast<uint8_t>(std::clamp(y * 255 / height + grain, 0, 255));
                row[3 * x + 2] = static_cast<uint8_t>(((x / 40 + y / 40) % 2) * 120 + 60 + grain);
            }
            JSAMPROW p = row.data();
            jpeg_write_scanlines(&ci, &p, 1);
        }
        jpeg_finish_compress(&ci);
        jpeg_destroy_compress(&ci);
        std::fclose(f);
    }
    ~Photo() { std::remove(path_.c_str()); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

const Photo& ThePhoto() {
    static const Photo photo(6000, 4000, Photo::Grainy);
    return photo;
}

const Photo& ProgressivePhoto() {
    static const Photo photo(6000, 4000, Photo::GrainyProgressive);
    return photo;
}

const Photo& HundredMegapixels() {
    static const Photo photo(10000, 10000, Photo::Grainy);
    return photo;
}

const Photo& HundredMegapixelsProgressive() {
    static const Photo photo(10000, 10000, Photo::GrainyProgressive);
    return photo;
}

// Some 600 KB that declare 10000 x 9999 pixels.
const Photo& SmallFileLargePicture() {
    static const Photo photo(10000, 9999, Photo::FlatProgressive);
    return photo;
}

void Compose(benchmark::State& state, const Photo& (*photo)()) {
    const std::string& path = photo().path();
    kp::BackgroundSettings settings;
    settings.background = kp::PictureBackground;
    settings.pictureSize = static_cast<int>(state.range(0));
    for (auto _ : state) {
        kp::BackgroundComposer composer;
        const kp::Composition c =
            composer.composeBackground(settings, ClientWidth, ClientHeight, path);
        if (!c.composed) state.SkipWithError("the picture was refused");
        benchmark::DoNotOptimize(composer.background().bytes.data());
    }
}

void ComposeAgain(benchmark::State& state) {
    kp::BackgroundSettings settings;
    settings.background = kp::PictureBackground;
    settings.pictureSize = static_cast<int>(state.range(0));
    kp::BackgroundComposer composer;
    composer.composeBackground(settings, ClientWidth, ClientHeight, ThePhoto().path());
    for (auto _ : state) {
        composer.composeBackground(settings, ClientWidth, ClientHeight, kp::KeepPicture);
        benchmark::DoNotOptimize(composer.background().bytes.data());
    }
}

} // namespace

BENCHMARK_CAPTURE(Compose, baseline_24MP, &ThePhoto)
    ->ArgName("taille")
    ->Arg(kp::Stretched)
    ->Arg(kp::FitWidth)
    ->Arg(kp::Size25)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Compose, progressive_24MP, &ProgressivePhoto)
    ->ArgName("taille")
    ->Arg(kp::NormalSize)
    ->Arg(kp::Stretched)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(ComposeAgain)
    ->ArgName("taille")
    ->Arg(kp::Stretched)
    ->Arg(kp::FitWidth)
    ->Arg(kp::Size25)
    ->Unit(benchmark::kMillisecond);

// Opening the picture at start-up in a child process, whose peak resident memory (the
// maximum resident set the kernel reports for it) is the figure.
void PeakMemory(benchmark::State& state, const Photo& (*photo)()) {
    const std::string& path = photo().path();
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            kp::BackgroundSettings settings;
            settings.background = kp::PictureBackground;
            settings.pictureSize = static_cast<int>(state.range(0));
            kp::BackgroundComposer composer;
            composer.composeBackground(settings, ClientWidth, ClientHeight, path);
            _exit(composer.picture() ? 0 : 1);
        }
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0)
            state.SkipWithError("the picture was refused");
        state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
    }
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    state.counters["file_MB"] = static_cast<double>(file.tellg()) / (1024 * 1024);
}

BENCHMARK_CAPTURE(PeakMemory, baseline_24MP, &ThePhoto)
    ->ArgName("taille")
    ->Arg(kp::NormalSize)
    ->Arg(kp::Stretched)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PeakMemory, baseline_100MP, &HundredMegapixels)
    ->ArgName("taille")
    ->Arg(kp::NormalSize)
    ->Arg(kp::Stretched)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PeakMemory, progressive_100MP_flat, &SmallFileLargePicture)
    ->ArgName("taille")
    ->Arg(kp::NormalSize)
    ->Arg(kp::Stretched)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PeakMemory, progressive_100MP_photo, &HundredMegapixelsProgressive)
    ->ArgName("taille")
    ->Arg(kp::NormalSize)
    ->Arg(kp::Stretched)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
