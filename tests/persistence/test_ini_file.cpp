#include "persistence/ini_file.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using kp::FileError;
using kp::IniFile;
using kp::ParseInteger;
using namespace kp::test;

TEST(IniIntegers, decimalHexadecimalAndRejectedTexts) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger(" -5 "), -5);
    EXPECT_EQ(ParseInteger("0x1F"), 31);
    EXPECT_EQ(ParseInteger("0X1f"), 31);
    EXPECT_EQ(ParseInteger("$ff"), 255);
    EXPECT_EQ(ParseInteger("-$10"), -16);
    EXPECT_EQ(ParseInteger("0xFFFFFFFF"), -1); // colour words use all 32 bits
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInteger("2147483647"), INT32_MAX);
    for (const char* bad : {"", " ", "abc", "12abc", "1 2", "0x", "$", "0x1G", "2147483648",
                            "0x100000000", "--1", "1.5"})
        EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
}

TEST(IniReading, namesIgnoreCaseAndFirstOccurrenceWins) {
    IniFile ini = IniFile::FromText("[Options]\nLangue=1\nlangue=0\n[OPTIONS]\nSon=2\n"
                                    "[Autre]\nSon=0\n");
    EXPECT_EQ(ini.ReadInteger("options", "LANGUE", 9), 1);
    // The second "Options" header is never reached.
    EXPECT_EQ(ini.ReadInteger("Options", "Son", 9), 9);
    EXPECT_EQ(ini.ReadInteger("autre", "son", 9), 0);
    EXPECT_TRUE(ini.HasSection("AUTRE"));
    EXPECT_FALSE(ini.HasSection("Scores"));
}

TEST(IniReading, defaultsForMissingOrUnparsableValues) {
    IniFile ini = IniFile::FromText("[S]\nA=abc\nB=\nC=0x10\nD=$a\nE=-7\n");
    EXPECT_EQ(ini.ReadInteger("S", "A", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "B", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "C", 5), 16);
    EXPECT_EQ(ini.ReadInteger("S", "D", 5), 10);
    EXPECT_EQ(ini.ReadInteger("S", "E", 5), -7);
    EXPECT_EQ(ini.ReadInteger("S", "missing", 5), 5);
    EXPECT_EQ(ini.ReadInteger("Missing", "A", 5), 5);
    EXPECT_EQ(ini.ReadString("Missing", "A", "def"), "def");
}

TEST(IniReading, booleansAreAnyNonZeroInteger) {
    IniFile ini = IniFile::FromText("[S]\nA=2\nB=-1\nC=0\nD=oui\nE=$0\n");
    EXPECT_TRUE(ini.ReadBool("S", "A", false));
    EXPECT_TRUE(ini.ReadBool("S", "B", false));
    EXPECT_FALSE(ini.ReadBool("S", "C", true));
    EXPECT_TRUE(ini.ReadBool("S", "D", true)); // not a number: the default
    EXPECT_FALSE(ini.ReadBool("S", "D", false));
    EXPECT_FALSE(ini.ReadBool("S", "E", true));
}

TEST(IniReading, stringsRawAndWindowsLineEndings) {
    IniFile ini = IniFile::FromText("\xEF\xBB\xBF[S]\r\nDat= 07 Jan 2024  -  08h05\r\n"
                                    "Nom=a=b \"c\"\r\n");
    EXPECT_EQ(ini.ReadString("S", "Dat", ""), "07 Jan 2024  -  08h05");
    EXPECT_EQ(ini.ReadString("S", "Nom", ""), "a=b \"c\"");
}

TEST(IniReading, blanksAroundKeysAndValuesAreIgnored) {
    const std::string text = "[Options]\n Fond = 3\nCheminFond1 =\t/home/me/pic.jpg \t\n"
                             "\tNameTexte=  DejaVu Sans \n";
    IniFile ini = IniFile::FromText(text);
    EXPECT_EQ(ini.ReadInteger("Options", "Fond", 0), 3);
    EXPECT_EQ(ini.ReadString("Options", "CheminFond1", ""), "/home/me/pic.jpg");
    EXPECT_EQ(ini.ReadString("Options", "NameTexte", ""), "DejaVu Sans");
    // Written back unchanged, the hand-made lines stay as they were.
    ini.WriteInteger("Options", "Fond", 3);
    ini.WriteString("Options", "CheminFond1", "/home/me/pic.jpg");
    ini.WriteString("Options", "NameTexte", "DejaVu Sans");
    EXPECT_EQ(ini.Text(), text);
}

