// Writes the seed corpora of the fuzz targets: small real files of every kind the game reads.
// usage: make_seeds FOLDER   (fuzz/corpus: one sub-folder per target, files replaced)
// The seeds are kept in the tree; run this only to make them again after a format change.
#include "engine/game.h"
#include "engine/recorded_game.h"
#include "engine/virtual_clock.h"
#include "persistence/replay_file.h"
#include "persistence/saved_game.h"
#include "persistence/settings.h"
#include "persistence/statistics.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

using namespace kp;
namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

fs::path root;

fs::path Seed(const std::string& target, const std::string& name) {
    fs::create_directories(root / target);
    fs::remove(root / target / name); // the savers would keep what an old seed held
    return root / target / name;
}

void Write(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& path, const std::string& text) {
    Write(path, Bytes(text.begin(), text.end()));
}

// ---- Settings and saved games -------------------------------------------------------------

void SettingsSeeds() {
    const Settings defaults;
    saveSettings(defaults, Seed("fuzz_settings", "defaults.ini"));
    saveSettings(defaults, Seed("fuzz_ini", "defaults.ini"));

    Settings s;
    s.background = 3;
    s.language = 1; // English
    s.music = 4;
    s.pictureSize = 7;
    s.tiled = true;
    s.negative = true;
    s.recentPictures[0] = "/home/player/Pictures/beach.jpg";
    s.recentPictures[1] = "relative/tiles.bmp";
    s.messageFont = "DejaVu Sans";
    s.messageFontSize = 22;
    s.parameters.rows = 99;
    s.parameters.columns = 5;
    s.parameters.colours = 5;
    s.parameters.minRun = 999;
    insertScore(s.scores, 12, 3, "Zoé", " 07 janv. 2024  -  08h05");
    insertScore(s.scores, 4, 0, "", "");
    insertScore(s.scores, 12, 1, "=;[x]", " 31 Dec 1999  -  23h59");
    saveSettings(s, Seed("fuzz_settings", "picture-english-scores.ini"));

    // Written by hand: out-of-range and hexadecimal values, case, duplicates, comments, a byte
    // order mark, CRLF lines, a key before any section and an unknown section.
    WriteText(Seed("fuzz_settings", "hand-written.ini"), "\xEF\xBB\xBF; edited by hand\r\n"
                                                         "stray=before any section\r\n"
                                                         "[options]\r\n"
                                                         "Fond = 0x3\r\n"
                                                         "son=$2\r\n"
                                                         "Musique=6\r\n"
                                                         "Langue=-1\r\n"
                                                         "CouleurFondUni=-5\r\n"
                                                         "CouleurBordure=0xFFFFFFFF\r\n"
                                                         "Mosaique=2\r\n"
                                                         "NameTexte=   \r\n"
                                                         "SizeTexte=0\r\n"
                                                         "# a comment\r\n"
                                                         "Fond=1\r\n"
                                                         "[Configuration]\r\n"
                                                         "NbLgn=4\r\n"
                                                         "NbCol=100\r\n"
                                                         "TempoDepart=99\r\n"
                                                         "NbColor=2147483648\r\n"
                                                         "[Mine]\r\n"
                                                         "kept=yes\r\n"
                                                         "[Scores]\r\n"
                                                         "Score01_Niv=abc\r\n"
                                                         "Score01_Vir=0x10\r\n"
                                                         "Score01_Nom=a=b\r\n"
                                                         "Score02_Niv=7\r\n"
                                                         "[OPTIONS]\r\n"
                                                         "Fond=2\r\n");
    WriteText(Seed("fuzz_ini", "sections.ini"),
              "top=1\n\n[a]\nk=v\n;c\n[ b ]x\nK = V \n[A]\nk=2\n[c");
}

struct Quiet : GameEvents {};

// A game played for a while on virtual time with a fixed seed, saved into `path`.
void PlayAndSave(const fs::path& path, const LevelParameters& p, uint32_t seed, int moves) {
    Quiet events;
    Game game(events, seed);
    game.setParameters(p);
    game.newGame();
    VirtualClock clock(game);
    static constexpr Command keys[] = {Command::Left, Command::Right, Command::Turn,
                                       Command::Drop, Command::Down,  Command::Drop};
    for (int i = 0; i < moves; ++i) {
        game.handle(keys[game.random()(6)]);
        clock.sync();
        clock.advance(700);
    }
    writeSavedGame(path, game.state());
}

