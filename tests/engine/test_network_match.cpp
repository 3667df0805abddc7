// Matches between two computers on virtual time: two sides, each with its own match, a link
// and the computer at its own board, joined by a fake network that delays, jitters and holds
// back the messages as a real one would (in order, as TCP keeps them).

#include "cpu/player.h"
#include "engine/link.h"
#include "engine/replay.h"
#include "engine/wire.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <random>

namespace kp {
namespace {

struct Pipe {
    std::deque<std::pair<int64_t, std::vector<uint8_t>>> queue;
    int64_t last = 0;
    int64_t bytes = 0;
};

struct Side {
    Side(const MatchSettings& settings, int own, uint32_t seed, CpuLevel level)
        : cpu(level, seed),
          match(settings, own == 0 ? &cpu.eyes() : nullptr, own == 1 ? &cpu.eyes() : nullptr),
          table(match, own), link(match, own), seat(cpu, match, own, true), own(own) {
        cpu.watch(match.board(own), [this] { return match.boardTime(this->own); });
        table.seat(own, &seat);
        table.seat(1 - own, &link);
    }
    CpuPlayer cpu;
    Match match;
    Table table;
    Link link;
    CpuMatchSeat seat;
    int own;
    int64_t origin = 0; // the wall's time at this side's match time 0, later while it waited
    int64_t waited = 0;
    bool started = false;
};

struct Network {
    // `roundTrip` ms, each message delayed by half of it plus up to `jitter` ms more.
    Network(const MatchSettings& settings, int64_t roundTrip, int64_t jitter, uint32_t seed,
            CpuLevel level)
        : rng(seed), roundTrip(roundTrip), jitter(jitter) {
        for (int s = 0; s < 2; ++s) {
            sides[s] = std::make_unique<Side>(settings, s, seed * 2 + s, level);
            sides[s]->link.send = [this, s](std::vector<uint8_t> bytes) {
                Pipe& pipe = pipes[s];
                std::uniform_int_distribution<int64_t> extra(0, this->jitter);
                const int64_t at = std::max(pipe.last, wall + this->roundTrip / 2 + extra(rng));
                pipe.last = at;
                pipe.bytes += static_cast<int64_t>(bytes.size());
                if (!held[s])
                    pipe.queue.emplace_back(at, std::move(bytes));
                else
                    heldBack[s].push_back(std::move(bytes));
            };
        }
        sides[0]->started = true;
        startGuestAt = roundTrip / 2;
    }

    int64_t nextEvent() const {
        int64_t next = (wall / Flush + 1) * Flush;
        for (const Pipe& p : pipes)
            if (!p.queue.empty()) next = std::min(next, p.queue.front().first);
        for (const auto& s : sides) {
            if (!s->started)
                next = std::min(next, startGuestAt);
            else if (const int64_t due = s->table.nextDue(); due >= 0)
                next = std::min(next, std::max(wall + 1, due + s->origin));
        }
        return std::max(next, wall + 1);
    }

    // Plays on to the wall's time `until`, or until both sides have settled.
    void runTo(int64_t until) {
        while (wall < until && !settled()) {
            wall = std::min(until, nextEvent());
            if (!sides[1]->started && wall >= startGuestAt) {
                sides[1]->started = true;
                sides[1]->origin = startGuestAt;
            }
            for (int s = 0; s < 2; ++s) {
                Pipe& pipe = pipes[s];
                while (!pipe.queue.empty() && pipe.queue.front().first <= wall) {
                    const auto& bytes = pipe.queue.front().second;
                    sides[1 - s]->link.receive(bytes.data(), bytes.size());
                    pipe.queue.pop_front();
                }
            }
            for (auto& side : sides) {
                if (!side->started) continue;
                const int64_t target = wall - side->origin;
                side->table.advanceTo(target);
                // Held at the other board: this side's clock stands still meanwhile.
                if (side->table.now() < target && !side->match.stopped(side->own)) {
                    side->waited += target - side->table.now();
                    side->origin += target - side->table.now();
                }
                if (wall % Flush == 0) side->link.flush();
            }
        }
    }
    bool settled() const { return sides[0]->match.settled() && sides[1]->match.settled(); }
    void hold(int s, bool on) {
        held[s] = on;
        if (on) return;
        for (auto& bytes : heldBack[s]) pipes[s].queue.emplace_back(wall, std::move(bytes));
        heldBack[s].clear();
    }

