#pragma once
// The three best games: level reached and, to break ties, fewest smileys left. The table is
// kept as text, the way the score page shows it, and lives in the "Scores" section of the
// settings file.

#include "file_result.h"
#include "ini_file.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

namespace kp {

struct ScoreEntry {
    std::string level = "0"; // level reached, decimal text
    std::string left = "0";  // smileys left on that level, decimal text
    std::string name;
    std::string date;

    bool operator==(const ScoreEntry&) const = default;
};

struct ScoreTable {
    std::array<ScoreEntry, 3> Entries; // rank 1 first
    // The entries as the settings file held them when this table last read or wrote it. Another
    // copy of the game may write the file meanwhile: against these, a write tells the entries it
    // added or erased from those this copy added or erased, and keeps both copies' changes.
    std::array<ScoreEntry, 3> fromFile;

    // Two tables are equal when they show the same entries.
    bool operator==(const ScoreTable& other) const { return Entries == other.Entries; }
};

// "Score01_Niv", "Score01_Vir", "Score01_Nom", "Score01_Dat" for rank 1, and so on.
std::string scoreKey(int rank, std::string_view field);

// Whether a lost game enters the table: never after cheating; otherwise when it beats the
// third entry (higher level, or the same level with fewer smileys left).
bool qualifiesForScores(const ScoreTable& table, int32_t level, int32_t smileysLeft, bool cheated);

// Puts the game at the first entry it beats and moves the lower ones down (the last falls
// off). An equal game stays below the older one. Returns the rank 1..3, or 0 when the game
// beats no entry and nothing changed.
int insertScore(ScoreTable& table, int32_t level, int32_t smileysLeft, const std::string& name,
                const std::string& date);

struct ScoreUpdate {
    int rank = 0;    // 0: the table did not change and nothing was written
    FileResult file; // how writing the settings file went
};

// The name dialog's OK: inserts the game, then writes the "Scores" section at once (merged
// as saveScores does, so the game may end up lower or, beaten meanwhile, off it).
ScoreUpdate enterScore(ScoreTable& table, const std::filesystem::path& settingsFile, int32_t level,
                       int32_t smileysLeft, const std::string& name, const std::string& date);

// Rewrites the twelve "Scores" keys of the settings file; everything else in it is kept.
// The table is first merged with the one in the file, which another copy of the game may have
// changed since: the entries either copy added are kept, those either erased go, and the best
// three remain in the game's order (an entry the file already held stays ahead of an equal one
// of this copy); an entry both hold is kept once. `table` becomes the merged table, as a new
// reading of the file gives it (texts without the blanks around them).
FileResult saveScores(ScoreTable& table, const std::filesystem::path& settingsFile);

// The same with other keys of the settings file written by `otherKeys` (which leaves the
// "Scores" section alone), and by `lastKeys` after the scores, so that a section new to the
// file comes after the three it always had; the folder is created when missing.
FileResult saveWithScores(ScoreTable& table, const std::filesystem::path& settingsFile,
                          const std::function<void(IniFile&)>& otherKeys,
                          const std::function<void(IniFile&)>& lastKeys = {});

// Empties the table in memory; the file keeps the old entries until the next write, which
// erases them (and keeps any entry another copy of the game added meanwhile).
void eraseScores(ScoreTable& table);

// Reading and writing the section inside an already opened settings document. Reading also
// notes the entries as the file holds them.
void readScores(const IniFile& ini, ScoreTable& table);
void writeScores(IniFile& ini, const ScoreTable& table);

// Short month names, January first: the window passes the current locale's.
using ShortMonths = std::array<std::string, 12>;

// The date of an entry: a blank, the day in two digits, the short month, the year, then two
// blanks, a dash, two blanks and the time as 08h05, e.g. " 07 Jan 2024  -  08h05".
std::string scoreDateText(const std::tm& moment, const ShortMonths& months);
// The same for the current local time.
std::string scoreDateNow(const ShortMonths& months);

} // namespace kp
