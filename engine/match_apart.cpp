// A match between two computers: each board on its own time, tied to the other's only by the
// attack delay (see match.h). Each computer plays its own board at once and the other's as its
// inputs come; both play the same inputs at the same times and so reach the same boards.

#include "match.h"
#include "match_parts.h"

#include "hash.h"

#include <algorithm>

namespace kp {

int64_t Match::boardTime(int p) const {
    return apart() ? clocks_[p]->now() : clock_->now();
}

int64_t Match::boardLimit(int p) const {
    return closed_[1 - p] + settings_.attackDelay;
}

bool Match::stopped(int p) const {
    return apart_ && (apart_->stopped[p] || apart_->forfeited);
}

bool Match::settled() const {
    if (!apart()) return over();
    return over() && (apart_->forfeited || (apart_->stopped[0] && apart_->stopped[1]));
}

void Match::send(int p, const std::vector<int32_t>& halves) {
    if (!apart()) {
        queues_[1 - p].insert(queues_[1 - p].end(), halves.begin(), halves.end());
        return;
    }
    const int64_t lands = boardTime(p) + settings_.attackDelay;
    for (int32_t colour : halves)
        apart_->arriving[1 - p].push_back({lands, colour, apart_->rounds[p]});
}

// The sender's time only grows: what is on its way arrives in the order it was sent.
void Match::takeArrivals(int p) {
    auto& on = apart_->arriving[p];
    const int64_t now = boardTime(p);
    const int32_t round = apart_->rounds[p];
    size_t n = 0;
    for (; n < on.size() && (on[n].round < round || (on[n].round == round && on[n].time <= now));
         ++n)
        if (on[n].round == round) queues_[p].push_back(on[n].colour);
    on.erase(on.begin(), on.begin() + static_cast<std::ptrdiff_t>(n));
}

void Match::boardEnded(int p, int64_t time) {
    if (apart_->ended[p] < 0) apart_->ended[p] = time;
}

// The round is decided once the first end is known and the other board is known not to have
// ended before it: ended itself, or closed through then.
void Match::judgeApart() {
    Apart& a = *apart_;
    if (over() || a.rounds[0] < round() || a.rounds[1] < round()) return;
    int64_t first = -1;
    for (int64_t e : a.ended)
        if (e >= 0 && (first < 0 || e < first)) first = e;
    if (first < 0) return;
    for (int q = 0; q < 2; ++q)
        if ((a.ended[q] < 0 || a.ended[q] > first) && closed_[q] < first) return;
    const int e0 = a.ended[0] == first ? sides_[0]->end : 0;
    const int e1 = a.ended[1] == first ? sides_[1]->end : 0;
    results_.push_back(verdict(e0, e1));
    a.restart = first + settings_.attackDelay;
}

void Match::follow(int p, bool paused) {
    if (!accepts(p)) return;
    note(p, InputKind::Follow, paused ? 1 : 0);
    Game& b = *boards_[p];
    if (paused && !b.state().paused)
        b.pause();
    else if (!paused && b.state().paused)
        b.resume();
    apart_->ownPause[p] = -1;
    synced(p);
}

void Match::forfeit(int p) {
    if (!apart() || over() || p < 0 || p > 1) return;
    note(p, InputKind::Forfeit);
    while (!over()) results_.push_back(1 - p);
    apart_->forfeited = true;
}

int64_t Match::advanceBoard(int p, int64_t time) {
    Apart& a = *apart_;
    VirtualClock& clock = *clocks_[p];
    Side& side = *sides_[p];
    time = std::min(time, boardLimit(p));
    while (!stopped(p)) {
        // A board ended: the round ends for both at that end plus the delay, decided or not.
        if (a.rounds[p] == round())
            for (int q = 0; q < 2; ++q)
                if (a.ended[q] >= 0 && a.rounds[q] == round())
                    time = std::min(time, a.ended[q] + settings_.attackDelay);
        const int64_t due = clock.nextDue();
        const auto first = [&](int64_t at) { return at <= time && (due < 0 || at <= due); };
        // The decided round ends on this board, before its timers of that instant.
        if (a.rounds[p] < round() && first(a.restart)) {
            clock.standAt(a.restart);
            roundEnds_[p] = boards_[p]->state();
            if (over()) {
                a.stopped[p] = true;
                break;
            }
            ++a.rounds[p];
            a.ended[p] = -1;
            a.ownPause[p] = -1;
            startRound(p);
            clock.rearmAll();
            continue;
        }
        // A board its own player keeps paused a minute loses the round.
        if (a.rounds[p] == round() && side.end == 0 && a.ownPause[p] >= 0 &&
            first(a.ownPause[p] + LongestPause)) {
            clock.standAt(a.ownPause[p] + LongestPause);
            side.end = static_cast<int>(BoardHooks::End::Lost);
            boardEnded(p, clock.now());
            judgeApart();
            continue;
        }
        if (due < 0 || due > time) break;
        clock.step();
        judgeApart();
    }
    if (!stopped(p)) clock.standAt(time);
    return clock.now();
}

void Match::closeBoard(int p, int64_t time) {
    const int64_t reached = advanceBoard(p, time);
    closed_[p] = std::max(closed_[p], std::min(time, reached));
    judgeApart();
}

int64_t Match::boardDue(int p) {
    if (stopped(p)) return -1;
    const int64_t due = clocks_[p]->nextDue();
    if (apart_->rounds[p] < round() && (due < 0 || apart_->restart < due)) return apart_->restart;
    return due;
}

int64_t Match::nextDueApart() {
    int64_t next = -1;
    for (int p = 0; p < 2; ++p)
        if (const int64_t due = boardDue(p); due >= 0 && (next < 0 || due < next)) next = due;
    return next;
}

// Both boards on one time, as a replay plays them: each closed through the instant before,
// so that the inputs of `time` may still come.
void Match::advanceApartTo(int64_t time) {
    for (int guard = 0; guard < 1'000'000; ++guard) {
        bool moved = false;
        for (int p = 0; p < 2; ++p) {
            const int64_t before = boardTime(p), closedBefore = closed_[p];
            const int64_t to = std::min(time, boardLimit(p));
            closeBoard(p, to - 1);
            advanceBoard(p, to);
            moved = moved || boardTime(p) != before || closed_[p] != closedBefore;
        }
        if (!moved || settled()) break;
    }
}

uint64_t boardChecksum(const Game& board) {
    const GameState& s = board.state();
    Fnv1a sum;
    sum.value = gameEnd(s).checksum;
    for (int32_t v : {s.capsule.row, s.capsule.col, s.capsule.orientation, s.capsule.half1,
                      s.capsule.half2, s.nextHalf1, s.nextHalf2, static_cast<int32_t>(s.phase),
                      static_cast<int32_t>(s.capsuleInGrid), static_cast<int32_t>(s.paused)})
        sum.add(v);
    sum.add(static_cast<int32_t>(board.random().seed()));
    if (const Random* capsules = board.capsuleRandom())
        sum.add(static_cast<int32_t>(capsules->seed()));
    return sum.value;
}

} // namespace kp
