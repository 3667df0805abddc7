#pragma once
// The game's own mixer: the one effect clip sounding, the PC-speaker tone sequences and the
// music, summed at the game's own gains. The audio output pulls from it; tests pull directly.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace kp::sound {

// An effect clip: mono 16-bit samples at the mixer's rate, kept as they are stored (half the
// room of floats), and the gain that brings them to their loudness.
struct Clip {
    std::vector<int16_t> samples;
    float gain = 1.0f;

    size_t size() const { return samples.size(); }
    bool empty() const { return samples.empty(); }
    // Sample i as it is heard, -1 .. 1 at gain 1.
    float operator[](size_t i) const { return float(samples[i]) * (gain / 32768.0f); }
};

// A square-wave tone of the PC speaker.
struct Tone {
    int frequency; // Hz
    int durationMs;
};

// Something that renders stereo music into the mixer, block by block.
class MusicSource {
  public:
    virtual ~MusicSource() = default;
    // Adds nothing when silent; writes `frames` samples into each of `left` and `right`.
    virtual void renderMusic(float* left, float* right, int frames) = 0;
    // Whether a tune is playing (its clock must run); a source that cannot tell says yes.
    virtual bool playing() const { return true; }
    // Set by the mixer: called when a tune starts, so that an output that stopped pulling
    // takes up again.
    std::function<void()> started;
};

class Mixer {
  public:
    static constexpr int DefaultRate = 44100;
    static constexpr float ToneLevel = 0.18f; // the speaker has no volume control of its own

    explicit Mixer(int sampleRate = DefaultRate);

    int sampleRate() const { return rate_; }

    // Starts a clip at the next pull on one of the voices (a board each in a match); a clip
    // still sounding on that voice is cut off. `pan` places it from -1 (left) to 1 (right).
    static constexpr int Voices = 2;
    void playClip(std::shared_ptr<const Clip> clip, int voice = 0, float pan = 0.0f);
    // Queues tones after any still to sound. Sequences beyond two seconds of backlog are
    // dropped rather than piling up behind a game that asks faster than they play.
    void playTones(std::span<const Tone> tones);
    // Cuts the clip sounding and drops the tones still to play.
    void stopEffects();
    void setEffectGain(float gain);
    void setMusicGain(float gain);
    float effectGain() const;
    float musicGain() const;
    void setMusic(MusicSource* music);

    // Interleaved stereo, 16-bit, saturated.
    void render(int16_t* stereo, int frames);
    // Interleaved stereo floats before saturation.
    void renderFloat(float* stereo, int frames);

    bool effectSounding() const;
    // Nothing to render: no clip, no tone, no tune playing. An output may stop pulling then.
    bool silent() const;
    // Called when something starts to sound (a clip, tones, a tune), from the thread that
    // asked for it: an output that stopped pulling takes up again.
    void setWake(std::function<void()> wake);
    // Frames of tones still to play, the one sounding included.
    int64_t toneFramesPending() const;

  private:
    struct ToneState {
        int64_t frames;   // length
        double phaseStep; // cycles per frame
    };

    const int rate_;
    mutable std::mutex mutex_;
    struct Voice {
        std::shared_ptr<const Clip> clip;
        size_t pos = 0;
        float left = 1.0f, right = 1.0f;
        bool sounding() const { return clip && pos < clip->size(); }
    };
    std::array<Voice, Voices> voices_;
    std::deque<ToneState> tones_;
    int64_t tonePos_ = 0;
    double tonePhase_ = 0;
    float effectGain_ = 1.0f;
    float musicGain_ = 1.0f;
    MusicSource* music_ = nullptr;
    std::function<void()> wake_;
    void wake() const;
    std::vector<float> left_, right_;
};

} // namespace kp::sound
