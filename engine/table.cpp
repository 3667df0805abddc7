#include "table.h"

#include <algorithm>

namespace kp {

Table::Table(VirtualClock& clock, std::function<void(Command, KeyEdge)> play)
    : clock_(&clock), alone_(std::move(play)) {
    plays_[0] = [this](Command c) { alone_(c, KeyEdge::Tap); };
}

Table::Table(Match& match, int own) : match_(&match), own_(match.apart() ? own : -1) {
    for (int p = 0; p < 2; ++p) plays_[p] = [this, p](Command c) { match_->handle(p, c); };
}

void Table::seat(int p, Seat* seat) {
    seats_[p] = seat;
    looks_[p] = seat ? now() : Seat::Never;
}

void Table::play(int p, Command command, KeyEdge edge) {
    if (match_) {
        if (edge == KeyEdge::Press)
            match_->press(p, command);
        else if (edge == KeyEdge::Release)
            match_->release(p, command);
        else
            match_->handle(p, command);
    } else {
        alone_(command, edge);
    }
    for (int s = 0; s < boards(); ++s)
        if (seats_[s]) looks_[s] = now();
}

int64_t Table::now() const {
    if (own_ >= 0) return match_->boardTime(own_);
    return match_ ? match_->now() : clock_->now();
}

// The board played here waits at its limit until the other's inputs come: nothing is due on
// it before then.
int64_t Table::timersDue() {
    if (own_ >= 0) {
        const int64_t due = match_->boardDue(own_);
        return due > match_->boardLimit(own_) ? -1 : due;
    }
    return match_ ? match_->nextDue() : clock_->nextDue();
}

int64_t Table::nextDue() {
    if (over()) return -1;
    int64_t next = timersDue();
    for (int p = 0; p < boards(); ++p)
        if (seats_[p] && looks_[p] != Seat::Never)
            next = next < 0 ? looks_[p] : std::min(next, looks_[p]);
    return next;
}

void Table::advanceClockTo(int64_t time) {
    if (own_ >= 0)
        match_->advanceBoard(own_, time);
    else if (match_)
        match_->advanceTo(time);
    else
        clock_->advanceTo(time);
}

void Table::advanceTo(int64_t time) {
    for (;;) {
        const int64_t now = this->now();
        int64_t next = time;
        for (int p = 0; p < boards(); ++p) {
            if (!seats_[p]) continue;
            looks_[p] = seats_[p]->look(now, plays_[p]);
            if (over()) return;
            next = std::min(next, looks_[p]);
        }
        if (now >= time) return;
        // On to whatever comes first: the time asked, the next timer, a seat's next look.
        if (const int64_t due = timersDue(); due >= 0) next = std::min(next, due);
        advanceClockTo(std::max(next, now + 1));
        if (this->now() == now) return; // held at the other board's inputs
    }
}

} // namespace kp
