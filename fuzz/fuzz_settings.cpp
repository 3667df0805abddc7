// The settings file: whatever it holds, loading gives values inside their ranges; saving and
// loading again change nothing more (the same settings, the same bytes); a score entered
// afterwards reads back from the file.
#include "fuzz/scratch.h"

#include "persistence/scores.h"
#include "persistence/settings.h"

#include <cstdio>
#include <ctime>

namespace {

using namespace kp;
using fuzz::Check;

struct Range {
    int32_t Settings::*field;
    int32_t min, max;
};

// The ranges the settings window and the menus offer.
constexpr Range OptionRanges[] = {
    {&Settings::background, 0, 3},      {&Settings::soundOutput, 0, 2},
    {&Settings::effectsVolume, 0, 2},   {&Settings::musicVolume, 0, 2},
    {&Settings::music, 0, 5},           {&Settings::language, 0, 8},
    {&Settings::smileyAnimation, 0, 3}, {&Settings::removalAnimation, 0, 3},
    {&Settings::Pinup, 0, 3},           {&Settings::showCounters, 0, 1},
    {&Settings::showNextCapsule, 0, 1}, {&Settings::shake, 0, 1},
    {&Settings::pictureSize, 0, 8},     {&Settings::pictureAlignH, 0, 2},
    {&Settings::pictureAlignV, 0, 2},   {&Settings::smileySize, 0, 5},
};

void CheckRanges(const Settings& s) {
    for (const Range& r : OptionRanges)
        Check(s.*r.field >= r.min && s.*r.field <= r.max, "every option is inside its range");
    for (const ParameterKey& k : ParameterKeys)
        Check(s.parameters.*k.field >= k.min && s.parameters.*k.field <= k.max,
              "every game parameter is inside its range");
    Check(s.messageFont.find_first_not_of(" \t") != std::string::npos && s.messageFontSize >= 1,
          "the message font has a name and a size");
}

// Every value of the settings as the file says it, from a file that holds nothing else.
std::string Written(const Settings& s) {
    const std::string path = fuzz::ScratchFolder() + "/alone.ini";
    std::remove(path.c_str());
    Check(saveSettings(s, path).ok(), "settings can be written to a new file");
    return fuzz::ReadScratch(path);
}

bool Same(const Settings& a, const Settings& b) {
    // The strings are compared as they are, since writing makes each one a single line.
    return Written(a) == Written(b) && a.recentPictures == b.recentPictures &&
           a.messageFont == b.messageFont && a.scores == b.scores;
}

Settings Loaded(const std::string& path) {
    Settings s;
    Check(loadSettings(s, path).ok(), "the settings file can be read");
    return s;
}

// A score for the name dialog, with a name as a line edit gives it.
void EnterScore(Settings& s, const std::string& path, const uint8_t* data, size_t size) {
    const uint32_t h = fuzz::Hash(data, size);
    const int32_t level = static_cast<int32_t>(h % 200);
    const int32_t smileysLeft = static_cast<int32_t>(h >> 8 & 0x7F);
    std::string name =
        fuzz::Typed({reinterpret_cast<const char*>(data), std::min<size_t>(size, 24)});
    if (h & 1) name += "Zoé";
    std::tm moment{};
    moment.tm_mday = static_cast<int>(h % 31) + 1;
    moment.tm_mon = static_cast<int>(h >> 5 & 0xFF) % 12;
    moment.tm_year = 124;
    // Month names with letters outside ASCII, as the window's French ones have.
    static const ShortMonths months{"janv.", "févr.", "mars",  "avr.", "mai",  "juin",
                                    "juil.", "août",  "sept.", "oct.", "nov.", "déc."};
    const std::string date = scoreDateText(moment, months);

    const ScoreTable before = s.scores;
    const ScoreUpdate r = enterScore(s.scores, path, level, smileysLeft, name, date);
    if (r.rank == 0) {
        Check(s.scores == before, "a game that enters nothing leaves the table");
        return;
    }
    Check(r.file.ok(), "an entered score is written");
    const ScoreEntry& entry = s.scores.Entries[r.rank - 1];
    // The date's leading blank is no part of it once written.
    Check(entry.name == name && entry.date == date.substr(1) &&
              entry.level == std::to_string(level) && entry.left == std::to_string(smileysLeft),
          "the entry holds the game at its rank");
    Check(Loaded(path).scores == s.scores, "an entered score reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::WriteScratch("settings.ini", data, size);
    Settings first = Loaded(path);
    CheckRanges(first);

    Check(saveSettings(first, path).ok(), "the settings are written over the file");
    const std::string firstBytes = fuzz::ReadScratch(path);
    Settings second = Loaded(path);
    Check(Same(first, second), "saved settings load back the same");
    Check(saveSettings(second, path).ok(), "the settings are written again");
    Check(fuzz::ReadScratch(path) == firstBytes, "saving what was loaded gives the same bytes");

    EnterScore(second, path, data, size);
    return 0;
}
