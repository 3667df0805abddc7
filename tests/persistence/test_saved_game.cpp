#include "persistence/ini_file.h"
#include "persistence/saved_game.h"
#include "persistence/settings.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <memory>

namespace fs = std::filesystem;
using kp::CellEmpty;
using kp::CellWall;
using kp::GameState;
using kp::IniFile;
using kp::LoadResult;
using kp::readSavedGame;
using kp::SavedGame;
using kp::writeSavedGame;
using namespace kp::test;

namespace {

// An empty board of the given size with its walls, floor and hidden entry row.
std::unique_ptr<GameState> Board(int rows, int cols) {
    auto g = std::make_unique<GameState>();
    g->params.rows = rows;
    g->params.columns = cols;
    for (int r = 0; r <= rows + 1; ++r)
        for (int c = 0; c <= cols + 1; ++c)
            g->grid[r][c] = (r == rows + 1 || c == 0 || c == cols + 1) ? CellWall : CellEmpty;
    return g;
}

std::unique_ptr<SavedGame> Read(const fs::path& file, LoadResult expected = LoadResult::Loaded) {
    auto game = std::make_unique<SavedGame>();
    EXPECT_EQ(readSavedGame(file, "kembrolla-panic.ini", *game), expected);
    return game;
}

} // namespace

TEST(SavedGameWrite, defaultBoardGivesHeaderThenEveryCellRowByRow) {
    TempDir dir;
    auto g = Board(18, 8);
    ASSERT_TRUE(writeSavedGame(dir / "Partie1.Kembrolla", *g).ok());

    const std::string text = ReadText(dir / "Partie1.Kembrolla");
    EXPECT_EQ(Sections(text), std::vector<std::string>{"Sauvegarde"});
    std::vector<std::string> expected{"Niveau",     "NbVirusRestants", "Chrono0Tag", "Chrono1Tag",
                                      "Chrono2Tag", "Chrono3Tag",      "Chrono4Tag", "Tricherie"};
    for (int r = 0; r <= 19; ++r)
        for (int c = 0; c <= 9; ++c)
            expected.push_back(std::to_string(r) + "-" + std::to_string(c));
    EXPECT_EQ(Keys(text, "Sauvegarde"), expected);
    EXPECT_EQ(expected.size(), 208u);
    auto entries = Entries(text, "Sauvegarde");
    EXPECT_EQ(entries[7].second, "0"); // cheated
    EXPECT_EQ(entries[8], (std::pair<std::string, std::string>{"0-0", "999"}));
    EXPECT_EQ(entries[9].second, "998");
}

TEST(SavedGameWrite, fallingCapsuleIsLeftOutOnlyWhenOnTheBoard) {
    TempDir dir;
    auto g = Board(18, 8);
    g->grid[5][3] = kp::capsuleCode(1, kp::LinkTop);
    g->grid[6][3] = kp::capsuleCode(2, kp::LinkBottom);
    g->grid[10][4] = kp::capsuleCode(0, kp::LinkLeft);
    g->grid[10][5] = kp::capsuleCode(0, kp::LinkRight);
    g->grid[0][4] = kp::capsuleCode(2, kp::LinkLoose); // a landed half in the entry row
    g->capsule.row = 5;
    g->capsule.col = 3;
    g->capsule.orientation = 3;
    g->capsuleInGrid = true;
    ASSERT_TRUE(writeSavedGame(dir / "v.Kembrolla", *g).ok());
    auto vertical = Read(dir / "v.Kembrolla");
    EXPECT_EQ(vertical->Cells[5][3], CellEmpty);
    EXPECT_EQ(vertical->Cells[6][3], CellEmpty);
    EXPECT_EQ(vertical->Cells[10][4], kp::capsuleCode(0, kp::LinkLeft));
    EXPECT_EQ(g->grid[5][3], kp::capsuleCode(1, kp::LinkTop)); // the running game is untouched

    g->capsule.row = 10;
    g->capsule.col = 4;
    g->capsule.orientation = 2;
    ASSERT_TRUE(writeSavedGame(dir / "h.Kembrolla", *g).ok());
    auto horizontal = Read(dir / "h.Kembrolla");
    EXPECT_EQ(horizontal->Cells[10][4], CellEmpty);
    EXPECT_EQ(horizontal->Cells[10][5], CellEmpty);
    EXPECT_EQ(horizontal->Cells[6][3], kp::capsuleCode(2, kp::LinkBottom));

    // A new capsule still waiting in row 0 is not in the grid: the half below it must stay.
    g->capsule.row = 0;
    g->capsule.col = 4;
    g->capsuleInGrid = false;
    ASSERT_TRUE(writeSavedGame(dir / "w.Kembrolla", *g).ok());
    EXPECT_EQ(Read(dir / "w.Kembrolla")->Cells[0][4], kp::capsuleCode(2, kp::LinkLoose));
}

