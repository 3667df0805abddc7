#include "loudness.h"

#include <ebur128.h>

#include <cmath>
#include <limits>
#include <vector>

namespace kp::sound {

namespace {

ebur128_state* state(void* p) {
    return static_cast<ebur128_state*>(p);
}

} // namespace

float gainTo(double target, double measured) {
    return std::isfinite(measured) ? float(std::pow(10.0, (target - measured) / 20.0)) : 1.0f;
}

LoudnessMeter::LoudnessMeter(int sampleRate)
    : state_(ebur128_init(2, static_cast<unsigned long>(sampleRate), EBUR128_MODE_I)) {}

LoudnessMeter::~LoudnessMeter() {
    auto* s = state(state_);
    if (s) ebur128_destroy(&s);
}

void LoudnessMeter::add(const float* stereo, size_t frames) {
    if (state_) ebur128_add_frames_float(state(state_), stereo, frames);
}

double LoudnessMeter::integrated() const {
    double out = -std::numeric_limits<double>::infinity();
    if (state_) ebur128_loudness_global(state(state_), &out);
    return out;
}

double wholeLoudness(std::span<const float> stereo, int sampleRate) {
    // The mean K-weighted power over the sound, from the momentary loudness of consecutive
    // 400 ms blocks (the sound padded with silence to whole blocks). Asking the library for a
    // window of the sound's own length would do, but its buffer for that grows to gigabytes.
    const size_t frames = stereo.size() / 2;
    const size_t block = size_t(sampleRate) * 4 / 10;
    double out = -std::numeric_limits<double>::infinity();
    ebur128_state* s = ebur128_init(2, static_cast<unsigned long>(sampleRate), EBUR128_MODE_M);
    if (!s || frames == 0) {
        if (s) ebur128_destroy(&s);
        return out;
    }
    std::vector<float> padded(stereo.begin(), stereo.end());
    const size_t blocks = (frames + block - 1) / block;
    padded.resize(2 * blocks * block, 0.0f);
    double power = 0;
    for (size_t b = 0; b < blocks; ++b) {
        double momentary = out;
        ebur128_add_frames_float(s, padded.data() + 2 * b * block, block);
        ebur128_loudness_momentary(s, &momentary);
        if (std::isfinite(momentary)) power += std::pow(10.0, (momentary + 0.691) / 10.0);
    }
    ebur128_destroy(&s);
    power *= double(block) / double(frames); // the blocks' mean, over the sound's own length
    return power > 0 ? -0.691 + 10.0 * std::log10(power) : out;
}

} // namespace kp::sound
