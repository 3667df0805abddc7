#pragma once
// The computer player. It looks at the board as a person does, works out every place the
// falling capsule can still reach with the keys at its own hand speed while the capsule falls
// (cpu/reach.h), plays each landing through to the end of its chain (cpu/board.h), looks one
// capsule further with the preview, and then presses the keys of its choice at times of its
// own, through the same path as the keyboard. It never touches the board.
//
// CpuPlayer is one seat at the keys, at one of five levels or a baseline: its evaluation is in
// evaluation.cpp, the seat itself (what it sees, when it presses) in seat.cpp.

#include "cpu/reach.h"
#include "engine/events.h"
#include "engine/game.h"
#include "engine/table.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace kp {

// The weights of the evaluation (tools/versus tunes them by self-play).
struct CpuWeights {
    double smiley = 100;      // a smiley removed
    double cleared = 5000;    // the board cleared
    double lost = 100000;     // the entry taken
    double attack = 40;       // a half sent (in a match)
    double cell = 10;         // a cell removed
    double likeNeighbour = 4; // a half beside a cell of its colour
    double likeAbove = 6;     // ... or on top of one
    double buried = 10;       // a cell of another colour over a smiley
    double hole = 8;          // an empty cell under something
    double height = 1;        // each row a column stands
    double danger = 60;       // each row over the danger line at the entry columns
    double received = 30;     // a half waiting to fall in on us (in a match)
    double secondPly = 0.9;   // how much the preview's capsule counts
};

// The five levels of the computer player and the two baselines.
enum class CpuLevel { Beginner, Easy, Medium, Hard, Expert, Random, Greedy };
constexpr int CpuLevelCount = 7;

struct CpuProfile {
    const char* name;   // for the tools and the benchmarks; the window words the levels itself
    double thinkShare;  // how often a capsule is thought through (else a hasty choice)
    int plies;          // 1, or 2 with the preview
    int breadth;        // landings of the first capsule looked at with the second
    double temperature; // how far from the best its choice wanders (points of evaluation)
    CpuHands hands;
    int32_t dropPause;  // ms before the hard drop once only the fall is left; < 0 never drops
    int32_t startDelay; // ms before a key leaves the pause a level starts in
};
const CpuProfile& cpuProfile(CpuLevel level);

// Counts of the work done, for the benchmark and the runner.
struct CpuStats {
    int64_t decisions = 0;
    int64_t positions = 0; // landings evaluated
    int64_t nodes = 0;     // reachability states looked at
    int64_t keys = 0;
    int64_t offPlan = 0; // keys not sent because the capsule was not where planned
};

// What the evaluation is told of a match.
struct CpuMatchView {
    bool inMatch = false;
    int waiting = 0; // halves in our queue, about to fall in
};

// The best landing for the falling capsule of `s` and the keys to it, as `level` thinks,
// when the capsule came into view `elapsed` ms ago; std::nullopt when it is not in play.
// "Where would Expert put this capsule?"
struct CpuAdvice {
    CpuPlacement placement;
    double score = 0;
};
std::optional<CpuAdvice> cpuAdvice(const GameState& s, CpuLevel level = CpuLevel::Expert,
                                   int32_t elapsed = 0, const CpuWeights& weights = {});

class CpuPlayer final : public Seat {
  public:
    CpuPlayer(CpuLevel level, uint32_t seed, const CpuWeights& weights = {});

    // The board it plays and the clock it reads (the time of the driver that fires its timers).
    void watch(const Game& game, std::function<int64_t()> clock);
    // The events to give the board (Game or Match): it forwards them all to `next`, if any.
    GameEvents& eyes(GameEvents* next = nullptr);

    // Sends the keys due at `now` through `press`, and says when it next wants to look (it may
    // be asked earlier; never later than that, or its keys come late).
    int64_t look(int64_t now, const Play& press) override;

    void setMatchView(const CpuMatchView& v) { match_ = v; }
    CpuLevel level() const { return level_; }
    const CpuStats& stats() const { return stats_; }
    CpuWeights& weights() { return weights_; }
    // The evaluation of the landing last chosen.
    double lastScore() const { return lastScore_; }

    // Chooses a landing for the state's capsule, in view for `elapsed` ms (the work of one
    // decision, without the keys).
    CpuPlacement decide(const GameState& s, int32_t elapsed);

  private:
    struct Eyes : GameEvents {
        CpuPlayer* player = nullptr;
        GameEvents* next = nullptr;
        bool inView = false; // the capsule in play has been seen
        void cellChanged(int r, int c, int32_t code) override;
        void boardChanged() override;
        void previewChanged(int col, int32_t code) override;
        void counterChanged(Counter c) override;
        void messageChanged() override;
        void messageRepaint() override;
        void pauseChanged(bool p) override;
        void soundWanted(Sound s) override;
        void timerChanged(TimerId id) override;
        void windowShake(int dy) override;
        void pinupFrame(int f, PinupFigure fig) override;
        void panicChanged(bool h) override;
        void recordOffered() override;
        bool recordQualifies(int32_t level, int32_t smileys) override;
    };
    void capsuleEntered();

    CpuLevel level_;
    CpuProfile profile_;
    CpuWeights weights_;
    std::mt19937 rng_;
    const Game* game_ = nullptr;
    std::function<int64_t()> clock_;
    Eyes eyes_;
    CpuMatchView match_;
    CpuStats stats_;
    double lastScore_ = 0;

    // The capsule in hand.
    bool planned_ = false;
    int64_t entered_ = 0;
    CpuPlacement plan_;
    size_t nextKey_ = 0;
    int64_t dropAt_ = Never;
    int64_t resumeAt_ = Never;
};

// The computer at board p of a match: it sees the halves waiting for it and, unless it
// `resumes` (two computers), leaves the start of each round to the player.
class CpuMatchSeat final : public Seat {
  public:
    CpuMatchSeat(CpuPlayer& player, const Match& match, int p, bool resumes)
        : player_(player), match_(match), p_(p), resumes_(resumes) {}
    int64_t look(int64_t now, const Play& play) override {
        if (!resumes_ && match_.board(p_).state().paused) return Never;
        player_.setMatchView({true, static_cast<int>(match_.queue(p_).size())});
        return player_.look(now, play);
    }

  private:
    CpuPlayer& player_;
    const Match& match_;
    int p_;
    bool resumes_;
};

} // namespace kp
