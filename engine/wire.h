#pragma once
// The messages two computers playing a match send each other, and their bytes: a kind, then
// numbers as variable-length integers (seven bits a byte, low first; signed ones zigzagged) and
// strings as a length and UTF-8. Only inputs travel during a match: each side plays both boards
// from them, so a message never says what happened, only what a player did and when.
//
// A message from the other side is read defensively: any length, count, kind or number outside
// what this game sends makes the whole message unreadable, never a crash or a large allocation.

#include "match.h"
#include "recording.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace kp::wire {

constexpr uint32_t Protocol = 1;
constexpr size_t MaxMessage = 4096; // bytes
constexpr size_t MaxInputs = 128;   // inputs in one message
constexpr size_t MaxName = 64;      // bytes of a player's name
constexpr int32_t MaxAttackDelay = 5000;
constexpr int32_t MinAttackDelay = 500;

enum class Refusal : uint8_t { WrongCode = 1, Incompatible, Busy };
enum class Farewell : uint8_t { Left = 1, OutOfStep, BadMessage, TimedOut };

// The guest's first words: who it is, which rules it plays, the host's code.
struct Hello {
    uint32_t protocol = Protocol;
    uint64_t rules = 0;
    std::string name;
    std::string code;
};
// The host takes the guest: the match's settings (the attack delay among them) and its name.
struct Welcome {
    MatchSettings settings;
    std::string name;
};
struct Refused {
    Refusal reason = Refusal::Incompatible;
};
// Round trips, timed by the host before the match.
struct Ping {
    uint64_t stamp = 0;
};
struct Pong {
    uint64_t stamp = 0;
};
// The match begins for the receiver at once: its time 0.
struct Start {};
// The sender's inputs on its own board since its last, in time order, and the time through
// which it has given them all.
struct Inputs {
    int64_t through = 0;
    std::vector<Input> inputs; // board not sent: always the sender's
};
// The checksum of the sender's own board after its landing number `index` (from 0).
struct Landing {
    uint32_t index = 0;
    uint64_t checksum = 0;
};
struct Bye {
    Farewell reason = Farewell::Left;
};

using Message = std::variant<Hello, Welcome, Refused, Ping, Pong, Start, Inputs, Landing, Bye>;

std::vector<uint8_t> encode(const Message& message);
// Nothing when the bytes are not one whole message of this protocol.
std::optional<Message> decode(const uint8_t* data, size_t size);

// What two games must share to play one match: the rules' tables and how a short match plays
// under them. Two builds with any rule changed differ here.
uint64_t rulesChecksum();

// A code to give the friend: six letters and digits, none that reads as another (no 0, O, 1,
// I), from any 64-bit random number.
std::string joinCode(uint64_t random);
constexpr std::string_view CodeLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";

// The delay an attack takes between two computers whose round trip is `roundTrip` ms: room
// for the trip, the batching and some jitter, never under MinAttackDelay.
int32_t attackDelayFor(int64_t roundTrip);

} // namespace kp::wire
