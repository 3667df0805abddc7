#pragma once
// Helpers shared by the persistence tests: a private folder per test and plain-text access to
// the files, independent of the INI code under test.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace kp::test {

class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kp-persist-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

inline bool RunningAsRoot() {
    return ::geteuid() == 0;
}

inline void WriteText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

inline std::string ReadText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The "key=value" lines of a section, in file order, read straight from the text.
inline std::vector<std::pair<std::string, std::string>> Entries(const std::string& text,
                                                                const std::string& section) {
    std::vector<std::pair<std::string, std::string>> out;
    std::istringstream in(text);
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '[') {
            inside = line == "[" + section + "]";
            continue;
        }
        size_t eq = line.find('=');
        if (inside && eq != std::string::npos)
            out.emplace_back(line.substr(0, eq), line.substr(eq + 1));
    }
    return out;
}

inline std::vector<std::string> Keys(const std::string& text, const std::string& section) {
    std::vector<std::string> keys;
    for (auto& [key, value] : Entries(text, section)) keys.push_back(key);
    return keys;
}

// Section headers in file order.
inline std::vector<std::string> Sections(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty() && line[0] == '[') out.push_back(line.substr(1, line.find(']') - 1));
    return out;
}

// Files in a folder, to check that no temporary file was left behind.
inline std::vector<std::string> FolderContents(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

} // namespace kp::test
