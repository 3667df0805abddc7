#include "statistics.h"

#include "ini_file.h"

#include <algorithm>
#include <limits>
#include <sstream>

namespace kp {

namespace {

constexpr std::string_view Totals = "Totaux";
constexpr std::string_view Levels = "Niveaux";
constexpr std::string_view Games = "Parties";
// A line per level of the computer played ("1" the beginner): won, lost, longest chain, attacks.
constexpr std::string_view Matches = "Duels";

bool isCount(int64_t v) {
    return v >= 0 && v <= Statistics::MaxCount;
}

int64_t readCount(const IniFile& ini, std::string_view key) {
    std::istringstream in{ini.ReadString(Totals, key, "0")};
    int64_t v = 0;
    return in >> v && isCount(v) ? v : 0;
}

// A line of numbers; false unless it holds exactly `values.size()` of them, each a count.
bool readNumbers(const std::string& text, std::initializer_list<int64_t*> values) {
    std::istringstream in(text);
    for (int64_t* v : values)
        if (!(in >> *v) || !isCount(*v)) return false;
    std::string extra;
    return !(in >> extra);
}

// A total with `n` more, which stays a count whatever either holds.
void addTo(int64_t& total, int64_t n) {
    total = std::min(std::clamp<int64_t>(total, 0, Statistics::MaxCount) +
                         std::clamp<int64_t>(n, 0, Statistics::MaxCount),
                     Statistics::MaxCount);
}

int32_t narrow(int64_t v) {
    return static_cast<int32_t>(std::min<int64_t>(v, std::numeric_limits<int32_t>::max()));
}

Statistics fromIni(const IniFile& ini) {
    Statistics s;
    s.gamesPlayed = readCount(ini, "Parties");
    s.levelsWon = readCount(ini, "NiveauxGagnes");
    s.smileysCleared = readCount(ini, "SmileysElimines");
    s.capsulesPlaced = readCount(ini, "GelulesPosees");
    s.longestChain = narrow(readCount(ini, "PlusLongueChaine"));
    s.secondsPlayed = readCount(ini, "TempsJoue");
    for (int32_t level = 1; level <= Statistics::MaxLevel; ++level) {
        const std::optional<std::string> line = ini.Value(Levels, std::to_string(level));
        if (!line) break;
        int64_t won = 0, total = 0, best = 0;
        if (readNumbers(*line, {&won, &total, &best}) && won > 0)
            s.levels[level] = {won, total, narrow(best)};
    }
    for (size_t i = 1; i <= Statistics::RecentGames; ++i) {
        const std::optional<std::string> line = ini.Value(Games, std::to_string(i));
        if (!line) break;
        int64_t when = 0, won = 0, cleared = 0, seconds = 0, inLevels = 0;
        if (readNumbers(*line, {&when, &won, &cleared, &seconds, &inLevels}))
            s.recent.push_back(
                {when, narrow(won), narrow(cleared), narrow(seconds), narrow(inLevels)});
    }
    for (int level = 0; level < Statistics::MatchLines; ++level) {
        const std::optional<std::string> line = ini.Value(Matches, std::to_string(level + 1));
        int64_t won = 0, lost = 0, chain = 0, attacks = 0;
        if (line && readNumbers(*line, {&won, &lost, &chain, &attacks}))
            s.matches[static_cast<size_t>(level)] = {won, lost, narrow(chain), attacks};
    }
    return s;
}

void toIni(IniFile& ini, const Statistics& s) {
    for (std::string_view section : {Totals, Levels, Games, Matches}) ini.EraseSection(section);
    auto count = [&](std::string_view key, int64_t v) {
        ini.WriteString(Totals, key, std::to_string(v));
    };
    count("Parties", s.gamesPlayed);
    count("NiveauxGagnes", s.levelsWon);
    count("SmileysElimines", s.smileysCleared);
    count("GelulesPosees", s.capsulesPlaced);
    count("PlusLongueChaine", s.longestChain);
    count("TempsJoue", s.secondsPlayed);
    // Levels are written from 1 without a gap, so a reader stops at the first missing one.
    const int32_t top = s.levels.empty() ? 0 : s.levels.rbegin()->first;
    for (int32_t level = 1; level <= top; ++level) {
        const auto it = s.levels.find(level);
        const LevelRecord r = it == s.levels.end() ? LevelRecord{} : it->second;
        ini.WriteString(Levels, std::to_string(level),
                        std::to_string(r.won) + " " + std::to_string(r.totalSeconds) + " " +
                            std::to_string(r.bestSeconds));
    }
    size_t i = 0;
    for (const PlayedGame& g : s.recent)
        ini.WriteString(Games, std::to_string(++i),
                        std::to_string(g.when) + " " + std::to_string(g.levelsWon) + " " +
                            std::to_string(g.smileysCleared) + " " +
                            std::to_string(g.secondsPlayed) + " " +
                            std::to_string(g.secondsInLevelsWon));
    // Only the levels played: a player who never plays a match has no such section.
    for (int level = 0; level < Statistics::MatchLines; ++level) {
        const MatchRecord& m = s.matches[static_cast<size_t>(level)];
        if (!m.empty())
            ini.WriteString(Matches, std::to_string(level + 1),
                            std::to_string(m.won) + " " + std::to_string(m.lost) + " " +
                                std::to_string(m.longestChain) + " " +
                                std::to_string(m.attacksSent));
    }
}

} // namespace

std::optional<double> PlayedGame::secondsPerLevel() const {
    if (levelsWon <= 0) return std::nullopt;
    return double(secondsInLevelsWon) / double(levelsWon);
}

std::optional<double> PlayedGame::smileysPerMinute() const {
    if (secondsPlayed <= 0) return std::nullopt;
    return double(smileysCleared) * 60.0 / double(secondsPlayed);
}

void Statistics::add(const GameSummary& game, int64_t when) {
    addTo(gamesPlayed, 1);
    addTo(levelsWon, game.levelsWon);
    addTo(smileysCleared, game.smileysCleared);
    addTo(capsulesPlaced, game.capsulesPlaced);
    longestChain = std::max(longestChain, game.longestChain);
    addTo(secondsPlayed, game.secondsPlayed);
    int64_t inLevels = 0;
    for (const LevelTime& t : game.levels) {
        if (t.level < 1 || t.level > MaxLevel) continue;
        LevelRecord& r = levels[t.level];
        const int32_t seconds = std::max(0, t.seconds);
        r.bestSeconds = r.won ? std::min(r.bestSeconds, seconds) : seconds;
        addTo(r.won, 1);
        addTo(r.totalSeconds, seconds);
        addTo(inLevels, seconds);
    }
    recent.push_back(
        {when, game.levelsWon, game.smileysCleared, game.secondsPlayed, narrow(inLevels)});
    while (recent.size() > RecentGames) recent.pop_front();
}

void Statistics::add(const MatchSummary& match) {
    if (match.cpuLevel < 0 || match.cpuLevel >= MatchLines) return;
    MatchRecord& m = matches[static_cast<size_t>(match.cpuLevel)];
    addTo(match.won ? m.won : m.lost, 1);
    m.longestChain = std::max(m.longestChain, match.longestChain);
    addTo(m.attacksSent, match.attacksSent);
}

bool Statistics::empty() const {
    return gamesPlayed == 0 && recent.empty() &&
           std::all_of(matches.begin(), matches.end(),
                       [](const MatchRecord& m) { return m.empty(); });
}

std::filesystem::path statisticsFilePath(const std::filesystem::path& settingsFile) {
    std::filesystem::path p = settingsFile;
    p.replace_filename(settingsFile.stem().string() + "-statistiques.ini");
    return p;
}

FileResult loadStatistics(const std::filesystem::path& file, Statistics& out) {
    IniFile ini;
    const FileResult r = IniFile::Load(file, ini);
    out = fromIni(ini);
    return r;
}

namespace {

// The file read again as it stands now (another copy of the game may have added to it), changed
// and written back.
template <class Change>
FileResult changeStatistics(const std::filesystem::path& file, Statistics& out, Change change) {
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return IniFile::Update(file, [&](IniFile& ini) {
        out = fromIni(ini);
        change(out);
        toIni(ini, out);
    });
}

} // namespace

FileResult addToStatistics(const std::filesystem::path& file, const GameSummary& game, int64_t when,
                           Statistics& out) {
    return changeStatistics(file, out, [&](Statistics& s) { s.add(game, when); });
}

FileResult addToStatistics(const std::filesystem::path& file, const MatchSummary& match,
                           Statistics& out) {
    return changeStatistics(file, out, [&](Statistics& s) { s.add(match); });
}

FileResult clearStatistics(const std::filesystem::path& file) {
    return IniFile::Update(file, [](IniFile& ini) { toIni(ini, Statistics{}); });
}

} // namespace kp