TEST(SavedGameWrite, savingTwiceKeepsOneSectionAndOtherSections) {
    TempDir dir;
    const fs::path file = dir / "kembrolla-panic.ini";
    kp::Settings s;
    s.language = 1;
    ASSERT_TRUE(kp::saveSettings(s, file).ok());

    auto g = Board(18, 8);
    g->level = 3;
    ASSERT_TRUE(writeSavedGame(file, *g).ok());
    g->level = 7;
    g->grid[18][1] = kp::smileyCode(1, 2);
    ASSERT_TRUE(writeSavedGame(file, *g).ok());

    const std::string text = ReadText(file);
    EXPECT_EQ(Sections(text),
              (std::vector<std::string>{"Options", "Configuration", "Scores", "Sauvegarde"}));
    EXPECT_EQ(Keys(text, "Sauvegarde").size(), 208u);
    auto game = Read(file);
    EXPECT_EQ(game->level, 7);
    EXPECT_EQ(game->Cells[18][1], kp::smileyCode(1, 2));
    kp::Settings back;
    ASSERT_TRUE(kp::loadSettings(back, file).ok());
    EXPECT_EQ(back.language, 1);
}

TEST(SavedGameRead, roundTripKeepsCellsCountersTimeAndFlag) {
    TempDir dir;
    auto g = Board(18, 8);
    g->grid[17][2] = kp::smileyCode(0, 1);
    g->grid[12][8] = kp::removalCode(2, 3);
    g->grid[1][1] = -2000000000; // stored as it is, never checked
    g->level = 12;
    g->smileysLeft = 33;
    g->Chrono = {1, 5, 9, 0, 7};
    g->cheated = true;
    ASSERT_TRUE(writeSavedGame(dir / "g.Kembrolla", *g).ok());

    auto game = Read(dir / "g.Kembrolla");
    EXPECT_EQ(game->level, 12);
    EXPECT_EQ(game->smileysLeft, 33);
    EXPECT_EQ(game->Chrono, (std::array<int32_t, 5>{1, 5, 9, 0, 7}));
    EXPECT_TRUE(game->cheated);
    for (int r = 0; r <= 19; ++r)
        for (int c = 0; c <= 9; ++c) EXPECT_EQ(game->Cells[r][c], g->grid[r][c]) << r << "-" << c;
    EXPECT_EQ(game->Cells[20][0], CellEmpty);
    EXPECT_EQ(game->Cells[0][10], CellEmpty);
}

TEST(SavedGameRead, filesWithoutSignature) {
    TempDir dir;
    const SavedGame untouched;
    WriteText(dir / "notes.txt", "just some text\nwith=lines\n");
    WriteText(dir / "wrong.Kembrolla", "[Sauvegarde]\n0-0=998\nNiveau=4\n");
    WriteText(dir / "kembrolla-panic.ini", "[Options]\nLangue=1\n");

    auto a = Read(dir / "notes.txt", LoadResult::NotASave);
    EXPECT_EQ(a->level, untouched.level);
    auto b = Read(dir / "wrong.Kembrolla", LoadResult::NotASave);
    EXPECT_EQ(b->level, 1);
    Read(dir / "absent.Kembrolla", LoadResult::NotASave);
    Read(dir.path(), LoadResult::NotASave); // a folder

    // The settings file is known by its whole name, compared as given.
    SavedGame game;
    EXPECT_EQ(readSavedGame("kembrolla-panic.ini", "kembrolla-panic.ini", game),
              LoadResult::SettingsFile);
    const fs::path full = dir / "kembrolla-panic.ini";
    EXPECT_EQ(readSavedGame(full, full.string(), game), LoadResult::SettingsFile);
    EXPECT_EQ(readSavedGame(full, "kembrolla-panic.ini", game), LoadResult::NotASave);
}

