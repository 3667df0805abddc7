#include "recording.h"

#include "hash.h"

#include <algorithm>
#include <cstdint>

namespace kp {

namespace {

bool isCommand(int32_t v) {
    return v >= 0 && v <= static_cast<int32_t>(Command::Other);
}

} // namespace

GameEnd gameEnd(const GameState& s) {
    GameEnd e;
    e.level = s.level;
    e.smileysLeft = s.smileysLeft;
    e.chrono = s.Chrono;
    Fnv1a sum;
    sum.add(s.level);
    sum.add(s.smileysLeft);
    for (int32_t digit : s.Chrono) sum.add(digit);
    const int rows = std::clamp(s.params.rows + 1, 0, GridSize - 1);
    const int columns = std::clamp(s.params.columns + 1, 0, GridSize - 1);
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= columns; ++c) sum.add(s.grid[r][c]);
    e.checksum = sum.value;
    return e;
}

bool Recording::played() const {
    return std::any_of(inputs.begin(), inputs.end(), [](const Input& in) {
        return in.kind == InputKind::Handle || in.kind == InputKind::Press;
    });
}

void applyOptions(Game& game, const GameOptions& o) {
    game.setSmileyAnimation(o.smileyAnimation);
    game.setRemovalAnimation(o.removalAnimation);
    game.setShake(o.shake);
    game.setPinup(o.Pinup);
    game.setKeyRepeat(o.repeatDelay, o.repeatInterval);
    game.state().options.turnLeavesTheWell = o.turnLeavesTheWell;
}

void beginReplay(Game& game, const Recording& r) {
    {
        GameEvents nobody;
        const auto fresh = std::make_unique<Game>(nobody);
        game.state() = fresh->state();
    }
    game.setParameters(r.params);
    applyOptions(game, r.options);
    game.setWindowActive(r.windowActive);
    game.state().hidden = r.hidden;
    game.random().setSeed(r.seed);
    game.newGame(r.saved.get());
}

namespace {

// An option the window set during the game (its animations, its shake, its keys, its
// parameters).
void feedOption(Game& game, const Recording& r, const Input& in) {
    const int32_t v = in.value;
    switch (in.kind) {
    case InputKind::WindowActive:
        game.setWindowActive(v != 0);
        break;
    case InputKind::SmileyAnimation:
        game.setSmileyAnimation(v);
        break;
    case InputKind::RemovalAnimation:
        game.setRemovalAnimation(v);
        break;
    case InputKind::Shake:
        game.setShake(v != 0);
        break;
    case InputKind::Pinup:
        game.setPinup(v);
        break;
    case InputKind::KeyRepeat:
        game.setKeyRepeat(v, in.value2);
        break;
    case InputKind::Parameters:
        if (v >= 0 && static_cast<size_t>(v) < r.parameters.size())
            game.setParameters(r.parameters[static_cast<size_t>(v)]);
        break;
    default:
        break;
    }
}

} // namespace

void feedInput(Game& game, const Recording& r, const Input& in) {
    const int32_t v = in.value;
    switch (in.kind) {
    case InputKind::Fire:
        if (v >= 0 && v < TimerCount) game.fire(static_cast<TimerId>(v));
        break;
    case InputKind::Handle:
        if (isCommand(v)) game.handle(static_cast<Command>(v));
        break;
    case InputKind::Press:
        if (isCommand(v)) game.press(static_cast<Command>(v));
        break;
    case InputKind::Release:
        if (isCommand(v)) game.release(static_cast<Command>(v));
        break;
    case InputKind::RestartLevel:
        game.restartLevel();
        break;
    case InputKind::SkipLevel:
        game.skipLevel();
        break;
    case InputKind::TogglePause:
        game.togglePause();
        break;
    case InputKind::Pause:
        game.pause();
        break;
    case InputKind::Resume:
        game.resume();
        break;
    case InputKind::Panic:
        game.panic();
        break;
    case InputKind::Unhide:
        game.unhide();
        break;
    case InputKind::Helped:
        game.markHelped();
        break;
    default:
        feedOption(game, r, in);
        break;
    }
}

} // namespace kp
