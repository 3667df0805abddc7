// The flow of a game: pause, panic, levels won and lost, the chrono, the smileys' animation
// and the pin-up step between levels.
#include "game.h"

#include <algorithm>
#include <limits>

namespace kp {

// Nothing on the board moves while the game is paused: a hard drop ends, as it does for any
// key, and a removal, collapse, shake or pin-up waits where it is until the pause is left.
void Game::MenuPause_Activer() {
    setPeriod(TimerId::Timer1, 0);
    s_.DropStop = true;
    setEnabled(TimerId::TimerDrop, false);
    holdChain(true);
    setMessage(Message::Pause, true);
    s_.Pause = true;
    ev_.pauseChanged(true);
}

// Leaving the pause during a removal, a collapse, a shake or the pin-up sets the fall period
// but leaves the capsule waiting: the end of the chain lets it fall.
void Game::MenuPause_Desactiver() {
    holdChain(false);
    setPeriod(TimerId::Timer1, periodeChute());
    if (!chainRunning()) setEnabled(TimerId::Timer1, true);
    s_.LabelMessageVisible = false;
    ev_.messageChanged();
    s_.Pause = false;
    ev_.pauseChanged(false);
}

void Game::MenuPauseClick() {
    if (s_.Pause)
        MenuPause_Desactiver();
    else
        MenuPause_Activer();
}

// Hides the game at once: it pauses now rather than at the next chrono tick, so nothing moves
// while nobody is looking.
void Game::PanicActiver() {
    if (s_.Hidden) return;
    if (!s_.Pause) MenuPause_Activer();
    s_.Hidden = true;
    ev_.panicChanged(true);
}

void Game::PanicDesactiver() {
    if (!s_.Hidden) return;
    s_.Hidden = false;
    ev_.panicChanged(false);
}

void Game::INC_Chrono() {
    static constexpr int32_t maxima[5] = {9, 5, 9, 5, 9};
    for (int i = 4; i >= 0; --i) {
        const int64_t next = int64_t{s_.Chrono[i]} + 1;
        if (next <= maxima[i]) {
            s_.Chrono[i] = static_cast<int32_t>(next);
            return;
        }
        s_.Chrono[i] = 0; // and carry into the digit before
    }
}

void Game::TimerChronoTimer() {
    if (!s_.WindowActive && !s_.Pause) MenuPause_Activer();
    if (s_.Pause) return;
    INC_Chrono();
    ev_.counterChanged(Counter::Chrono);
}

void Game::TimerVirusTimer() {
    for (int r = s_.P.NbLgn; r >= 1; --r) {
        for (int c = s_.P.NbCol; c >= 1; --c) {
            const int32_t code = s_.Grille[r][c];
            if (!isSmiley(code)) continue;
            const int64_t a = -int64_t{code};
            const int phase = static_cast<int>(a % 10);
            if (phase < 1 || phase > 4) continue; // not a phase we know how to step
            InitImg(r, c, static_cast<int32_t>(-(a - phase + phase % 4 + 1)));
        }
    }
    if (s_.LabelMessageVisible) {
        const int64_t niveau = s_.Niveau;
        const int64_t bande = (niveau - 1) * s_.P.NbVirusLignesInc + s_.P.NbVirusLignes;
        const int64_t haut = int64_t{s_.P.NbLgn} - 2;
        if (haut < s_.P.NbVirusLignesMax && haut < bande) ev_.messageRepaint();
    }
}

void Game::niveauGagne() {
    ev_.soundWanted(Sound::Niveau);
    s_.Tricherie = false;
    InitSurprise();
}

void Game::InitSurprise() {
    if (s_.O.Pinup == 0) {
        niveauSuivant();
        return;
    }
    setEnabled(TimerId::Timer1, false);
    setEnabled(TimerId::TimerEffacement, false);
    setEnabled(TimerId::TimerDescente, false);
    const int64_t period = int64_t{s_.Niveau} * 15;
    setPeriod(TimerId::TimerXX, static_cast<int32_t>(std::clamp<int64_t>(
                                    period, 15, std::numeric_limits<int32_t>::max())));
    s_.PinupFrame = 1;
}

PinupFigure Game::pinupFigure() const {
    if (s_.O.Pinup == 2 || (s_.O.Pinup == 3 && s_.Niveau % 2 == 0)) return PinupFigure::XX;
    return PinupFigure::YY;
}

void Game::TimerXXTimer() {
    if (s_.PinupFrame < 1) return;
    ev_.pinupFrame(s_.PinupFrame, pinupFigure());
    if (s_.PinupFrame < PinupFrames) {
        ++s_.PinupFrame;
        return;
    }
    s_.PinupFrame = 0;
    setPeriod(TimerId::TimerXX, 0);
    niveauSuivant();
}

void Game::partiePerdue() {
    MenuPause_Activer();
    setMessage(Message::Perdu, true);
    if (!s_.Tricherie && ev_.recordQualifies(s_.Niveau, s_.NbVirusRestants)) {
        ev_.soundWanted(Sound::Record);
        ev_.recordOffered();
        s_.Tricherie = true; // the same game is not offered a second entry
    }
}

} // namespace kp
