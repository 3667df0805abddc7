#include "wave_clip.h"

#include <cmath>
#include <cstring>

namespace kp::sound {

namespace {

uint32_t le(std::span<const std::byte> b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | uint32_t(b[at + size_t(i)]);
    return v;
}

bool tagIs(std::span<const std::byte> b, size_t at, const char* tag) {
    return at + 4 <= b.size() && std::memcmp(b.data() + at, tag, 4) == 0;
}

struct Located {
    WaveInfo info;
    size_t dataAt = 0;
};

std::optional<Located> locate(std::span<const std::byte> b) {
    if (b.size() < 12 || !tagIs(b, 0, "RIFF") || !tagIs(b, 8, "WAVE")) return std::nullopt;
    Located l;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= b.size();) {
        const size_t size = le(b, at + 4, 4);
        const size_t body = at + 8;
        if (tagIs(b, at, "fmt ") && size >= 16 && body + 16 <= b.size()) {
            uint32_t format = le(b, body, 2);
            // WAVE_FORMAT_EXTENSIBLE carries the real format in its sub-format GUID.
            if (format == 0xFFFE && size >= 40 && body + 26 <= b.size())
                format = le(b, body + 24, 2);
            if (format != 1) return std::nullopt;
            l.info.channels = int(le(b, body + 2, 2));
            l.info.sampleRate = int(le(b, body + 4, 4));
            l.info.bitsPerSample = int(le(b, body + 14, 2));
            haveFormat = true;
        } else if (tagIs(b, at, "data") && haveFormat) {
            const bool shapeOk = (l.info.channels == 1 || l.info.channels == 2) &&
                                 (l.info.bitsPerSample == 8 || l.info.bitsPerSample == 16) &&
                                 l.info.sampleRate >= 4000 && l.info.sampleRate <= 192000;
            if (!shapeOk) return std::nullopt;
            const size_t available = std::min(size, b.size() - body);
            l.info.frames = available / size_t(l.info.channels * l.info.bitsPerSample / 8);
            l.dataAt = body;
            return l;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<WaveInfo> inspectWave(std::span<const std::byte> bytes) {
    auto l = locate(bytes);
    if (!l) return std::nullopt;
    return l->info;
}

Clip decodeWave(std::span<const std::byte> bytes, int sampleRate) {
    const auto l = locate(bytes);
    if (!l || l->info.frames == 0 || sampleRate <= 0) return {};
    const WaveInfo& w = l->info;
    const int width = w.bitsPerSample / 8;
    // Read from the bytes where they lie: a clip is not copied on its way to the mixer's rate.
    // 8-bit samples are widened to 16 bits; stereo is the mean of its two sides.
    const auto mono = [&](size_t f) {
        int sum = 0;
        for (int c = 0; c < w.channels; ++c) {
            const size_t at = l->dataAt + (f * size_t(w.channels) + size_t(c)) * size_t(width);
            sum +=
                width == 1 ? (int(le(bytes, at, 1)) - 128) * 256 : int(int16_t(le(bytes, at, 2)));
        }
        return float(sum) / float(w.channels);
    };
    Clip out;
    if (w.sampleRate == sampleRate) {
        out.samples.resize(w.frames);
        for (size_t f = 0; f < w.frames; ++f) out.samples[f] = int16_t(std::lround(mono(f)));
        return out;
    }
    // Linear interpolation is enough for short effects.
    const double step = double(w.sampleRate) / sampleRate;
    const size_t n = size_t(double(w.frames) / step);
    out.samples.resize(n);
    for (size_t i = 0; i < n; ++i) {
        const double x = double(i) * step;
        const size_t i0 = std::min(size_t(x), w.frames - 1);
        const size_t i1 = std::min(i0 + 1, w.frames - 1);
        const float t = float(x - double(i0));
        const float a = mono(i0);
        out.samples[i] = int16_t(std::lround(a + (mono(i1) - a) * t));
    }
    return out;
}

} // namespace kp::sound