// ---- Statistics ------------------------------------------------------------------------------

void StatisticsSeeds() {
    // As the game writes it: two games, one of them with levels won, and matches.
    const fs::path played = Seed("fuzz_statistics", "games-and-matches.ini");
    Statistics s;
    GameSummary game;
    game.levelsWon = 2;
    game.smileysCleared = 14;
    game.capsulesPlaced = 40;
    game.longestChain = 3;
    game.secondsPlayed = 190;
    game.levels = {{1, 80}, {2, 95}};
    addToStatistics(played, game, 1700000000, s);
    addToStatistics(played, GameSummary{}, 1700000600, s);
    addToStatistics(played, MatchSummary{4, true, 3, 7}, s);
    addToStatistics(played, MatchSummary{0, false, 1, 0}, s);

    // Written by hand: counts at the edge of what a sum keeps and past it, a gap in the levels,
    // short and long lines.
    WriteText(Seed("fuzz_statistics", "edges.ini"),
              "[Totaux]\nParties=1000000000000000\nNiveauxGagnes=9223372036854775807\n"
              "SmileysElimines=-1\nTempsJoue=0x10\n"
              "[Niveaux]\n1=1000000000000000 1000000000000000 2147483647\n3=1 2 3\n"
              "[Parties]\n1=0 1 2 3 4\n2=1 2 3\n"
              "[Duels]\n1=1000000000000000 0 2147483648 1000000000000000\n5=1 1 1 1 1\n");
}

void SavedGameSeeds() {
    PlayAndSave(Seed("fuzz_saved_game", "level1-start.Kembrolla"), {}, 1, 0);
    PlayAndSave(Seed("fuzz_saved_game", "level1-played.Kembrolla"), {}, 2, 40);
    PlayAndSave(Seed("fuzz_ini", "saved.Kembrolla"), {}, 3, 10);

    // A saved game inside a settings file with a small board, short runs and quick animations:
    // its own sections choose the board it is loaded into.
    Settings s;
    s.parameters.rows = 7;
    s.parameters.columns = 5;
    s.parameters.colours = 2;
    s.parameters.minRun = 2;
    s.removalAnimation = 0;
    s.shake = 1;
    const fs::path inSettings = Seed("fuzz_saved_game", "in-settings-small-board.ini");
    saveSettings(s, inSettings);
    PlayAndSave(inSettings, s.parameters, 4, 25);

    // Cells and counters no game writes, the chrono near its end, the cheat flag.
    WriteText(Seed("fuzz_saved_game", "strange-values.Kembrolla"),
              "[Sauvegarde]\n"
              "Niveau=2147483647\n"
              "NbVirusRestants=-2147483648\n"
              "Chrono0Tag=9\nChrono1Tag=5\nChrono2Tag=9\nChrono3Tag=5\nChrono4Tag=9\n"
              "Tricherie=1\n"
              "0-0=999\n"
              "1-1=-101\n1-2=-999\n1-3=155\n1-4=131\n"
              "2-1=-149\n2-2=0\n2-3=2147483647\n2-4=-2147483648\n"
              "5-1=-101\n5-2=-101\n5-3=-101\n5-4=194\n"
              "18-1=112\n18-2=114\n18-3=-124\n18-4=-124\n18-5=-124\n18-6=150\n"
              "17-1=101\n17-2=103\n"
              "50-50=123\n");
}

// A recorded game of a few moves, written as a replay: short, so the fuzzer mutates it quickly.
void ReplaySeed(const std::string& name, const LevelParameters& p, uint32_t seed, int moves,
                bool fromSavedGame) {
    Quiet events;
    RecordedGame game(events, seed);
    VirtualClock clock(game);
    game.setClock(clock);
    std::shared_ptr<const Recording> last;
    game.setFinishedHandler([&](const std::shared_ptr<const Recording>& r) { last = r; });
    game.setParameters(p);
    auto saved = std::make_unique<SavedGame>();
    for (int c = 1; c <= p.columns; c += 2) saved->Cells[p.rows][c] = smileyCode(c % 3, 1);
    game.newGame(fromSavedGame ? saved.get() : nullptr);
    static constexpr Command keys[] = {Command::Left, Command::Turn, Command::Drop, Command::Down};
    for (int i = 0; i < moves; ++i) {
        game.handle(keys[game.random()(4)]);
        if (i % 5 == 4) game.press(Command::Right);
        clock.sync();
        clock.advance(400);
        game.release(Command::Right);
    }
    game.togglePause();
    game.newGame();
    if (last) WriteText(Seed("fuzz_replay", name), replayText(*last));
}

