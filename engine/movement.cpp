// Moving the falling capsule, the keyboard and the hard drop.
#include "game.h"
#include "keys.h"

namespace kp {

namespace {
bool vertical(int orientation) {
    return orientation == 1 || orientation == 3;
}
} // namespace

bool Game::Mouvement(char move) {
    const int r = s_.PieceRow, c = s_.PieceCol;
    const bool vert = vertical(s_.PieceOrientation);
    auto free = [&](int row, int col) { return s_.at(row, col) == CellEmpty; };

    bool ok = false;
    switch (move) {
    case 'G':
        ok = vert ? free(r, c - 1) && free(r + 1, c - 1) : free(r, c - 1);
        break;
    case 'D':
        ok = vert ? free(r, c + 1) && free(r + 1, c + 1) : free(r, c + 2);
        break;
    case 'B':
        ok = vert ? free(r + 2, c) : free(r + 1, c) && free(r + 1, c + 1);
        break;
    case 'H':
        switch (s_.PieceOrientation) {
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
        if (move == 'B') atterrissage();
        return false;
    }

    // Leave the cells the capsule occupies (a capsule still waiting in row 0 occupies none).
    if (s_.PieceVisible) {
        InitImg(r, c, CellEmpty);
        if (vert)
            InitImg(r + 1, c, CellEmpty);
        else
            InitImg(r, c + 1, CellEmpty);
    }

    switch (move) {
    case 'G':
        --s_.PieceCol;
        break;
    case 'D':
        ++s_.PieceCol;
        break;
    case 'B':
        ++s_.PieceRow;
        break;
    case 'H': {
        const int32_t code1 = s_.PieceCode1, code2 = s_.PieceCode2;
        switch (s_.PieceOrientation) {
        case 1:
        case 3:
            if (s_.PieceOrientation == 3) {
                ++s_.PieceRow;
                --s_.PieceCol;
            }
            s_.PieceCode1 = code1 + 1;
            s_.PieceCode2 = code2 + 1;
            break;
        case 2:
        case 4:
            if (s_.PieceOrientation == 2)
                --s_.PieceRow;
            else
                ++s_.PieceCol;
            s_.PieceCode1 = code2 - 3;
            s_.PieceCode2 = code1 + 1;
            break;
        }
        s_.PieceOrientation = s_.PieceOrientation % 4 + 1;
        break;
    }
    }

    const int nr = s_.PieceRow, nc = s_.PieceCol;
    InitImg(nr, nc, s_.PieceCode1);
    if (vertical(s_.PieceOrientation))
        InitImg(nr + 1, nc, s_.PieceCode2);
    else
        InitImg(nr, nc + 1, s_.PieceCode2);
    s_.PieceVisible = true;

    if (nr == 1) {
        InitImgApercu(1, s_.NextCode1);
        InitImgApercu(2, s_.NextCode2);
    }
    return true;
}

void Game::atterrissage() {
    ev_.soundWanted(Sound::Pose);
    const uint32_t levels = levelsSetUp_;
    Elimination();
    // A level won straight from this landing (no pin-up) has already brought in its own first
    // capsule; taking another would leave the preview showing one that never falls.
    if (levelsSetUp_ == levels) InitPiece();
}

void Game::FormKeyDown(int key) {
    if (s_.Pause) MenuPause_Desactiver();
    s_.DropStop = true;

    if (key == vk::Return || key == vk::Escape) {
        PanicActiver();
        return;
    }
    const bool canMove = s_.timer(TimerId::Timer1).enabled && s_.PieceRow >= 1;
    if (!canMove) return;
    switch (key) {
    case vk::Space:
    case vk::Numpad0:
        s_.DropStop = false;
        Mouvement('B');
        if (s_.DropStop)
            setEnabled(TimerId::TimerDrop, false);
        else
            restart(TimerId::TimerDrop, DropStepPeriod);
        break;
    case vk::Left:
    case vk::Numpad4:
        Mouvement('G');
        break;
    case vk::Up:
    case vk::Numpad5:
    case vk::Numpad8:
        Mouvement('H');
        break;
    case vk::Right:
    case vk::Numpad6:
        Mouvement('D');
        break;
    case vk::Down:
    case vk::Numpad2:
        Mouvement('B');
        break;
    default:
        break;
    }
}

// One step of a hard drop: the capsule falls a row every 50 ms until DropStop is set again
// (by the landing's InitPiece or by any key).
void Game::TimerDropTimer() {
    if (!s_.DropStop) Mouvement('B');
    if (s_.DropStop) setEnabled(TimerId::TimerDrop, false);
}

} // namespace kp
