#pragma once
// Test fixture for the rules: a recorder of everything the game tells the outside world, and
// boards written as text. A cell is one token: "." empty, "#" wall, an upper-case colour
// letter a smiley (phase 1), a lower-case letter and a link digit a capsule half ("b2" left
// half of colour b), "*" and a letter a cell being removed (frame 0). Colours: b y m g o.

#include "engine/game.h"
#include "engine/virtual_clock.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace kp::test {

struct Recorder : GameEvents {
    std::map<Sound, int> sounds;
    std::vector<int> shakes;
    std::vector<std::pair<int, PinupFigure>> pinups;
    std::vector<bool> panics;
    std::vector<std::tuple<int, int, int32_t>> drawn; // every cell redrawn, in order
    int recordOffers = 0;
    int boards = 0; // whole-board redraws
    int messageRepaints = 0;
    bool qualifies = false;

    void cellChanged(int row, int col, int32_t code) override {
        drawn.emplace_back(row, col, code);
    }
    void boardChanged() override { ++boards; }
    void soundWanted(Sound s) override { ++sounds[s]; }
    void windowShake(int dy) override { shakes.push_back(dy); }
    void pinupFrame(int f, PinupFigure fig) override { pinups.emplace_back(f, fig); }
    void panicChanged(bool hidden) override { panics.push_back(hidden); }
    void recordOffered() override { ++recordOffers; }
    void messageRepaint() override { ++messageRepaints; }
    bool recordQualifies(int32_t, int32_t) override { return qualifies; }
};

int32_t parseCell(const std::string& token);
// Empties the board and writes `rows` (tokens as parseCell reads them) at its bottom.
void fillBoard(GameState& st, const std::vector<std::string>& rows);
std::string cellText(int32_t code);

// A game on virtual time, started and with its board replaced by text.
struct Scenario {
    Recorder ev;
    Game game;
    VirtualClock clock;

    explicit Scenario(const LevelParameters& p = {}, uint32_t seed = 12345);
    GameState& s() { return game.state(); }

    // Replaces the visible field by these rows, aligned on the bottom row; the rest is empty.
    void board(const std::vector<std::string>& rows);
    // Every visible row as text, top to bottom; `last` keeps only the bottom rows.
    std::vector<std::string> text(int last = 0) const;
    // Puts the falling capsule (already in the grid) at a place and orientation.
    void capsule(int row, int col, int orientation, int colour1, int colour2);
    // Leaves the pause and lets play go on.
    void resume();
    void key(Command command);
    void run(int64_t ms) { clock.advance(ms); }
    // Runs the removal and collapse chain until the capsule may move again (or time runs out).
    void settle(int64_t limitMs = 60000);
    int count(int32_t code) const;
    int smileys() const;
};

} // namespace kp::test
