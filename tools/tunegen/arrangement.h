#pragma once
// Helpers to write a tune bar by bar: a chord per bar, melodies in a small text notation, and
// one-bar patterns for bass, chords and drums that follow the chords.
//
// Melody notation: space-separated tokens NOTE[:LENGTH], LENGTH in sixteenths (a trailing "t"
// means triplet sixteenths), kept from the previous token when left out. NOTE is a name with
// octave ("C4" is middle C, "F#5", "Bb3"), "r" for a rest, or several names joined by "+" for a
// chord. A leading ">" accents the note.
//
// Patterns: one character per step, the steps spread evenly over the bar. Bass: R root,
// 3 third, 5 fifth, 7 seventh, O root an octave up, "-" holds, "." rests. Chords: C the whole
// chord, 0-4 one chord tone counting up from the root, "-" holds, "." rests. Drums: x hit,
// X accent, o soft, "." nothing.
#include "midi_file.h"

#include <string>
#include <vector>

namespace tunegen {

struct Chord {
    int root = 0;           // pitch class, 0 = C
    std::vector<int> tones; // semitones above the root, starting with 0
};

Chord parseChord(const std::string& symbol);
int parsePitch(const std::string& name); // MIDI key, throws on a bad name

struct DrumLine {
    int key;             // General MIDI percussion key
    std::string pattern; // one bar
};

class Arrangement {
  public:
    // `barSixteenths`: 16 for 4/4, 12 for 3/4, 6 for 3/8.
    Arrangement(int bpm, int numerator, int denominator);

    // The tune opens on a pickup: only the last `ticks` of bar 0 play. The file starts there,
    // and the loop closes the same distance before the end of the last bar, so that the pickup
    // comes round again on the beat and no bar is longer or shorter for it.
    void pickup(uint32_t ticks) { pickup_ = ticks; }

    // One chord symbol per bar, space separated; may be called again to append bars.
    void chords(const std::string& symbols);
    int bars() const { return int(chords_.size()); }
    uint32_t barTick(int bar) const { return uint32_t(bar) * barTicks_; }

    // A melodic instrument on its own track and channel (0-15, 9 is the drums).
    int part(const std::string& name, int channel, int program, int volume, int pan,
             int reverb = 40);

    // Places a melody from `tick`; returns the tick after its last note.
    uint32_t melody(int part, uint32_t tick, const std::string& notes, int velocity,
                    int transpose = 0, double legato = 0.9);
    void bass(int part, int fromBar, int toBar, const std::string& pattern, int octave,
              int velocity);
    void chordPattern(int part, int fromBar, int toBar, const std::string& pattern, int octave,
                      int velocity);
    // Drums on channel 10; `velocityScale` grows or shrinks the whole range of bars.
    void drums(int fromBar, int toBar, const std::vector<DrumLine>& lines,
               double velocityScale = 1.0, double endScale = -1.0);
    // A single drum hit, for fills and the closing cymbal.
    void drumHit(uint32_t tick, int key, int velocity);

    // The finished file: loop markers around the whole tune, every channel silenced at the end.
    // The loop starts again at once after the end, so a rest there is heard as a gap.
    std::vector<uint8_t> finish(const std::string& title, bool rmid);

  private:
    int bpm_;
    int numerator_;
    int denominator_;
    uint32_t barTicks_;
    std::vector<Chord> chords_;
    std::vector<Track> tracks_;
    std::vector<int> channels_;
    int drumTrack_ = -1;
    uint32_t pickup_ = 0;
};

} // namespace tunegen
