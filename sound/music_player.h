#pragma once
// The game's media player for tunes: MIDI bytes played by FluidSynth as a synthesiser only.
// FluidSynth never opens an audio device here; the mixer pulls the synthesised samples, so
// the tune advances exactly as fast as the sound is pulled.
//
// It keeps the operations and the modes of a media player: a tune, enabled or not,
// Open, Play (rewinding first when at the end), Stop, Close, Pause (pause or resume).
// Each operation returns false where a media player would raise an error.
#include "mixer.h"

#include <QByteArray>

#include <mutex>
#include <string>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace kp::sound {

class MusicPlayer : public MusicSource {
  public:
    enum class Mode { NotReady, Stopped, Playing, Paused };

    static constexpr const char* DefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";
    static constexpr const char* FallbackSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

    // The first SoundFont of the list that loads is used; it is loaded at the first Open.
    explicit MusicPlayer(int sampleRate = Mixer::DefaultRate,
                         std::vector<std::string> soundFonts = {DefaultSoundFont,
                                                                FallbackSoundFont});
    ~MusicPlayer() override;
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // The tune is held in memory: nothing is written to disk to play it.
    void setTune(const QByteArray& bytes);
    QByteArray tune() const;
    void setEnabled(bool enabled);
    bool enabled() const;

    // Takes the tune (a Standard MIDI File, or one inside a RIFF RMID file) and gets ready.
    // Fails when disabled, when there is no tune or it is not MIDI, or when no SoundFont loads.
    bool open();
    bool play();
    bool stop();
    bool close();
    bool pause();
    Mode mode() const;
    // Where the tune is, in MIDI ticks from its start; 0 when no tune is open.
    int position() const;

    void renderMusic(float* left, float* right, int frames) override;

    // The SoundFont in use; empty before the first successful Open.
    std::string soundFontPath() const;

  private:
    bool ensureSynth();
    bool startPlayer(); // a fresh fluid player at the start of the tune, not yet playing
    void silenceAll();

    const int rate_;
    const std::vector<std::string> soundFonts_;
    mutable std::mutex mutex_;
    QByteArray tune_;
    bool enabled_ = false;
    QByteArray midi_;
    Mode mode_ = Mode::NotReady;
    bool atEnd_ = false;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    std::string loadedFont_;
};

// The Standard MIDI File inside `bytes`: itself, or the "data" chunk of a RIFF RMID file.
// Empty when neither.
QByteArray standardMidi(const QByteArray& bytes);

} // namespace kp::sound
