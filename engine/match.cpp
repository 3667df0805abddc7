#include "match.h"
#include "match_parts.h"

#include <algorithm>

namespace kp {

bool MatchSettings::operator==(const MatchSettings& o) const {
    auto paramsEqual = [](const LevelParameters& a, const LevelParameters& b) {
        for (const ParameterRange& r : ParameterRanges)
            if (a.*r.field != b.*r.field) return false;
        return true;
    };
    const GameOptions &a = options, &b = o.options;
    return paramsEqual(params, o.params) && a.smileyAnimation == b.smileyAnimation &&
           a.removalAnimation == b.removalAnimation && a.shake == b.shake && a.Pinup == b.Pinup &&
           a.repeatDelay == b.repeatDelay && a.repeatInterval == b.repeatInterval &&
           a.turnLeavesTheWell == b.turnLeavesTheWell && startLevel == o.startLevel &&
           roundsToWin == o.roundsToWin && cancelAttacks == o.cancelAttacks && seed == o.seed &&
           attackDelay == o.attackDelay;
}

MatchSettings::MatchSettings(const Recording& r)
    : params(r.params), options(r.options), seed(r.seed) {
    if (!r.match) return;
    startLevel = r.match->startLevel;
    roundsToWin = r.match->roundsToWin;
    cancelAttacks = r.match->cancelAttacks;
    attackDelay = r.match->attackDelay;
}

uint32_t roundSeed(uint32_t matchSeed, int32_t round) {
    return matchSeed + static_cast<uint32_t>(round) * 0x9E3779B9u;
}

namespace {
// The other generators of a round, from its seed: the capsules, and the columns of the halves.
uint32_t mix(uint32_t x, uint32_t salt) {
    x ^= salt;
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}
} // namespace

Match::Match(const MatchSettings& settings, GameEvents* events0, GameEvents* events1)
    : settings_(settings) {
    recording_.seed = settings.seed;
    recording_.params = settings.params;
    recording_.options = settings.options;
    recording_.match = MatchRules{settings.startLevel, settings.roundsToWin, settings.cancelAttacks,
                                  settings.attackDelay};
    GameEvents* events[2] = {events0, events1};
    for (int p = 0; p < 2; ++p) {
        if (!events[p]) {
            nobody_[p] = std::make_unique<GameEvents>();
            events[p] = nobody_[p].get();
        }
        sides_[p] = std::make_unique<Side>();
        sides_[p]->match = this;
        sides_[p]->p = p;
        boards_[p] = std::make_unique<Game>(*events[p], settings.seed);
        Game& g = *boards_[p];
        g.setHooks(sides_[p].get());
        g.setParameters(settings.params);
        applyOptions(g, settings.options);
    }
    if (apart()) {
        apart_ = std::make_unique<Apart>();
        for (int p = 0; p < 2; ++p) clocks_[p] = std::make_unique<VirtualClock>(*boards_[p]);
        clock_ = std::make_unique<VirtualClock>(std::vector<Game*>{});
    } else {
        clock_ =
            std::make_unique<VirtualClock>(std::vector<Game*>{boards_[0].get(), boards_[1].get()});
    }
    startRound();
    clock_->rearmAll();
}

Match::~Match() = default;

void Match::startRound() {
    for (int p = 0; p < 2; ++p) startRound(p);
}

void Match::startRound(int p) {
    const uint32_t seed = roundSeed(settings_.seed, round());
    {
        Side& side = *sides_[p];
        side.columns.setSeed(mix(seed, 0xC0111u));
        side.removed.clear();
        side.receiving = false;
        side.end = 0;
        queues_[p].clear();
        Game& g = *boards_[p];
        g.random().setSeed(seed);
        g.setCapsuleSeed(mix(seed, 0xCA95u));
        GameState& s = g.state();
        s.level = std::max(1, settings_.startLevel[p]);
        s.Chrono.fill(0);
        s.cheated = false;
        g.setUpLevel();
    }
}

void Match::chainEnded(int p, int end) {
    Side& side = *sides_[p];
    if (apart()) takeArrivals(p);
    if (!side.receiving && side.removed.size() >= 2) {
        const size_t n = std::min<size_t>(side.removed.size(), MaxAttack);
        size_t first = 0;
        auto& own = queues_[p];
        if (settings_.cancelAttacks) {
            first = std::min(n, own.size());
            own.erase(own.begin(), own.begin() + static_cast<std::ptrdiff_t>(first));
        }
        send(p, {side.removed.begin() + static_cast<std::ptrdiff_t>(first),
                 side.removed.begin() + static_cast<std::ptrdiff_t>(n)});
        sent_[p] += static_cast<int64_t>(n - first);
        if (n > first) ++attacks_[p];
    }
    longestChain_[p] = std::max(longestChain_[p], side.steps);
    side.steps = 0;
    side.removed.clear();
    side.receiving = false;
    if (end != static_cast<int>(BoardHooks::End::PlaysOn)) {
        side.end = end;
        if (apart()) boardEnded(p, boardTime(p));
        return;
    }
    auto& queue = queues_[p];
    if (queue.empty()) return;
    Game& g = *boards_[p];
    const int columns = g.state().params.columns;
    std::vector<int32_t> free;
    for (int c = 1; c <= columns; ++c)
        if (g.state().grid[1][c] == CellEmpty) free.push_back(c);
    std::vector<std::pair<int32_t, int32_t>> halves;
    size_t taken = 0;
    while (taken < queue.size() && !free.empty()) {
        const auto i = static_cast<size_t>(side.columns(static_cast<int32_t>(free.size())));
        halves.emplace_back(free[i], queue[taken++]);
        free.erase(free.begin() + static_cast<std::ptrdiff_t>(i));
    }
    if (halves.empty()) return;
    queue.erase(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(taken));
    side.receiving = true;
    g.dropHalves(halves);
}

void Match::judge() {
    if (apart()) return judgeApart();
    const int e0 = sides_[0]->end, e1 = sides_[1]->end;
    if (e0 == 0 && e1 == 0) return;
    results_.push_back(verdict(e0, e1));
    for (int p = 0; p < 2; ++p) roundEnds_[p] = boards_[p]->state();
    if (over()) {
        for (auto& side : sides_) side->end = 0;
        return;
    }
    startRound();
    clock_->rearmAll();
}

int32_t Match::verdict(int e0, int e1) const {
    constexpr int won = static_cast<int>(BoardHooks::End::Won);
    int32_t winner = -1;
    if (e0 == won && e1 != won)
        winner = 0;
    else if (e1 == won && e0 != won)
        winner = 1;
    else if (e0 == won && e1 == won)
        winner = -1;
    else if (e0 == 0 || e1 == 0) // one board blocked, the other plays on
        winner = e0 == 0 ? 0 : 1;
    else { // both blocked at once
        const int32_t s0 = boards_[0]->state().smileysLeft, s1 = boards_[1]->state().smileysLeft;
        winner = s0 < s1 ? 0 : s1 < s0 ? 1 : -1;
    }
    return winner;
}

int32_t Match::roundsWon(int p) const {
    return static_cast<int32_t>(std::count(results_.begin(), results_.end(), p));
}

bool Match::over() const {
    const int32_t target = std::max(1, settings_.roundsToWin);
    return roundsWon(0) >= target || roundsWon(1) >= target;
}

int32_t Match::winner() const {
    if (!over()) return -1;
    return roundsWon(0) > roundsWon(1) ? 0 : 1;
}

void Match::note(int32_t player, InputKind kind, int32_t value) {
    const int64_t time = apart() && player >= 0 ? boardTime(player) : now();
    given_.push_back({time, kind, value, 0, player});
}

int64_t Match::now() const {
    return apart() ? std::max(boardTime(0), boardTime(1)) : clock_->now();
}

// The boards a command from player p reaches (-1 both): in a match apart, its own alone.
std::vector<Game*> Match::reached(int p) {
    if (p >= 0 && (apart() || p > 1)) return {boards_[std::min(p, 1)].get()};
    return {boards_[0].get(), boards_[1].get()};
}

bool Match::accepts(int p) const {
    if (p < -1 || p > 1) return false;
    if (!apart()) return !over();
    // Apart, a board plays on its own time to where the match stops, whenever the verdict came.
    return p >= 0 && !stopped(p) && boardTime(p) > closed_[p];
}

void Match::synced(int p) {
    if (apart())
        clocks_[p < 0 ? 0 : p]->sync();
    else
        clock_->sync();
    judge();
}

void Match::leavePause(int p) {
    for (Game* b : reached(p))
        if (b->state().paused) b->resume();
    if (apart_) apart_->ownPause[p] = -1;
}

void Match::handle(int p, Command c) {
    if (!accepts(p) || p < 0) return;
    note(p, InputKind::Handle, static_cast<int32_t>(c));
    if (c == Command::Panic) {
        if (apart_ && !boards_[p]->state().paused) apart_->ownPause[p] = boardTime(p);
        for (Game* b : reached(apart() ? p : -1)) b->handle(c);
    } else {
        leavePause(apart() ? p : -1);
        boards_[p]->handle(c);
    }
    synced(p);
}

void Match::press(int p, Command c) {
    if (!accepts(p) || p < 0) return;
    if (c == Command::Panic) return handle(p, c);
    note(p, InputKind::Press, static_cast<int32_t>(c));
    leavePause(apart() ? p : -1);
    boards_[p]->press(c);
    synced(p);
}

void Match::release(int p, Command c) {
    if (!accepts(p) || p < 0) return;
    note(p, InputKind::Release, static_cast<int32_t>(c));
    boards_[p]->release(c);
    synced(p);
}

void Match::pause(int p) {
    if (apart() && !accepts(p)) return;
    note(p, InputKind::Pause);
    for (Game* b : reached(p))
        if (!b->state().paused) {
            if (apart_) apart_->ownPause[p] = boardTime(p);
            b->pause();
        }
    synced(p);
}

void Match::resume(int p) {
    if (apart() && !accepts(p)) return;
    note(p, InputKind::Resume);
    leavePause(p);
    synced(p);
}

void Match::togglePause(int p) {
    if (apart() && !accepts(p)) return;
    note(p, InputKind::TogglePause);
    const auto boards = reached(p);
    if (std::any_of(boards.begin(), boards.end(), [](Game* b) { return b->state().paused; })) {
        leavePause(p);
    } else {
        if (apart_) apart_->ownPause[p] = boardTime(p);
        for (Game* b : boards) b->pause();
    }
    synced(p);
}

void Match::panic(int p) {
    if (apart() && !accepts(p)) return;
    note(p, InputKind::Panic);
    for (Game* b : reached(p)) {
        if (apart_ && !b->state().paused) apart_->ownPause[p] = boardTime(p);
        b->panic();
    }
    synced(p);
}

void Match::unhide(int p) {
    if (apart() && !accepts(p)) return;
    note(p, InputKind::Unhide);
    for (Game* b : reached(p)) b->unhide();
    synced(p);
}

int64_t Match::nextDue() {
    return apart() ? nextDueApart() : clock_->nextDue();
}

void Match::standAt(int64_t time) {
    if (apart())
        for (int p = 0; p < 2; ++p) clocks_[p]->standAt(std::min(time, boardLimit(p)));
    else
        clock_->standAt(time);
}

bool Match::step() {
    if (apart()) {
        const int64_t next = nextDue();
        if (next < 0 || settled()) return false;
        advanceTo(next);
        return true;
    }
    if (over() || !clock_->step()) return false;
    judge();
    return true;
}

void Match::advanceTo(int64_t time) {
    if (apart()) return advanceApartTo(time);
    for (;;) {
        if (over()) break;
        const int64_t t = clock_->nextDue();
        if (t < 0 || t > time) break;
        clock_->step();
        judge();
    }
    clock_->standAt(time);
}

void Match::advance(int64_t ms) {
    advanceTo(now() + ms);
}

Ending Match::end() const {
    Ending e;
    e.rounds = results_;
    if (apart_ && apart_->forfeited) return e; // where the boards stood depends on when
    for (int p = 0; p < 2; ++p)
        e.boards.push_back(gameEnd(settled() ? roundEnds_[p] : boards_[p]->state()));
    return e;
}

const Recording& Match::recording() const {
    recording_.duration = now();
    recording_.end = end();
    recording_.inputs = given_;
    // Apart, each board's inputs were noted on its own time: they are played again in time
    // order, each board's in the order given.
    if (apart())
        std::stable_sort(recording_.inputs.begin(), recording_.inputs.end(),
                         [](const Input& a, const Input& b) { return a.time < b.time; });
    return recording_;
}

int64_t Match::timersFired() const {
    if (apart()) return clocks_[0]->fired() + clocks_[1]->fired();
    return clock_->fired();
}

void feedInput(Match& m, const Input& in) {
    const auto command = static_cast<Command>(std::clamp(in.value, 0, 6));
    switch (in.kind) {
    case InputKind::Handle:
        m.handle(in.board, command);
        break;
    case InputKind::Press:
        m.press(in.board, command);
        break;
    case InputKind::Release:
        m.release(in.board, command);
        break;
    case InputKind::Pause:
        m.pause(in.board);
        break;
    case InputKind::Resume:
        m.resume(in.board);
        break;
    case InputKind::TogglePause:
        m.togglePause(in.board);
        break;
    case InputKind::Panic:
        m.panic(in.board);
        break;
    case InputKind::Unhide:
        m.unhide(in.board);
        break;
    case InputKind::Follow:
        m.follow(in.board, in.value != 0);
        break;
    case InputKind::Forfeit:
        m.forfeit(in.board);
        break;
    default:
        break;
    }
}

} // namespace kp
