#include "game_summary.h"

#include "replay.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace kp {

namespace {

// Counts what the rules report while the recording plays. A capsule lands with the landing
// sound; the same sound after a collapse is no capsule, and comes only from a collapse tick.
struct Tally : GameEvents {
    const Game* game = nullptr;
    std::optional<Input> input; // what is being played: an input, or a timer the clock fires
    GameSummary summary;
    int32_t smileys = 0;
    int32_t chain = 0;
    int32_t levelStart = 0;

    const GameState& s() const { return game->state(); }

    void counterChanged(Counter counter) override {
        switch (counter) {
        case Counter::Smileys:
            if (s().smileysLeft < smileys) summary.smileysCleared += smileys - s().smileysLeft;
            smileys = s().smileysLeft;
            break;
        case Counter::Level: // a level is set up: its smileys are new
            if (input && input->kind == InputKind::Helped) break; // only blanked
            smileys = s().smileysLeft;
            levelStart = chronoSeconds(s().Chrono);
            break;
        case Counter::Chrono:
            break;
        }
    }
    void soundWanted(Sound sound) override {
        switch (sound) {
        case Sound::Landing:
            if (input && input->kind == InputKind::Fire &&
                input->value == timerIndex(TimerId::Collapse))
                break;
            ++summary.capsulesPlaced;
            chain = 0;
            break;
        case Sound::Removal:
            summary.longestChain = std::max(summary.longestChain, ++chain);
            break;
        case Sound::LevelWon:
            ++summary.levelsWon;
            summary.levels.push_back({s().level, chronoSeconds(s().Chrono) - levelStart});
            break;
        case Sound::HighScore:
            break;
        }
    }
};

} // namespace

int32_t chronoSeconds(const std::array<int32_t, 5>& c) {
    return c[0] * 3600 + c[1] * 600 + c[2] * 60 + c[3] * 10 + c[4];
}

GameSummary summarise(const Recording& recording) {
    Tally tally;
    auto game = std::make_unique<Game>(tally);
    tally.game = game.get();
    Replay replay(recording, *game);
    replay.heard = [&tally](const Input& in) { tally.input = in; };
    replay.playToEnd();
    tally.summary.secondsPlayed = chronoSeconds(game->state().Chrono);
    return tally.summary;
}

} // namespace kp