TEST(IniReading, textThatIsNoUtf8IsReadAsWindows1252) {
    IniFile ini = IniFile::FromText("[S]\nNom=Zo\xE9\nDat=01 f\xE9vr. 2003\nEuro=\x80 \x9C\n"
                                    "Utf8=Zoé déc.\nCoupe=\xC3\nLong=\xF0\x9F\x98\x80\n");
    EXPECT_EQ(ini.ReadString("S", "Nom", ""), "Zoé");
    EXPECT_EQ(ini.ReadString("S", "Dat", ""), "01 févr. 2003");
    EXPECT_EQ(ini.ReadString("S", "Euro", ""), "€ œ");
    EXPECT_EQ(ini.ReadString("S", "Utf8", ""), "Zoé déc.");
    EXPECT_EQ(ini.ReadString("S", "Coupe", ""), "Ã"); // a lead byte alone is no UTF-8
    EXPECT_EQ(ini.ReadString("S", "Long", ""), "\xF0\x9F\x98\x80");
}

TEST(IniWriting, sameTextKeepsItsOldBytesAndNewTextIsUtf8) {
    IniFile ini = IniFile::FromText("[S]\r\nNom=Zo\xE9\r\nDat=d\xE9"
                                    "c.\r\n");
    ini.WriteString("S", "Nom", "Zoé");
    ini.WriteString("S", "Dat", "janv.");
    EXPECT_EQ(ini.Text(), "[S]\r\nNom=Zo\xE9\r\nDat=janv.\r\n");
}

TEST(IniWriting, newKeysInOrderOfFirstWriteAndUpdatesInPlace) {
    IniFile ini;
    ini.WriteInteger("B", "z", 1);
    ini.WriteInteger("B", "a", 2);
    ini.WriteBool("A", "t", true);
    ini.WriteBool("A", "f", false);
    ini.WriteInteger("b", "Z", 3); // same key, other case: updated where it stands
    EXPECT_EQ(ini.Text(), "[B]\nz=3\na=2\n\n[A]\nt=1\nf=0\n");
}

TEST(IniWriting, keepsOtherSectionsUnknownKeysAndComments) {
    const std::string original = "; made by hand\n[Options]\nLangue=0\nInconnu=x\n\n"
                                 "[Perso]\nk=v\n";
    IniFile ini = IniFile::FromText(original);
    ini.WriteInteger("Options", "Langue", 1);
    ini.WriteInteger("Options", "Son", 2);
    ini.WriteString("Nouvelle", "cle", "val");
    EXPECT_EQ(ini.Text(), "; made by hand\n[Options]\nLangue=1\nInconnu=x\nSon=2\n\n"
                          "[Perso]\nk=v\n\n[Nouvelle]\ncle=val\n");
}

TEST(IniWriting, eraseSectionRemovesEveryOccurrence) {
    IniFile ini = IniFile::FromText("[Sauvegarde]\na=1\n[Autre]\nb=2\n[SAUVEGARDE]\nc=3\n");
    ini.EraseSection("sauvegarde");
    EXPECT_EQ(ini.Text(), "[Autre]\nb=2\n");
    ini.WriteInteger("Sauvegarde", "a", 4);
    EXPECT_EQ(ini.ReadInteger("Sauvegarde", "a", 0), 4);
    EXPECT_EQ(ini.ReadInteger("Sauvegarde", "c", 0), 0);
}

TEST(IniWriting, lineBreaksInAValueCannotAddKeys) {
    IniFile ini;
    ini.WriteString("Scores", "Score01_Nom", "Bob\nScore01_Niv=99\r\n[Evil]");
    IniFile reread = IniFile::FromText(ini.Text());
    EXPECT_EQ(reread.ReadInteger("Scores", "Score01_Niv", 0), 0);
    EXPECT_FALSE(reread.HasSection("Evil"));
    EXPECT_EQ(reread.ReadString("Scores", "Score01_Nom", ""), "Bob Score01_Niv=99  [Evil]");
}

TEST(IniFiles, lineEndsReachAFixedPoint) {
    // Carriage returns before the line feed end the line: they never join the value. One
    // inside a value reads as the blank it would be written as.
    IniFile first = IniFile::FromText("[S]\r\nNom=abc\r\r\nAutre=x\r\r\r\nMilieu=a\rb\r\n");
    EXPECT_EQ(first.ReadString("S", "Nom", ""), "abc");
    EXPECT_EQ(first.ReadString("S", "Milieu", ""), "a b");
    for (const char* key : {"Nom", "Milieu"})
        first.WriteString("S", key, first.ReadString("S", key, ""));
    const std::string once = first.Text();

    IniFile second = IniFile::FromText(once);
    EXPECT_EQ(second.ReadString("S", "Nom", ""), "abc");
    EXPECT_EQ(second.ReadString("S", "Autre", ""), "x");
    EXPECT_EQ(second.ReadString("S", "Milieu", ""), "a b");
    for (const char* key : {"Nom", "Milieu"})
        second.WriteString("S", key, second.ReadString("S", key, ""));
    EXPECT_EQ(second.Text(), once);
    EXPECT_EQ(IniFile::FromText(second.Text()).ReadString("S", "Autre", ""), "x");

    // A byte-order mark is kept too, even a second one that starts the first line.
    const std::string marked = "\xEF\xBB\xBF\xEF\xBB\xBF[a]\n";
    EXPECT_EQ(IniFile::FromText(marked).Text(), marked);
}

