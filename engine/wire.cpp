#include "wire.h"

#include "hash.h"

#include <algorithm>

namespace kp::wire {

namespace {

enum class Kind : uint8_t { Hello = 1, Welcome, Refused, Ping, Pong, Start, Inputs, Landing, Bye };

class Writer {
  public:
    void byte(uint8_t b) { out.push_back(b); }
    void number(uint64_t v) {
        for (; v >= 0x80; v >>= 7) out.push_back(static_cast<uint8_t>(v | 0x80));
        out.push_back(static_cast<uint8_t>(v));
    }
    void signedNumber(int64_t v) {
        number((static_cast<uint64_t>(v) << 1) ^ static_cast<uint64_t>(v >> 63));
    }
    void text(const std::string& s) {
        const size_t n = std::min(s.size(), MaxName);
        number(n);
        out.insert(out.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
    }
    std::vector<uint8_t> out;
};

// Every read checks what is left; the first failure sticks and the message is refused.
class Reader {
  public:
    Reader(const uint8_t* data, size_t size) : p_(data), end_(data + size) {}
    bool ok() const { return ok_; }
    bool done() const { return ok_ && p_ == end_; }
    uint8_t byte() {
        if (p_ == end_) return fail(), 0;
        return *p_++;
    }
    uint64_t number() {
        uint64_t v = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const uint8_t b = byte();
            if (!ok_) return 0;
            // One way to write each number: no high zero bytes, nothing past 64 bits.
            if ((shift > 0 && b == 0) || (shift == 63 && b > 1)) return fail(), 0;
            v |= static_cast<uint64_t>(b & 0x7F) << shift;
            if (!(b & 0x80)) return v;
        }
        return fail(), 0;
    }
    int64_t signedNumber() {
        const uint64_t u = number();
        return static_cast<int64_t>(u >> 1) ^ -static_cast<int64_t>(u & 1);
    }
    // A number that must lie in [lo, hi].
    int64_t within(int64_t lo, int64_t hi) {
        const int64_t v = signedNumber();
        if (v < lo || v > hi) fail();
        return ok_ ? v : lo;
    }
    std::string text() {
        const uint64_t n = number();
        if (!ok_ || n > MaxName || n > static_cast<uint64_t>(end_ - p_)) return fail(), "";
        std::string s(reinterpret_cast<const char*>(p_), n);
        p_ += n;
        return s;
    }
    void fail() { ok_ = false; }

