// Replay files: any bytes go to both readers, of a single-player game and of a versus match. A
// file one accepts has already been played again to its recorded end; it must then be written
// back to the same text, read back to the same game, and (one player's) give its statistics
// without trouble. A file one refuses must say why, in terms the window can word.
#include "fuzz/scratch.h"

#include "engine/game_summary.h"
#include "persistence/replay_file.h"

#include <string_view>

using namespace kp;
using fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Recording match;
    const ReplayRead versus = parseVersusReplay(text, match);
    if (versus.ok()) {
        Check(replayEnd(match) == match.end, "an accepted match reaches its recorded end");
        const std::string written = versusReplayText(match);
        Recording back;
        Check(parseVersusReplay(written, back).ok(), "a match written by the game reads back");
        Check(back.inputs == match.inputs && back.end == match.end &&
                  MatchSettings(back) == MatchSettings(match) && back.duration == match.duration,
              "the same match comes back");
        Check(versusReplayText(back) == written, "a match written again, the same text");
    } else {
        Check(versus.error != ReplayError::Damaged || versus.problem != ReplayProblem::None,
              "a damaged match is told with what is wrong in it");
    }
    Recording game;
    const ReplayRead read = parseReplay(text, game);
    if (!read.ok()) {
        Check(read.error != ReplayError::Damaged || read.problem != ReplayProblem::None,
              "a damaged file is told with what is wrong in it");
        return 0;
    }
    Check(replayEnd(game) == game.end, "an accepted replay reaches its recorded end");
    const std::string written = replayText(game);
    Recording back;
    Check(parseReplay(written, back).ok(), "a replay written by the game reads back");
    Check(back.inputs == game.inputs && back.end == game.end && back.seed == game.seed &&
              back.timersRecorded == game.timersRecorded && back.duration == game.duration,
          "the same game comes back");
    Check(replayText(back) == written, "written again, the same text");
    const GameSummary summary = summarise(game);
    Check(summary.levelsWon >= 0 && summary.smileysCleared >= 0 && summary.capsulesPlaced >= 0,
          "a replay's statistics count up from nothing");
    return 0;
}
