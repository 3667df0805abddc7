#pragma once
// The game's media player for tunes: MIDI bytes played by FluidSynth as a synthesiser only.
// FluidSynth never opens an audio device here; the mixer pulls the synthesised samples, so
// the tune advances exactly as fast as the sound is pulled.
//
// It keeps the operations and the modes of a media player: a tune, enabled or not,
// Open, Play (rewinding first when at the end), Stop, Close, Pause (pause or resume).
// Each operation returns false where a media player would raise an error.
//
// The General MIDI bank is loaded at the first Open and held until releaseBank(), so that a
// player with the music off pays nothing for it. Each tune is brought to MusicLoudness at full
// gain, by the loudness measured for it with that bank.
#include "mixer.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;
typedef struct _fluid_player_t fluid_player_t;

namespace kp::sound {

struct FluidLibrary;

// The General MIDI banks (SoundFont 2 and 3 files) in the system's folders, the fullest first:
// the largest file holds the most instruments and the longest samples, so FluidR3 comes before
// TimGM6mb. Links to a bank listed already are left out.
std::vector<std::string> installedSoundFonts();
std::vector<std::string> soundFontsIn(const std::vector<std::string>& folders);

class MusicPlayer : public MusicSource {
  public:
    enum class Mode { NotReady, Stopped, Playing, Paused };

    // The first SoundFont of the list that loads is used.
    explicit MusicPlayer(int sampleRate = Mixer::DefaultRate,
                         std::vector<std::string> soundFonts = installedSoundFonts());
    ~MusicPlayer() override;
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // The banks to try at the next load; a bank loaded already stays until releaseBank().
    void setSoundFonts(std::vector<std::string> soundFonts);

    // The tune is held in memory: nothing is written to disk to play it.
    void setTune(const QByteArray& bytes);
    QByteArray tune() const;
    void setEnabled(bool enabled);
    bool enabled() const;
    // A looping tune starts again from the synthesiser's own sequencer, on the tick after its
    // end, and never stops by itself. Takes effect at once, on a tune playing too.
    void setLooping(bool looping);
    bool looping() const;

    // Takes the tune (a Standard MIDI File, or one inside a RIFF RMID file) and gets ready.
    // Fails when disabled, when there is no tune or it is not MIDI, or when no SoundFont loads.
    // It may take as long as the bank takes to read: the audio thread renders nothing
    // meanwhile rather than wait, and mode() and playing() answer at once.
    bool open();
    bool play();
    bool stop();
    bool close();
    bool pause();
    Mode mode() const;
    // Where the tune is, in MIDI ticks from its start; 0 when no tune is open.
    int position() const;

    // Closes any tune, then lets the bank and the synthesiser go and hands their memory back.
    void releaseBank();
    // The SoundFont in memory; empty when none is.
    std::string soundFontPath() const;

    // Renders the open tune, unheard, from its start to its end at full gain: its integrated
    // loudness in LUFS (tuneloudness writes the table from it). Nothing when no tune is open.
    std::optional<double> measureTune();

    void renderMusic(float* left, float* right, int frames) override;
    bool playing() const override;

  private:
    bool ensureSynth();
    bool startPlayer(); // a fresh fluid player at the start of the tune, not yet playing
    void silenceAll();
    std::optional<double> measureLocked();
    void balanceLocked(); // the synthesiser's gain that brings this tune to MusicLoudness

    const int rate_;
    std::vector<std::string> soundFonts_;
    mutable std::mutex mutex_;
    QByteArray tune_;
    bool enabled_ = false;
    bool looping_ = false;
    QByteArray midi_;
    std::atomic<Mode> mode_ = Mode::NotReady;
    std::atomic<bool> opening_ = false; // open() holds the lock, for as long as a bank loads
    bool atEnd_ = false;
    const FluidLibrary* fluid_ = nullptr; // opened with the first synthesiser
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    std::string loadedFont_;
    // Loudness measured here, for tunes and banks the table lacks: "bank tune" -> LUFS.
    std::map<QString, double> measured_;
};

// The Standard MIDI File inside `bytes`: itself, or the "data" chunk of a RIFF RMID file.
// Empty when neither.
QByteArray standardMidi(const QByteArray& bytes);

} // namespace kp::sound
