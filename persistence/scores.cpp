#include "scores.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <system_error>
#include <vector>

namespace kp {

namespace {

constexpr std::string_view SectionScores = "Scores";

int32_t toInteger(const std::string& text) {
    return ParseInteger(text).value_or(0);
}

// Whether a game of this level and smiley count ranks above the entry. An equal game does not.
bool beats(const ScoreEntry& entry, int32_t level, int32_t smileysLeft) {
    const int32_t entryLevel = toInteger(entry.level);
    return entryLevel < level || (entryLevel == level && smileysLeft < toInteger(entry.left));
}

// The entries as a later reading of the file gives them back: numbers in plain decimal, texts
// on one line without the blanks around them.
std::array<ScoreEntry, 3> asRead(const std::array<ScoreEntry, 3>& entries) {
    ScoreTable table;
    table.Entries = entries;
    IniFile scratch;
    writeScores(scratch, table);
    readScores(scratch, table);
    return table.Entries;
}

bool holds(const std::array<ScoreEntry, 3>& entries, const ScoreEntry& e) {
    return std::find(entries.begin(), entries.end(), e) != entries.end();
}

// The file's entries; without a "Scores" section the file tells nothing, and is taken to hold
// what this copy last saw in it.
std::array<ScoreEntry, 3> entriesInFile(const IniFile& ini, const ScoreTable& table) {
    if (!ini.HasSection(SectionScores)) return asRead(table.fromFile);
    ScoreTable onDisk;
    readScores(ini, onDisk);
    return onDisk.Entries;
}

// Three-way merge of this copy's table with the file's, against the entries both started from
// (table.fromFile). An entry stays when both hold it or when one side added it; an entry one side
// no longer holds was erased there, or fell off its table, and goes.
std::array<ScoreEntry, 3> merged(const std::array<ScoreEntry, 3>& file, const ScoreTable& table) {
    const auto known = asRead(table.Entries);
    const auto startValue = asRead(table.fromFile);

    // Entries are compared as read back, but this copy's go to the file with their own text
    // (a date's leading blank as the date was made).
    struct Place {
        ScoreEntry reread;
        const ScoreEntry* same;
    };
    std::vector<Place> ranking;
    // Each new entry goes below those it does not beat, as a new game below an equal older
    // one; the file's entries come first, being older than this copy's unsaved ones.
    auto place = [&](const ScoreEntry& e, const ScoreEntry& same, const auto& otherSide) {
        if (e == ScoreEntry{}) return;
        if (holds(startValue, e) && !holds(otherSide, e)) return;
        if (std::any_of(ranking.begin(), ranking.end(),
                        [&](const Place& p) { return p.reread == e; }))
            return;
        auto at = std::find_if(ranking.begin(), ranking.end(), [&](const Place& p) {
            return beats(p.reread, toInteger(e.level), toInteger(e.left));
        });
        ranking.insert(at, Place{e, &same});
    };
    for (const ScoreEntry& e : file) place(e, e, known);
    for (size_t i = 0; i < known.size(); ++i) place(known[i], table.Entries[i], file);

    std::array<ScoreEntry, 3> out;
    for (size_t i = 0; i < out.size() && i < ranking.size(); ++i) out[i] = *ranking[i].same;
    return out;
}

} // namespace

std::string scoreKey(int rank, std::string_view field) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "Score%02d_", rank);
    return prefix + std::string(field);
}

bool qualifiesForScores(const ScoreTable& table, int32_t level, int32_t smileysLeft, bool cheated) {
    return !cheated && beats(table.Entries[2], level, smileysLeft);
}

int insertScore(ScoreTable& table, int32_t level, int32_t smileysLeft, const std::string& name,
                const std::string& date) {
    auto& e = table.Entries;
    for (size_t k = 0; k < e.size(); ++k) {
        if (!beats(e[k], level, smileysLeft)) continue;
        for (size_t j = e.size() - 1; j > k; --j) e[j] = e[j - 1];
        e[k] = ScoreEntry{std::to_string(level), std::to_string(smileysLeft), name, date};
        return static_cast<int>(k) + 1;
    }
    return 0;
}

