#include "match.h"

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
           roundsToWin == o.roundsToWin && cancelAttacks == o.cancelAttacks && seed == o.seed;
}

MatchSettings::MatchSettings(const Recording& r)
    : params(r.params), options(r.options), seed(r.seed) {
    if (!r.match) return;
    startLevel = r.match->startLevel;
    roundsToWin = r.match->roundsToWin;
    cancelAttacks = r.match->cancelAttacks;
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

// What one board tells the match, and the match's generator of its halves' columns.
struct Match::Side : BoardHooks {
    Match* match = nullptr;
    int p = 0;
    Random columns;
    std::vector<int32_t> removed; // colours of the runs of the chain under way
    bool receiving = false;       // the chain under way was started by halves dropped in
    int32_t steps = 0;            // searches of the chain under way that found runs
    int end = 0;                  // 0 plays on, 1 won, 2 lost: how the board ended this instant

    void runsFound(const std::vector<int32_t>& colours) override {
        if (receiving) return;
        removed.insert(removed.end(), colours.begin(), colours.end());
        ++steps;
    }
    void chainEnded(End e) override { match->chainEnded(p, static_cast<int>(e)); }
};

Match::Match(const MatchSettings& settings, GameEvents* events0, GameEvents* events1)
    : settings_(settings) {
    recording_.seed = settings.seed;
    recording_.params = settings.params;
    recording_.options = settings.options;
    recording_.match =
        MatchRules{settings.startLevel, settings.roundsToWin, settings.cancelAttacks};
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
    clock_ = std::make_unique<VirtualClock>(std::vector<Game*>{boards_[0].get(), boards_[1].get()});
    startRound();
    clock_->rearmAll();
}

Match::~Match() = default;

void Match::startRound() {
    const uint32_t seed = roundSeed(settings_.seed, round());
    for (int p = 0; p < 2; ++p) {
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
    if (!side.receiving && side.removed.size() >= 2) {
        const size_t n = std::min<size_t>(side.removed.size(), MaxAttack);
        size_t first = 0;
        auto& own = queues_[p];
        if (settings_.cancelAttacks) {
            first = std::min(n, own.size());
            own.erase(own.begin(), own.begin() + static_cast<std::ptrdiff_t>(first));
        }
        auto& theirs = queues_[1 - p];
        theirs.insert(theirs.end(), side.removed.begin() + static_cast<std::ptrdiff_t>(first),
                      side.removed.begin() + static_cast<std::ptrdiff_t>(n));
        sent_[p] += static_cast<int64_t>(n - first);
        if (n > first) ++attacks_[p];
    }
    longestChain_[p] = std::max(longestChain_[p], side.steps);
    side.steps = 0;
    side.removed.clear();
    side.receiving = false;
    if (end != static_cast<int>(BoardHooks::End::PlaysOn)) {
        side.end = end;
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
    const int e0 = sides_[0]->end, e1 = sides_[1]->end;
    if (e0 == 0 && e1 == 0) return;
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
    results_.push_back(winner);
    for (int p = 0; p < 2; ++p) roundEnds_[p] = boards_[p]->state();
    if (over()) {
        for (auto& side : sides_) side->end = 0;
        return;
    }
    startRound();
    clock_->rearmAll();
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
    recording_.inputs.push_back({clock_->now(), kind, value, 0, player});
}

int64_t Match::now() const {
    return clock_->now();
}

void Match::leavePause() {
    for (auto& b : boards_)
        if (b->state().paused) b->resume();
}

void Match::handle(int p, Command c) {
    if (over() || p < 0 || p > 1) return;
    note(p, InputKind::Handle, static_cast<int32_t>(c));
    if (c == Command::Panic) {
        for (auto& b : boards_) b->handle(c);
    } else {
        leavePause();
        boards_[p]->handle(c);
    }
    clock_->sync();
    judge();
}

void Match::press(int p, Command c) {
    if (over() || p < 0 || p > 1) return;
    if (c == Command::Panic) return handle(p, c);
    note(p, InputKind::Press, static_cast<int32_t>(c));
    leavePause();
    boards_[p]->press(c);
    clock_->sync();
    judge();
}

void Match::release(int p, Command c) {
    if (over() || p < 0 || p > 1) return;
    note(p, InputKind::Release, static_cast<int32_t>(c));
    boards_[p]->release(c);
    clock_->sync();
}

void Match::pause() {
    note(-1, InputKind::Pause);
    for (auto& b : boards_)
        if (!b->state().paused) b->pause();
    clock_->sync();
}

void Match::resume() {
    note(-1, InputKind::Resume);
    leavePause();
    clock_->sync();
}

void Match::togglePause() {
    note(-1, InputKind::TogglePause);
    if (boards_[0]->state().paused || boards_[1]->state().paused)
        leavePause();
    else
        for (auto& b : boards_) b->pause();
    clock_->sync();
}

void Match::panic() {
    note(-1, InputKind::Panic);
    for (auto& b : boards_) b->panic();
    clock_->sync();
}

void Match::unhide() {
    note(-1, InputKind::Unhide);
    for (auto& b : boards_) b->unhide();
    clock_->sync();
}

int64_t Match::nextDue() {
    return clock_->nextDue();
}

void Match::standAt(int64_t time) {
    clock_->standAt(time);
}

bool Match::step() {
    if (over() || !clock_->step()) return false;
    judge();
    return true;
}

void Match::advanceTo(int64_t time) {
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
    advanceTo(clock_->now() + ms);
}

Ending Match::end() const {
    Ending e;
    e.rounds = results_;
    for (const auto& b : boards_) e.boards.push_back(gameEnd(b->state()));
    return e;
}

const Recording& Match::recording() const {
    recording_.duration = clock_->now();
    recording_.end = end();
    return recording_;
}

int64_t Match::timersFired() const {
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
        m.pause();
        break;
    case InputKind::Resume:
        m.resume();
        break;
    case InputKind::TogglePause:
        m.togglePause();
        break;
    case InputKind::Panic:
        m.panic();
        break;
    case InputKind::Unhide:
        m.unhide();
        break;
    default:
        break;
    }
}

} // namespace kp
