#pragma once
// The four sound effects, sent where the "Son" setting says: 0 nowhere, 1 the loudspeakers
// (the WAVE clip, from memory), 2 the PC speaker (a short sequence of square-wave tones).
#include "engine/events.h"
#include "mixer.h"

#include <array>
#include <memory>
#include <span>

namespace kp::sound {

// The gain of a volume level (0 low, 1 medium, 2 high) over the loudness each clip and tune is
// brought to: 1/3, 2/3, 1, the ratios of 0x3333 : 0x6666 : 0x9999 for effects and of
// 0x1111 : 0x2222 : 0x3333 for music.
float levelGain(int level);

// The PC-speaker tones of each effect, in order.
std::span<const Tone> speakerTones(Sound sound);

class SoundEffects {
  public:
    explicit SoundEffects(Mixer& mixer) : mixer_(mixer) {}
    // Loads the four clips from the resources, converted to the mixer's rate and each brought
    // to EffectsLoudness; done by the first sound at the latest (a window does it after its
    // first frame).
    void load();

    void setOutput(int output); // 0, 1 or 2; anything else is taken as 0
    int output() const { return output_; }
    // "WaveVolume" 0-2: the gain of effects in the mixer (no device volume is touched).
    void setEffectsVolume(int level);

    void playLanding() { play(Sound::Landing); }
    void playRemoval() { play(Sound::Removal); }
    void playLevelWon() { play(Sound::LevelWon); }
    void playHighScore() { play(Sound::HighScore); }
    // On the loudspeakers, on one of the mixer's voices and placed from -1 (left) to 1 (right):
    // in a match each board has its voice and its side.
    void play(Sound sound, int voice = 0, float pan = 0.0f);
    // While hushed (panic) no effect sounds: the one sounding is cut, those asked are dropped.
    void hush(bool hushed);

    // Whether every clip was found and decoded (loaded first if need be).
    bool clipsLoaded();

  private:
    Mixer& mixer_;
    int output_ = 1;
    std::array<std::shared_ptr<const Clip>, 4> clips_;
    bool loaded_ = false;
    bool hushed_ = false;
};

} // namespace kp::sound
