// Moving the falling capsule, the keyboard and the hard drop.
#include "game.h"

#include <algorithm>
#include <optional>

namespace kp {

bool Game::move(Move direction) {
    const Capsule& now = s_.capsule;
    const Capsule next = now.after(direction);
    // A turn that lifts a half into the hidden row would leave the capsule where no key can move
    // it until the next fall: it is refused, as a turn into a taken cell is.
    if (direction == Move::Turn && next.row < 1 && !s_.options.turnLeavesTheWell) return false;
    // The cells it would take are empty, or already its own (a capsule waiting unseen in row 0
    // owns its two cells there too).
    auto fits = [&](int row, int col) {
        return now.covers(row, col) || s_.at(row, col) == CellEmpty;
    };
    if (!fits(next.row, next.col) || !fits(next.row2(), next.col2())) {
        if (direction == Move::Down) land();
        return false;
    }
    if (s_.capsuleInGrid) {
        setCell(now.row, now.col, CellEmpty);
        setCell(now.row2(), now.col2(), CellEmpty);
    }
    s_.capsule = next;
    setCell(next.row, next.col, next.half1);
    setCell(next.row2(), next.col2(), next.half2);
    s_.capsuleInGrid = true;
    // The next capsule shows once this one is in view.
    if (next.row == 1) {
        setPreview(1, s_.nextHalf1);
        setPreview(2, s_.nextHalf2);
    }
    return true;
}

void Game::land() {
    ev_.soundWanted(Sound::Landing);
    const uint32_t levels = levelsSetUp_;
    findRuns();
    // A level won straight from this landing (no pin-up) has already brought in its own first
    // capsule; taking another would leave the preview showing one that never falls.
    if (levelsSetUp_ == levels) bringNextCapsule();
}

void Game::handle(Command command) {
    // Any key resumes a paused game and ends a hard drop, then does its own work.
    if (s_.paused) resume();
    s_.dropStopped = true;

    if (command == Command::Panic) {
        panic();
        return;
    }
    if (!capsuleMovable()) return;
    switch (command) {
    case Command::Drop:
        s_.dropStopped = false;
        move(Move::Down);
        if (s_.dropStopped)
            setEnabled(TimerId::Drop, false);
        else
            restart(TimerId::Drop, DropStepPeriod);
        break;
    case Command::Left:
        move(Move::Left);
        break;
    case Command::Turn:
        move(Move::Turn);
        break;
    case Command::Right:
        move(Move::Right);
        break;
    case Command::Down:
        move(Move::Down);
        break;
    case Command::Panic:
    case Command::Other:
        break;
    }
}

bool Game::capsuleMovable() const {
    return s_.timer(TimerId::Fall).enabled && s_.capsule.row >= 1;
}

namespace {

std::optional<Move> repeatedMove(Command command) {
    switch (command) {
    case Command::Left:
        return Move::Left;
    case Command::Right:
        return Move::Right;
    case Command::Down:
        return Move::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

void Game::press(Command command) {
    handle(command);
    const std::optional<Move> held = repeatedMove(command);
    if (!held || s_.paused) return;
    s_.heldMove = held;
    restart(TimerId::Repeat, std::max(1, s_.options.repeatDelay));
}

void Game::release(Command command) {
    if (s_.heldMove && repeatedMove(command) == s_.heldMove) stopRepeat();
}

void Game::stopRepeat() {
    s_.heldMove.reset();
    setEnabled(TimerId::Repeat, false);
}

void Game::setKeyRepeat(int32_t delay, int32_t interval) {
    s_.options.repeatDelay = delay;
    s_.options.repeatInterval = interval;
}

void Game::onRepeatTick() {
    if (!s_.heldMove) return stopRepeat();
    const int32_t interval = s_.options.repeatInterval;
    // After the first repeat the timer keeps the interval's pace.
    setPeriod(TimerId::Repeat, interval > 0 ? interval : WallRepeatPeriod);
    if (!capsuleMovable()) return;
    if (interval > 0) {
        move(*s_.heldMove);
        return;
    }
    // To the wall (or, going down, until it lands), never further than the grid is wide.
    for (int i = 0; i < GridSize && move(*s_.heldMove); ++i) {
    }
}

// One step of a hard drop: the capsule falls a row every 50 ms until dropStopped is set again
// (by the landing's bringNextCapsule or by any key).
void Game::onDropTick() {
    if (!s_.dropStopped) move(Move::Down);
    if (s_.dropStopped) setEnabled(TimerId::Drop, false);
}

} // namespace kp
