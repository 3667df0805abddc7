#include "ini_file.h"

#include <algorithm>
#include <array>
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

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t length = 0;
        unsigned char low = 0x80, high = 0xBF; // bounds of the second byte
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0) low = 0xA0;
            if (c == 0xED) high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0) low = 0x90;
            if (c == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (i + length > s.size()) return false;
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return false;
        }
        i += length;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Windows-1252 differs from Latin-1 in 0x80..0x9F; its five unused codes stay C1 controls.
constexpr std::array<char16_t, 32> Windows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The text of a value: as it is when it is UTF-8, else as the older Windows version wrote it.
std::string Utf8Text(std::string_view bytes) {
    if (IsUtf8(bytes)) return std::string(bytes);
    std::string out;
    for (char b : bytes) {
        const auto c = static_cast<unsigned char>(b);
        AppendUtf8(out, c >= 0x80 && c < 0xA0 ? Windows1252High[c - 0x80] : c);
    }
    return out;
}

// What a value reads as: its text, on one line as it would be written back, without the
// blanks around it. Reading what was read gives the same text again.
std::string TextAsRead(std::string_view bytes) {
    return std::string(Trim(OneLine(Utf8Text(bytes))));
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
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        doc.byteOrderMark_ = true;
        text.remove_prefix(3);
    }
    if (size_t lf = text.find('\n'); lf != std::string_view::npos && lf > 0 && text[lf - 1] == '\r')
        doc.newline_ = "\r\n";
    doc.sections_.push_back(Section{{}, false, {}, {}, {}});
    while (!text.empty()) {
        // Carriage returns before the line feed belong to the line end, however many there are,
        // so that neither a value nor a rewrite ever gains or loses one.
        size_t next = text.find('\n');
        next = next == std::string_view::npos ? text.size() : next + 1;
        std::string_view line = text.substr(0, next);
        text.remove_prefix(next);
        ++doc.work_.lines;
        size_t content = line.size();
        if (content > 0 && line[content - 1] == '\n') --content;
        while (content > 0 && line[content - 1] == '\r') --content;
        Line parsed{
            {}, {}, std::string(line.substr(0, content)), std::string(line.substr(content))};
        line = line.substr(0, content);

        std::string_view trimmed = Trim(line);
        if (!trimmed.empty() && trimmed[0] == '[') {
            std::string_view name = trimmed.substr(1);
            name = name.substr(0, name.find(']'));
            doc.AddSection(Section{std::string(Trim(name)), true, parsed, {}, {}});
            continue;
        }
        size_t eq = line.find('=');
        std::string_view key =
            eq == std::string_view::npos ? std::string_view{} : Trim(line.substr(0, eq));
        bool comment = !trimmed.empty() && (trimmed[0] == ';' || trimmed[0] == '#');
        if (!key.empty() && !comment) {
            parsed.key = key;
            parsed.value = Trim(line.substr(eq + 1));
        }
        doc.AddLine(doc.sections_.back(), std::move(parsed));
    }
    return doc;
}

namespace {

bool TooLarge(const std::filesystem::path& path) {
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    return !ec && size > MaxIniFileSize;
}

} // namespace

FileResult IniFile::Load(const std::filesystem::path& path, IniFile& out) {
    std::string text;
    FileResult result =
        TooLarge(path) ? FileResult{FileError::TooLarge, path, 0} : ReadWholeFile(path, text);
    out = FromText(result.ok() ? text : std::string_view{});
    return result;
}

FileResult IniFile::Update(const std::filesystem::path& path,
                           const std::function<void(IniFile&)>& change) {
    // A file too large to read is left as it is, and the write reported as failed.
    if (TooLarge(path)) return FileResult{FileError::TooLarge, path, 0, true};
    return UpdateFileSafely(path, [&](std::string text) {
        if (text.size() > MaxIniFileSize) return text; // grown since: it stays as it is
        IniFile doc = FromText(text);
        change(doc);
        return doc.Text();
    });
}

IniFile::Line IniFile::NewLine(std::string text) const {
    return Line{{}, {}, std::move(text), newline_};
}

void IniFile::AddLine(Section& section, Line line) {
    if (!line.key.empty()) section.index.try_emplace(Folded(line.key), section.lines.size());
    section.lines.push_back(std::move(line));
}

void IniFile::AddSection(Section section) {
    if (section.header) sectionIndex_.try_emplace(Folded(section.name), sections_.size());
    sections_.push_back(std::move(section));
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
    ++work_.sectionsVisited;
    auto it = sectionIndex_.find(Folded(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

IniFile::Section& IniFile::SectionForWriting(std::string_view name) {
    if (const Section* found = FindSection(name)) return const_cast<Section&>(*found);
    // A new section starts after a blank line, as hand-written files usually have it.
    if (sections_.empty()) sections_.push_back(Section{{}, false, {}, {}, {}});
    Section& last = sections_.back();
    const bool endsBlank = !last.lines.empty() && last.lines.back().key.empty() &&
                           Trim(last.lines.back().text).empty();
    if ((last.header || !last.lines.empty()) && !endsBlank) last.lines.push_back(NewLine({}));
    AddSection(Section{std::string(name), true, NewLine("[" + std::string(name) + "]"), {}, {}});
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
    return TextAsRead(s->lines[it->second].value);
}

std::optional<std::string> IniFile::Bytes(std::string_view section, std::string_view key) const {
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
    Write(section, key, value, false);
}

void IniFile::WriteBytes(std::string_view section, std::string_view key, std::string_view value) {
    Write(section, key, value, true);
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value,
                    bool bytes) {
    Section& s = SectionForWriting(section);
    const std::string oneLine = OneLine(value);
    const std::string_view readBack = Trim(oneLine);
    auto it = s.index.find(Folded(key));
    if (it != s.index.end()) {
        Line& line = s.lines[it->second];
        // The same text keeps its bytes: an old file is not rewritten for nothing.
        if (bytes ? line.value == readBack : TextAsRead(line.value) == TextAsRead(readBack)) return;
        line.value = readBack;
        line.text = line.key + "=" + oneLine;
        return;
    }
    // After the section's last key or comment, before the blank lines that part it from the next.
    size_t at = s.lines.size();
    while (at > 0 && s.lines[at - 1].key.empty() && Trim(s.lines[at - 1].text).empty()) --at;
    if (at < s.lines.size())
        for (auto& [name, line] : s.index)
            if (line >= at) ++line;
    s.index.emplace(Folded(key), at);
    Line line = NewLine(std::string(key) + "=" + oneLine);
    line.key = key;
    line.value = readBack;
    s.lines.insert(s.lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::EraseSection(std::string_view section) {
    std::vector<Section> kept;
    for (Section& s : sections_)
        if (!s.header || !SameName(s.name, section)) kept.push_back(std::move(s));
    sections_.clear();
    sectionIndex_.clear();
    for (Section& s : kept) AddSection(std::move(s));
}

std::string IniFile::Text() const {
    std::string out = byteOrderMark_ ? "\xEF\xBB\xBF" : "";
    bool open = false; // the last line has no line feed yet: the file ended there
    auto append = [&](const Line& line) {
        if (open) out += newline_;
        out += line.text;
        out += line.end;
        open = line.end.find('\n') == std::string::npos;
    };
    for (const Section& s : sections_) {
        if (s.header) append(s.headerLine);
        for (const Line& line : s.lines) append(line);
    }
    return out;
}

FileResult IniFile::Save(const std::filesystem::path& path) const {
    return WriteFileSafely(path, Text());
}

} // namespace kp
