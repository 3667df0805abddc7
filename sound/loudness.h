#pragma once
// Loudness as a listener hears it (EBU R128, ITU-R BS.1770: K-weighted, in LUFS), measured with
// libebur128. Every clip and every tune is brought to one loudness for its kind, and the volume
// levels scale that: a quiet clip and a loud tune then sit where the levels say, whatever their
// peaks.
#include <cstddef>
#include <span>

namespace kp::sound {

// Each effect clip at the loudest effect level ("F&ort"), on both loudspeakers. The clips then
// peak between -8 and -6 dBFS.
inline constexpr double EffectsLoudness = -17.5;
// Each tune at the loudest music level: 8 LU under the effects at the same level, clearly
// beneath them yet plainly heard. Tunes peak 11 to 15 dB over their loudness, so the loudest
// music under the loudest effect still stays 2 dB clear of full scale.
inline constexpr double MusicLoudness = EffectsLoudness - 8.0;

// The gain that takes sound of loudness `measured` to `target`; 1 for silence.
float gainTo(double target, double measured);

// The loudness of a whole long sound, fed block by block: the gated integrated loudness.
class LoudnessMeter {
  public:
    explicit LoudnessMeter(int sampleRate); // interleaved stereo
    ~LoudnessMeter();
    LoudnessMeter(const LoudnessMeter&) = delete;
    LoudnessMeter& operator=(const LoudnessMeter&) = delete;

    void add(const float* stereo, size_t frames);
    // -infinity until a gating block (400 ms) with sound has gone in.
    double integrated() const;

  private:
    void* state_; // the library's state, whose type cannot be declared ahead
};

// The loudness of a short sound (interleaved stereo) taken as one block, without the gate that
// needs 400 ms: what an effect clip measures. -infinity for silence.
double wholeLoudness(std::span<const float> stereo, int sampleRate);

} // namespace kp::sound