TEST(SavedGameRead, defaultsAndDigitsOutOfRange) {
    TempDir dir;
    WriteText(dir / "s.Kembrolla", "[sauvegarde]\n0-0=$3E7\nNiveau=0\nChrono0Tag=9\n"
                                   "Chrono1Tag=6\nChrono2Tag=-1\nChrono3Tag=5\nChrono4Tag=x\n"
                                   "Tricherie=2\n3-4=abc\n3-5=-113\n100-100=7\n101-1=5\n");
    auto game = Read(dir / "s.Kembrolla");
    EXPECT_EQ(game->level, 1);
    EXPECT_EQ(game->smileysLeft, 0);
    EXPECT_EQ(game->Chrono, (std::array<int32_t, 5>{9, 0, 0, 5, 0}));
    EXPECT_TRUE(game->cheated);
    EXPECT_EQ(game->Cells[3][4], CellEmpty);
    EXPECT_EQ(game->Cells[3][5], -113);
    EXPECT_EQ(game->Cells[100][100], 7);
    EXPECT_EQ(game->Cells[5][5], CellEmpty);
}

TEST(SavedGameRead, gameBehindManyOtherSectionsReadsAtOnce) {
    const std::string game = "[Sauvegarde]\n0-0=999\nNiveau=4\n";
    std::string others;
    for (int i = 0; i < 50000; ++i) others += "[" + std::to_string(i) + "]\n";
    auto workOfReading = [](const std::string& text) {
        const IniFile ini = IniFile::FromText(text);
        SavedGame read;
        EXPECT_TRUE(readSavedGame(ini, read));
        EXPECT_EQ(read.level, 4);
        return ini.WorkDone();
    };
    const IniFile::Work alone = workOfReading(game);
    const IniFile::Work behind = workOfReading(others + game);
    // The other sections are parsed once; the ten thousand cells looked up afterwards never walk
    // through them.
    EXPECT_EQ(behind.lines, alone.lines + 50000);
    EXPECT_EQ(behind.sectionsVisited, alone.sectionsVisited);
    EXPECT_GT(alone.sectionsVisited, 10000u);
}

TEST(SavedGameRead, otherDimensionsKeepTheirOwnCells) {
    TempDir dir;
    auto small = Board(5, 5);
    small->grid[5][5] = kp::smileyCode(1, 1);
    ASSERT_TRUE(writeSavedGame(dir / "small.Kembrolla", *small).ok());
    EXPECT_EQ(Keys(ReadText(dir / "small.Kembrolla"), "Sauvegarde").size(), 8u + 7 * 7);
    auto game = Read(dir / "small.Kembrolla");
    EXPECT_EQ(game->Cells[5][5], kp::smileyCode(1, 1));
    EXPECT_EQ(game->Cells[6][3], CellWall);
    EXPECT_EQ(game->Cells[7][3], CellEmpty);

    auto big = Board(99, 99);
    big->grid[99][99] = kp::capsuleCode(4, kp::LinkLoose);
    ASSERT_TRUE(writeSavedGame(dir / "big.Kembrolla", *big).ok());
    auto bigGame = Read(dir / "big.Kembrolla");
    EXPECT_EQ(bigGame->Cells[99][99], kp::capsuleCode(4, kp::LinkLoose));
    EXPECT_EQ(bigGame->Cells[100][100], CellWall);
}

TEST(SavedGameWrite, failuresAreReported) {
    TempDir dir;
    auto g = Board(18, 8);
    WriteText(dir / "plain", "x");
    kp::FileResult result = writeSavedGame(dir / "plain" / "Partie1.Kembrolla", *g);
    EXPECT_FALSE(result.ok());

    fs::create_directory(dir / "folder.Kembrolla"); // exists but is no file: left alone
    EXPECT_FALSE(writeSavedGame(dir / "folder.Kembrolla", *g).ok());
    EXPECT_TRUE(fs::is_directory(dir / "folder.Kembrolla"));
}

TEST(SavedGameWrite, readOnlyFolderKeepsTheOldFile) {
    if (RunningAsRoot()) GTEST_SKIP() << "permissions do not apply to root";
    TempDir dir;
    auto g = Board(18, 8);
    const fs::path locked = dir / "locked";
    fs::create_directory(locked);
    WriteText(locked / "old.Kembrolla", "[Sauvegarde]\n0-0=999\n");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(writeSavedGame(locked / "old.Kembrolla", *g).ok());
    EXPECT_FALSE(writeSavedGame(locked / "new.Kembrolla", *g).ok());
    EXPECT_EQ(ReadText(locked / "old.Kembrolla"), "[Sauvegarde]\n0-0=999\n");
}
