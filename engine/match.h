#pragma once
// A versus match: two boards, one deal, attacks between them, rounds to a count. Plain rules on
// virtual time, like the Game it is made of: nothing here sleeps or reads a clock.
//
// - One deal. Every round both boards are set up from the round's seed: the same level gives
//   the same smileys, and both boards draw their capsules from one sequence of their own, so
//   both get the same capsules whatever their levels. Round k (from 0) plays on
//   roundSeed(seed, k).
// - Attacks. When the chain started by one landing ends, the runs it removed are counted (a
//   cross of two lines is two runs). Two or more send the opponent that many loose halves, four
//   at most, in the colours of the first runs removed, in order. With cancelAttacks, an attack
//   first takes back halves waiting in the sender's own queue, one for one.
// - The halves wait in the receiver's queue until the chain under way there ends, then drop in
//   from row 1 before its next capsule enters, each in its own column drawn by the match's
//   generator among the columns whose row-1 cell is free (halves with no free column wait for
//   the next capsule). They fall and are searched like any loose halves; the runs they complete
//   send nothing back.
// - Rounds. A board with no smiley left wins the round; a board whose entry is taken loses it.
//   Boards ending at one instant are judged together: one that cleared beats one that did not;
//   two that cleared draw; two blocked, the fewer smileys left wins, equal ones draw. A drawn
//   round counts for nobody. A new round starts at once (paused, as a level starts) until one
//   player has won roundsToWin rounds.
// - Time. Both boards' timers run on one virtual clock; timers due at one instant all fire
//   before the instant is judged: each board's in timer order, the two boards taking turns to
//   go first at the instants they share. A command given at a time comes after the timers due
//   then.
// - Pause and panic stop both boards; any command leaves the pause on both.
// - Apart: a match between two computers (attackDelay > 0) plays each board on its own time, so
//   that each computer plays its own board at once and the other's as its inputs come. An
//   attack made at S falls at the receiver's first chain end at or after S + attackDelay; a
//   round ends for both at E + attackDelay, E the first end of a board, and is judged by who
//   ended first (together at one instant, as above). A board is played to T only once the
//   other's inputs are closed through T - attackDelay: nothing on it can depend on more. Pause,
//   panic and any command are each board's own; a board paused by its own player for a minute
//   loses the round; a board's player who leaves loses the match.
// - Everything given to a match is recorded (recording()); replay.h plays it again to the same
//   end.

#include "game.h"
#include "recording.h"
#include "virtual_clock.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace kp {

struct MatchSettings {
    MatchSettings() = default;
    // The settings a recorded match began with.
    explicit MatchSettings(const Recording& recording);
    LevelParameters params;
    GameOptions options;
    std::array<int32_t, 2> startLevel{1, 1};
    int32_t roundsToWin = 2;
    bool cancelAttacks = false;
    uint32_t seed = 0;
    int32_t attackDelay = 0; // ms; 0 plays both boards on one time
    bool operator==(const MatchSettings& o) const;
};

constexpr int MaxAttack = 4;             // halves one attack sends at most
constexpr int64_t LongestPause = 60'000; // ms a board's player may keep a match apart paused

uint32_t roundSeed(uint32_t matchSeed, int32_t round);

class Match {
  public:
    // The events of each board (the window's); null for a board nobody watches.
    explicit Match(const MatchSettings& settings, GameEvents* events0 = nullptr,
                   GameEvents* events1 = nullptr);
    ~Match();
    Match(const Match&) = delete;
    Match& operator=(const Match&) = delete;

    const MatchSettings& settings() const { return settings_; }
    Game& board(int p) { return *boards_[p]; }
    const Game& board(int p) const { return *boards_[p]; }

    // Player p's command, through the same path as a key (Game::handle); press and release for
    // a window that repeats held keys itself. Panic hides both boards.
    void handle(int p, Command c);
    void press(int p, Command c);
    void release(int p, Command c);
    // Both boards' (p < 0), or, in a match apart, board p's alone.
    void pause(int p = -1);
    void resume(int p = -1);
    void togglePause(int p = -1);
    void panic(int p = -1);
    void unhide(int p = -1);

    // The one clock: now(), every timer due within ms, or the next instant's timers.
    int64_t now() const;
    void advance(int64_t ms);
    void advanceTo(int64_t time);
    bool step(); // false when no timer runs
    // The instant the next timer is due; -1 when none runs (a driver sleeps until then).
    int64_t nextDue();
    // Moves the time on to `time`, if it is later, firing nothing (a driver following the wall).
    void standAt(int64_t time);