  private:
    const uint8_t* p_;
    const uint8_t* end_;
    bool ok_ = true;
};

// What a player may do on their own board, and the values each takes.
bool playerInput(InputKind kind, int32_t value) {
    switch (kind) {
    case InputKind::Handle:
    case InputKind::Press:
    case InputKind::Release:
        return value >= 0 && value <= static_cast<int32_t>(Command::Other);
    case InputKind::Follow:
        return value == 0 || value == 1;
    case InputKind::TogglePause:
    case InputKind::Pause:
    case InputKind::Resume:
    case InputKind::Panic:
    case InputKind::Unhide:
        return value == 0;
    default:
        return false;
    }
}

void writeSettings(Writer& w, const MatchSettings& m) {
    for (const ParameterRange& r : ParameterRanges) w.signedNumber(m.params.*r.field);
    const GameOptions& o = m.options;
    for (int32_t v : {o.smileyAnimation, o.removalAnimation, static_cast<int32_t>(o.shake), o.Pinup,
                      o.repeatDelay, o.repeatInterval, static_cast<int32_t>(o.turnLeavesTheWell),
                      m.startLevel[0], m.startLevel[1], m.roundsToWin,
                      static_cast<int32_t>(m.cancelAttacks), m.attackDelay})
        w.signedNumber(v);
    w.number(m.seed);
}

MatchSettings readSettings(Reader& r) {
    MatchSettings m;
    for (const ParameterRange& range : ParameterRanges)
        m.params.*range.field = static_cast<int32_t>(r.within(range.min, range.max));
    GameOptions& o = m.options;
    o.smileyAnimation = static_cast<int32_t>(r.within(0, 3));
    o.removalAnimation = static_cast<int32_t>(r.within(0, 3));
    o.shake = r.within(0, 1) != 0;
    o.Pinup = static_cast<int32_t>(r.within(0, 3));
    o.repeatDelay = static_cast<int32_t>(r.within(0, 10'000));
    o.repeatInterval = static_cast<int32_t>(r.within(0, 10'000));
    o.turnLeavesTheWell = r.within(0, 1) != 0;
    m.startLevel[0] = static_cast<int32_t>(r.within(1, 999));
    m.startLevel[1] = static_cast<int32_t>(r.within(1, 999));
    m.roundsToWin = static_cast<int32_t>(r.within(1, 9));
    m.cancelAttacks = r.within(0, 1) != 0;
    m.attackDelay = static_cast<int32_t>(r.within(MinAttackDelay, MaxAttackDelay));
    const uint64_t seed = r.number();
    if (seed > UINT32_MAX) r.fail();
    m.seed = static_cast<uint32_t>(seed);
    return m;
}

struct Encoder {
    Writer& w;
    void operator()(const Hello& m) {
        w.byte(static_cast<uint8_t>(Kind::Hello));
        w.number(m.protocol);
        w.number(m.rules);
        w.text(m.name);
        w.text(m.code);
    }
    void operator()(const Welcome& m) {
        w.byte(static_cast<uint8_t>(Kind::Welcome));
        writeSettings(w, m.settings);
        w.text(m.name);
    }
    void operator()(const Refused& m) {
        w.byte(static_cast<uint8_t>(Kind::Refused));
        w.byte(static_cast<uint8_t>(m.reason));
    }
    void operator()(const Ping& m) {
        w.byte(static_cast<uint8_t>(Kind::Ping));
        w.number(m.stamp);
    }
    void operator()(const Pong& m) {
        w.byte(static_cast<uint8_t>(Kind::Pong));
        w.number(m.stamp);
    }
    void operator()(const Start&) { w.byte(static_cast<uint8_t>(Kind::Start)); }
    void operator()(const Inputs& m) {
        w.byte(static_cast<uint8_t>(Kind::Inputs));
        w.signedNumber(m.through);
        const size_t n = std::min(m.inputs.size(), MaxInputs);
        w.number(n);
        int64_t last = 0;
        for (size_t i = 0; i < n; ++i) {
            const Input& in = m.inputs[i];
            w.signedNumber(in.time - last); // each after the one before: a small number
            last = in.time;
            w.byte(static_cast<uint8_t>(in.kind));
            w.signedNumber(in.value);
        }
    }
    void operator()(const Landing& m) {
        w.byte(static_cast<uint8_t>(Kind::Landing));
        w.number(m.index);
        w.number(m.checksum);
    }
    void operator()(const Bye& m) {
        w.byte(static_cast<uint8_t>(Kind::Bye));
        w.byte(static_cast<uint8_t>(m.reason));
    }
};

// A reason byte: one of 1 .. last.
template <typename Reason> Reason reasonOf(Reader& r, Reason last) {
    const uint8_t reason = r.byte();
    if (reason < 1 || reason > static_cast<uint8_t>(last)) r.fail();
    return static_cast<Reason>(reason);
}

std::optional<Message> read(Reader& r) {
    const auto kind = static_cast<Kind>(r.byte());
    switch (kind) {
    case Kind::Hello: {
        Hello m;
        const uint64_t protocol = r.number();
        if (protocol > UINT32_MAX) r.fail();
        m.protocol = static_cast<uint32_t>(protocol);
        m.rules = r.number();
        m.name = r.text();
        m.code = r.text();
        return m;
    }
    case Kind::Welcome: {
        Welcome m;
        m.settings = readSettings(r);
        m.name = r.text();
        return m;
    }
    case Kind::Refused:
        return Refused{reasonOf(r, Refusal::Busy)};
    case Kind::Ping:
        return Ping{r.number()};
    case Kind::Pong:
        return Pong{r.number()};
    case Kind::Start:
        return Start{};
    case Kind::Inputs: {
        Inputs m;
        m.through = r.within(-1, INT32_MAX);
        const uint64_t n = r.number();
        if (n > MaxInputs) return std::nullopt;
        m.inputs.reserve(static_cast<size_t>(n));
        int64_t time = 0;
        for (uint64_t i = 0; i < n && r.ok(); ++i) {
            Input in;
            time += r.within(0, INT32_MAX); // never back in time
            in.time = time;
            in.kind = static_cast<InputKind>(r.byte());
            in.value = static_cast<int32_t>(r.within(INT32_MIN, INT32_MAX));
            if (!playerInput(in.kind, in.value) || in.time > m.through) r.fail();
            m.inputs.push_back(in);
        }
        return m;
    }
    case Kind::Landing: {
        Landing m;
        const uint64_t index = r.number();
        if (index > UINT32_MAX) r.fail();
        m.index = static_cast<uint32_t>(index);
        m.checksum = r.number();
        return m;
    }
    case Kind::Bye:
        return Bye{reasonOf(r, Farewell::TimedOut)};
    }
    return std::nullopt;
}

} // namespace

std::vector<uint8_t> encode(const Message& message) {
    Writer w;
    std::visit(Encoder{w}, message);
    return std::move(w.out);
}

std::optional<Message> decode(const uint8_t* data, size_t size) {
    if (!data || size == 0 || size > MaxMessage) return std::nullopt;
    Reader r(data, size);
    std::optional<Message> m = read(r);
    if (!m || !r.done()) return std::nullopt;
    return m;
}

uint64_t rulesChecksum() {
    constexpr int32_t RulesVersion = 1;
    Fnv1a sum;
    sum.add(RulesVersion);
    for (const ParameterRange& r : ParameterRanges) {
        sum.add(r.min);
        sum.add(r.max);
    }
    for (int32_t v : {Game::MinFallPeriod, Game::DropStepPeriod, Game::ShakeStepPeriod,
                      Game::PinupFrames, int32_t{MaxAttack}, static_cast<int32_t>(LongestPause),
                      int32_t{InputKindCount}, int32_t{TimerCount}})
        sum.add(v);
    // How a few seconds of a match play: a rule changed anywhere shows in the boards.
    MatchSettings settings;
    settings.seed = 20261211;
    settings.attackDelay = MinAttackDelay;
    settings.cancelAttacks = true;
    Match match(settings);
    const Command moves[] = {Command::Left,  Command::Turn, Command::Drop,
                             Command::Right, Command::Drop, Command::Other};
    int64_t t = 0;
    for (int i = 0; i < 60; ++i) {
        t += 211;
        match.advanceTo(t);
        for (int p = 0; p < 2; ++p) match.handle(p, moves[(i + p) % 6]);
    }
    for (int p = 0; p < 2; ++p) sum.add(static_cast<int32_t>(boardChecksum(match.board(p))));
    return sum.value;
}

std::string joinCode(uint64_t random) {
    std::string code;
    for (int i = 0; i < 6; ++i, random >>= 5) code += CodeLetters[random & 31];
    return code;
}

int32_t attackDelayFor(int64_t roundTrip) {
    // A batch waits up to 40 ms on each side; jitter may double a trip.
    const int64_t needed = 2 * std::max<int64_t>(roundTrip, 0) + 100;
    const int64_t rounded = (needed + 49) / 50 * 50;
    return static_cast<int32_t>(std::clamp<int64_t>(rounded, MinAttackDelay, MaxAttackDelay));
}

} // namespace kp::wire
