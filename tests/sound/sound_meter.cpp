// Measures a recording of the game's sound for tests/e2e/sound.sh. The recording is raw 16-bit
// little-endian stereo, as PulseAudio's parec writes it by default.
//   sound_meter FILE RATE stats             peak (dBFS), clipped samples, length (s)
//   sound_meter FILE RATE start             when the first sound starts (s): the first sample
//                                           over the least bits, whatever the volume
//   sound_meter FILE RATE loudness FROM TO  integrated loudness (LUFS) between two times (s)
//   sound_meter FILE RATE clips LENGTH      each sound that starts after silence and lasts
//                                           LENGTH seconds before the recording ends: its start
//                                           (s) and its loudness (LUFS) over those seconds
//   sound_meter FILE RATE silence FROM TO   the longest silence between two times: its length
//                                           and start (s)
//   sound_meter FILE RATE level FROM TO     RMS level (dBFS) between two times
#include "sound/loudness.h"
#include "support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace kp::sound;
using namespace kp::sound::test;

namespace {

std::vector<float> readRaw(const char* path, size_t& clipped) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<float> samples((bytes.size() / 4) * 2);
    clipped = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        const auto v = int16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
        clipped += v >= 32767 || v <= -32767;
        samples[i] = float(v) / 32768.0f;
    }
    return samples;
}

std::vector<float> slice(const std::vector<float>& s, int rate, double from, double to) {
    const auto at = [&](double t) {
        return std::min(s.size(), 2 * size_t(std::max(0.0, t) * rate));
    };
    return std::vector<float>(s.begin() + ptrdiff_t(at(from)), s.begin() + ptrdiff_t(at(to)));
}

double dbfs(float v) {
    return v > 0 ? 20 * std::log10(v) : -200.0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s FILE RATE stats|start|loudness|clips|silence|level ...\n",
                     argv[0]);
        return 2;
    }
    const int rate = std::atoi(argv[2]);
    const std::string command = argv[3];
    const auto arg = [&](int i) { return i < argc ? std::atof(argv[i]) : 0.0; };
    size_t clipped = 0;
    const std::vector<float> s = readRaw(argv[1], clipped);
    if (rate <= 0) return 2;
    if (command == "stats") {
        std::printf("peak %.2f\nclipped %zu\nseconds %.2f\n", dbfs(peak(s)), clipped,
                    double(s.size() / 2) / rate);
    } else if (command == "start") {
        const auto first =
            std::find_if(s.begin(), s.end(), [](float v) { return std::abs(v) > 2.0f / 32768; });
        std::printf("%.4f\n", double((first - s.begin()) / 2) / rate);
    } else if (command == "loudness") {
        const auto part = slice(s, rate, arg(4), arg(5));
        LoudnessMeter meter(rate);
        meter.add(part.data(), part.size() / 2);
        std::printf("%.2f\n", meter.integrated());
    } else if (command == "clips") {
        // A sound starts where a 5 ms step rises over -50 dBFS after 100 ms under -60 dBFS.
        const size_t step = 2 * size_t(rate) / 200, length = 2 * size_t(arg(4) * rate);
        size_t quiet = 0;
        for (size_t at = 0; at + step <= s.size(); at += step) {
            const double level = dbfs(rms(s, at, at + step));
            if (level > -50 && quiet >= 20 && at + length <= s.size()) {
                size_t start = at;
                while (start < at + step && std::abs(s[start]) < 0.001f) ++start;
                start &= ~size_t(1);
                const std::vector<float> clip(s.begin() + ptrdiff_t(start),
                                              s.begin() +
                                                  ptrdiff_t(std::min(s.size(), start + length)));
                std::printf("%.3f %.2f\n", double(start / 2) / rate, wholeLoudness(clip, rate));
            }
            quiet = level < -60 ? quiet + 1 : 0;
        }
    } else if (command == "silence") {
        const Silence gap = longestSilence(slice(s, rate, arg(4), arg(5)), rate);
        std::printf("%.3f %.3f\n", gap.seconds, arg(4) + gap.at);
    } else if (command == "level") {
        std::printf("%.2f\n", dbfs(rms(slice(s, rate, arg(4), arg(5)))));
    } else {
        std::fprintf(stderr, "unknown command %s\n", command.c_str());
        return 2;
    }
    return 0;
}
