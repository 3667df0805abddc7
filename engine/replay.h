#pragma once
// A recording played again: a game alone or a match on a table, a seat feeding the inputs at
// their times to the boards they went to while the table's clock fires the timers (none, when
// the recording holds their fires). The window plays it on the wall's time at a replay's speed,
// a replay file is judged by it where nobody sees it, and the statistics count what it shows.

#include "match.h"
#include "recording.h"
#include "table.h"
#include "virtual_clock.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace kp {

// Feeds a recording's inputs, each once the table's time has come to it.
class ReplaySeat final : public Seat {
  public:
    using Feed = std::function<void(const Input&)>;
    ReplaySeat(const Recording& recording, Feed feed)
        : recording_(recording), feed_(std::move(feed)) {}
    int64_t look(int64_t now, const Play& play) override;
    bool fedAll() const { return next_ == recording_.inputs.size(); }
    size_t fed() const { return next_; }
    // When the next input of a player comes (a timer's fire or a pause or panic of both boards
    // is not one), or the recording's end.
    int64_t nextPlayerInput() const;
    // Asked before each input: while false, the inputs wait (the work limit).
    std::function<bool()> mayFeed;

  private:
    const Recording& recording_;
    Feed feed_;
    size_t next_ = 0;
};

class Replay final : public Timeline {
  public:
    // A game alone played again on `game`, begun here as the recording began.
    Replay(const Recording& recording, Game& game);
    // A match played again on `match`, new and made with the recording's settings.
    Replay(const Recording& recording, Match& match);
    ~Replay();
    Replay(const Replay&) = delete;
    Replay& operator=(const Replay&) = delete;

    int64_t now() const override;
    // The next timer or input due, or the recording's end; -1 once there.
    int64_t nextDue() override;
    // Plays on to `time`, never past the recording's end. A match over goes on to it all the
    // same, its inputs fed and its time standing on.
    void advanceTo(int64_t time) override;
    void playToEnd() { advanceTo(end_); }
    // Plays up to and including the next input of a player.
    void step() { advanceTo(nextPlayerInput()); }
    int64_t nextPlayerInput() const { return seat_.nextPlayerInput(); }
    // Every input fed, and the time at the recording's end.
    bool atEnd() const;
    Ending end() const;

    // The work done so far: each input fed counts InputWork, each timer the clock fired
    // TickWork, each cell the boards visited one and each random number they drew DrawWork.
    int64_t work() const;
    // Asked before each input: while false, the inputs wait.
    void setMayFeed(std::function<bool()> mayFeed) { seat_.mayFeed = std::move(mayFeed); }
    // A game alone's: told of each input before it is fed, and of each timer the clock fires
    // as a Fire of that timer.
    std::function<void(const Input&)> heard;

  private:
    void feed(const Input& input);
    void tick(TimerId id);

    const Recording& recording_;
    Game* game_ = nullptr;
    Match* match_ = nullptr;
    ReplaySeat seat_;
    std::unique_ptr<VirtualClock> clock_;
    std::unique_ptr<Table> table_;
    int64_t end_ = 0; // the recording's duration, never before its last input
    int64_t visitedBefore_ = 0;
    uint64_t drawsBefore_ = 0;
};

// The measure of a replay's work, in cell visits: what the boards visit as they play (every
// look at the whole board, every level set-up's whole grid), every random number drawn as
// DrawWork visits (a set-up draws places until each smiley finds an empty cell, ever more tries
// as the board fills up), every input as InputWork and every timer the clock fires as
// TickWork, what handling one costs beside the cells it visits (the clock looks over the
// boards' timers before and after it, the rules' handler is called: on the smallest board most
// of a tick). Each is about what it costs in time (bench/engine_bench, the costliest files).
constexpr int64_t GridCells = int64_t{GridSize} * GridSize;
constexpr int64_t DrawWork = 6;
constexpr int64_t InputWork = 250;
constexpr int64_t TickWork = 200;

// What a replay is sure to cost before it starts: its inputs; the level set-ups a game alone
// asks for (its start, its restarts and skips), each filling in the most smileys the
// parameters allow with the tries that takes on average, or a match's first round; and, where
// the clock fires the timers, its ticks until the first input (until the end, with none): the
// boards wait paused, only the chrono's and the smileys' timers run.
int64_t expectedReplayWork(const Recording& recording);

struct ReplayRun {
    bool finished = false; // false: stopped once the work passed the limit
    int64_t work = 0;      // the work done
    Ending end;            // where the boards stood when it stopped
};
// Plays the recording where nobody sees it, stopping at the first instant or input that would
// start once the work has passed `workLimit`.
ReplayRun replayWithin(const Recording& recording, int64_t workLimit);
// Plays the whole recording where nobody sees it and says how it ended.
Ending replayEnd(const Recording& recording);

} // namespace kp
