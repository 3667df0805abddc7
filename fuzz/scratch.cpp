#include "fuzz/scratch.h"

#include "engine/hash.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include <signal.h>
#include <unistd.h>

namespace kp::fuzz {

namespace fs = std::filesystem;

namespace {

fs::path Base() {
    std::error_code ec;
    const fs::path shm = "/dev/shm";
    if (fs::is_directory(shm, ec) && ::access(shm.c_str(), W_OK) == 0) return shm;
    const fs::path tmp = fs::temp_directory_path(ec);
    return ec ? fs::path("/tmp") : tmp;
}

// A run that crashed or was stopped leaves its folder behind: it goes once its process is gone.
void RemoveLeftovers(const fs::path& base) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(base, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("kp-fuzz-", 0) != 0) continue;
        const pid_t pid = static_cast<pid_t>(std::atol(name.c_str() + 8));
        if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) fs::remove_all(entry.path(), ec);
    }
}

struct Folder {
    std::string path;
    Folder() {
        RemoveLeftovers(Base());
        const fs::path dir = Base() / ("kp-fuzz-" + std::to_string(::getpid()));
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (ec) {
            std::fprintf(stderr, "cannot make %s: %s\n", dir.c_str(), ec.message().c_str());
            std::abort();
        }
        path = dir.string();
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

} // namespace

const std::string& ScratchFolder() {
    static const Folder folder;
    return folder.path;
}

std::string WriteScratch(std::string_view name, const uint8_t* data, size_t size) {
    std::string path = ScratchFolder() + "/" + std::string(name);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    Check(out.good(), "the input can be written to the scratch folder");
    return path;
}

std::string ReadScratch(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return std::move(text).str();
}

void Check(bool holds, const char* promise) {
    if (holds) return;
    std::fprintf(stderr, "\n*** broken: %s\n", promise);
    std::abort();
}

std::string Typed(std::string_view bytes) {
    std::string out;
    for (char c : bytes) out += static_cast<char>(' ' + static_cast<unsigned char>(c) % 95);
    const size_t first = out.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(' ') + 1 - first);
}

uint32_t Hash(const uint8_t* data, size_t size) {
    Fnv1a h;
    for (size_t i = 0; i < size; ++i) h.add(data[i]);
    return static_cast<uint32_t>(h.value);
}

uint64_t BmpPixels(const uint8_t* d, size_t size) {
    if (size < 26 || d[0] != 'B' || d[1] != 'M') return 0;
    auto le = [d](size_t at, int bytes) {
        uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i) v = v << 8 | d[at + i];
        return v;
    };
    if (le(14, 4) == 12) return static_cast<uint64_t>(le(18, 2)) * le(20, 2);
    auto magnitude = [](uint32_t v) {
        return static_cast<uint64_t>(std::abs(int64_t{static_cast<int32_t>(v)}));
    };
    return magnitude(le(18, 4)) * magnitude(le(22, 4));
}

} // namespace kp::fuzz
