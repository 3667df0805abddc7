#include "game.h"

#include <algorithm>
#include <limits>

namespace kp {

Game::Game(GameEvents& events, uint32_t seed) : ev_(events), random_(seed) {
    for (auto& row : s_.grid) row.fill(CellWall);
    // The animations' pace is the options' from the start, as a replay begins it.
    const int32_t removal = removalPeriod(s_.options.removalAnimation);
    s_.Timers[timerIndex(TimerId::Removal)].period = removal;
    s_.Timers[timerIndex(TimerId::Collapse)].period = removal;
    s_.Timers[timerIndex(TimerId::SmileyAnimation)] = {true,
                                                       smileyPeriod(s_.options.smileyAnimation), 0};
    s_.Timers[timerIndex(TimerId::Clock)] = {true, 1000, 0};
    s_.Timers[timerIndex(TimerId::Pinup)] = {true, 0, 0};
    s_.Timers[timerIndex(TimerId::Drop)].period = DropStepPeriod;
    s_.Timers[timerIndex(TimerId::Shake)].period = ShakeStepPeriod;
}

void Game::setCell(int row, int col, int32_t code) {
    if (row < 0 || row >= GridSize || col < 0 || col >= GridSize) return;
    s_.grid[row][col] = code;
    if (!wholeBoard_ && code != CellWall && row >= 1 && row <= s_.params.rows && col >= 1 &&
        col <= s_.params.columns)
        ev_.cellChanged(row, col, code);
}

void Game::setPreview(int col, int32_t code) {
    s_.preview[col - 1] = code;
    ev_.previewChanged(col, code);
}

void Game::setEnabled(TimerId id, bool enabled) {
    TimerSlot& t = s_.Timers[timerIndex(id)];
    if (t.enabled == enabled) return;
    t.enabled = enabled;
    ++t.version;
    ev_.timerChanged(id);
}

void Game::setPeriod(TimerId id, int32_t period) {
    TimerSlot& t = s_.Timers[timerIndex(id)];
    if (t.period == period) return;
    t.period = period;
    ++t.version;
    ev_.timerChanged(id);
}

void Game::holdChain(bool held) {
    for (TimerId id : {TimerId::Removal, TimerId::Collapse, TimerId::Pinup, TimerId::Shake}) {
        TimerSlot& t = s_.Timers[timerIndex(id)];
        if (t.held == held) continue;
        t.held = held;
        ++t.version;
        ev_.timerChanged(id);
    }
}

void Game::restart(TimerId id, int32_t period) {
    TimerSlot& t = s_.Timers[timerIndex(id)];
    t.enabled = true;
    t.period = period;
    ++t.version;
    ev_.timerChanged(id);
}

void Game::setMessage(Message m, bool visible) {
    s_.message = m;
    s_.messageVisible = visible;
    ev_.messageChanged();
}

void Game::setParameters(const LevelParameters& p) {
    s_.params = p;
    for (const ParameterRange& r : ParameterRanges)
        s_.params.*r.field = std::clamp(p.*r.field, r.min, r.max);
}

int32_t Game::smileyPeriod(int32_t smileyAnimation) {
    static constexpr int32_t periods[] = {0, 700, 500, 300};
    return periods[std::clamp(smileyAnimation, 0, 3)];
}

int32_t Game::removalPeriod(int32_t removalAnimation) {
    static constexpr int32_t periods[] = {1, 150, 100, 50};
    return periods[std::clamp(removalAnimation, 0, 3)];
}

void Game::setSmileyAnimation(int32_t value) {
    s_.options.smileyAnimation = value;
    setPeriod(TimerId::SmileyAnimation, smileyPeriod(value));
}

void Game::setRemovalAnimation(int32_t value) {
    s_.options.removalAnimation = value;
    setPeriod(TimerId::Removal, removalPeriod(value));
    setPeriod(TimerId::Collapse, removalPeriod(value));
}

int32_t Game::fallPeriod() const {
    const int64_t p =
        int64_t{s_.params.firstFallPeriod} - (int64_t{s_.level} - 1) * s_.params.fallPeriodStep;
    return static_cast<int32_t>(
        std::clamp<int64_t>(p, MinFallPeriod, std::numeric_limits<int32_t>::max()));
}

bool Game::chainRunning() const {
    return s_.phase != Phase::Playing;
}

void Game::fire(TimerId id) {
    if (!s_.timer(id).running()) return;
    switch (id) {
    case TimerId::Fall:
        onFallTick();
        break;
    case TimerId::Removal:
        onRemovalTick();
        break;
    case TimerId::Collapse:
        onCollapseTick();
        break;
    case TimerId::SmileyAnimation:
        onSmileyTick();
        break;
    case TimerId::Clock:
        onClockTick();
        break;
    case TimerId::Pinup:
        onPinupTick();
        break;
    case TimerId::Drop:
        onDropTick();
        break;
    case TimerId::Shake:
        onShakeTick();
        break;
    case TimerId::Repeat:
        onRepeatTick();
        break;
    }
}

} // namespace kp
