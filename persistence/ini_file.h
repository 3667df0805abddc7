#pragma once
// A small INI document with the private-profile rules the game's files were always read and
// written with: section and key names compared without regard to case, the first occurrence
// of a section or key wins, values read as integers in decimal or in hexadecimal ("0x" or "$"),
// booleans true for any non-zero integer and written "1"/"0", strings taken raw. Writing keeps
// every line it does not change (other sections, unknown keys, comments) and appends new keys
// at the end of their section, so keys appear in the order they were first set.

#include "file_result.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kp {

// Parses a whole value as a 32-bit integer: optional blanks around it, an optional sign, then
// decimal digits or hexadecimal digits after "0x" or "$" (hexadecimal up to FFFFFFFF, which
// wraps to negative numbers as colour words do). Anything else gives nothing.
std::optional<int32_t> ParseInteger(std::string_view text);

class IniFile {
  public:
    // Reads a file. A missing file is an empty document and not a failure; a file that exists
    // but cannot be read is reported and leaves `out` empty.
    static FileResult Load(const std::filesystem::path& path, IniFile& out);
    static IniFile FromText(std::string_view text);

    bool HasSection(std::string_view section) const;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    // Line breaks in a value are written as blanks: a value is always one line.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Removes every occurrence of the section with all its lines.
    void EraseSection(std::string_view section);

    std::string Text() const;
    // Writes the whole document through a temporary file renamed over `path`, so the file on
    // disk is either the old one or the new one, never a mix or a truncated file.
    FileResult Save(const std::filesystem::path& path) const;

  private:
    struct Line {
        std::string key; // empty for a line that is no key (comment, blank, stray text)
        std::string value;
        std::string raw; // the line as read, kept for lines that are no key
    };
    struct Section {
        std::string name; // as written in the header; the lines before any header have none
        bool header = true;
        std::vector<Line> lines;
        std::unordered_map<std::string, size_t> index; // lower-case key -> first line
    };

    const Section* FindSection(std::string_view name) const;
    Section& SectionForWriting(std::string_view name);
    void AddLine(Section& section, Line line);

    std::vector<Section> sections_;
};

} // namespace kp
