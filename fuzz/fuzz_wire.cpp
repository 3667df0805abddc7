// The network messages on any bytes at all: a message read is written back to the very bytes it
// came from, and a link fed the bytes as a stream of messages from the other computer ends with
// a reason or plays on, within the bounds it keeps.
#include "fuzz/scratch.h"

#include "engine/link.h"
#include "engine/wire.h"

namespace {

using kp::fuzz::Check;
namespace wire = kp::wire;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (const auto message = wire::decode(data, size)) {
        const std::vector<uint8_t> again = wire::encode(*message);
        Check(again == std::vector<uint8_t>(data, data + size),
              "a message read is written back to its bytes");
    }

    // The same bytes as messages of a match, each led by its length (one byte).
    kp::MatchSettings settings;
    settings.attackDelay = wire::MinAttackDelay;
    kp::Match match(settings);
    kp::Table table(match, 0);
    kp::Link link(match, 0);
    table.seat(1, &link);
    size_t sent = 0;
    link.send = [&sent](std::vector<uint8_t> bytes) { sent += bytes.size(); };
    int64_t now = 0;
    for (size_t at = 0; at < size;) {
        const size_t n = std::min<size_t>(data[at], size - at - 1);
        link.receive(data + at + 1, n);
        at += n + 1;
        now += 50;
        table.advanceTo(now);
        link.flush();
    }
    Check(match.boardTime(1) <= match.boardLimit(1), "the other board keeps to its limit");
    return 0;
}
