#include "arrangement.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace tunegen {

namespace {

constexpr int DrumChannel = 9;
constexpr uint32_t Sixteenth = Ppq / 4;

int pitchClass(char letter) {
    switch (letter) {
    case 'C':
        return 0;
    case 'D':
        return 2;
    case 'E':
        return 4;
    case 'F':
        return 5;
    case 'G':
        return 7;
    case 'A':
        return 9;
    case 'B':
        return 11;
    }
    throw std::invalid_argument(std::string("bad note letter ") + letter);
}

// Bar lines ("|") are only for the reader.
std::vector<std::string> words(std::string s) {
    std::replace(s.begin(), s.end(), '|', ' ');
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// Louder on the beat, a touch softer off it, so machine-placed notes still have a pulse.
int pulse(uint32_t tick, int velocity) {
    if (tick % Ppq == 0) return velocity + 6;
    if (tick % (Ppq / 2) == 0) return velocity;
    return velocity - 5;
}

} // namespace

int parsePitch(const std::string& name) {
    if (name.size() < 2) throw std::invalid_argument("bad pitch " + name);
    int pc = pitchClass(name[0]);
    size_t i = 1;
    for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); ++i)
        pc += name[i] == '#' ? 1 : -1;
    const int octave = std::stoi(name.substr(i));
    return 12 * (octave + 1) + pc;
}

Chord parseChord(const std::string& symbol) {
    Chord c;
    c.root = pitchClass(symbol.at(0));
    size_t i = 1;
    if (i < symbol.size() && (symbol[i] == '#' || symbol[i] == 'b'))
        c.root += symbol[i++] == '#' ? 1 : -1;
    c.root = (c.root + 12) % 12;
    const std::string q = symbol.substr(i);
    if (q.empty())
        c.tones = {0, 4, 7};
    else if (q == "m")
        c.tones = {0, 3, 7};
    else if (q == "7")
        c.tones = {0, 4, 7, 10};
    else if (q == "m7")
        c.tones = {0, 3, 7, 10};
    else if (q == "maj7")
        c.tones = {0, 4, 7, 11};
    else if (q == "sus4")
        c.tones = {0, 5, 7};
    else if (q == "5")
        c.tones = {0, 7};
    else
        throw std::invalid_argument("bad chord " + symbol);
    return c;
}

Arrangement::Arrangement(int bpm, int numerator, int denominator)
    : bpm_(bpm), numerator_(numerator), denominator_(denominator),
      barTicks_(uint32_t(numerator * Ppq * 4 / denominator)) {
    tracks_.emplace_back("Conductor");
    channels_.push_back(-1);
}

void Arrangement::chords(const std::string& symbols) {
    for (const auto& w : words(symbols)) chords_.push_back(parseChord(w));
}

int Arrangement::part(const std::string& name, int channel, int program, int volume, int pan,
                      int reverb) {
    Track t(name);
    t.control(0, channel, 121, 0); // reset controllers, so a rewound tune starts clean
    if (channel != DrumChannel) t.program(0, channel, program);
    t.control(0, channel, 7, volume);
    t.control(0, channel, 10, pan);
    t.control(0, channel, 91, reverb);
    tracks_.push_back(std::move(t));
    channels_.push_back(channel);
    return int(tracks_.size()) - 1;
}

uint32_t Arrangement::melody(int part, uint32_t tick, const std::string& notes, int velocity,
                             int transpose, double legato) {
    Track& t = tracks_.at(size_t(part));
    const int channel = channels_.at(size_t(part));
    uint32_t length = Sixteenth;
    for (std::string w : words(notes)) {
        bool accent = false;
        if (w[0] == '>') {
            accent = true;
            w.erase(0, 1);
        }
        const auto colon = w.find(':');
        if (colon != std::string::npos) {
            std::string len = w.substr(colon + 1);
            const bool triplet = len.back() == 't';
            if (triplet) len.pop_back();
            length = uint32_t(std::stod(len) * (triplet ? Sixteenth * 2 / 3 : Sixteenth));
            w = w.substr(0, colon);
        }
        if (w != "r") {
            std::istringstream keys(w);
            const auto sounding = std::max<uint32_t>(30, uint32_t(length * legato));
            for (std::string k; std::getline(keys, k, '+');)
                t.note(tick, sounding, channel, parsePitch(k) + transpose,
                       pulse(tick, velocity) + (accent ? 14 : 0));
        }
        tick += length;
    }
    return tick;
}

