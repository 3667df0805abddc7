// The computer player at the keys: what it sees of the board, when it presses.
#include "cpu/player.h"

namespace kp {

namespace {

bool sameCapsule(const Capsule& a, const Capsule& b) {
    return a.row == b.row && a.col == b.col && a.orientation == b.orientation;
}

} // namespace

void CpuPlayer::watch(const Game& game, std::function<int64_t()> clock) {
    game_ = &game;
    clock_ = std::move(clock);
}

GameEvents& CpuPlayer::eyes(GameEvents* next) {
    eyes_.next = next;
    return eyes_;
}

void CpuPlayer::capsuleEntered() {
    if (!game_ || !clock_) return;
    const GameState& s = game_->state();
    entered_ = clock_();
    plan_ = decide(s, 0);
    planned_ = true;
    nextKey_ = 0;
    dropAt_ = Never;
    if (profile_.dropPause >= 0) {
        const int64_t lastKey = plan_.keys.empty()
                                    ? profile_.hands.reaction
                                    : plan_.keys.back().time + profile_.hands.moveInterval;
        const int64_t at = lastKey + profile_.dropPause;
        if (at < plan_.landTime) dropAt_ = entered_ + at;
    }
}

int64_t CpuPlayer::look(int64_t now, const Play& press) {
    if (!game_) return Never;
    const GameState& s = game_->state();
    if (s.paused) {
        planned_ = false;
        if (s.hidden || !s.messageVisible || s.message != Message::Level) {
            resumeAt_ = Never;
            return Never;
        }
        if (resumeAt_ == Never) resumeAt_ = now + profile_.startDelay;
        if (now < resumeAt_) return resumeAt_;
        resumeAt_ = Never;
        ++stats_.keys;
        press(Command::Other);
        return Never;
    }
    resumeAt_ = Never;
    if (!planned_) return Never;
    while (nextKey_ < plan_.keys.size() && entered_ + plan_.keys[nextKey_].time <= now) {
        const CpuPlacement::Key& key = plan_.keys[nextKey_++];
        if (!s.capsuleInGrid || s.phase != Phase::Playing || !sameCapsule(s.capsule, key.before)) {
            ++stats_.offPlan;
            planned_ = false;
            return Never;
        }
        ++stats_.keys;
        press(key.command);
    }
    if (nextKey_ < plan_.keys.size()) return entered_ + plan_.keys[nextKey_].time;
    if (dropAt_ != Never) {
        if (now < dropAt_) return dropAt_;
        dropAt_ = Never;
        if (s.capsuleInGrid && s.phase == Phase::Playing && s.capsule.col == plan_.capsule.col &&
            s.capsule.orientation == plan_.capsule.orientation) {
            ++stats_.keys;
            press(Command::Drop);
        }
    }
    planned_ = false;
    return Never;
}

void CpuPlayer::Eyes::previewChanged(int col, int32_t code) {
    if (next) next->previewChanged(col, code);
    // The strip changes whenever the capsule is in row 1, first when it comes into view: the
    // player looks then. (A landing, or a new board, ends the capsule in view.)
    if (col != 2 || !player->game_ || inView) return;
    const GameState& s = player->game_->state();
    if (s.capsuleInGrid && s.capsule.row == 1 && s.phase == Phase::Playing) {
        inView = true;
        player->capsuleEntered();
    }
}
void CpuPlayer::Eyes::cellChanged(int r, int c, int32_t code) {
    if (next) next->cellChanged(r, c, code);
}
void CpuPlayer::Eyes::boardChanged() {
    inView = false;
    if (next) next->boardChanged();
}
void CpuPlayer::Eyes::counterChanged(Counter c) {
    if (next) next->counterChanged(c);
}
void CpuPlayer::Eyes::messageChanged() {
    if (next) next->messageChanged();
}
void CpuPlayer::Eyes::messageRepaint() {
    if (next) next->messageRepaint();
}
void CpuPlayer::Eyes::pauseChanged(bool p) {
    if (next) next->pauseChanged(p);
}
void CpuPlayer::Eyes::soundWanted(Sound snd) {
    if (snd == Sound::Landing) inView = false;
    if (next) next->soundWanted(snd);
}
void CpuPlayer::Eyes::timerChanged(TimerId id) {
    if (next) next->timerChanged(id);
}
void CpuPlayer::Eyes::windowShake(int dy) {
    if (next) next->windowShake(dy);
}
void CpuPlayer::Eyes::pinupFrame(int f, PinupFigure fig) {
    if (next) next->pinupFrame(f, fig);
}
void CpuPlayer::Eyes::panicChanged(bool h) {
    if (next) next->panicChanged(h);
}
void CpuPlayer::Eyes::recordOffered() {
    if (next) next->recordOffered();
}
bool CpuPlayer::Eyes::recordQualifies(int32_t level, int32_t smileys) {
    return next ? next->recordQualifies(level, smileys) : false;
}

} // namespace kp
