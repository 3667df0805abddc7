#include "link.h"

#include <algorithm>

namespace kp {

Link::Link(Match& match, int own) : match_(match), own_(own), peer_(1 - own) {}

bool Link::refuse(Trouble trouble) {
    if (trouble_ == Trouble::None) trouble_ = trouble;
    pending_.clear();
    return false;
}

bool Link::receive(const uint8_t* data, size_t size) {
    if (trouble_ != Trouble::None) return false;
    const std::optional<wire::Message> message = wire::decode(data, size);
    if (!message) return refuse(Trouble::BadMessage);
    if (const auto* inputs = std::get_if<wire::Inputs>(&*message)) return take(*inputs);
    if (const auto* landing = std::get_if<wire::Landing>(&*message)) return take(*landing);
    if (const auto* bye = std::get_if<wire::Bye>(&*message)) {
        farewell_ = bye->reason;
        return refuse(bye->reason == wire::Farewell::Left ? Trouble::PeerLeft : Trouble::OutOfStep);
    }
    return refuse(Trouble::BadMessage); // the greetings are over
}

// The other board can never be closed further than this one allows it (its limit), and its
// inputs come in time order, after what it closed, no faster than a person plays.
bool Link::take(const wire::Inputs& m) {
    if (m.through < through_ ||
        m.through > match_.closedThrough(own_) + match_.settings().attackDelay)
        return refuse(Trouble::BadMessage);
    for (const Input& in : m.inputs) {
        if (in.time <= through_ || in.time < lastTime_) return refuse(Trouble::BadMessage);
        lastTime_ = in.time;
        recent_.push_back(in.time);
        while (recent_.front() <= in.time - 1000) recent_.pop_front();
        if (recent_.size() > MaxInputsPerSecond) return refuse(Trouble::BadMessage);
        Input mine = in;
        mine.board = peer_;
        pending_.push_back(mine);
    }
    through_ = m.through;
    playPeer();
    return trouble_ == Trouble::None;
}

bool Link::take(const wire::Landing& m) {
    if (m.index != peerLandingsFrom_ + peerLandings_.size()) return refuse(Trouble::BadMessage);
    peerLandings_.push_back(m.checksum);
    compareLandings();
    if (peerLandings_.size() > MaxLandingsAhead) return refuse(Trouble::BadMessage);
    return trouble_ == Trouble::None;
}

void Link::compareLandings() {
    const std::vector<uint64_t>& ours = match_.landings(peer_);
    while (!peerLandings_.empty() && peerLandingsFrom_ < ours.size()) {
        if (ours[peerLandingsFrom_] != peerLandings_.front()) {
            refuse(Trouble::OutOfStep);
            return;
        }
        peerLandings_.pop_front();
        ++peerLandingsFrom_;
    }
}

// Each input at its time on the other board, then that board closed through what the other
// side closed. A pause or a resume of the other player's own is followed here at once.
void Link::playPeer() {
    const Game& peerBoard = match_.board(peer_);
    while (!pending_.empty()) {
        const Input in = pending_.front();
        pending_.pop_front();
        match_.closeBoard(peer_, in.time - 1);
        match_.advanceBoard(peer_, in.time);
        const bool before = peerBoard.state().paused;
        feedInput(match_, in);
        const bool after = peerBoard.state().paused;
        const bool ownPaused = match_.board(own_).state().paused;
        if (in.kind != InputKind::Follow && before != after && after != ownPaused)
            match_.follow(own_, after);
    }
    match_.closeBoard(peer_, through_);
    compareLandings();
}

void Link::flush() {
    if (trouble_ != Trouble::None || !send) return;
    // Once stopped, nothing more can come at its instant either.
    match_.closeBoard(own_, match_.boardTime(own_) - (match_.stopped(own_) ? 0 : 1));
    wire::Inputs m;
    m.through = match_.closedThrough(own_);
    const std::vector<Input>& given = match_.inputs();
    // Inputs of this very instant go with the next batch, which closes it.
    for (; inputsSent_ < given.size(); ++inputsSent_) {
        const Input& in = given[inputsSent_];
        if (in.board != own_ || in.kind == InputKind::Forfeit) continue;
        if (in.time > m.through) break;
        if (m.inputs.size() == wire::MaxInputs) {
            m.through = in.time - 1;
            break;
        }
        m.inputs.push_back(in);
    }
    send(wire::encode(m));
    const std::vector<uint64_t>& landings = match_.landings(own_);
    for (; landingsSent_ < landings.size(); ++landingsSent_)
        send(wire::encode(
            wire::Landing{static_cast<uint32_t>(landingsSent_), landings[landingsSent_]}));
}

void Link::leave(wire::Farewell reason) {
    if (send && trouble_ == Trouble::None) send(wire::encode(wire::Bye{reason}));
    if (trouble_ == Trouble::None) trouble_ = Trouble::PeerLeft;
}

int64_t Link::look(int64_t, const Play&) {
    if (trouble_ == Trouble::None) playPeer();
    return Never;
}

int64_t Link::lag() const {
    return match_.boardTime(own_) - match_.boardTime(peer_);
}

bool Link::waiting() const {
    return match_.boardTime(own_) >= match_.boardLimit(own_) && !match_.settled();
}

} // namespace kp