ScoreUpdate enterScore(ScoreTable& table, const std::filesystem::path& settingsFile, int32_t level,
                       int32_t smileysLeft, const std::string& name, const std::string& date) {
    ScoreUpdate result;
    result.rank = insertScore(table, level, smileysLeft, name, date);
    if (result.rank > 0) result.file = saveScores(table, settingsFile);
    return result;
}

void readScores(const IniFile& ini, ScoreTable& table) {
    for (int rank = 1; rank <= 3; ++rank) {
        ScoreEntry& e = table.Entries[rank - 1];
        e.level = std::to_string(ini.ReadInteger(SectionScores, scoreKey(rank, "Niv"), 0));
        e.left = std::to_string(ini.ReadInteger(SectionScores, scoreKey(rank, "Vir"), 0));
        e.name = ini.ReadString(SectionScores, scoreKey(rank, "Nom"), "");
        e.date = ini.ReadString(SectionScores, scoreKey(rank, "Dat"), "");
    }
    table.fromFile = table.Entries;
}

void writeScores(IniFile& ini, const ScoreTable& table) {
    for (int rank = 1; rank <= 3; ++rank) {
        const ScoreEntry& e = table.Entries[rank - 1];
        ini.WriteInteger(SectionScores, scoreKey(rank, "Niv"), toInteger(e.level));
        ini.WriteInteger(SectionScores, scoreKey(rank, "Vir"), toInteger(e.left));
        ini.WriteString(SectionScores, scoreKey(rank, "Nom"), e.name);
        ini.WriteString(SectionScores, scoreKey(rank, "Dat"), e.date);
    }
}

FileResult saveWithScores(ScoreTable& table, const std::filesystem::path& settingsFile,
                          const std::function<void(IniFile&)>& otherKeys,
                          const std::function<void(IniFile&)>& lastKeys) {
    if (settingsFile.has_parent_path()) {
        std::error_code ignored; // a folder that cannot be made is reported by the write
        std::filesystem::create_directories(settingsFile.parent_path(), ignored);
    }
    std::optional<std::array<ScoreEntry, 3>> onDiskEntries; // none when the file could not be read
    ScoreTable mergedTable;
    // A file that exists but cannot be read is left alone rather than replaced.
    const FileResult result = IniFile::Update(settingsFile, [&](IniFile& ini) {
        if (otherKeys) otherKeys(ini);
        onDiskEntries = entriesInFile(ini, table);
        mergedTable.Entries = merged(*onDiskEntries, table);
        writeScores(ini, mergedTable);
        if (lastKeys) lastKeys(ini);
    });
    if (onDiskEntries) {
        // The window shows the table as the file now gives it back.
        table.Entries = asRead(mergedTable.Entries);
        // After a failed write the file still holds what was read from it.
        table.fromFile = result.ok() ? table.Entries : *onDiskEntries;
    }
    return result;
}

FileResult saveScores(ScoreTable& table, const std::filesystem::path& settingsFile) {
    return saveWithScores(table, settingsFile, {});
}

void eraseScores(ScoreTable& table) {
    table.Entries = {};
}

std::string scoreDateText(const std::tm& moment, const ShortMonths& months) {
    const int m = moment.tm_mon >= 0 && moment.tm_mon < 12 ? moment.tm_mon : 0;
    char day[16], year[16], hour[32];
    std::snprintf(day, sizeof day, "%02d", moment.tm_mday);
    std::snprintf(year, sizeof year, "%04d", moment.tm_year + 1900);
    std::snprintf(hour, sizeof hour, "%02dh%02d", moment.tm_hour, moment.tm_min);
    return std::string(" ") + day + " " + months[m] + " " + year + "  -  " + hour;
}

std::string scoreDateNow(const ShortMonths& months) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return scoreDateText(local, months);
}

} // namespace kp
