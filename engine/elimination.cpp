// Finding runs of one colour, the removal animation and the collapse of loose halves.
#include "game.h"

namespace kp {

namespace {

// A cell that can take part in a run, and its colour class (colour digit modulo 5, so a cell
// being removed still matches its own colour). -1 for cells that never do.
int classeCouleur(int32_t code) {
    if (code == CellEmpty || code == CellWall) return -1;
    const int d = colourDigit(code);
    return d < 0 ? -1 : d % 5;
}

bool estDemiGelule(int32_t code, int link) {
    return isCapsuleHalf(code) && linkOf(code) == link;
}

} // namespace

// Marks every run of at least MinCasesConsecutives cells of one colour, vertical and then
// horizontal. Matching is an equivalence on colour classes, so the runs are exactly the
// maximal segments of one class; each cell is visited once per direction.
void Game::Elimination() {
    const int nbLgn = s_.P.NbLgn, nbCol = s_.P.NbCol;
    const int64_t minRun = s_.P.MinCasesConsecutives;
    bool found = false;

    // Frees the partner at (row, col) of a removed cell if it is the half with this link.
    auto liberer = [&](int row, int col, int link) {
        const int32_t code = s_.at(row, col);
        if (estDemiGelule(code, link)) InitImg(row, col, code - link);
    };

    // Vertical pass: rows 0 .. NbLgn of each column (the hidden row 0 included).
    for (int c = 1; c <= nbCol; ++c) {
        int r = 0;
        while (r <= nbLgn) {
            const int k = classeCouleur(s_.Grille[r][c]);
            int end = r + 1;
            if (k >= 0)
                while (end <= nbLgn && classeCouleur(s_.Grille[end][c]) == k) ++end;
            if (k >= 0 && end - r >= minRun) {
                found = true;
                for (int i = r; i < end; ++i) InitImg(i, c, removalCode(k, 0));
                liberer(r - 1, c, LinkTop);
                liberer(end, c, LinkBottom);
                for (int i = r; i < end; ++i) {
                    liberer(i, c - 1, LinkLeft);
                    liberer(i, c + 1, LinkRight);
                }
            }
            r = end;
        }
    }
    // Horizontal pass: columns 1 .. NbCol of each row 0 .. NbLgn.
    for (int r = 0; r <= nbLgn; ++r) {
        int c = 1;
        while (c <= nbCol) {
            const int k = classeCouleur(s_.Grille[r][c]);
            int end = c + 1;
            if (k >= 0)
                while (end <= nbCol && classeCouleur(s_.Grille[r][end]) == k) ++end;
            if (k >= 0 && end - c >= minRun) {
                found = true;
                for (int i = c; i < end; ++i) InitImg(r, i, removalCode(k, 0));
                liberer(r, c - 1, LinkLeft);
                liberer(r, end, LinkRight);
                for (int i = c; i < end; ++i) {
                    liberer(r - 1, i, LinkTop);
                    liberer(r + 1, i, LinkBottom);
                }
            }
            c = end;
        }
    }

    if (found) {
        setEnabled(TimerId::Timer1, false);
        s_.CompteurEffacement = 0;
        setEnabled(TimerId::TimerEffacement, true);
        ev_.soundWanted(Sound::Effacement);
        return;
    }

    int32_t restants = 0;
    for (int r = 1; r <= nbLgn; ++r)
        for (int c = 1; c <= nbCol; ++c)
            if (isSmiley(s_.Grille[r][c])) ++restants;
    s_.NbVirusRestants = restants;
    ev_.counterChanged(Counter::Virus);

    if (restants == 0)
        niveauGagne();
    else if (s_.Grille[1][nbCol / 2] != CellEmpty || s_.Grille[1][nbCol / 2 + 1] != CellEmpty)
        partiePerdue();
}

void Game::TimerEffacementTimer() {
    ++s_.CompteurEffacement;
    const int nbLgn = s_.P.NbLgn, nbCol = s_.P.NbCol;
    if (s_.CompteurEffacement >= 5)
        for (int r = 0; r <= nbLgn; ++r)
            for (int c = 1; c <= nbCol; ++c)
                if (isRemoval(s_.Grille[r][c])) InitImg(r, c, s_.Grille[r][c] + 1);
    if (s_.CompteurEffacement >= 8) {
        for (int r = 0; r <= nbLgn; ++r)
            for (int c = 1; c <= nbCol; ++c)
                if (isRemoval(s_.Grille[r][c])) InitImg(r, c, CellEmpty);
        s_.CompteurEffacement = 0;
        setEnabled(TimerId::TimerEffacement, false);
        s_.PiecesFell = false;
        setEnabled(TimerId::TimerDescente, true);
    }
}

void Game::TimerDescenteTimer() {
    const int nbLgn = s_.P.NbLgn, nbCol = s_.P.NbCol;
    bool moved = false;
    for (int r = nbLgn - 1; r >= 0; --r) {
        for (int c = nbCol; c >= 1; --c) {
            const int32_t code = s_.Grille[r][c];
            if (!isCapsuleHalf(code)) continue;
            switch (linkOf(code)) {
            case LinkLoose:
                if (s_.Grille[r + 1][c] == CellEmpty) {
                    InitImg(r + 1, c, code);
                    InitImg(r, c, CellEmpty);
                    moved = true;
                }
                break;
            case LinkTop: {
                const int32_t lower = s_.Grille[r + 1][c];
                if (estDemiGelule(lower, LinkBottom) && s_.Grille[r + 2][c] == CellEmpty) {
                    InitImg(r + 2, c, lower);
                    InitImg(r + 1, c, code);
                    InitImg(r, c, CellEmpty);
                    moved = true;
                }
                break;
            }
            case LinkLeft: {
                const int32_t right = s_.Grille[r][c + 1];
                if (estDemiGelule(right, LinkRight) && s_.Grille[r + 1][c] == CellEmpty &&
                    s_.Grille[r + 1][c + 1] == CellEmpty) {
                    InitImg(r + 1, c, code);
                    InitImg(r + 1, c + 1, right);
                    InitImg(r, c, CellEmpty);
                    InitImg(r, c + 1, CellEmpty);
                    moved = true;
                }
                break;
            }
            default:
                break;
            }
        }
    }
    if (moved) {
        s_.PiecesFell = true;
        return;
    }
    if (s_.PiecesFell) {
        SonnerEtTrembler();
        if (s_.ShakeStep > 0) return; // the collapse ends when the shake does
    }
    finDescente();
}

void Game::finDescente() {
    setEnabled(TimerId::TimerDescente, false);
    setEnabled(TimerId::Timer1, true);
    Elimination();
}

void Game::SonnerEtTrembler() {
    if (s_.O.AnimationSuppr > 0) ev_.soundWanted(Sound::Pose);
    if (s_.O.Tremblement) {
        // The collapse waits while the window shakes: 400 ms in four steps.
        setEnabled(TimerId::TimerDescente, false);
        s_.ShakeStep = 1;
        restart(TimerId::TimerShake, ShakeStepPeriod);
    }
}

void Game::TimerShakeTimer() {
    static constexpr int offsets[] = {2, 0, 1, 0};
    ev_.windowShake(offsets[s_.ShakeStep - 1]);
    if (++s_.ShakeStep <= 4) return;
    s_.ShakeStep = 0;
    setEnabled(TimerId::TimerShake, false);
    finDescente();
}

} // namespace kp