void ReplaySeeds() {
    LevelParameters small;
    small.rows = 8;
    small.columns = 5;
    small.colours = 2;
    small.minRun = 2;
    ReplaySeed("small-board.KembrollaReplay", small, 1, 12, false);
    ReplaySeed("from-saved-game.KembrollaReplay", small, 2, 6, true);
    ReplaySeed("default-board.KembrollaReplay", {}, 3, 10, false);

    // A short match on a small board, both players pressing keys in turn.
    MatchSettings versus;
    versus.params = small;
    versus.seed = 4;
    versus.cancelAttacks = true;
    Match match(versus);
    static constexpr Command keys[] = {Command::Left, Command::Turn, Command::Drop, Command::Down};
    for (int i = 0; i < 16; ++i) {
        match.handle(i % 2, keys[i % 4]);
        match.advance(300);
    }
    match.pause();
    match.advance(500);
    WriteText(Seed("fuzz_replay", "versus.KembrollaReplay"), versusReplayText(match.recording()));
}

// ---- BMP ----------------------------------------------------------------------------------

// A little-endian field of `size` bytes.
void Put(Bytes& b, int size, uint32_t v) {
    for (int i = 0; i < size; ++i) b.push_back(static_cast<uint8_t>(v >> 8 * i));
}

struct Bmp {
    int width = 0, height = 0, bits = 24;
    uint32_t compression = 0; // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    Bytes palette;            // blue, green, red, 0 per entry
    std::vector<uint32_t> masks;
    Bytes data;        // the pixel data as stored: padded rows bottom-up, or the RLE stream
    bool core = false; // the 12-byte header of OS/2 (palette entries of 3 bytes)
    bool topDown = false;
};

Bytes BmpFile(const Bmp& m) {
    const uint32_t info = m.core ? 12 : 40;
    const uint32_t offset =
        14 + info + static_cast<uint32_t>(4 * m.masks.size() + m.palette.size());
    Bytes b{'B', 'M'};
    Put(b, 4, offset + static_cast<uint32_t>(m.data.size()));
    Put(b, 4, 0);
    Put(b, 4, offset);
    Put(b, 4, info);
    if (m.core) {
        Put(b, 2, static_cast<uint32_t>(m.width));
        Put(b, 2, static_cast<uint32_t>(m.height));
        Put(b, 2, 1);
        Put(b, 2, static_cast<uint32_t>(m.bits));
    } else {
        Put(b, 4, static_cast<uint32_t>(m.width));
        Put(b, 4, static_cast<uint32_t>(m.topDown ? -m.height : m.height));
        Put(b, 2, 1);
        Put(b, 2, static_cast<uint32_t>(m.bits));
        Put(b, 4, m.compression);
        Put(b, 4, static_cast<uint32_t>(m.data.size()));
        Put(b, 4, 2835);
        Put(b, 4, 2835);
        Put(b, 4, static_cast<uint32_t>(m.palette.size() / 4));
        Put(b, 4, 0);
    }
    for (uint32_t mask : m.masks) Put(b, 4, mask);
    b.insert(b.end(), m.palette.begin(), m.palette.end());
    b.insert(b.end(), m.data.begin(), m.data.end());
    return b;
}

Bytes Palette(int entries, int bytesPerEntry = 4) {
    Bytes p;
    for (int i = 0; i < entries; ++i) {
        p.push_back(static_cast<uint8_t>(i * 37));
        p.push_back(static_cast<uint8_t>(255 - i * 11));
        p.push_back(static_cast<uint8_t>(i * 90));
        if (bytesPerEntry == 4) p.push_back(0);
    }
    return p;
}

// The colour index of pixel (x, y), y counted from the top, for a palette of `colours`.
int Index(int x, int y, int colours) {
    return (x / 3 + y) % colours;
}

