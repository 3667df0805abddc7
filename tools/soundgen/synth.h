#pragma once
// Small building blocks for the effect clips: oscillators, envelopes, and a WAVE writer.
#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

constexpr int Rate = 44100;
using Buffer = std::vector<double>;

Buffer silence(double seconds);
// Adds `src` into `dst` starting at `at` seconds, growing `dst` when needed.
void mixInto(Buffer& dst, const Buffer& src, double at, double gain = 1.0);

// A partial whose frequency glides exponentially from f0 to f1 over the note, with an attack
// of `attack` seconds and an exponential decay of time constant `decay`.
Buffer glide(double f0, double f1, double seconds, double attack, double decay);
// A bell-like tone: a few inharmonic partials decaying at different speeds.
Buffer bell(double freq, double seconds, double decay);
// A brass-like tone: harmonics that brighten with the swell, a little vibrato.
Buffer brass(double freq, double seconds, double attack, double release);
// Low-passed noise (one-pole filter at `cutoff` Hz), deterministic from `seed`.
Buffer noise(double seconds, double cutoff, double attack, double decay, uint32_t seed);

// Fades of a few milliseconds at both ends, then scaling to the given peak in dBFS.
void finish(Buffer& b, double fadeMs, double peakDb);
// 16-bit mono PCM in a RIFF WAVE file.
bool writeWave(const std::string& path, const Buffer& b);

} // namespace soundgen
