#pragma once
// One computer's side of a match between two: its own board is played at once, by the keys
// here; the other board is this link's, played from the inputs the other computer sends, as
// they come. Each side sends its own inputs, the time through which it has sent them all, and
// its board's checksum at each landing; it checks the other's checksums against its own copy
// of that board, so that two computers out of step are seen at the first landing they differ.
//
// The link is the other board's seat at the table. It knows nothing of sockets or the wall
// clock: the window hands it the bytes that come and sends the bytes it gives.

#include "match.h"
#include "table.h"
#include "wire.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace kp {

class Link final : public Seat {
  public:
    enum class Trouble { None, BadMessage, OutOfStep, PeerLeft };
    // The most inputs a person gives in a second of match time (a held key repeats in the
    // game, not over the network).
    static constexpr int MaxInputsPerSecond = 40;
    // The most landings the other side may be ahead of this copy of its board.
    static constexpr size_t MaxLandingsAhead = 256;

    Link(Match& match, int own);

    // Where the messages go.
    std::function<void(std::vector<uint8_t>)> send;

    // A message from the other side. A message that breaks the rules (unreadable, out of
    // order, too fast, too far ahead) ends the link: trouble() says so, and nothing more is
    // taken. Returns false then.
    bool receive(const uint8_t* data, size_t size);
    // Closes this side's board through the instant before its time and sends what is new: its
    // inputs, the time they are closed through, its landings' checksums. At least every 50 ms.
    void flush();
    // Tells the other side that this one leaves (or why it stops).
    void leave(wire::Farewell reason);

    // The seat of the other board: plays its inputs come so far, and the pauses of one player
    // on the other's board.
    int64_t look(int64_t now, const Play& play) override;

    Trouble trouble() const { return trouble_; }
    wire::Farewell farewell() const { return farewell_; }
    // The time the other side has closed its board through, and its board's time here.
    int64_t peerThrough() const { return through_; }
    // The other board is this far behind this one's (ms): more than the attack delay, and this
    // board waits.
    int64_t lag() const;
    bool waiting() const;

  private:
    bool refuse(Trouble trouble);
    bool take(const wire::Inputs& inputs);
    bool take(const wire::Landing& landing);
    void playPeer();
    void compareLandings();

    Match& match_;
    int own_, peer_;
    std::deque<Input> pending_; // the other side's inputs not yet played
    int64_t through_ = -1;
    int64_t lastTime_ = -1;
    std::deque<int64_t> recent_; // times of the other side's latest inputs (the rate check)
    std::deque<uint64_t> peerLandings_;
    size_t peerLandingsFrom_ = 0; // index of peerLandings_.front()
    size_t landingsSent_ = 0;
    size_t inputsSent_ = 0;
    Trouble trouble_ = Trouble::None;
    wire::Farewell farewell_ = wire::Farewell::Left;
};

} // namespace kp
