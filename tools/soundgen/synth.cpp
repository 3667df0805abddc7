#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace soundgen {

namespace {

constexpr double TwoPi = 6.283185307179586;

size_t frames(double seconds) {
    return size_t(std::lround(seconds * Rate));
}

double envelope(double t, double attack, double decay) {
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    return rise * std::exp(-std::max(0.0, t - attack) / decay);
}

void putLe(std::ofstream& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(char(v >> (8 * i)));
}

} // namespace

Buffer silence(double seconds) {
    return Buffer(frames(seconds), 0.0);
}

void mixInto(Buffer& dst, const Buffer& src, double at, double gain) {
    const size_t start = frames(at);
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0);
    for (size_t i = 0; i < src.size(); ++i) dst[start + i] += gain * src[i];
}

Buffer glide(double f0, double f1, double seconds, double attack, double decay) {
    Buffer b(frames(seconds));
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / Rate;
        const double f = f0 * std::pow(f1 / f0, t / seconds);
        phase += TwoPi * f / Rate;
        b[i] = std::sin(phase) * envelope(t, attack, decay);
    }
    return b;
}

Buffer bell(double freq, double seconds, double decay) {
    struct Partial {
        double ratio, gain, decayFactor;
    };
    const Partial partials[] = {{1.0, 1.0, 1.0},
                                {2.0, 0.45, 0.6},
                                {3.01, 0.22, 0.4},
                                {4.2, 0.12, 0.25},
                                {5.43, 0.06, 0.18}};
    Buffer b(frames(seconds), 0.0);
    for (const Partial& p : partials) {
        for (size_t i = 0; i < b.size(); ++i) {
            const double t = double(i) / Rate;
            b[i] += p.gain * std::sin(TwoPi * freq * p.ratio * t) *
                    envelope(t, 0.004, decay * p.decayFactor);
        }
    }
    return b;
}

Buffer brass(double freq, double seconds, double attack, double release) {
    Buffer b(frames(seconds), 0.0);
    double phase = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        const double t = double(i) / Rate;
        const double swell = std::min(1.0, t / attack);
        const double tail = std::clamp((seconds - t) / release, 0.0, 1.0);
        const double vibrato = 1.0 + 0.006 * std::sin(TwoPi * 5.5 * t) * std::min(1.0, t / 0.15);
        phase += TwoPi * freq * vibrato / Rate;
        double v = 0;
        // Brighter as it swells: the upper harmonics come in with the attack.
        for (int h = 1; h <= 8; ++h) v += std::sin(h * phase) / h * std::pow(swell, 0.5 * h);
        b[i] = v * (0.6 + 0.4 * swell) * swell * tail;
    }
    return b;
}

Buffer noise(double seconds, double cutoff, double attack, double decay, uint32_t seed) {
    Buffer b(frames(seconds));
    const double k = 1.0 - std::exp(-TwoPi * cutoff / Rate);
    double y = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double white = double(seed >> 8) / double(1u << 24) * 2.0 - 1.0;
        y += k * (white - y);
        b[i] = y * envelope(double(i) / Rate, attack, decay);
    }
    return b;
}

void finish(Buffer& b, double fadeMs, double peakDb) {
    const size_t fade = std::min(b.size() / 2, frames(fadeMs / 1000.0));
    for (size_t i = 0; i < fade; ++i) {
        const double g = 0.5 - 0.5 * std::cos(3.141592653589793 * double(i) / double(fade));
        b[i] *= g;
        b[b.size() - 1 - i] *= g;
    }
    double peak = 0;
    for (double v : b) peak = std::max(peak, std::abs(v));
    if (peak > 0) {
        const double gain = std::pow(10.0, peakDb / 20.0) / peak;
        for (double& v : b) v *= gain;
    }
}

bool writeWave(const std::string& path, const Buffer& b) {
    std::ofstream out(path, std::ios::binary);
    const uint32_t dataBytes = uint32_t(b.size() * 2);
    out.write("RIFF", 4);
    putLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, 1, 2); // mono
    putLe(out, Rate, 4);
    putLe(out, Rate * 2, 4);
    putLe(out, 2, 2);
    putLe(out, 16, 2);
    out.write("data", 4);
    putLe(out, dataBytes, 4);
    for (double v : b) {
        const long s = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        putLe(out, uint32_t(int16_t(s)) & 0xFFFF, 2);
    }
    return bool(out);
}

} // namespace soundgen
