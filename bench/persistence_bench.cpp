// Figures for the files: start-up's read and close's write of the largest settings file the
// game accepts, made of the lines costliest to read (empty sections).
#include "persistence/ini_file.h"
#include "persistence/settings.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace kp;

// arg 0: start-up's read alone; 1: the read, then close's write.
void BM_LargestSettingsFile(benchmark::State& st) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("kp-bench-" + std::to_string(::getpid()) + ".ini");
    std::string text = "[Options]\nLangue=1\n";
    // Room left for the keys the write adds, so that every round reads the file again.
    while (text.size() + 3 <= MaxIniFileSize - 4096) text += "[]\n";
    std::ofstream(file, std::ios::binary) << text;
    for (auto _ : st) {
        Settings s;
        if (!loadSettings(s, file).ok() || (st.range(0) && !saveSettings(s, file).ok()))
            st.SkipWithError("refused");
    }
    std::filesystem::remove(file);
    st.counters["KB"] = static_cast<double>(text.size()) / 1024;
}
BENCHMARK(BM_LargestSettingsFile)
    ->ArgName("write")
    ->DenseRange(0, 1)
    ->Unit(benchmark::kMillisecond);

} // namespace
