#include "support.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace kp::sound::test {

void ensureApp() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "sound_tests";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv); // lives to the end of the process
}

void spinEventLoop(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool runUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

std::optional<QString> playTune(MusicController& music, int n) {
    ensureApp();
    bool failed = false;
    music.setFailureHandler([&] { failed = true; });
    music.playTune(n);
    const bool opened = runUntil([&] { return !music.loading(); }, 60000);
    music.setFailureHandler(nullptr);
    if (!opened) return QStringLiteral("the tune never opened");
    if (failed) return QStringLiteral("the tune could not be played");
    return std::nullopt;
}

namespace {

uint32_t be(const QByteArray& b, qsizetype at, int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | uint8_t(b[at + i]);
    return v;
}

uint32_t varLen(const QByteArray& b, qsizetype& at) {
    uint32_t v = 0;
    uint8_t c;
    do {
        c = uint8_t(b[at++]);
        v = (v << 7) | (c & 0x7F);
    } while (c & 0x80);
    return v;
}

} // namespace

MidiSummary summarise(const QByteArray& smf) {
    MidiSummary s;
    if (!smf.startsWith("MThd") || smf.size() < 14) return s;
    s.format = int(be(smf, 8, 2));
    const int ppq = int(be(smf, 12, 2));
    std::map<uint32_t, uint32_t> tempo{{0, 500000}}; // tick -> microseconds per quarter
    uint32_t lastTick = 0, firstNoteOn = UINT32_MAX, lastNoteOff = 0;
    std::set<int> channels;
    bool loopStart = false, loopEnd = false;
    qsizetype at = 14;
    while (at + 8 <= smf.size() && smf.mid(at, 4) == "MTrk") {
        ++s.tracks;
        const qsizetype end = at + 8 + be(smf, at + 4, 4);
        at += 8;
        uint32_t tick = 0;
        uint8_t status = 0;
        std::map<int, int> sounding; // channel * 128 + key -> count
        while (at < end) {
            tick += varLen(smf, at);
            if (uint8_t(smf[at]) & 0x80) status = uint8_t(smf[at++]);
            if (status == 0xFF) {
                const uint8_t type = uint8_t(smf[at++]);
                const uint32_t len = varLen(smf, at);
                const QByteArray data = smf.mid(at, len);
                if (type == 0x51) tempo[tick] = be(data, 0, 3);
                if (type == 0x06 && data == "loopStart") loopStart = true;
                if (type == 0x06 && data == "loopEnd") loopEnd = true;
                at += len;
            } else if (status == 0xF0 || status == 0xF7) {
                at += varLen(smf, at);
            } else {
                const int kind = status & 0xF0, ch = status & 0x0F;
                const int a = uint8_t(smf[at]);
                const int b = (kind == 0xC0 || kind == 0xD0) ? 0 : uint8_t(smf[at + 1]);
                at += (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                if (kind == 0x90 && b > 0) {
                    ++s.noteOns;
                    firstNoteOn = std::min(firstNoteOn, tick);
                    ++sounding[ch * 128 + a];
                    channels.insert(ch);
                } else if (kind == 0x80 || (kind == 0x90 && b == 0)) {
                    if (sounding[ch * 128 + a] > 0) --sounding[ch * 128 + a];
                    lastNoteOff = std::max(lastNoteOff, tick);
                } else if (kind == 0xC0) {
                    ++s.programChanges;
                }
            }
            lastTick = std::max(lastTick, tick);
        }
        for (const auto& [key, n] : sounding) s.unmatchedNoteOns += n;
        at = end;
    }
    // Seconds up to a tick, tempo segment by segment.
    const auto secondsAt = [&](uint32_t to) {
        double seconds = 0;
        for (auto it = tempo.begin(); it != tempo.end() && it->first < to; ++it) {
            const auto next = std::next(it);
            const uint32_t upTo = next == tempo.end() ? to : std::min(next->first, to);
            seconds += double(upTo - it->first) / ppq * it->second / 1e6;
        }
        return seconds;
    };
    s.seconds = secondsAt(lastTick);
    s.firstNote = s.noteOns > 0 ? secondsAt(firstNoteOn) : 0;
    s.lastNoteOff = secondsAt(lastNoteOff);
    s.channels.assign(channels.begin(), channels.end());
    s.loopMarkers = loopStart && loopEnd;
    return s;
}

QByteArray tinyMidi(int notes, int channel) {
    QByteArray track;
    track.append(char(0)).append("\xC0\x00", 2);
    track[1] = char(0xC0 | channel);
    for (int i = 0; i < notes; ++i) {
        const char key = char(60 + i % 12);
        track.append(char(0)).append(char(0x90 | channel)).append(key).append(char(100));
        track.append("\x83\x60", 2).append(char(0x80 | channel)).append(key).append(char(64));
    }
    track.append("\x00\xFF\x2F\x00", 4);
    QByteArray f("MThd\x00\x00\x00\x06\x00\x00\x00\x01\x01\xE0", 14);
    f.append("MTrk");
    const uint32_t n = uint32_t(track.size());
    f.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
    return f + track;
}

std::vector<float> pull(Mixer& mixer, int frames) {
    std::vector<float> out(size_t(frames) * 2);
    mixer.renderFloat(out.data(), frames);
    return out;
}

float peak(const std::vector<float>& v, size_t from, size_t to) {
    float p = 0;
    for (size_t i = from; i < std::min(to, v.size()); ++i) p = std::max(p, std::abs(v[i]));
    return p;
}

float rms(const std::vector<float>& v, size_t from, size_t to) {
    to = std::min(to, v.size());
    if (to <= from) return 0;
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += double(v[i]) * v[i];
    return float(std::sqrt(sum / double(to - from)));
}

Silence longestSilence(const std::vector<float>& stereo, int rate, double floorDb) {
    const size_t step = 2 * size_t(rate) / 200;
    const float floor = float(std::pow(10.0, floorDb / 20.0));
    size_t run = 0, steps = 0;
    Silence longest;
    for (size_t at = 0; at + step <= stereo.size(); at += step, ++steps) {
        run = rms(stereo, at, at + step) < floor ? run + 1 : 0;
        if (double(run) * 0.005 > longest.seconds)
            longest = {double(run) * 0.005, double(steps + 1 - run) * 0.005};
    }
    return longest;
}

} // namespace kp::sound::test
