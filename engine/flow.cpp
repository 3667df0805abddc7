// The flow of a game: pause, panic, levels won and lost, the chrono, the smileys' animation
// and the pin-up step between levels.
#include "game.h"

#include <algorithm>
#include <limits>

namespace kp {

// Nothing on the board moves while the game is paused: a hard drop ends, as it does for any
// key, and a removal, collapse, shake or pin-up waits where it is until the pause is left.
void Game::pause() {
    setPeriod(TimerId::Fall, 0);
    s_.dropStopped = true;
    setEnabled(TimerId::Drop, false);
    stopRepeat();
    holdChain(true);
    setMessage(Message::Paused, true);
    s_.paused = true;
    ev_.pauseChanged(true);
}

// Leaving the pause during a removal, a collapse, a shake or the pin-up sets the fall period
// but leaves the capsule waiting: the end of the chain lets it fall.
void Game::resume() {
    holdChain(false);
    setPeriod(TimerId::Fall, fallPeriod());
    if (!chainRunning()) setEnabled(TimerId::Fall, true);
    s_.messageVisible = false;
    ev_.messageChanged();
    s_.paused = false;
    ev_.pauseChanged(false);
}

void Game::togglePause() {
    if (s_.paused)
        resume();
    else
        pause();
}

// Hides the game at once: it pauses now rather than at the next chrono tick, so nothing moves
// while nobody is looking.
void Game::panic() {
    if (s_.hidden) return;
    if (!s_.paused) pause();
    s_.hidden = true;
    ev_.panicChanged(true);
}

void Game::unhide() {
    if (!s_.hidden) return;
    s_.hidden = false;
    ev_.panicChanged(false);
}

void Game::tickChrono() {
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

void Game::onClockTick() {
    if (!s_.windowActive && !s_.paused) pause();
    if (s_.paused) return;
    tickChrono();
    ev_.counterChanged(Counter::Chrono);
}

void Game::onSmileyTick() {
    visitBoard();
    for (int r = s_.params.rows; r >= 1; --r) {
        for (int c = s_.params.columns; c >= 1; --c) {
            const int32_t code = s_.grid[r][c];
            if (!isSmiley(code)) continue;
            const int64_t a = -int64_t{code};
            const int phase = static_cast<int>(a % 10);
            if (phase < 1 || phase > 4) continue; // not a phase we know how to step
            setCell(r, c, static_cast<int32_t>(-(a - phase + phase % 4 + 1)));
        }
    }
    if (s_.messageVisible) {
        const int64_t level = s_.level;
        const int64_t band = (level - 1) * s_.params.smileyRowsPerLevel + s_.params.smileyRows;
        const int64_t top = int64_t{s_.params.rows} - 2;
        if (top < s_.params.maxSmileyRows && top < band) ev_.messageRepaint();
    }
}

// A search found no run: the smileys are counted, and the level is won when none is left, or
// lost when a capsule can no longer enter (either entry cell is taken).
void Game::endOfSearch() {
    const int rows = s_.params.rows, columns = s_.params.columns;
    int32_t smileysLeft = 0;
    visitBoard();
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            if (isSmiley(s_.grid[r][c])) ++smileysLeft;
    s_.smileysLeft = smileysLeft;
    ev_.counterChanged(Counter::Smileys);

    const bool blocked =
        s_.grid[1][columns / 2] != CellEmpty || s_.grid[1][columns / 2 + 1] != CellEmpty;
    if (hooks_) {
        using End = BoardHooks::End;
        const End end = smileysLeft == 0 ? End::Won : blocked ? End::Lost : End::PlaysOn;
        if (end != End::PlaysOn) setEnabled(TimerId::Fall, false);
        hooks_->chainEnded(end);
        return;
    }
    if (smileysLeft == 0)
        levelWon();
    else if (blocked)
        gameLost();
}

void Game::levelWon() {
    ev_.soundWanted(Sound::LevelWon);
    s_.cheated = false;
    startPinup();
}

void Game::startPinup() {
    if (s_.options.Pinup == 0) {
        nextLevel();
        return;
    }
    setEnabled(TimerId::Fall, false);
    setEnabled(TimerId::Removal, false);
    setEnabled(TimerId::Collapse, false);
    const int64_t period = int64_t{s_.level} * 15;
    setPeriod(TimerId::Pinup, static_cast<int32_t>(std::clamp<int64_t>(
                                  period, 15, std::numeric_limits<int32_t>::max())));
    s_.pinupFrame = 1;
    s_.phase = Phase::PinUp;
}

PinupFigure Game::pinupFigure() const {
    if (s_.options.Pinup == 2 || (s_.options.Pinup == 3 && s_.level % 2 == 0))
        return PinupFigure::FromRight;
    return PinupFigure::FromLeft;
}

void Game::onPinupTick() {
    if (s_.pinupFrame < 1) return;
    ev_.pinupFrame(s_.pinupFrame, pinupFigure());
    if (s_.pinupFrame < PinupFrames) {
        ++s_.pinupFrame;
        return;
    }
    s_.pinupFrame = 0;
    s_.phase = Phase::Playing;
    setPeriod(TimerId::Pinup, 0);
    nextLevel();
}

void Game::gameLost() {
    pause();
    setMessage(Message::Lost, true);
    if (!s_.cheated && ev_.recordQualifies(s_.level, s_.smileysLeft)) {
        ev_.soundWanted(Sound::HighScore);
        ev_.recordOffered();
        s_.cheated = true; // the same game is not offered a second entry
    }
}

} // namespace kp
