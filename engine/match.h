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
    bool operator==(const MatchSettings& o) const;
};

constexpr int MaxAttack = 4; // halves one attack sends at most

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
    void pause();
    void resume();
    void togglePause();
    void panic();
    void unhide();

    // The one clock: now(), every timer due within ms, or the next instant's timers.
    int64_t now() const;
    void advance(int64_t ms);
    void advanceTo(int64_t time);
    bool step(); // false when no timer runs
    // The instant the next timer is due; -1 when none runs (a driver sleeps until then).
    int64_t nextDue();
    // Moves the time on to `time`, if it is later, firing nothing (a driver following the wall).
    void standAt(int64_t time);

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
    Ending end() const;
    // The timers fired since the match began (the measure of a replay's work).
    int64_t timersFired() const;

  private:
    struct Side;
    void startRound();
    void judge();
    void note(int32_t player, InputKind kind, int32_t value = 0);
    void chainEnded(int p, int end);
    void leavePause();

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
};

// One input of a recording given to the match, as a replay gives it (at the clock's time).
void feedInput(Match& match, const Input& input);

} // namespace kp