TEST(IniFiles, missingFileIsEmptyAndUnreadableIsReported) {
    TempDir dir;
    IniFile ini;
    EXPECT_TRUE(IniFile::Load(dir / "absent.ini", ini).ok());
    EXPECT_EQ(ini.Text(), "");

    fs::create_directory(dir / "folder.ini");
    EXPECT_EQ(IniFile::Load(dir / "folder.ini", ini).error, FileError::Unreadable);

    fs::path big = dir / "big.ini";
    WriteText(big, "[S]\n");
    fs::resize_file(big, kp::MaxFileSize + 1);
    EXPECT_EQ(IniFile::Load(big, ini).error, FileError::TooLarge);
}

TEST(IniFiles, saveReplacesTheFileAndLeavesNoTemporary) {
    TempDir dir;
    const fs::path file = dir / "game.ini";
    WriteText(file, "[Old]\nx=1\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    IniFile ini;
    ASSERT_TRUE(IniFile::Load(file, ini).ok());
    ini.WriteInteger("New", "y", 2);
    ASSERT_TRUE(ini.Save(file).ok());

    EXPECT_EQ(ReadText(file), "[Old]\nx=1\n\n[New]\ny=2\n");
    EXPECT_EQ(FolderContents(dir.path()), std::vector<std::string>{"game.ini"});
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(IniFiles, saveThroughSymbolicLinkKeepsTheLink) {
    TempDir dir;
    fs::create_directory(dir / "real");
    WriteText(dir / "real" / "target.ini", "[A]\n");
    fs::create_symlink(dir / "real" / "target.ini", dir / "link.ini");

    IniFile ini;
    ini.WriteInteger("A", "k", 1);
    ASSERT_TRUE(ini.Save(dir / "link.ini").ok());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link.ini")));
    EXPECT_EQ(ReadText(dir / "real" / "target.ini"), "[A]\nk=1\n");
}

TEST(IniFiles, saveRemovesTemporariesLeftByDeadWritersOnly) {
    TempDir dir;
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ASSERT_GT(dead, 0);
    ::waitpid(dead, nullptr, 0);
    const std::string deadPid = std::to_string(dead);
    const std::string livePid = std::to_string(::getppid());
    const std::vector<std::string> kept{
        ".k.ini.tmp-" + livePid + "-3", // another copy of the game may be writing it now
        ".other.ini.tmp-" + deadPid + "-0", ".k.ini.tmp-" + deadPid + "-x",
        "k.ini.tmp-" + deadPid + "-0",      ".k.ini.tmp-" + deadPid + "-0.bak",
    };
    for (const std::string& name : kept) WriteText(dir / name, "x");
    WriteText(dir / (".k.ini.tmp-" + deadPid + "-0"), "[A]\n");
    WriteText(dir / (".k.ini.tmp-" + deadPid + "-17"), "[A]\n");

    IniFile ini;
    ini.WriteInteger("A", "k", 1);
    ASSERT_TRUE(ini.Save(dir / "k.ini").ok());
    std::vector<std::string> expected = kept;
    expected.push_back("k.ini");
    std::vector<std::string> left = FolderContents(dir.path());
    std::sort(expected.begin(), expected.end());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, expected);
}

TEST(IniFiles, saveFailuresAreReported) {
    TempDir dir;
    WriteText(dir / "plain", "not a folder");
    IniFile ini;
    ini.WriteInteger("A", "k", 1);
    kp::FileResult result = ini.Save(dir / "plain" / "x.ini");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, FileError::CannotCreate);
    EXPECT_EQ(result.systemError, ENOTDIR);
}

TEST(IniFiles, readOnlyFolderOrFileKeepsTheOldContent) {
    if (RunningAsRoot()) GTEST_SKIP() << "permissions do not apply to root";
    TempDir dir;
    const fs::path folder = dir / "locked";
    fs::create_directory(folder);
    WriteText(folder / "a.ini", "[A]\nk=1\n");
    IniFile ini;
    ini.WriteInteger("A", "k", 2);

    fs::permissions(folder / "a.ini", fs::perms::owner_read);
    EXPECT_EQ(ini.Save(folder / "a.ini").error, FileError::ReadOnly);

    fs::permissions(folder / "a.ini", fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(ini.Save(folder / "a.ini").error, FileError::CannotCreate);
    EXPECT_EQ(ReadText(folder / "a.ini"), "[A]\nk=1\n");
}
