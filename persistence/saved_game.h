#pragma once
// Saved games: one "Sauvegarde" section holding the level, the smiley counter, the chrono,
// the cheat flag and every board cell as a key "row-column". Key "0-0" is the top-left wall,
// always 999, and tells a saved game from any other file.

#include "file_result.h"

#include "engine/events.h"
#include "engine/game_state.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kp {

class IniFile;

// Writes the game into the file's "Sauvegarde" section, replacing the section and keeping
// every other one. The board goes in with its walls and floor, rows 0..rows+1 and columns
// 0..columns+1; the falling capsule, when it is on the board, is written as empty cells.
FileResult writeSavedGame(const std::filesystem::path& path, const GameState& state);

enum class LoadResult {
    Loaded,       // `out` holds the game
    NotASave,     // no signature: the player is told, the game in progress goes on
    SettingsFile, // the settings file itself: a fresh game instead, silently
};

// Reads a saved game. When the file has no signature it is SettingsFile if `path` is the
// settings file itself (the same text as `settingsName`, the bare name or a full path), and
// NotASave otherwise; `out` is then left as it was. Cells are read for every row and column
// 0..100 that the file holds; those missing are empty.
LoadResult readSavedGame(const std::filesystem::path& path, std::string_view settingsName,
                         SavedGame& out);
// Reads a saved game from a document already read: false, with `out` left as it was, when the
// document has no signature.
bool readSavedGame(const IniFile& ini, SavedGame& out);

} // namespace kp