    static constexpr int64_t Flush = 40; // as the game sends its batches
    std::mt19937 rng;
    int64_t roundTrip, jitter;
    std::array<std::unique_ptr<Side>, 2> sides;
    std::array<Pipe, 2> pipes;
    std::array<bool, 2> held{};
    std::array<std::vector<std::vector<uint8_t>>, 2> heldBack;
    int64_t wall = 0, startGuestAt = 0;
};

// The sanitizers' build plays a tenth of them: it looks for memory faults, which the first
// matches meet as well as the last, at twenty times the cost.
#if defined(__SANITIZE_ADDRESS__)
constexpr int NetworkMatches = 50;
#else
constexpr int NetworkMatches = 500;
#endif

MatchSettings networkSettings(uint32_t seed, int64_t roundTrip) {
    MatchSettings m;
    m.seed = seed;
    m.roundsToWin = 1 + static_cast<int32_t>(seed % 2);
    m.startLevel = {static_cast<int32_t>(1 + seed % 3), static_cast<int32_t>(1 + (seed / 3) % 3)};
    m.cancelAttacks = seed % 2 == 0;
    m.attackDelay = wire::attackDelayFor(roundTrip);
    return m;
}

// Both sides end with one verdict and the same boards; neither waited nor saw a checksum
// differ; each side's recording plays again to its end.
TEST(NetworkMatch, computersAtBothEndsAgreeWhateverTheRoundTrip) {
    std::mt19937 draw(36);
    int64_t landings = 0, bytes = 0, played = 0;
    for (int i = 0; i < NetworkMatches; ++i) {
        const int64_t roundTrip = std::uniform_int_distribution<int64_t>(0, 400)(draw);
        const auto seed = static_cast<uint32_t>(draw());
        Network net(networkSettings(seed, roundTrip), roundTrip, roundTrip / 10, seed,
                    i % 2 ? CpuLevel::Greedy : CpuLevel::Random);
        net.runTo(30 * 60'000);
        SCOPED_TRACE(testing::Message() << "match " << i << " round trip " << roundTrip);
        ASSERT_TRUE(net.settled());
        const Match &host = net.sides[0]->match, &guest = net.sides[1]->match;
        for (const auto& s : net.sides) {
            EXPECT_EQ(s->link.trouble(), Link::Trouble::None);
            EXPECT_EQ(s->waited, 0);
        }
        EXPECT_EQ(host.results(), guest.results());
        EXPECT_EQ(host.end(), guest.end());
        EXPECT_EQ(replayEnd(host.recording()), host.end());
        EXPECT_EQ(replayEnd(guest.recording()), guest.end());
        landings += static_cast<int64_t>(host.landings(0).size() + host.landings(1).size());
        bytes += net.pipes[0].bytes + net.pipes[1].bytes;
        played += host.now();
        if (testing::Test::HasFailure()) break;
    }
    std::printf("figure: %d matches, %lld landings compared, %.0f bytes/s each way\n",
                NetworkMatches, static_cast<long long>(landings),
                played ? 1000.0 * static_cast<double>(bytes) / 2 / static_cast<double>(played)
                       : 0.0);
}

// A connection that stalls holds the other side's board at the last time it may reach (what the
// stalled side closed, plus the delay), its clock standing still, and the match plays on to one
// verdict once the messages come.
TEST(NetworkMatch, lateInputsHoldTheBoardAtItsLimitThenPlayOn) {
    Network net(networkSettings(7, 100), 100, 0, 7, CpuLevel::Greedy);
    net.runTo(5000);
    ASSERT_FALSE(net.settled());
    net.hold(0, true);
    net.runTo(9000);
    const Match& guest = net.sides[1]->match;
    EXPECT_EQ(guest.boardTime(1), guest.boardLimit(1));
    EXPECT_EQ(guest.boardLimit(1), net.sides[1]->link.peerThrough() + 500);
    EXPECT_TRUE(net.sides[1]->link.waiting());
    EXPECT_GT(net.sides[1]->waited, 3000);
    net.hold(0, false);
    net.runTo(30 * 60'000);
    ASSERT_TRUE(net.settled());
    EXPECT_EQ(net.sides[0]->match.end(), guest.end());
    EXPECT_EQ(net.sides[1]->link.trouble(), Link::Trouble::None);
}

// A player who holds the match paused for a minute loses the round; the other board, paused
// only because it follows, does not.
TEST(NetworkMatch, aMinutePausedByOnesOwnPlayerLosesTheRound) {
    MatchSettings settings = networkSettings(5, 0);
    settings.roundsToWin = 1;
    Match m(settings);
    m.advanceTo(100);
    m.handle(0, Command::Other);
    m.handle(1, Command::Other);
    m.advanceTo(1000);
    m.pause(0);
    m.follow(1, true);
    m.advanceTo(1000 + LongestPause - 10);
    EXPECT_FALSE(m.over());
    m.advanceTo(1000 + LongestPause + settings.attackDelay + 10);
    ASSERT_TRUE(m.over());
    EXPECT_EQ(m.winner(), 1);
}

std::vector<uint8_t> bytes(const wire::Message& m) {
    return wire::encode(m);
}

Input key(int64_t time, Command c = Command::Left) {
    return {time, InputKind::Handle, static_cast<int32_t>(c), 0, 0};
}

// Whatever the other side sends, the link ends with a reason or plays on; it never crashes,
// hangs or takes a board that is not the other side's.
TEST(NetworkMatch, hostileMessagesEndTheLinkWithAReason) {
    MatchSettings settings = networkSettings(3, 0);
    struct Case {
        const char* what;
        std::vector<std::vector<uint8_t>> messages;
        Link::Trouble trouble;
        size_t played = 0; // inputs that reached the boards before it
    };
    const std::vector<uint8_t> garbage{0xFF, 0x01, 0x02};
    auto truncated = bytes(wire::Inputs{100, {key(10), key(20)}});
    truncated.pop_back();
    auto trailing = bytes(wire::Landing{0, 1});
    trailing.push_back(0);
    std::vector<Input> tooFast;
    for (int i = 0; i < 60; ++i) tooFast.push_back(key(10 + i));
    const std::vector<Case> cases = {
        {"garbage", {garbage}, Link::Trouble::BadMessage},
        {"empty", {{}}, Link::Trouble::BadMessage},
        {"truncated", {truncated}, Link::Trouble::BadMessage},
        {"trailing bytes", {trailing}, Link::Trouble::BadMessage},
        {"greeting in a match", {bytes(wire::Hello{})}, Link::Trouble::BadMessage},
        {"far ahead", {bytes(wire::Inputs{5000, {}})}, Link::Trouble::BadMessage},
        {"back in time",
         {bytes(wire::Inputs{200, {key(100)}}), bytes(wire::Inputs{300, {key(150)}})},
         Link::Trouble::BadMessage,
         2}, // the key, and this side's board leaving the pause with it
        {"closed time going back",
         {bytes(wire::Inputs{200, {}}), bytes(wire::Inputs{100, {}})},
         Link::Trouble::BadMessage},
        {"faster than a person", {bytes(wire::Inputs{400, tooFast})}, Link::Trouble::BadMessage},
        {"a landing skipped", {bytes(wire::Landing{3, 1})}, Link::Trouble::BadMessage},
        {"a board out of step", {bytes(wire::Landing{0, 1})}, Link::Trouble::None},
        {"gone", {bytes(wire::Bye{wire::Farewell::Left})}, Link::Trouble::PeerLeft},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Match match(settings);
        Table table(match, 0);
        Link link(match, 0);
        table.seat(1, &link);
        link.send = [](std::vector<uint8_t>) {};
        table.advanceTo(10);
        link.flush(); // this side closed through 9: the other may come to 509
        for (const auto& m : c.messages) link.receive(m.data(), m.size());
        EXPECT_EQ(link.trouble(), c.trouble);
        EXPECT_EQ(match.inputs().size(), c.played);
    }
    // Its first landing not yet played here, the checksum waits; once played, it differs.
    Match match(settings);
    Table table(match, 0);
    Link link(match, 0);
    table.seat(1, &link);
    link.send = [](std::vector<uint8_t>) {};
    const auto wrong = bytes(wire::Landing{0, 1});
    link.receive(wrong.data(), wrong.size());
    for (int64_t t = 0; t < 20'000 && link.trouble() == Link::Trouble::None; t += 400) {
        table.advanceTo(t);
        link.flush();
        const auto closed = bytes(wire::Inputs{t, t == 0 ? std::vector<Input>{key(0, Command::Drop)}
                                                         : std::vector<Input>{}});
        link.receive(closed.data(), closed.size());
    }
    EXPECT_EQ(link.trouble(), Link::Trouble::OutOfStep);
}

} // namespace
} // namespace kp
