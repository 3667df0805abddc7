#include "midi_file.h"

#include <algorithm>
#include <stdexcept>

namespace tunegen {

namespace {

void putBe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(uint8_t(v >> (8 * i)));
}

void putLe(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

void putVarLen(std::vector<uint8_t>& out, uint32_t v) {
    uint8_t buf[5];
    int n = 0;
    buf[n++] = v & 0x7F;
    while ((v >>= 7) != 0) buf[n++] = uint8_t(0x80 | (v & 0x7F));
    while (n > 0) out.push_back(buf[--n]);
}

enum Rank { RankSetup = 0, RankNoteOff = 1, RankNoteOn = 2, RankEnd = 3 };

} // namespace

void Track::meta(uint32_t tick, uint8_t type, const std::vector<uint8_t>& data, int rank) {
    MidiEvent e{tick, rank, {0xFF, type}};
    putVarLen(e.bytes, uint32_t(data.size()));
    e.bytes.insert(e.bytes.end(), data.begin(), data.end());
    events_.push_back(std::move(e));
}

void Track::text(uint32_t tick, uint8_t type, const std::string& s, int rank) {
    meta(tick, type, std::vector<uint8_t>(s.begin(), s.end()), rank);
}

void Track::program(uint32_t tick, int channel, int program) {
    events_.push_back({tick, RankSetup, {uint8_t(0xC0 | channel), uint8_t(program)}});
}

void Track::control(uint32_t tick, int channel, int controller, int value, int rank) {
    events_.push_back({tick, rank, {uint8_t(0xB0 | channel), uint8_t(controller), uint8_t(value)}});
}

void Track::note(uint32_t tick, uint32_t length, int channel, int key, int velocity) {
    if (key < 0 || key > 127 || length == 0) throw std::invalid_argument("bad note");
    velocity = std::clamp(velocity, 1, 127);
    events_.push_back(
        {tick, RankNoteOn, {uint8_t(0x90 | channel), uint8_t(key), uint8_t(velocity)}});
    events_.push_back(
        {tick + length, RankNoteOff, {uint8_t(0x80 | channel), uint8_t(key), uint8_t(64)}});
}

void Track::reframe(uint32_t start, uint32_t end) {
    for (auto& e : events_) {
        if (e.rank == RankNoteOn && (e.tick < start || e.tick >= end))
            throw std::logic_error(name_ + ": a note outside the loop");
        if (e.rank == RankNoteOff) e.tick = std::min(e.tick, end);
        e.tick = e.tick > start ? e.tick - start : 0;
    }
}

uint32_t Track::lastTick() const {
    uint32_t last = 0;
    for (const auto& e : events_) last = std::max(last, e.tick);
    return last;
}

std::vector<uint8_t> writeSmf(const std::vector<Track>& tracks, uint32_t endTick) {
    std::vector<uint8_t> out{'M', 'T', 'h', 'd'};
    putBe(out, 6, 4);
    putBe(out, 1, 2);
    putBe(out, uint32_t(tracks.size()), 2);
    putBe(out, Ppq, 2);
    for (const Track& t : tracks) {
        std::vector<MidiEvent> events = t.events();
        Track named(t.name());
        named.text(0, 0x03, t.name());
        events.insert(events.begin(), named.events().front());
        std::stable_sort(events.begin(), events.end(), [](const auto& a, const auto& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.rank < b.rank;
        });
        std::vector<uint8_t> body;
        uint32_t now = 0;
        for (const auto& e : events) {
            putVarLen(body, e.tick - now);
            now = e.tick;
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        }
        putVarLen(body, std::max(endTick, now) - now);
        body.insert(body.end(), {0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        putBe(out, uint32_t(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

std::vector<uint8_t> wrapRmid(const std::vector<uint8_t>& smf) {
    std::vector<uint8_t> out{'R', 'I', 'F', 'F'};
    const uint32_t pad = smf.size() % 2;
    putLe(out, uint32_t(4 + 8 + smf.size() + pad), 4);
    out.insert(out.end(), {'R', 'M', 'I', 'D', 'd', 'a', 't', 'a'});
    putLe(out, uint32_t(smf.size()), 4);
    out.insert(out.end(), smf.begin(), smf.end());
    if (pad) out.push_back(0);
    return out;
}

} // namespace tunegen
