#include "saved_game.h"

#include "ini_file.h"

#include <algorithm>

namespace kp {

namespace {

constexpr std::string_view SavedGameSection = "Sauvegarde";
constexpr std::array<int32_t, 5> ChronoMax{9, 5, 9, 5, 9}; // h, 10 min, min, 10 s, s

std::string cellKey(int row, int col) {
    return std::to_string(row) + "-" + std::to_string(col);
}
std::string chronoKey(int i) {
    return "Chrono" + std::to_string(i) + "Tag";
}

// The cells the falling capsule occupies, or none while it still waits out of sight.
bool inFallingCapsule(const GameState& state, int row, int col) {
    return state.capsuleInGrid && state.capsule.covers(row, col);
}

// Replaces the file's "Sauvegarde" section by the game, keeping every other section.
void writeGameSection(IniFile& ini, const GameState& state) {
    ini.EraseSection(SavedGameSection);
    ini.WriteInteger(SavedGameSection, "Niveau", state.level);
    ini.WriteInteger(SavedGameSection, "NbVirusRestants", state.smileysLeft);
    for (int i = 0; i < 5; ++i) ini.WriteInteger(SavedGameSection, chronoKey(i), state.Chrono[i]);
    ini.WriteBool(SavedGameSection, "Tricherie", state.cheated);

    // The floor row and right wall are rows+1 and columns+1; the grid holds 101 of each.
    const int lastRow = std::clamp(state.params.rows + 1, 0, GridSize - 1);
    const int lastCol = std::clamp(state.params.columns + 1, 0, GridSize - 1);
    for (int row = 0; row <= lastRow; ++row) {
        for (int col = 0; col <= lastCol; ++col) {
            const int32_t code =
                inFallingCapsule(state, row, col) ? CellEmpty : state.grid[row][col];
            ini.WriteInteger(SavedGameSection, cellKey(row, col), code);
        }
    }
}

} // namespace

FileResult writeSavedGame(const std::filesystem::path& path, const GameState& state) {
    // A file that exists but cannot be read is left alone: replacing it would lose its content.
    return IniFile::Update(path, [&state](IniFile& ini) { writeGameSection(ini, state); });
}

LoadResult readSavedGame(const std::filesystem::path& path, std::string_view settingsName,
                         SavedGame& out) {
    IniFile ini;
    IniFile::Load(path, ini); // an unreadable file simply has no signature
    if (readSavedGame(ini, out)) return LoadResult::Loaded;
    return path.string() == settingsName ? LoadResult::SettingsFile : LoadResult::NotASave;
}

bool readSavedGame(const IniFile& ini, SavedGame& out) {
    if (ini.ReadInteger(SavedGameSection, "0-0", 0) != CellWall) return false;

    SavedGame game;
    for (int row = 0; row < GridSize; ++row)
        for (int col = 0; col < GridSize; ++col)
            game.Cells[row][col] = ini.ReadInteger(SavedGameSection, cellKey(row, col), CellEmpty);

    game.level = ini.ReadInteger(SavedGameSection, "Niveau", 1);
    if (game.level < 1) game.level = 1; // levels count from 1: the fall period depends on it
    game.smileysLeft = ini.ReadInteger(SavedGameSection, "NbVirusRestants", 0);
    for (int i = 0; i < 5; ++i) {
        const int32_t digit = ini.ReadInteger(SavedGameSection, chronoKey(i), 0);
        game.Chrono[i] = digit >= 0 && digit <= ChronoMax[i] ? digit : 0;
    }
    game.cheated = ini.ReadBool(SavedGameSection, "Tricherie", false);
    out = game;
    return true;
}

} // namespace kp
