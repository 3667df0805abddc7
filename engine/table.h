#pragma once
// The boards in play on one clock and the seats that play them: a game alone, or a match's two
// boards. A seat (the computer, a recording played again, a player across the network) looks
// at the table at every instant something happens on it and whenever it asked to, and plays
// commands on its board; its times are the table's, never the wall's. A board without a seat
// is played from outside, through play(), by the keys of the person at the window.

#include "match.h"
#include "timeline.h"

#include <array>
#include <cstdint>
#include <functional>
#include <limits>

namespace kp {

class Seat {
  public:
    static constexpr int64_t Never = std::numeric_limits<int64_t>::max();
    using Play = std::function<void(Command)>;
    // Looks at the table at `now` and plays what is due through `play`; returns when it next
    // wants to look (Never: not before something happens on the table).
    virtual int64_t look(int64_t now, const Play& play) = 0;

  protected:
    ~Seat() = default;
};

// How a command from outside reaches its board: one move, or a held key's press or release
// for the game's own repeat.
enum class KeyEdge { Tap, Press, Release };

class Table final : public Timeline {
  public:
    // A game alone on its clock; `play` takes its commands (through whatever records them).
    Table(VirtualClock& clock, std::function<void(Command, KeyEdge)> play);
    // A match's two boards on the match's clock. In a match between two computers, `own` is the
    // board this one plays: the table runs on its time and plays it alone, the other board
    // being its seat's (the player across the network, whose inputs come late).
    explicit Table(Match& match, int own = -1);

    int boards() const { return match_ ? 2 : 1; }
    // The seat at board p, or none (null).
    void seat(int p, Seat* seat);
    // A command on board p from outside, at the table's time: every seat looks at once at what
    // it changed.
    void play(int p, Command command, KeyEdge edge = KeyEdge::Tap);
    bool over() const { return match_ && match_->settled(); }

    int64_t now() const override;
    // The next timer due or seat's look; -1 when neither is.
    int64_t nextDue() override;
    // Plays on to `time`: the seats look at each instant the table stops at, the timers fire
    // in between. A match stops at its end.
    void advanceTo(int64_t time) override;

  private:
    int64_t timersDue();
    void advanceClockTo(int64_t time);

    Match* match_ = nullptr;
    int own_ = -1;
    VirtualClock* clock_ = nullptr;
    std::function<void(Command, KeyEdge)> alone_;
    std::array<Seat*, 2> seats_{};
    std::array<Seat::Play, 2> plays_;
    std::array<int64_t, 2> looks_{Seat::Never, Seat::Never};
};

} // namespace kp
