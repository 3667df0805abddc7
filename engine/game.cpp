#include "game.h"

#include <algorithm>
#include <limits>

namespace kp {

Game::Game(GameEvents& events, uint32_t seed) : ev_(events), random_(seed) {
    for (auto& row : s_.Grille) row.fill(CellWall);
    // Periods before any settings are applied.
    s_.Timers[timerIndex(TimerId::TimerEffacement)].period = 75;
    s_.Timers[timerIndex(TimerId::TimerDescente)].period = 75;
    s_.Timers[timerIndex(TimerId::TimerVirus)] = {true, 125, 0};
    s_.Timers[timerIndex(TimerId::TimerChrono)] = {true, 1000, 0};
    s_.Timers[timerIndex(TimerId::TimerXX)] = {true, 0, 0};
    s_.Timers[timerIndex(TimerId::TimerDrop)].period = DropStepPeriod;
    s_.Timers[timerIndex(TimerId::TimerShake)].period = ShakeStepPeriod;
}

void Game::InitImg(int row, int col, int32_t code) {
    if (row < 0 || row >= GridSize || col < 0 || col >= GridSize) return;
    s_.Grille[row][col] = code;
    if (code != CellWall && row >= 1 && row <= s_.P.NbLgn && col >= 1 && col <= s_.P.NbCol)
        ev_.cellChanged(row, col, code);
}

void Game::InitImgApercu(int col, int32_t code) {
    s_.Apercu[col - 1] = code;
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
    for (TimerId id : {TimerId::TimerEffacement, TimerId::TimerDescente, TimerId::TimerXX,
                       TimerId::TimerShake}) {
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
    s_.LabelMessage = m;
    s_.LabelMessageVisible = visible;
    ev_.messageChanged();
}

void Game::setParametres(const Parametres& p) {
    s_.P = p;
    // The grid holds 99 rows and columns at most and the sprites five colours.
    s_.P.NbLgn = std::clamp(p.NbLgn, 5, 99);
    s_.P.NbCol = std::clamp(p.NbCol, 5, 99);
    s_.P.NbColor = std::clamp(p.NbColor, 1, 5);
}

int32_t Game::periodeVirus(int32_t animationVirus) {
    static constexpr int32_t periods[] = {0, 700, 500, 300};
    return periods[std::clamp(animationVirus, 0, 3)];
}

int32_t Game::periodeSuppr(int32_t animationSuppr) {
    static constexpr int32_t periods[] = {1, 150, 100, 50};
    return periods[std::clamp(animationSuppr, 0, 3)];
}

void Game::setAnimationVirus(int32_t value) {
    s_.O.AnimationVirus = value;
    setPeriod(TimerId::TimerVirus, periodeVirus(value));
}

void Game::setAnimationSuppr(int32_t value) {
    s_.O.AnimationSuppr = value;
    setPeriod(TimerId::TimerEffacement, periodeSuppr(value));
    setPeriod(TimerId::TimerDescente, periodeSuppr(value));
}

int32_t Game::periodeChute() const {
    const int64_t p = int64_t{s_.P.TempoDepart} - (int64_t{s_.Niveau} - 1) * s_.P.TempoNiveauInc;
    return static_cast<int32_t>(
        std::clamp<int64_t>(p, MinFallPeriod, std::numeric_limits<int32_t>::max()));
}

bool Game::chainRunning() const {
    return s_.timer(TimerId::TimerEffacement).enabled || s_.timer(TimerId::TimerDescente).enabled ||
           s_.ShakeStep > 0 || s_.PinupFrame > 0;
}

void Game::fire(TimerId id) {
    if (!s_.timer(id).running()) return;
    switch (id) {
    case TimerId::Timer1:
        Timer1Timer();
        break;
    case TimerId::TimerEffacement:
        TimerEffacementTimer();
        break;
    case TimerId::TimerDescente:
        TimerDescenteTimer();
        break;
    case TimerId::TimerVirus:
        TimerVirusTimer();
        break;
    case TimerId::TimerChrono:
        TimerChronoTimer();
        break;
    case TimerId::TimerXX:
        TimerXXTimer();
        break;
    case TimerId::TimerDrop:
        TimerDropTimer();
        break;
    case TimerId::TimerShake:
        TimerShakeTimer();
        break;
    }
}

} // namespace kp