    // A match apart: each board's own time, and the time through which its inputs are all
    // given (closed: none will come at or before it).
    bool apart() const { return settings_.attackDelay > 0; }
    int64_t boardTime(int p) const;
    int64_t closedThrough(int p) const { return closed_[p]; }
    // How far board p may be played: the other board's closed time plus the delay, and never
    // past where the match stops.
    int64_t boardLimit(int p) const;
    // When something is next due on board p alone (-1: nothing).
    int64_t boardDue(int p);
    // Plays board p alone on to `time`, or as far as its limit allows; returns its time.
    int64_t advanceBoard(int p, int64_t time);
    // Board p's inputs are all given through `time`: plays it on to there and closes it.
    void closeBoard(int p, int64_t time);
    // Board p's player pauses or resumes with the other's (a pause not theirs: it does not count
    // against them).
    void follow(int p, bool paused);
    // Board p's player left: the other player wins the match.
    void forfeit(int p);
    // The board's checksum after each chain it played (every landing): two computers playing
    // the same match compare them.
    const std::vector<uint64_t>& landings(int p) const { return landings_[p]; }
    // Board p played to where the match stops: no input of it counts any more.
    bool stopped(int p) const;
    // Over, and both boards played to where the match stops: the end is the same everywhere.
    bool settled() const;

    // The colours waiting in player p's queue, the first to fall first.
    const std::vector<int32_t>& queue(int p) const { return queues_[p]; }
    // Halves player p has sent in all, over the match, and in how many attacks.
    int64_t sent(int p) const { return sent_[p]; }
    int64_t attacks(int p) const { return attacks_[p]; }
    // The most runs' searches one landing of player p's set off, over the match.
    int32_t longestChain(int p) const { return longestChain_[p]; }

    int32_t round() const { return static_cast<int32_t>(results_.size()); } // rounds finished
    const std::vector<int32_t>& results() const { return results_; }        // -1 a draw
    int32_t roundWinner() const { return results_.empty() ? -1 : results_.back(); }
    int32_t roundsWon(int p) const;
    // Board p as the last round ended, before the next one was set up on it.
    const GameState& roundEnd(int p) const { return roundEnds_[p]; }
    bool over() const;
    int32_t winner() const; // -1 until over

    // Its inputs are given as they came: each player's on the board they went to (0 or 1), pause
    // and panic on both (-1), in the kinds of a game alone's (Handle, Press, Release with the
    // command as value; Pause, Resume, TogglePause, Panic, Unhide).
    const Recording& recording() const;
    // Who plays each board, for the recording (a match between two computers).
    void setPlayers(const std::array<std::string, 2>& names) { recording_.players = names; }
    // The inputs as they were given, each board's at its time (apart, not in time order).
    const std::vector<Input>& inputs() const { return given_; }
    Ending end() const;
    // The timers fired since the match began (the measure of a replay's work).
    int64_t timersFired() const;

  private:
    struct Side;
    struct Apart;
    void startRound();
    void startRound(int p);
    void judge();
    void judgeApart();
    int32_t verdict(int e0, int e1) const;
    void send(int p, const std::vector<int32_t>& halves);
    void boardEnded(int p, int64_t time);
    void note(int32_t player, InputKind kind, int32_t value = 0);
    void chainEnded(int p, int end);
    void leavePause(int p);
    std::vector<Game*> reached(int p);
    bool accepts(int p) const;
    void synced(int p);
    void takeArrivals(int p);
    int64_t nextDueApart();
    void advanceApartTo(int64_t time);

    MatchSettings settings_;
    std::array<std::unique_ptr<GameEvents>, 2> nobody_;
    std::array<std::unique_ptr<Side>, 2> sides_;
    std::array<std::unique_ptr<Game>, 2> boards_;
    std::unique_ptr<VirtualClock> clock_;
    std::array<std::vector<int32_t>, 2> queues_;
    std::array<int64_t, 2> sent_{};
    std::array<int64_t, 2> attacks_{};
    std::array<int32_t, 2> longestChain_{};
    std::vector<int32_t> results_;
    std::array<GameState, 2> roundEnds_;
    mutable Recording recording_;
    std::vector<Input> given_;
    // A match apart: each board's clock, what is on its way to it, and the round's ends.
    std::array<std::unique_ptr<VirtualClock>, 2> clocks_;
    std::array<int64_t, 2> closed_{-1, -1};
    std::unique_ptr<Apart> apart_;
    std::array<std::vector<uint64_t>, 2> landings_;
};

// One input of a recording given to the match, as a replay gives it (at the clock's time).
void feedInput(Match& match, const Input& input);
// A checksum of what decides how a board plays on: its cells, capsules, counters, generators.
uint64_t boardChecksum(const Game& board);

} // namespace kp
