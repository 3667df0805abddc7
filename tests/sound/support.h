#pragma once
// Helpers shared by the sound tests: a Qt application object, a reader for the tunes' MIDI
// files, a tiny MIDI file writer, and pulling the mixer.
#include "sound/mixer.h"
#include "sound/music_controller.h"

#include <QByteArray>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kp::sound::test {

// Creates the QCoreApplication once; the tests that need an event loop call it.
void ensureApp();
// Runs the event loop for about `ms` milliseconds.
void spinEventLoop(int ms);
// Runs the event loop until `done` holds, and says whether it does: the limit only guards
// against a hang, however slow or busy the machine.
bool runUntil(const std::function<bool()>& done, int limitMs = 20000);
// Chooses tune n and runs the event loop until it is open: what went wrong (the tune could not
// be played, or never opened), or nothing when it plays.
std::optional<QString> playTune(MusicController& music, int n);

struct MidiSummary {
    int format = -1;
    int tracks = 0;
    double seconds = 0;        // up to the last event, with the tempo changes
    double firstNote = 0;      // when the first note starts
    double lastNoteOff = 0;    // when the last note to end ends
    std::vector<int> channels; // channels with notes, 0-based
    int noteOns = 0;
    int unmatchedNoteOns = 0; // note-ons with no note-off before their track ends
    int programChanges = 0;
    bool loopMarkers = false; // "loopStart" and "loopEnd" markers
};

// Reads a Standard MIDI File; format -1 when it is not one.
MidiSummary summarise(const QByteArray& smf);

// A format 0 file at 120 bpm playing `notes` quarter notes on the given channel.
QByteArray tinyMidi(int notes, int channel = 0);

// Pulls interleaved stereo floats from the mixer.
std::vector<float> pull(Mixer& mixer, int frames);
float peak(const std::vector<float>& v, size_t from = 0, size_t to = SIZE_MAX);
float rms(const std::vector<float>& v, size_t from = 0, size_t to = SIZE_MAX);
// The longest run of silence in interleaved stereo: 5 ms steps whose level stays under
// `floorDb` (dBFS, RMS of both channels).
struct Silence {
    double seconds = 0;
    double at = 0; // where it starts, in seconds
};
Silence longestSilence(const std::vector<float>& stereo, int rate, double floorDb = -60.0);

} // namespace kp::sound::test
