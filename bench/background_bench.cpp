// Composing a background from a 24-megapixel JPEG into a small client area, from the file
// each time, as opening a picture does; and composing again from the picture in hand.

#include "background/composer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int PhotoWidth = 6000, PhotoHeight = 4000;
constexpr int ClientWidth = 130, ClientHeight = 340;

// A photograph-like picture: smooth gradients with some grain, so the file has the size and
// decoding cost of a real one (a flat picture would decode unrealistically fast).
class Photo {
  public:
    Photo() : path_("/tmp/kp-background-bench-" + std::to_string(getpid()) + ".jpg") {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        jpeg_compress_struct ci{};
        jpeg_error_mgr err{};
        ci.err = jpeg_std_error(&err);
        jpeg_create_compress(&ci);
        jpeg_stdio_dest(&ci, f);
        ci.image_width = PhotoWidth;
        ci.image_height = PhotoHeight;
        ci.input_components = 3;
        ci.in_color_space = JCS_RGB;
        jpeg_set_defaults(&ci);
        jpeg_set_quality(&ci, 90, TRUE);
        jpeg_start_compress(&ci, TRUE);
        std::vector<uint8_t> row(3 * PhotoWidth);
        uint32_t seed = 12345;
        while (ci.next_scanline < ci.image_height) {
            const int y = static_cast<int>(ci.next_scanline);
            for (int x = 0; x < PhotoWidth; ++x) {
                seed = seed * 1103515245 + 12345;
                const int grain = static_cast<int>(seed >> 27) - 16;
                row[3 * x] = static_cast<uint8_t>(std::clamp(x * 255 / PhotoWidth + grain, 0, 255));
                row[3 * x + 1] =
                    static_cast<uint8_t>(std::clamp(y * 255 / PhotoHeight + grain, 0, 255));
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
    static const Photo photo;
    return photo;
}

void Compose(benchmark::State& state) {
    const std::string& path = ThePhoto().path();
    kp::BackgroundSettings settings;
    settings.Fond = kp::FondImage;
    settings.ImageFondTaille = static_cast<int>(state.range(0));
    for (auto _ : state) {
        kp::BackgroundComposer composer;
        const kp::Composition c =
            composer.CreerBmpFond(settings, ClientWidth, ClientHeight, path, 0);
        if (!c.composed) state.SkipWithError("the picture was refused");
        benchmark::DoNotOptimize(composer.background().bytes.data());
    }
}

void ComposeAgain(benchmark::State& state) {
    kp::BackgroundSettings settings;
    settings.Fond = kp::FondImage;
    settings.ImageFondTaille = static_cast<int>(state.range(0));
    kp::BackgroundComposer composer;
    composer.CreerBmpFond(settings, ClientWidth, ClientHeight, ThePhoto().path(), 0);
    for (auto _ : state) {
        composer.CreerBmpFond(settings, ClientWidth, ClientHeight, kp::Idem, 0);
        benchmark::DoNotOptimize(composer.background().bytes.data());
    }
}

} // namespace

BENCHMARK(Compose)
    ->ArgName("taille")
    ->Arg(kp::TailleEtiree)
    ->Arg(kp::TailleAjusteeLargeur)
    ->Arg(kp::Taille25pc)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(ComposeAgain)
    ->ArgName("taille")
    ->Arg(kp::TailleEtiree)
    ->Arg(kp::TailleAjusteeLargeur)
    ->Arg(kp::Taille25pc)
    ->Unit(benchmark::kMillisecond);
