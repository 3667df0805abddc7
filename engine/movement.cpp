// Moving the falling capsule, the keyboard and the hard drop.
#include "game.h"

namespace kp {

namespace {
bool vertical(int orientation) {
    return orientation == 1 || orientation == 3;
}
} // namespace

bool Game::move(char move) {
    const int r = s_.capsuleRow, c = s_.capsuleCol;
    const bool vertical_ = vertical(s_.capsuleOrientation);
    auto free = [&](int row, int col) { return s_.at(row, col) == CellEmpty; };

    bool ok = false;
    switch (move) {
    case 'G':
        ok = vertical_ ? free(r, c - 1) && free(r + 1, c - 1) : free(r, c - 1);
        break;
    case 'D':
        ok = vertical_ ? free(r, c + 1) && free(r + 1, c + 1) : free(r, c + 2);
        break;
    case 'B':
        ok = vertical_ ? free(r + 2, c) : free(r + 1, c) && free(r + 1, c + 1);
        break;
    case 'H':
        switch (s_.capsuleOrientation) {
        case 1:
            ok = free(r, c + 1);
            break;
        case 2:
            ok = free(r - 1, c);
            break;
        case 3:
            ok = free(r + 1, c - 1);
            break;
        case 4:
            ok = free(r + 1, c + 1);
            break;
        }
        break;
    default:
        return false;
    }
    if (!ok) {
        if (move == 'B') land();
        return false;
    }

    // Leave the cells the capsule occupies (a capsule still waiting in row 0 occupies none).
    if (s_.capsuleInGrid) {
        setCell(r, c, CellEmpty);
        if (vertical_)
            setCell(r + 1, c, CellEmpty);
        else
            setCell(r, c + 1, CellEmpty);
    }

    switch (move) {
    case 'G':
        --s_.capsuleCol;
        break;
    case 'D':
        ++s_.capsuleCol;
        break;
    case 'B':
        ++s_.capsuleRow;
        break;
    case 'H': {
        const int32_t code1 = s_.capsuleHalf1, code2 = s_.capsuleHalf2;
        switch (s_.capsuleOrientation) {
        case 1:
        case 3:
            if (s_.capsuleOrientation == 3) {
                ++s_.capsuleRow;
                --s_.capsuleCol;
            }
            s_.capsuleHalf1 = code1 + 1;
            s_.capsuleHalf2 = code2 + 1;
            break;
        case 2:
        case 4:
            if (s_.capsuleOrientation == 2)
                --s_.capsuleRow;
            else
                ++s_.capsuleCol;
            s_.capsuleHalf1 = code2 - 3;
            s_.capsuleHalf2 = code1 + 1;
            break;
        }
        s_.capsuleOrientation = s_.capsuleOrientation % 4 + 1;
        break;
    }
    }

    const int nr = s_.capsuleRow, nc = s_.capsuleCol;
    setCell(nr, nc, s_.capsuleHalf1);
    if (vertical(s_.capsuleOrientation))
        setCell(nr + 1, nc, s_.capsuleHalf2);
    else
        setCell(nr, nc + 1, s_.capsuleHalf2);
    s_.capsuleInGrid = true;

    if (nr == 1) {
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
    const bool canMove = s_.timer(TimerId::Fall).enabled && s_.capsuleRow >= 1;
    if (!canMove) return;
    switch (command) {
    case Command::Drop:
        s_.dropStopped = false;
        move('B');
        if (s_.dropStopped)
            setEnabled(TimerId::Drop, false);
        else
            restart(TimerId::Drop, DropStepPeriod);
        break;
    case Command::Left:
        move('G');
        break;
    case Command::Turn:
        move('H');
        break;
    case Command::Right:
        move('D');
        break;
    case Command::Down:
        move('B');
        break;
    case Command::Panic:
    case Command::Other:
        break;
    }
}

// One step of a hard drop: the capsule falls a row every 50 ms until dropStopped is set again
// (by the landing's bringNextCapsule or by any key).
void Game::onDropTick() {
    if (!s_.dropStopped) move('B');
    if (s_.dropStopped) setEnabled(TimerId::Drop, false);
}

} // namespace kp
