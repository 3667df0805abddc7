#pragma once
// A small Standard MIDI File writer: tracks of timed events, written as format 1, optionally
// wrapped in a RIFF "RMID" container.
#include <cstdint>
#include <string>
#include <vector>

namespace tunegen {

constexpr int Ppq = 480; // ticks per quarter note

struct MidiEvent {
    uint32_t tick = 0;
    // At one tick, lower ranks go first: set-up, then note-offs, then note-ons, then the end.
    int rank = 0;
    std::vector<uint8_t> bytes; // status byte and data, or 0xFF type data for meta events
};

class Track {
  public:
    explicit Track(std::string name) : name_(std::move(name)) {}

    void meta(uint32_t tick, uint8_t type, const std::vector<uint8_t>& data, int rank = 0);
    void text(uint32_t tick, uint8_t type, const std::string& s, int rank = 0);
    void program(uint32_t tick, int channel, int program);
    void control(uint32_t tick, int channel, int controller, int value, int rank = 0);
    // A note from `tick` lasting `length` ticks; the note-off always follows its note-on.
    void note(uint32_t tick, uint32_t length, int channel, int key, int velocity);

    // Moves the events so that `start` becomes tick 0, for a tune that opens on a pickup: set-up
    // events before it stay at 0, and notes still sounding at `end` stop there. A note that
    // starts before `start` or at `end` and after throws.
    void reframe(uint32_t start, uint32_t end);

    const std::string& name() const { return name_; }
    const std::vector<MidiEvent>& events() const { return events_; }
    uint32_t lastTick() const;

  private:
    std::string name_;
    std::vector<MidiEvent> events_;
};

// The bytes of a format 1 file holding the tracks, each closed by an end-of-track event at
// `endTick` (or after its last event, if later).
std::vector<uint8_t> writeSmf(const std::vector<Track>& tracks, uint32_t endTick);

// The same file inside a RIFF "RMID" container ("data" chunk).
std::vector<uint8_t> wrapRmid(const std::vector<uint8_t>& smf);

} // namespace tunegen
