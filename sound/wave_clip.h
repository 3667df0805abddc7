#pragma once
// Reading a RIFF WAVE clip (PCM, 8 or 16 bits, mono or stereo) into the mixer's format.
#include "mixer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kp::sound {

struct WaveInfo {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    size_t frames = 0;
};

// The format of a WAVE file, or nothing when the bytes are not PCM WAVE data we can play.
std::optional<WaveInfo> inspectWave(std::span<const std::byte> bytes);

// The clip as mono samples at `sampleRate`; empty when the bytes are not playable.
Clip decodeWave(std::span<const std::byte> bytes, int sampleRate);

} // namespace kp::sound
