#pragma once
// Everything the window needs for sound, in one object it owns for the whole run: the mixer,
// the output device (or its silent stand-in), the effects and the music.
#include "audio_output.h"
#include "effects.h"
#include "mixer.h"
#include "music_controller.h"
#include "music_player.h"

#include <memory>
#include <string>
#include <vector>

namespace kp::sound {

class SoundSystem {
  public:
    struct Options {
        bool useDevice = true; // false: the silent output, as with no sound device
        // false: no output until startOutput() (a window opens it after its first frame, so
        // that the sound server is not waited for before anything shows).
        bool outputAtStart = true;
        std::vector<std::string> soundFonts = installedSoundFonts();
    };

    SoundSystem();
    explicit SoundSystem(Options options);
    ~SoundSystem();

    Mixer& mixer() { return mixer_; }
    MusicPlayer& player() { return *player_; }
    SoundEffects& effects() { return effects_; }
    MusicController& music() { return music_; }
    // Opens the output (the device, or the silent stand-in) if it is not open yet.
    void startOutput();
    const AudioOutput& output() {
        startOutput();
        return *output_;
    }

    // "WaveVolume" and "MidiVolume" 0-2, as the game's own gains in the mixer.
    void setEffectsVolume(int level) { effects_.setEffectsVolume(level); }
    void setMusicVolume(int level);
    // The player's own General MIDI bank ("BanqueSons"), tried before the system's banks at the
    // next load; empty for the system's alone. One that is missing or broken is passed over.
    void setPreferredBank(const std::string& soundFont);
    // Panic: at once nothing more is heard (effects cut, the tune paused) until unhushed; the
    // tune then goes on where it stopped once the game is in front again.
    void hush(bool hushed) {
        effects_.hush(hushed);
        music_.hush(hushed);
        if (hushed && output_) output_->hush();
    }

  private:
    std::vector<std::string> systemBanks_;
    Mixer mixer_;
    // Shared with a tune still opening at close, which may outlive the window.
    std::shared_ptr<MusicPlayer> player_;
    SoundEffects effects_;
    MusicController music_;
    std::unique_ptr<AudioOutput> output_;
    bool useDevice_ = true;
};

} // namespace kp::sound
