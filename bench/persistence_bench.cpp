// Figures for the files: start-up's read and close's write of the largest settings file the
// game accepts, made of the lines costliest to read (empty sections); a saved game read from
// behind many other sections.
#include "persistence/ini_file.h"
#include "persistence/saved_game.h"
#include "persistence/settings.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
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

// A saved game after fifty thousand other sections: some ten thousand cells looked up.
void BM_SavedGameBehindManySections(benchmark::State& st) {
    std::string text;
    for (int i = 0; i < 50000; ++i) text += "[" + std::to_string(i) + "]\n";
    text += "[Sauvegarde]\n0-0=999\nNiveau=4\n";
    IniFile::Work work;
    for (auto _ : st) {
        const IniFile ini = IniFile::FromText(text);
        auto game = std::make_unique<SavedGame>();
        if (!readSavedGame(ini, *game)) st.SkipWithError("not read");
        work = ini.WorkDone();
    }
    st.counters["lines"] = static_cast<double>(work.lines);
    st.counters["sections_visited"] = static_cast<double>(work.sectionsVisited);
}
BENCHMARK(BM_SavedGameBehindManySections)->Unit(benchmark::kMillisecond);

} // namespace