// Uncompressed rows, stored bottom-up (or top-down), each padded to 4 bytes.
Bytes Rows(int width, int height, int bits, bool topDown = false) {
    const size_t stride = (static_cast<size_t>(width) * bits + 31) / 32 * 4;
    Bytes data;
    for (int i = 0; i < height; ++i) {
        const int y = topDown ? i : height - 1 - i;
        Bytes row(stride, 0);
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                row[3 * x] = static_cast<uint8_t>(x * 20);
                row[3 * x + 1] = static_cast<uint8_t>(y * 30);
                row[3 * x + 2] = static_cast<uint8_t>(x ^ y);
            } else if (bits == 16) {
                const uint32_t v = static_cast<uint32_t>((x << 10) | (y << 5) | (x + y)) & 0x7FFF;
                row[2 * x] = static_cast<uint8_t>(v), row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
            } else if (bits == 32) {
                for (int c = 0; c < 4; ++c) row[4 * x + c] = static_cast<uint8_t>(x * 40 + y + c);
            } else {
                const int perByte = 8 / bits;
                const int shift = 8 - bits * (1 + x % perByte);
                row[x / perByte] |= static_cast<uint8_t>(Index(x, y, 1 << bits) << shift);
            }
        }
        data.insert(data.end(), row.begin(), row.end());
    }
    return data;
}

// RLE8 or RLE4, bottom-up: runs of one index, an absolute stretch on every third row, a
// delta skipping over a few pixels on the second row, end-of-line and end-of-picture marks.
Bytes Rle(int width, int height, int bits) {
    Bytes data;
    const int colours = 1 << bits;
    auto pack = [&](int a, int b) { return static_cast<uint8_t>(bits == 8 ? a : (a << 4) | b); };
    for (int i = 0; i < height; ++i) {
        const int y = height - 1 - i;
        int x = 0;
        if (i == 1) { // delta: 2 right, 0 down
            data.insert(data.end(), {0, 2, 2, 0});
            x = 2;
        }
        if (y % 3 == 0 && width - x >= 4) { // absolute: four pixels as they are
            data.insert(data.end(), {0, 4});
            if (bits == 8) {
                for (int k = 0; k < 4; ++k) data.push_back(pack(Index(x + k, y, colours), 0));
            } else {
                data.push_back(pack(Index(x, y, colours), Index(x + 1, y, colours)));
                data.push_back(pack(Index(x + 2, y, colours), Index(x + 3, y, colours)));
            }
            x += 4; // 4 bytes (RLE8) or 2 bytes (RLE4): both keep the stream word-aligned
        }
        while (x < width) {
            const int run = std::min(3, width - x);
            data.push_back(static_cast<uint8_t>(run));
            data.push_back(pack(Index(x, y, colours), Index(x + 1, y, colours)));
            x += run;
        }
        data.insert(data.end(), {0, 0});
    }
    data.insert(data.end(), {0, 1});
    return data;
}

void BmpSeeds() {
    auto seed = [](const std::string& name, const Bmp& m) {
        Write(Seed("fuzz_bmp", name), BmpFile(m));
        if (name == "rgb24.bmp" || name == "rle8.bmp" || name == "pal4.bmp")
            Write(Seed("fuzz_jpeg", name), [&] {
                Bytes b{0x21, 0x04, 0x03, 0x2D}; // the options of fuzz_jpeg first
                const Bytes f = BmpFile(m);
                b.insert(b.end(), f.begin(), f.end());
                return b;
            }());
    };
    seed("rgb24.bmp", {7, 5, 24, 0, {}, {}, Rows(7, 5, 24)});
    seed("rgb24-top-down.bmp", {5, 3, 24, 0, {}, {}, Rows(5, 3, 24, true), false, true});
    seed("pal8.bmp", {9, 4, 8, 0, Palette(12), {}, Rows(9, 4, 8)});
    seed("pal4.bmp", {11, 4, 4, 0, Palette(16), {}, Rows(11, 4, 4)});
    seed("pal1.bmp", {19, 3, 1, 0, Palette(2), {}, Rows(19, 3, 1)});
    seed("rle8.bmp", {10, 6, 8, 1, Palette(16), {}, Rle(10, 6, 8)});
    seed("rle4.bmp", {10, 6, 4, 2, Palette(16), {}, Rle(10, 6, 4)});
    seed("rgb16.bmp", {6, 3, 16, 0, {}, {}, Rows(6, 3, 16)});
    seed("bitfields16.bmp", {6, 3, 16, 3, {}, {0xF800, 0x07E0, 0x001F}, Rows(6, 3, 16)});
    seed("bitfields32.bmp", {4, 3, 32, 3, {}, {0xFF000000, 0xFF0000, 0xFF00}, Rows(4, 3, 32)});
    seed("core-pal8.bmp", {5, 3, 8, 0, Palette(256, 3), {}, Rows(5, 3, 8), true});
}

