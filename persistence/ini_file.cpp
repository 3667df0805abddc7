#include "ini_file.h"

#include <algorithm>
#include <limits>

namespace kp {

namespace {

constexpr std::string_view Blanks = " \t";

std::string_view Trim(std::string_view s) {
    size_t first = s.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    size_t last = s.find_last_not_of(Blanks);
    return s.substr(first, last - first + 1);
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Folded(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), Lower);
    return out;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = Lower(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// One line per value: a line break inside it would end the value and start a stray line.
std::string OneLine(std::string_view value) {
    std::string out(value);
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

} // namespace

std::optional<int32_t> ParseInteger(std::string_view text) {
    std::string_view s = Trim(text);
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && Lower(s[1]) == 'x') {
        base = 16;
        s.remove_prefix(2);
    } else if (s.size() > 1 && s[0] == '$') {
        base = 16;
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;

    // Decimal must fit a signed 32-bit integer; hexadecimal may use all 32 bits.
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t value = 0;
    for (char c : s) {
        int digit = HexDigit(c);
        if (digit < 0 || digit >= base) return std::nullopt;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (value > limit) return std::nullopt;
    }
    uint32_t bits = static_cast<uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
}

IniFile IniFile::FromText(std::string_view text) {
    IniFile doc;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    doc.sections_.push_back(Section{{}, false, {}, {}});
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        std::string_view trimmed = Trim(line);
        if (!trimmed.empty() && trimmed[0] == '[') {
            std::string_view name = trimmed.substr(1);
            name = name.substr(0, name.find(']'));
            doc.sections_.push_back(Section{std::string(Trim(name)), true, {}, {}});
            continue;
        }
        size_t eq = line.find('=');
        std::string_view key =
            eq == std::string_view::npos ? std::string_view{} : Trim(line.substr(0, eq));
        bool comment = !trimmed.empty() && (trimmed[0] == ';' || trimmed[0] == '#');
        if (key.empty() || comment) {
            doc.AddLine(doc.sections_.back(), Line{{}, {}, std::string(line)});
        } else {
            doc.AddLine(doc.sections_.back(),
                        Line{std::string(key), std::string(line.substr(eq + 1)), {}});
        }
    }
    return doc;
}

FileResult IniFile::Load(const std::filesystem::path& path, IniFile& out) {
    std::string text;
    FileResult result = ReadWholeFile(path, text);
    out = FromText(result.ok() ? text : std::string_view{});
    return result;
}

void IniFile::AddLine(Section& section, Line line) {
    if (!line.key.empty()) section.index.try_emplace(Folded(line.key), section.lines.size());
    section.lines.push_back(std::move(line));
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    for (const Section& s : sections_)
        if (s.header && SameName(s.name, name)) return &s;
    return nullptr;
}

IniFile::Section& IniFile::SectionForWriting(std::string_view name) {
    if (const Section* found = FindSection(name)) return const_cast<Section&>(*found);
    // A new section starts after a blank line, as hand-written files usually have it.
    if (sections_.empty()) sections_.push_back(Section{{}, false, {}, {}});
    Section& last = sections_.back();
    const bool endsBlank =
        !last.lines.empty() && last.lines.back().key.empty() && Trim(last.lines.back().raw).empty();
    if ((last.header || !last.lines.empty()) && !endsBlank) last.lines.push_back(Line{});
    sections_.push_back(Section{std::string(name), true, {}, {}});
    return sections_.back();
}

bool IniFile::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return std::nullopt;
    auto it = s->index.find(Folded(key));
    if (it == s->index.end()) return std::nullopt;
    return s->lines[it->second].value;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    std::optional<std::string> v = Value(section, key);
    return v ? *v : std::string(def);
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
    std::optional<std::string> v = Value(section, key);
    if (!v) return def;
    return ParseInteger(*v).value_or(def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section& s = SectionForWriting(section);
    auto it = s.index.find(Folded(key));
    if (it != s.index.end()) {
        s.lines[it->second].value = OneLine(value);
        return;
    }
    // After the section's last key or comment, before the blank lines that part it from the next.
    size_t at = s.lines.size();
    while (at > 0 && s.lines[at - 1].key.empty() && Trim(s.lines[at - 1].raw).empty()) --at;
    if (at < s.lines.size())
        for (auto& [name, line] : s.index)
            if (line >= at) ++line;
    s.index.emplace(Folded(key), at);
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at),
                   Line{std::string(key), OneLine(value), {}});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::EraseSection(std::string_view section) {
    std::erase_if(sections_,
                  [&](const Section& s) { return s.header && SameName(s.name, section); });
}

std::string IniFile::Text() const {
    std::string out;
    for (const Section& s : sections_) {
        if (s.header) out += "[" + s.name + "]\n";
        for (const Line& line : s.lines) {
            if (line.key.empty())
                out += line.raw;
            else
                out += line.key + "=" + line.value;
            out += '\n';
        }
    }
    return out;
}

FileResult IniFile::Save(const std::filesystem::path& path) const {
    return WriteFileSafely(path, Text());
}

} // namespace kp
