#include "ui/demonstration.h"

#include "cpu/player.h"

#include <QRandomGenerator>

namespace kp {

namespace {
constexpr int64_t LevelWait = 1200; // ms the level's number stays before it plays
constexpr int64_t LostWait = 2500;  // ms a lost game stays before the next one
constexpr int64_t DropAfter = 120;  // ms from the last key to the drop
} // namespace

Demonstration::Demonstration(const LevelParameters& params, sound::SoundEffects& effects,
                             const SpriteSet& sprites, const CounterDigits& digits, QWidget* window)
    : QObject(window), board_(*this, effects, sprites, digits, window) {
    RecordedGame& game = board_.game();
    game.random().setSeed(QRandomGenerator::global()->generate());
    game.setParameters(params);
    game.newGame();
    board_.followTimers();
    board_.seat(this);
}

// Looks at the board whenever something happens on it and when its next key is due.
int64_t Demonstration::look(int64_t now, const Play& play) {
    RecordedGame& game = board_.game();
    const GameState& s = game.state();
    if (s.paused) {
        keys_.clear();
        planned_ = false;
        if (waitFrom_ < 0) waitFrom_ = now;
        if (s.message == Message::Lost) {
            if (now - waitFrom_ < LostWait) return waitFrom_ + LostWait;
            game.newGame();
        } else if (now - waitFrom_ < LevelWait) {
            return waitFrom_ + LevelWait;
        }
        waitFrom_ = -1;
        play(Command::Other); // the key that starts the level
        return Never;
    }
    if (!(s.capsuleInGrid && s.phase == Phase::Playing)) {
        planned_ = false;
        keys_.clear();
        return Never;
    }
    if (!planned_) {
        planned_ = true;
        if (const auto advice = cpuAdvice(s, CpuLevel::Expert)) {
            for (const CpuPlacement::Key& k : advice->placement.keys)
                keys_.push_back({now + k.time, k.command});
            keys_.push_back({(keys_.empty() ? now : keys_.back().at) + DropAfter, Command::Drop});
        }
    }
    while (!keys_.empty() && keys_.front().at <= now) {
        play(keys_.front().command);
        keys_.erase(keys_.begin());
    }
    return keys_.empty() ? Never : keys_.front().at;
}

} // namespace kp