void Arrangement::bass(int part, int fromBar, int toBar, const std::string& pattern, int octave,
                       int velocity) {
    Track& t = tracks_.at(size_t(part));
    const int channel = channels_.at(size_t(part));
    const uint32_t step = barTicks_ / uint32_t(pattern.size());
    for (int bar = fromBar; bar < toBar; ++bar) {
        const Chord& c = chords_.at(size_t(bar));
        const int base = 12 * (octave + 1) + c.root;
        for (size_t i = 0; i < pattern.size(); ++i) {
            const char s = pattern[i];
            if (s == '-' || s == '.') continue;
            size_t end = i + 1;
            while (end < pattern.size() && pattern[end] == '-') ++end;
            int key = base;
            if (s == '3')
                key += c.tones.size() > 2 ? c.tones[1] : 4;
            else if (s == '5')
                key += 7;
            else if (s == '7')
                key += c.tones.size() > 3 ? c.tones[3] : 10;
            else if (s == 'O')
                key += 12;
            const uint32_t at = barTick(bar) + uint32_t(i) * step;
            t.note(at, uint32_t((end - i) * step * 9 / 10), channel, key, pulse(at, velocity));
        }
    }
}

void Arrangement::chordPattern(int part, int fromBar, int toBar, const std::string& pattern,
                               int octave, int velocity) {
    Track& t = tracks_.at(size_t(part));
    const int channel = channels_.at(size_t(part));
    const uint32_t step = barTicks_ / uint32_t(pattern.size());
    for (int bar = fromBar; bar < toBar; ++bar) {
        const Chord& c = chords_.at(size_t(bar));
        // Voice the chord close above the octave's C, so changes move by small steps.
        std::vector<int> keys;
        for (int tone : c.tones) keys.push_back(12 * (octave + 1) + (c.root + tone) % 12);
        std::sort(keys.begin(), keys.end());
        for (size_t i = 0; i < pattern.size(); ++i) {
            const char s = pattern[i];
            if (s == '-' || s == '.') continue;
            size_t end = i + 1;
            while (end < pattern.size() && pattern[end] == '-') ++end;
            const uint32_t at = barTick(bar) + uint32_t(i) * step;
            const uint32_t len = uint32_t((end - i) * step * 9 / 10);
            if (s == 'C') {
                for (int k : keys) t.note(at, len, channel, k, pulse(at, velocity));
            } else {
                const size_t n = size_t(s - '0');
                const int k = keys[n % keys.size()] + 12 * int(n / keys.size());
                t.note(at, len, channel, k, pulse(at, velocity));
            }
        }
    }
}

void Arrangement::drums(int fromBar, int toBar, const std::vector<DrumLine>& lines,
                        double velocityScale, double endScale) {
    if (drumTrack_ < 0) drumTrack_ = part("Drums", DrumChannel, 0, 100, 64, 30);
    if (endScale < 0) endScale = velocityScale;
    for (int bar = fromBar; bar < toBar; ++bar) {
        const double f = toBar - fromBar > 1 ? double(bar - fromBar) / (toBar - fromBar - 1) : 0;
        const double scale = velocityScale + (endScale - velocityScale) * f;
        for (const auto& line : lines) {
            const uint32_t step = barTicks_ / uint32_t(line.pattern.size());
            for (size_t i = 0; i < line.pattern.size(); ++i) {
                const char s = line.pattern[i];
                const int v = s == 'X' ? 112 : s == 'x' ? 88 : s == 'o' ? 58 : 0;
                if (v == 0) continue;
                drumHit(barTick(bar) + uint32_t(i) * step, line.key, int(std::lround(v * scale)));
            }
        }
    }
}

void Arrangement::drumHit(uint32_t tick, int key, int velocity) {
    if (drumTrack_ < 0) drumTrack_ = part("Drums", DrumChannel, 0, 100, 64, 30);
    tracks_.at(size_t(drumTrack_)).note(tick, Sixteenth, DrumChannel, key, velocity);
}

std::vector<uint8_t> Arrangement::finish(const std::string& title, bool rmid) {
    const uint32_t start = pickup_ > 0 ? barTick(1) - pickup_ : 0;
    const uint32_t end = barTick(bars()) - pickup_;
    Track& conductor = tracks_.front();
    conductor.text(0, 0x01, title);
    const uint32_t usPerQuarter = uint32_t(60000000 / bpm_);
    conductor.meta(
        0, 0x51, {uint8_t(usPerQuarter >> 16), uint8_t(usPerQuarter >> 8), uint8_t(usPerQuarter)});
    int denomPower = 0;
    while ((1 << denomPower) < denominator_) ++denomPower;
    conductor.meta(0, 0x58, {uint8_t(numerator_), uint8_t(denomPower), 24, 8});
    conductor.text(0, 0x06, "loopStart");
    conductor.text(end, 0x06, "loopEnd", 3);
    for (size_t i = 1; i < tracks_.size(); ++i)
        tracks_[i].control(end, channels_[i], 123, 0, 3); // all notes off at the loop point
    for (Track& t : tracks_) t.reframe(start, end);
    const auto smf = writeSmf(tracks_, end - start);
    return rmid ? wrapRmid(smf) : smf;
}

} // namespace tunegen
