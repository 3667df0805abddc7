#include "replay.h"

#include <algorithm>
#include <cmath>

namespace kp {

int64_t ReplaySeat::look(int64_t now, const Play&) {
    const auto& inputs = recording_.inputs;
    while (next_ < inputs.size() && inputs[next_].time <= now) {
        if (mayFeed && !mayFeed()) return Never;
        feed_(inputs[next_++]);
    }
    return next_ < inputs.size() ? inputs[next_].time : Never;
}

int64_t ReplaySeat::nextPlayerInput() const {
    const auto& inputs = recording_.inputs;
    size_t next = next_;
    while (next < inputs.size() && (inputs[next].board < 0 || inputs[next].kind == InputKind::Fire))
        ++next;
    return next < inputs.size() ? inputs[next].time : recording_.duration;
}

namespace {

int64_t endOf(const Recording& r) {
    return r.inputs.empty() ? r.duration : std::max(r.duration, r.inputs.back().time);
}

} // namespace

Replay::Replay(const Recording& recording, Game& game)
    : recording_(recording), game_(&game), seat_(recording, [this](const Input& in) { feed(in); }),
      end_(endOf(recording)) {
    visitedBefore_ = game.cellsVisited();
    drawsBefore_ = game.random().draws();
    beginReplay(game, recording);
    // Recorded timers are fed with the other inputs: the clock fires nothing.
    clock_ = recording.timersRecorded
                 ? std::make_unique<VirtualClock>(std::vector<Game*>{})
                 : std::make_unique<VirtualClock>(game, [this](TimerId id) { tick(id); });
    // Nobody plays a replay from outside: its seat feeds the board.
    table_ = std::make_unique<Table>(*clock_, [](Command, KeyEdge) {});
    table_->seat(0, &seat_);
}

Replay::Replay(const Recording& recording, Match& match)
    : recording_(recording), match_(&match),
      seat_(recording, [this](const Input& in) { feed(in); }), end_(endOf(recording)) {
    table_ = std::make_unique<Table>(match);
    table_->seat(0, &seat_);
}

Replay::~Replay() = default;

void Replay::feed(const Input& in) {
    if (heard) heard(in);
    if (match_)
        feedInput(*match_, in);
    else
        feedInput(*game_, recording_, in);
}

// A lost game's recording ends the moment the loss is declared, before any other timer of that
// instant: none fires on after it.
void Replay::tick(TimerId id) {
    const GameState& s = game_->state();
    if (s.message == Message::Lost && s.messageVisible) return;
    if (heard) heard({now(), InputKind::Fire, timerIndex(id)});
    game_->fire(id);
}

int64_t Replay::now() const {
    return table_->now();
}

bool Replay::atEnd() const {
    return seat_.fedAll() && now() >= end_;
}

int64_t Replay::nextDue() {
    if (atEnd()) return -1;
    const int64_t next = table_->nextDue();
    return next < 0 ? end_ : std::min(next, end_);
}

void Replay::advanceTo(int64_t time) {
    time = std::min(time, end_);
    table_->advanceTo(time);
    // Between two computers the boards play on to where the match stops, past the verdict.
    if (match_ && match_->settled()) {
        seat_.look(time, {});
        match_->standAt(time);
    }
}

Ending Replay::end() const {
    if (match_) return match_->end();
    return {{gameEnd(game_->state())}, {}};
}

int64_t Replay::work() const {
    int64_t visited = 0, ticks = 0;
    uint64_t draws = 0;
    if (match_) {
        for (int p = 0; p < 2; ++p) {
            visited += match_->board(p).cellsVisited();
            draws += match_->board(p).random().draws();
        }
        ticks = match_->timersFired();
    } else {
        visited = game_->cellsVisited() - visitedBefore_;
        draws = game_->random().draws() - drawsBefore_;
        ticks = clock_->fired();
    }
    return static_cast<int64_t>(seat_.fed()) * InputWork + ticks * TickWork + visited +
           DrawWork * static_cast<int64_t>(draws);
}

namespace {

// A level set-up: the whole grid, then the smileys' places drawn at random until each finds an
// empty cell. Filling all n places of the band takes n (1 + 1/2 + ... + 1/n) tries on average,
// two draws each, and each smiley placed draws its colour and its phase; four more for the two
// capsules.
int64_t setUpWork(const LevelParameters& p) {
    const double n = double(std::clamp(p.maxSmileyRows, 0, p.rows)) * p.columns;
    const double harmonic = n > 0 ? std::log(n) + 0.5772156649 + 1 / (2 * n) : 0;
    return GridCells + DrawWork * (static_cast<int64_t>(std::ceil(2 * n * harmonic + 2 * n)) + 4);
}

// The ticks of `game`'s timers until `until`, the board paused as it waits for its first key:
// each smiley animation step looks at the whole board.
int64_t waitWork(const Game& game, int64_t until) {
    const GameState& s = game.state();
    int64_t work = 0;
    for (int i = 0; i < TimerCount; ++i) {
        const TimerSlot& t = s.Timers[static_cast<size_t>(i)];
        if (!t.running()) continue;
        const int64_t ticks = until / t.period;
        work += ticks * TickWork;
        if (i == timerIndex(TimerId::SmileyAnimation))
            work += ticks * (int64_t{s.params.rows} + 1) * s.params.columns;
    }
    return work;
}

} // namespace

int64_t expectedReplayWork(const Recording& r) {
    // A wait of decades is as far past any limit as a longer one, and keeps the sum in range.
    constexpr int64_t LongestWait = int64_t{1} << 40;
    const int64_t first = r.inputs.empty() ? r.duration : r.inputs.front().time;
    const int64_t until = std::clamp<int64_t>(std::min(first, r.duration), 0, LongestWait);
    int64_t work = static_cast<int64_t>(r.inputs.size()) * InputWork;
    if (r.match) {
        Match m{MatchSettings(r)};
        const Replay start(r, m);
        work += start.work();
        for (int p = 0; p < 2; ++p) work += waitWork(m.board(p), until);
        return work;
    }
    int64_t setUp = setUpWork(r.params);
    for (const LevelParameters& p : r.parameters) setUp = std::max(setUp, setUpWork(p));
    const auto setUps =
        1 + std::count_if(r.inputs.begin(), r.inputs.end(), [](const Input& in) {
            return in.kind == InputKind::SkipLevel || in.kind == InputKind::RestartLevel;
        });
    work += setUps * setUp;
    if (!r.timersRecorded) {
        GameEvents nobody;
        const auto game = std::make_unique<Game>(nobody);
        beginReplay(*game, r);
        work += waitWork(*game, until);
    }
    return work;
}

ReplayRun replayWithin(const Recording& r, int64_t workLimit) {
    GameEvents nobody;
    std::unique_ptr<Game> game;
    std::unique_ptr<Match> match;
    std::unique_ptr<Replay> replay;
    if (r.match) {
        match = std::make_unique<Match>(MatchSettings(r));
        replay = std::make_unique<Replay>(r, *match);
    } else {
        game = std::make_unique<Game>(nobody);
        replay = std::make_unique<Replay>(r, *game);
    }
    bool within = replay->work() <= workLimit;
    replay->setMayFeed([&] { return within = within && replay->work() <= workLimit; });
    // Instant by instant, so that a long wait is measured as it goes.
    while (within && !replay->atEnd()) {
        replay->advanceTo(replay->nextDue());
        within = within && replay->work() <= workLimit;
    }
    ReplayRun run;
    run.finished = within;
    run.work = replay->work();
    run.end = replay->end();
    return run;
}

Ending replayEnd(const Recording& r) {
    return replayWithin(r, INT64_MAX).end;
}

} // namespace kp
