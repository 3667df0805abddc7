#pragma once
// Replay files ("*.KembrollaReplay"): a recorded game as INI-style text a person can read, the
// settings in the clear and the inputs as short tokens. docs/replay-format.md describes it.
// Reading checks everything and then plays the game where nobody sees it: a file that is
// damaged, cut short, from a newer version, beyond what the game could have recorded, or whose
// game does not reach the end it claims, is refused.

#include "file_result.h"

#include "engine/recording.h"
#include "engine/replay.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace kp {

// A single-player game: its commands on the table's clock, which fires the timers again.
constexpr int ReplayVersion = 3;
// A versus match, in a format of its own.
constexpr int VersusReplayVersion = 2;
// A single-player game as the game wrote it before it ran on the table's clock: its timers'
// fires among its inputs, timed by the wall. Still read, and written for such a recording.
constexpr int TimersReplayVersion = 1;
constexpr std::string_view ReplayExtension = ".KembrollaReplay";

enum class ReplayError {
    None,
    Unreadable,  // the file could not be read (see the FileResult)
    NotAReplay,  // no replay header
    NewerVersion // written by a later version of the game
    ,
    Damaged,  // a key missing, a value out of range, a token unknown, the inputs cut short
    TooLarge, // more than the game could replay in a moment
    Diverges, // played again, the game does not end where the file says
};

// The most work (see replay.h) reading one file may cost, a game or a match: under a tenth of a
// second (bench/engine_bench). A file asking for more is refused, as one of more inputs than the
// game could replay in that time (half a minute of inputs at the fastest: half an hour of play).
constexpr int64_t MaxReplayWork = 100'000'000;
constexpr int64_t MaxReplayInputs = 2'000'000;
constexpr size_t MaxReplayFile = 4u << 20; // bytes

// What in the file a Damaged or TooLarge refusal is about (the window words it).
enum class ReplayProblem {
    None,
    Key,               // detail: "Section/Key", missing or its value out of range
    TooManyValues,     // detail: the section of the line with more values than it takes
    Input,             // detail: the token, as the file has it (40 bytes at most)
    InputsCutShort,    // detail: the number of the input line missing
    EmptyInputLine,    //
    InputsBeyondCount, // more input lines than "Nombre" says
    FileSize,          //
    ParameterChanges,  // more parameter lines than a game could have
    InputCount,        // detail: "Nombre"
    LevelSetUps,       // more levels to set up than the limit allows
    Work,              // playing it again went past the limit
};

struct ReplayRead {
    ReplayError error = ReplayError::None;
    // The key, the input, the number or the version the refusal is about, as the file has it:
    // words of no language.
    std::string detail;
    FileResult file;
    int64_t work = 0; // the work playing the file again took (none when refused before)
    ReplayProblem problem = ReplayProblem::None;
    bool ok() const { return error == ReplayError::None; }
};

std::string replayText(const Recording& recording);
// A recording written in the format of its kind: a game alone's, or a match's.
FileResult writeReplay(const std::filesystem::path& path, const Recording& recording);

// A game alone, written in the version of its kind. Read from text or from a file into `out`
// (left as it was when refused): a file of either single-player version.
ReplayRead parseReplay(std::string_view text, Recording& out);
ReplayRead readReplay(const std::filesystem::path& path, Recording& out);

// Versus matches, in the same way. A single-player game's file is NotAReplay, as a match's is
// to the single-player reader.
std::string versusReplayText(const Recording& recording);
ReplayRead parseVersusReplay(std::string_view text, Recording& out);
ReplayRead readVersusReplay(const std::filesystem::path& path, Recording& out);

// A file of either kind, parsed once and judged by the reader of its version: a single
// player's game or a match, whichever it holds once accepted (`out` is left as it was when
// refused).
struct AnyReplay {
    std::shared_ptr<Recording> game;
    std::shared_ptr<Recording> match;
};
ReplayRead parseAnyReplay(std::string_view text, AnyReplay& out);
ReplayRead readAnyReplay(const std::filesystem::path& path, AnyReplay& out);

} // namespace kp
