// Setting up a level: the board, its smileys (or a saved game), and the capsules.
#include "game.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace kp {

void Game::InitPartie(const std::string& path) {
    s_.Tricherie = false;
    s_.Niveau = 1;
    s_.Chrono.fill(0);
    ev_.counterChanged(Counter::Chrono);
    InitJeu(path);
}

void Game::MenuRecommencerNiveauClick() {
    s_.Tricherie = true;
    InitJeu();
}

void Game::MenuPasserNiveauClick() {
    s_.Tricherie = true;
    niveauSuivant();
}

void Game::niveauSuivant() {
    if (s_.Niveau < std::numeric_limits<int32_t>::max()) ++s_.Niveau;
    InitJeu();
}

// Ends the sequences that would otherwise reach into the new level: a hard drop, a window
// shake (which would restart the collapse on the new board) and a pin-up animation (which
// would skip a level when it ends).
void Game::arreterSequences() {
    s_.DropStop = true;
    setEnabled(TimerId::TimerDrop, false);
    if (s_.ShakeStep > 0) {
        s_.ShakeStep = 0;
        setEnabled(TimerId::TimerShake, false);
        ev_.windowShake(0);
    }
    if (s_.PinupFrame > 0) {
        s_.PinupFrame = 0;
        setPeriod(TimerId::TimerXX, 0);
        ev_.pinupFrame(0, pinupFigure());
    }
    s_.CompteurEffacement = 0;
}

void Game::InitJeu(const std::string& path) {
    ++levelsSetUp_;
    setEnabled(TimerId::Timer1, false);
    setEnabled(TimerId::TimerEffacement, false);
    setEnabled(TimerId::TimerDescente, false);
    arreterSequences();

    const int nbLgn = s_.P.NbLgn, nbCol = s_.P.NbCol;
    for (int r = 0; r <= nbLgn; ++r)
        for (int c = 0; c <= nbCol; ++c) InitImg(r, c, CellEmpty);
    for (int c = 0; c <= nbCol + 1; ++c) InitImg(nbLgn + 1, c, CellWall);
    for (int r = 0; r <= nbLgn; ++r) {
        InitImg(r, 0, CellWall);
        InitImg(r, nbCol + 1, CellWall);
    }
    s_.PieceVisible = false;

    if (path.empty()) {
        placerSmileys();
    } else if (!chargerPartie(path)) {
        return;
    }

    ev_.counterChanged(Counter::Virus);
    ev_.counterChanged(Counter::Niveau);
    tirerSuivante();
    InitImgApercu(1, s_.NextCode1);
    InitImgApercu(2, s_.NextCode2);
    InitPiece();
    setPeriod(TimerId::Timer1, periodeChute());
    MenuPause_Activer();
    if (path.empty()) setMessage(Message::Niveau, true);
}

void Game::placerSmileys() {
    const int64_t nbLgn = s_.P.NbLgn, nbCol = s_.P.NbCol;
    const int64_t niveau = s_.Niveau;
    int64_t lignes = (niveau - 1) * s_.P.NbVirusLignesInc + s_.P.NbVirusLignes;
    lignes = std::min<int64_t>(lignes, s_.P.NbVirusLignesMax);
    // Smileys stay on the visible rows, whatever the parameters say.
    lignes = std::clamp<int64_t>(lignes, 0, nbLgn);
    const int64_t cible = (niveau - 1) * s_.P.NbVirusInc + s_.P.NbVirus;
    const int64_t place = lignes * nbCol;
    int32_t placed = 0;
    while (placed < cible && placed < place) {
        const int row =
            random_(static_cast<int32_t>(lignes)) + 1 + static_cast<int>(nbLgn - lignes);
        const int col = random_(static_cast<int32_t>(nbCol)) + 1;
        if (s_.Grille[row][col] != CellEmpty) continue;
        const int colour = random_(s_.P.NbColor);
        const int phase = random_(4) + 1;
        InitImg(row, col, smileyCode(colour, phase));
        ++placed;
    }
    s_.NbVirusRestants = placed;
}

bool Game::chargerPartie(const std::string& path) {
    auto saved = std::make_unique<SavedGame>();
    switch (ev_.loadGame(path, *saved)) {
    case LoadResult::SettingsFile:
        InitJeu();
        return false;
    case LoadResult::NotASave:
        // The board stays empty and the timers off; the capsule stays out of sight and the
        // counters tell the truth about the empty board.
        s_.PieceRow = 0;
        s_.NbVirusRestants = 0;
        ev_.counterChanged(Counter::Virus);
        ev_.counterChanged(Counter::Niveau);
        ev_.notASavedGame(path);
        return false;
    case LoadResult::Loaded:
        break;
    }
    // A game saved in the middle of a chain holds cells being removed and halves in mid-air.
    // The removals are finished (the cells are emptied) and the board settles as it does after
    // a removal: loose halves fall, new runs go, then the capsule comes. On a settled board
    // this only counts the smileys again before the first fall.
    for (int r = 0; r <= s_.P.NbLgn; ++r)
        for (int c = 1; c <= s_.P.NbCol; ++c) {
            const int32_t code = saved->Cells[r][c];
            InitImg(r, c, isRemoval(code) ? CellEmpty : code);
        }
    s_.Niveau = saved->Niveau;
    s_.NbVirusRestants = saved->NbVirusRestants;
    s_.Chrono = saved->Chrono;
    s_.Tricherie = saved->Tricherie;
    ev_.counterChanged(Counter::Chrono);
    s_.PiecesFell = false;
    setEnabled(TimerId::TimerDescente, true);
    return true;
}

void Game::tirerSuivante() {
    s_.NextCode1 = (random_(s_.P.NbColor) + 1) * 10 + 92;
    s_.NextCode2 = (random_(s_.P.NbColor) + 1) * 10 + 94;
}

void Game::InitPiece() {
    s_.DropStop = true;
    s_.PieceOrientation = 2;
    s_.PieceRow = 0;
    s_.PieceCol = s_.P.NbCol / 2;
    s_.PieceVisible = false;
    s_.PieceCode1 = s_.NextCode1;
    s_.PieceCode2 = s_.NextCode2;
    tirerSuivante();
}

} // namespace kp
