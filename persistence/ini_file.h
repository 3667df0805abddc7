#pragma once
// A small INI document with the private-profile rules the game's files were always read and
// written with: section and key names compared without regard to case, the first occurrence
// of a section or key wins, blanks around keys and values ignored, values read as integers in
// decimal or in hexadecimal ("0x" or "$"), booleans true for any non-zero integer and written
// "1"/"0". Strings are handed out in UTF-8: a value that is no valid UTF-8 comes from the older
// Windows version of the game and is read as Windows-1252.
// Writing keeps every line it does not change byte for byte (other sections, unknown keys,
// comments, line ends, and values written back with the text they already had) and appends new
// keys at the end of their section, so keys appear in the order they were first set.

#include "file_result.h"

#include <cstdint>
#include <filesystem>
#include <functional>
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

// The game's INI files (the settings, the statistics, a saved game) stay within tens of
// kilobytes with every key filled; a file many times that size is no file of ours, and is
// neither read nor written over.
constexpr std::uintmax_t MaxIniFileSize = 1u << 20;

class IniFile {
  public:
    // Reads a file. A missing file is an empty document and not a failure; a file that exists
    // but cannot be read is reported and leaves `out` empty.
    static FileResult Load(const std::filesystem::path& path, IniFile& out);
    static IniFile FromText(std::string_view text);
    // Reads the file, lets `change` edit it and writes it back, as UpdateFileSafely does: a
    // file that exists but cannot be read is left alone and `change` is not called.
    static FileResult Update(const std::filesystem::path& path,
                             const std::function<void(IniFile&)>& change);

    bool HasSection(std::string_view section) const;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // A value as the bytes the file holds, whatever their encoding (a file's path names the
    // file by its bytes), without the blanks around them.
    std::optional<std::string> Bytes(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;

    // Line breaks in a value are written as blanks: a value is always one line. A value that
    // would read back as the text the key already holds leaves its line as it was.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // The same for a value read with Bytes: it is kept only when its bytes are the same.
    void WriteBytes(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Removes every occurrence of the section with all its lines.
    void EraseSection(std::string_view section);

    std::string Text() const;

    // The work done so far: lines parsed, and sections looked at to find the ones named by
    // reads and writes. Through the index a lookup looks at one, however many the file holds.
    struct Work {
        size_t lines = 0;
        size_t sectionsVisited = 0;
    };
    Work WorkDone() const { return work_; }

    // Writes the whole document through a temporary file renamed over `path`, so the file on
    // disk is either the old one or the new one, never a mix or a truncated file.
    FileResult Save(const std::filesystem::path& path) const;

  private:
    struct Line {
        std::string key;   // empty for a line that is no key (comment, blank, stray text)
        std::string value; // the bytes after "=", without the blanks around them
        std::string text;  // the whole line as it stands in the file
        std::string end;   // its line end as read ("\n", "\r\n", ...), empty at the end of a file
    };
    struct Section {
        std::string name; // as written in the header; the lines before any header have none
        bool header = true;
        Line headerLine;
        std::vector<Line> lines;
        std::unordered_map<std::string, size_t> index; // lower-case key -> first line
    };

    void Write(std::string_view section, std::string_view key, std::string_view value, bool bytes);
    const Section* FindSection(std::string_view name) const;
    Section& SectionForWriting(std::string_view name);
    void AddSection(Section section);
    void AddLine(Section& section, Line line);
    Line NewLine(std::string text) const;

    std::vector<Section> sections_;
    // Lower-case name -> first section of that name with a header: a file may hold thousands
    // of sections, and a saved game looks up ten thousand keys.
    std::unordered_map<std::string, size_t> sectionIndex_;
    mutable Work work_;
    bool byteOrderMark_ = false;
    std::string newline_ = "\n"; // for new lines: the file's own line end
};

} // namespace kp
