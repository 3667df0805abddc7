#pragma once
#include "events.h"
#include "game_state.h"
#include "random.h"

#include <array>
#include <cstdint>
#include <string>

namespace kp {

// The rules of the game over one GameState. Nothing here sleeps or reads a clock: every
// delay is a timer of the table in the state, fired by a driver through fire().
class Game {
  public:
    // The fall period never goes below this, whatever the level (at 650 ms and 10 ms a level
    // the bare formula would reach 0 at level 66 and the capsule would stop falling).
    static constexpr int32_t MinFallPeriod = 50;
    static constexpr int32_t DropStepPeriod = 50;
    static constexpr int32_t ShakeStepPeriod = 100;
    static constexpr int32_t PinupFrames = 24;

    explicit Game(GameEvents& events, uint32_t seed = 0);

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    Random& random() { return random_; }

    // Game flow.
    void InitPartie(const std::string& path = {});
    void InitJeu(const std::string& path = {});
    void InitPiece();
    void MenuRecommencerNiveauClick();
    void MenuPasserNiveauClick();
    void MenuPauseClick();
    void MenuPause_Activer();
    void MenuPause_Desactiver();
    void PanicActiver();
    void PanicDesactiver();
    void setWindowActive(bool active) { s_.WindowActive = active; }

    // Moves: 'G' left, 'D' right, 'B' down, 'H' quarter turn. False when refused.
    bool Mouvement(char move);
    void FormKeyDown(int key);

    void Elimination();
    void INC_Chrono();

    // Settings the rules read. Parameters take effect at the next level set-up.
    void setParametres(const Parametres& p);
    void setAnimationVirus(int32_t value);
    void setAnimationSuppr(int32_t value);
    void setTremblement(bool on) { s_.O.Tremblement = on; }
    void setPinup(int32_t value) { s_.O.Pinup = value; }

    // Timers: fire() runs the handler of a running timer (others are ignored).
    void fire(TimerId id);
    void Timer1Timer() { Mouvement('B'); }
    void TimerEffacementTimer();
    void TimerDescenteTimer();
    void TimerVirusTimer();
    void TimerChronoTimer();
    void TimerXXTimer();
    void TimerDropTimer();
    void TimerShakeTimer();

    int32_t periodeChute() const;
    PinupFigure pinupFigure() const;
    // A removal, collapse, shake or pin-up is under way: the capsule must wait.
    bool chainRunning() const;

    static int32_t periodeVirus(int32_t animationVirus);
    static int32_t periodeSuppr(int32_t animationSuppr);

  private:
    void InitImg(int row, int col, int32_t code);
    void InitImgApercu(int col, int32_t code);
    void setEnabled(TimerId id, bool enabled);
    void setPeriod(TimerId id, int32_t period);
    void restart(TimerId id, int32_t period);
    // Holds (or lets go of) the timers of a chain: removal, collapse, shake and pin-up.
    void holdChain(bool held);
    void setMessage(Message m, bool visible);

    void tirerSuivante();
    void placerSmileys();
    bool chargerPartie(const std::string& path);
    void atterrissage();
    void SonnerEtTrembler();
    void finDescente();
    void niveauGagne();
    void partiePerdue();
    void InitSurprise();
    void niveauSuivant();
    void arreterSequences();

    GameEvents& ev_;
    GameState s_;
    Random random_;
    uint32_t levelsSetUp_ = 0; // counts InitJeu calls, so a landing can tell one happened
    // Scratch space of Elimination: colour classes, vertical segments, marked cells.
    template <typename T> using Plane = std::array<std::array<T, GridSize>, GridSize>;
    Plane<int8_t> classes_{};
    Plane<int16_t> posV_{}, lenV_{};
    Plane<bool> marque_{};
};

} // namespace kp