// ---- JPEG ---------------------------------------------------------------------------------

struct Jpeg {
    int width = 16, height = 12;
    J_COLOR_SPACE space = JCS_RGB;
    bool progressive = false;
    bool arithmetic = false;
    int restartRows = 0;
    int quality = 75;
};

Bytes JpegFile(const Jpeg& j) {
    const int components = j.space == JCS_GRAYSCALE ? 1 : j.space == JCS_CMYK ? 4 : 3;
    Bytes samples;
    for (int y = 0; y < j.height; ++y)
        for (int x = 0; x < j.width; ++x)
            for (int c = 0; c < components; ++c)
                samples.push_back(static_cast<uint8_t>(x * 16 + y * 8 * c + (x ^ y) * 4));
    jpeg_compress_struct ci{};
    jpeg_error_mgr err{};
    ci.err = jpeg_std_error(&err);
    jpeg_create_compress(&ci);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&ci, &out, &size);
    ci.image_width = static_cast<JDIMENSION>(j.width);
    ci.image_height = static_cast<JDIMENSION>(j.height);
    ci.input_components = components;
    ci.in_color_space = j.space;
    jpeg_set_defaults(&ci);
    jpeg_set_quality(&ci, j.quality, TRUE);
    if (j.progressive) jpeg_simple_progression(&ci);
    ci.arith_code = j.arithmetic ? TRUE : FALSE;
    ci.restart_in_rows = j.restartRows;
    jpeg_start_compress(&ci, TRUE);
    while (ci.next_scanline < ci.image_height) {
        JSAMPROW row =
            samples.data() + static_cast<size_t>(ci.next_scanline) * j.width * components;
        jpeg_write_scanlines(&ci, &row, 1);
    }
    jpeg_finish_compress(&ci);
    Bytes bytes(out, out + size);
    jpeg_destroy_compress(&ci);
    std::free(out);
    return bytes;
}

// fuzz_jpeg reads four option bytes before the file: size setting (two, one a nibble), position,
// filters, window sizes (two, three bits each).
void JpegSeed(const std::string& name, const Bytes& options, const Jpeg& j) {
    Bytes b = options;
    const Bytes f = JpegFile(j);
    b.insert(b.end(), f.begin(), f.end());
    Write(Seed("fuzz_jpeg", name), b);
}

void JpegSeeds() {
    JpegSeed("baseline-normal.jpg", {0x70, 0x04, 0x00, 0x3D}, {});
    JpegSeed("baseline-stretched-tiled.jpg", {0x21, 0x00, 0x09, 0x2B}, {40, 24});
    JpegSeed("progressive-25pc.jpg", {0x84, 0x08, 0x02, 0x05}, {64, 48, JCS_RGB, true});
    JpegSeed("grey-fit-width.jpg", {0x32, 0x02, 0x04, 0x16}, {24, 16, JCS_GRAYSCALE});
    JpegSeed("grey-progressive.jpg", {0x53, 0x05, 0x06, 0x3F}, {17, 9, JCS_GRAYSCALE, true});
    JpegSeed("cmyk.jpg", {0x06, 0x01, 0x01, 0x1A}, {8, 8, JCS_CMYK});
    JpegSeed("arithmetic.jpg", {0x10, 0x04, 0x00, 0x07}, {16, 16, JCS_RGB, false, true});
    JpegSeed("restarts.jpg", {0x40, 0x03, 0x08, 0x29}, {32, 32, JCS_RGB, false, false, 1, 50});
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    root = argv[1];
    SettingsSeeds();
    StatisticsSeeds();
    SavedGameSeeds();
    ReplaySeeds();
    BmpSeeds();
    JpegSeeds();
    return 0;
}
