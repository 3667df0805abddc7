#include "persistence/settings.h"

#include "persistence/ini_file.h"
#include "persistence/statistics.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

namespace fs = std::filesystem;
using kp::loadSettings;
using kp::saveSettings;
using kp::Settings;
using namespace kp::test;

namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

Settings Load(const std::string& text) {
    TempDir dir;
    WriteText(dir / "k.ini", text);
    Settings s;
    s.language = 1; // loading must replace whatever was there
    EXPECT_TRUE(loadSettings(s, dir / "k.ini").ok());
    return s;
}

} // namespace

TEST(SettingsLoad, missingFileGivesTheDefaultGame) {
    TempDir dir;
    Settings s;
    s.parameters.rows = 30;
    EXPECT_TRUE(loadSettings(s, dir / "absent.ini").ok());
    EXPECT_EQ(s.parameters.rows, 18);
    EXPECT_EQ(s.parameters.columns, 8);
    EXPECT_EQ(s.parameters.colours, 3);
    EXPECT_EQ(s.parameters.minRun, 4);
    EXPECT_EQ(s.parameters.firstFallPeriod, 650);
    EXPECT_EQ(s.background, 2);
    EXPECT_EQ(s.soundOutput, 1);
    EXPECT_EQ(s.music, 0);
    EXPECT_EQ(s.Pinup, 3);
    EXPECT_EQ(s.showCounters, 1);
    EXPECT_EQ(s.language, 0);
    EXPECT_EQ(s.gradientBottom, 15780518);
    EXPECT_TRUE(s.loopMusic);
    EXPECT_EQ(s.messageFont, "Arial Black");
    EXPECT_EQ(s.scores, kp::ScoreTable{});
}

TEST(SettingsLoad, outOfRangeValuesTakeTheDefaultNotTheBound) {
    struct Case {
        const char* line;
        int32_t Settings::*option;
        int32_t kp::LevelParameters::*param;
        int32_t expected;
    };
    const Case cases[] = {
        {"[Configuration]\nNbLgn=4", nullptr, &kp::LevelParameters::rows, 18},
        {"[Configuration]\nNbLgn=100", nullptr, &kp::LevelParameters::rows, 18},
        {"[Configuration]\nNbLgn=5", nullptr, &kp::LevelParameters::rows, 5},
        {"[Configuration]\nNbLgn=99", nullptr, &kp::LevelParameters::rows, 99},
        {"[Configuration]\nTempoDepart=99", nullptr, &kp::LevelParameters::firstFallPeriod, 650},
        {"[Configuration]\nTempoDepart=999", nullptr, &kp::LevelParameters::firstFallPeriod, 999},
        {"[Configuration]\nNbColor=6", nullptr, &kp::LevelParameters::colours, 3},
        {"[Configuration]\nMinCasesConsecutives=999", nullptr, &kp::LevelParameters::minRun, 999},
        {"[Configuration]\nNbVirusInc=0", nullptr, &kp::LevelParameters::smileysPerLevel, 0},
        {"[Options]\nMusique=6", &Settings::music, nullptr, 0},
        {"[Options]\nFond=-1", &Settings::background, nullptr, 2},
        {"[Options]\nSon=3", &Settings::soundOutput, nullptr, 1},
        {"[Options]\nSmileyTaille=5", &Settings::smileySize, nullptr, 5},
        {"[Options]\nLangue=8", &Settings::language, nullptr, 8},
        {"[Options]\nLangue=9", &Settings::language, nullptr, 0},
    };
    for (const Case& c : cases) {
        Settings s = Load(c.line);
        int32_t got = c.option ? s.*c.option : s.parameters.*c.param;
        EXPECT_EQ(got, c.expected) << c.line;
    }
}

TEST(SettingsLoad, coloursAreNeverCheckedAndAcceptHexadecimal) {
    Settings s = Load("[Options]\nCouleurFondUni=-5\nSmileyCouleur2=$FF\n"
                      "CouleurBordure=0xFFFFFFFF\nColorTexte=123\n");
    EXPECT_EQ(s.plainColour, -5);
    EXPECT_EQ(s.smileyColours[2], 255);
    EXPECT_EQ(s.borderColour, -1);
    EXPECT_EQ(s.messageColour, 123);
}

TEST(SettingsLoad, garbageReadsAsDefaultAndNamesIgnoreCase) {
    Settings s = Load("[OPTIONS]\nlangue=1\nPINUP=1\nWaveVolume=loud\n"
                      "[configuration]\nnbcol=0x0A\nNbLgn=1e2\n"
                      "[Scores]\nScore01_Niv=abc\nScore01_Vir=7\nScore01_Nom= Zoé \n");
    EXPECT_EQ(s.language, 1);
    EXPECT_EQ(s.Pinup, 1);
    EXPECT_EQ(s.effectsVolume, 2);
    EXPECT_EQ(s.parameters.columns, 10);
    EXPECT_EQ(s.parameters.rows, 18);
    EXPECT_EQ(s.scores.Entries[0].level, "0");
    EXPECT_EQ(s.scores.Entries[0].left, "7");
    EXPECT_EQ(s.scores.Entries[0].name, "Zoé"); // blanks around a value are no part of it
}

TEST(SettingsLoad, unusableFontFallsBackWhole) {
    Settings ok = Load("[Options]\nNameTexte=Courier\nSizeTexte=20\nColorTexte=255\n");
    EXPECT_EQ(ok.messageFont, "Courier");
    EXPECT_EQ(ok.messageFontSize, 20);
    EXPECT_EQ(ok.messageColour, 255);
    for (const char* text : {"[Options]\nNameTexte=\nSizeTexte=20\nColorTexte=255\n",
                             "[Options]\nNameTexte=Courier\nSizeTexte=0\nColorTexte=255\n"}) {
        Settings s = Load(text);
        EXPECT_EQ(s.messageFont, "Arial Black") << text;
        EXPECT_EQ(s.messageFontSize, 14) << text;
        EXPECT_EQ(s.messageColour, 0xFFFFFF) << text;
    }
}

TEST(SettingsLoad, oldWindowsFileReadsAsUtf8AndIsWrittenBackByteForByte) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    Settings defaults;
    ASSERT_TRUE(saveSettings(defaults, file).ok());
    // The same keys as the older Windows version wrote them: CR LF, Windows-1252 text.
    std::string old = ReadText(file);
    old = Replaced(old, "CheminFond1=", "CheminFond1=C:\\Images\\\xE9t\xE9.jpg");
    old = Replaced(old, "NameTexte=Arial Black",
                   "NameTexte=Tr\xE9"
                   "buchet");
    old = Replaced(old, "Score01_Niv=0", "Score01_Niv=7");
    old = Replaced(old, "Score01_Nom=", "Score01_Nom=Zo\xE9");
    old = Replaced(old, "Score01_Dat=", "Score01_Dat= 03 f\xE9vr. 2004  -  10h20");
    old = Replaced(old, "Score02_Dat=",
                   "Score02_Dat= 24 d\xE9"
                   "c. 2003  -  23h59");
    for (size_t at = old.find('\n'); at != std::string::npos; at = old.find('\n', at + 2))
        old.insert(at, "\r");
    WriteText(file, old);

    Settings s;
    ASSERT_TRUE(loadSettings(s, file).ok());
    EXPECT_EQ(s.recentPictures[0], "C:\\Images\\\xE9t\xE9.jpg"); // a path keeps its bytes
    EXPECT_EQ(s.messageFont, "Trébuchet");
    EXPECT_EQ(s.scores.Entries[0].name, "Zoé");
    EXPECT_EQ(s.scores.Entries[0].date, "03 févr. 2004  -  10h20");
    EXPECT_EQ(s.scores.Entries[1].date, "24 déc. 2003  -  23h59");
    ASSERT_TRUE(saveSettings(s, file).ok());
    EXPECT_EQ(ReadText(file), old);
}

TEST(SettingsLoad, handEditedBlanksAroundTheEqualSign) {
    Settings s = Load("[Options]\nFond = 3\nCheminFond1 = /home/me/pic.jpg\t\n"
                      "NameTexte =\tDejaVu Sans \n");
    EXPECT_EQ(s.background, 3);
    EXPECT_EQ(s.recentPictures[0], "/home/me/pic.jpg");
    EXPECT_EQ(s.messageFont, "DejaVu Sans");
}

TEST(SettingsSave, freshFileListsEveryKeyInTableOrder) {
    TempDir dir;
    const fs::path file = dir / "new" / "folder" / "kembrolla-panic.ini";
    Settings defaults;
    ASSERT_TRUE(saveSettings(defaults, file).ok());
    const std::string text = ReadText(file);

    EXPECT_EQ(Sections(text), (std::vector<std::string>{"Options", "Configuration", "Scores"}));
    std::vector<std::string> options{"Fond",
                                     "Son",
                                     "WaveVolume",
                                     "MidiVolume",
                                     "Musique",
                                     "AnimationVirus",
                                     "AnimationSuppr",
                                     "Langue",
                                     "Pinup",
                                     "AffCompteurs",
                                     "AffPieceSuivante",
                                     "Tremblement",
                                     "CouleurFondUni",
                                     "CouleurDegrade1",
                                     "CouleurDegrade2",
                                     "CouleurBordure",
                                     "ImageFondTaille",
                                     "ImageFondPositionH",
                                     "ImageFondPositionV",
                                     "SmileyCouleur0",
                                     "SmileyCouleur1",
                                     "SmileyCouleur2",
                                     "SmileyCouleur3",
                                     "SmileyCouleur4",
                                     "SmileyTaille",
                                     "MusiqueEnBoucle",
                                     "Mosaique",
                                     "NoirEtBlanc",
                                     "Negatif"};
    for (int i = 1; i <= 10; ++i) options.push_back("CheminFond" + std::to_string(i));
    options.insert(options.end(),
                   {"NameTexte", "SizeTexte", "ColorTexte", "SymbolesCouleur", "BanqueSons"});
    EXPECT_EQ(Keys(text, "Options"), options);
    EXPECT_EQ(Keys(text, "Configuration"),
              (std::vector<std::string>{"NbLgn", "NbCol", "NbVirus", "NbVirusLignes", "NbVirusInc",
                                        "NbVirusLignesInc", "NbVirusLignesMax", "TempoDepart",
                                        "TempoNiveauInc", "MinCasesConsecutives", "NbColor"}));
    std::vector<std::string> scores;
    for (const char* rank : {"01", "02", "03"})
        for (const char* field : {"Niv", "Vir", "Nom", "Dat"})
            scores.push_back(std::string("Score") + rank + "_" + field);
    EXPECT_EQ(Keys(text, "Scores"), scores);

    auto options_entries = Entries(text, "Options");
    EXPECT_EQ(options_entries[14].second, "15780518");
    EXPECT_EQ(options_entries[25].second, "1"); // loopMusic
    EXPECT_EQ(Entries(text, "Scores")[2].second, "");
}

TEST(SettingsSave, booleanWrittenAsOneAndOtherContentKept) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    WriteText(file, "[Perso]\nA=b\n[options]\nMosaique=2\nInconnu=7\n");
    Settings s;
    ASSERT_TRUE(loadSettings(s, file).ok());
    EXPECT_TRUE(s.tiled);
    ASSERT_TRUE(saveSettings(s, file).ok());

    const std::string text = ReadText(file);
    EXPECT_EQ(Sections(text),
              (std::vector<std::string>{"Perso", "options", "Configuration", "Scores"}));
    auto options = Entries(text, "options");
    ASSERT_GE(options.size(), 2u);
    EXPECT_EQ(options[0], (std::pair<std::string, std::string>{"Mosaique", "1"}));
    EXPECT_EQ(options[1], (std::pair<std::string, std::string>{"Inconnu", "7"}));
    EXPECT_EQ(Entries(text, "Perso").at(0).second, "b");
}

TEST(SettingsSave, roundTripKeepsEveryValue) {
    TempDir dir;
    Settings s;
    s.background = 3;
    s.music = 4;
    s.language = 1;
    s.plainColour = -5;
    s.smileyColours[3] = 0x123456;
    s.negative = true;
    s.loopMusic = false;
    s.recentPictures[0] = "/home/joueur/Images/fond ciel.jpg";
    s.recentPictures[9] = "/tmp/x.bmp";
    s.messageFont = "DejaVu Sans";
    s.messageFontSize = 22;
    s.colourSymbols = true;
    s.parameters.rows = 99;
    s.parameters.colours = 5;
    s.scores.Entries[0] = {"12", "3", "Zoé", " 07 janv. 2024  -  08h05"};

    ASSERT_TRUE(saveSettings(s, dir / "a.ini").ok());
    const std::string written = ReadText(dir / "a.ini");
    Settings back;
    ASSERT_TRUE(loadSettings(back, dir / "a.ini").ok());
    ASSERT_TRUE(saveSettings(back, dir / "b.ini").ok());
    // The date's leading blank reads as blanks around any value do: as no part of it.
    EXPECT_EQ(ReadText(dir / "b.ini"), Replaced(written, "Dat= 07", "Dat=07"));
    ASSERT_TRUE(saveSettings(back, dir / "a.ini").ok());
    EXPECT_EQ(ReadText(dir / "a.ini"), written);
    EXPECT_EQ(back.recentPictures[0], s.recentPictures[0]);
    EXPECT_EQ(back.parameters.rows, 99);
    s.scores.Entries[0].date = "07 janv. 2024  -  08h05";
    EXPECT_EQ(back.scores, s.scores);
    EXPECT_FALSE(back.loopMusic);
    EXPECT_TRUE(back.colourSymbols);
}

TEST(SettingsFiles, unreadableFileIsReportedAndNotReplaced) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    fs::create_directory(file);
    Settings s;
    s.language = 1;
    EXPECT_FALSE(loadSettings(s, file).ok());
    EXPECT_EQ(s.language, 0); // defaults all the same
    EXPECT_FALSE(saveSettings(s, file).ok());
    EXPECT_TRUE(fs::is_directory(file));
}

TEST(SettingsFiles, unknownLinesEndingInSeveralCarriageReturnsStayAsTheyAre) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    WriteText(file, "[Perso]\r\nNote=abc\r\r\n");
    Settings s;
    ASSERT_TRUE(loadSettings(s, file).ok());
    ASSERT_TRUE(saveSettings(s, file).ok());
    const std::string once = ReadText(file);
    ASSERT_TRUE(loadSettings(s, file).ok());
    ASSERT_TRUE(saveSettings(s, file).ok());
    EXPECT_EQ(ReadText(file), once);
    EXPECT_EQ(once.rfind("[Perso]\r\nNote=abc\r\r\n", 0), 0u);
}

TEST(SettingsFiles, failedSaveSaysThatWritingFailedAndWhy) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    fs::create_directory(file); // the settings file cannot be read, so it is not replaced
    Settings s;
    const kp::FileResult result = saveSettings(s, file);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error, kp::FileError::Unreadable);
    EXPECT_TRUE(result.writing);
    EXPECT_EQ(result.systemError, EISDIR);
    EXPECT_EQ(result.path, file);
}

TEST(SettingsFiles, nameIsTheProgramsWithItsExtensionReplaced) {
    EXPECT_EQ(kp::SettingsBareName("/opt/kp/kp.bin"), "kp.ini");
    EXPECT_EQ(kp::SettingsBareName("kembrolla-panic"), "kembrolla-panic.ini");
    EXPECT_EQ(kp::SettingsBareName("a.b.c"), "a.b.ini");
    EXPECT_EQ(kp::SettingsBareName("/home/u/.hidden"), ".hidden.ini");
    EXPECT_EQ(kp::SettingsFilePath("/opt/kp/kp.bin", "/cfg", nullptr),
              fs::path("/cfg/kembrolla-panic/kp.ini"));
}

TEST(SettingsFiles, danglingLinkKeepsTheLinkAndGetsItsTarget) {
    TempDir dir;
    fs::create_directories(dir / "dotfiles");
    fs::create_directories(dir / "cfg");
    fs::create_symlink("../dotfiles/kp.ini", dir / "cfg" / "kp.ini");
    Settings s;
    ASSERT_TRUE(loadSettings(s, dir / "cfg" / "kp.ini").ok());
    s.language = 1;
    ASSERT_TRUE(saveSettings(s, dir / "cfg" / "kp.ini").ok());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "cfg" / "kp.ini")));
    Settings back;
    ASSERT_TRUE(loadSettings(back, dir / "dotfiles" / "kp.ini").ok());
    EXPECT_EQ(back.language, 1);
}

TEST(SettingsFiles, placeFollowsXdgConfigHome) {
    EXPECT_EQ(kp::SettingsBareName("/usr/games/kembrolla-panic"), "kembrolla-panic.ini");
    EXPECT_EQ(kp::SettingsFilePath("/usr/games/kp", "/cfg", "/home/u"),
              fs::path("/cfg/kembrolla-panic/kp.ini"));
    EXPECT_EQ(kp::SettingsFilePath("kp", "", "/home/u"),
              fs::path("/home/u/.config/kembrolla-panic/kp.ini"));
    EXPECT_EQ(kp::SettingsFilePath("kp", "relative/cfg", "/home/u"),
              fs::path("/home/u/.config/kembrolla-panic/kp.ini"));
    EXPECT_EQ(kp::SettingsFilePath("kp", nullptr, "/home/u"),
              fs::path("/home/u/.config/kembrolla-panic/kp.ini"));
}

TEST(SettingsControls, sectionAppearsLastOnlyOnceTheControlsChangeAndRoundTrips) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    Settings s;
    ASSERT_TRUE(saveSettings(s, file).ok());
    const std::string before = ReadText(file);
    ASSERT_TRUE(loadSettings(s, file).ok());
    EXPECT_FALSE(s.controlsInFile);
    ASSERT_TRUE(saveSettings(s, file).ok());
    EXPECT_EQ(ReadText(file), before);

    s.controls.keys[static_cast<int>(kp::Action::Left)] = {"A", "", ""};
    s.controls.pad[static_cast<int>(kp::Action::Drop)][1] = "rightshoulder";
    s.controls.gameRepeat = true;
    s.controls.repeatInterval = 0;
    ASSERT_TRUE(saveSettings(s, file).ok());
    const std::string text = ReadText(file);
    EXPECT_EQ(Sections(text),
              (std::vector<std::string>{"Options", "Configuration", "Scores", "Touches"}));
    EXPECT_EQ(text.substr(0, before.size()), before);
    EXPECT_NE(text.find("Gauche1=A\n"), std::string::npos);
    EXPECT_NE(text.find("Gauche2=\n"), std::string::npos);
    EXPECT_NE(text.find("ManetteLacher2=rightshoulder\n"), std::string::npos);
    Settings back;
    ASSERT_TRUE(loadSettings(back, file).ok());
    EXPECT_TRUE(back.controlsInFile);
    EXPECT_EQ(back.controls, s.controls);

    // Put back to the defaults, the section stays (the player chose them).
    back.controls = {};
    ASSERT_TRUE(saveSettings(back, file).ok());
    EXPECT_NE(ReadText(file).find("Gauche1=Left\n"), std::string::npos);
}

TEST(SettingsControls, missingKeysKeepTheirDefaultAndRepeatValuesKeepTheirRange) {
    const Settings s = Load("[Touches]\nDroite2=\nRepetitionTouches=2\nDelaiRepetition=49\n"
                            "IntervalleRepetition=200\n");
    const kp::Controls defaults;
    EXPECT_EQ(s.controls.keys[0], defaults.keys[0]);
    EXPECT_EQ(s.controls.keys[1], (kp::KeyNames{"Right", "", ""}));
    EXPECT_FALSE(s.controls.gameRepeat);
    EXPECT_EQ(s.controls.repeatDelay, 170);
    EXPECT_EQ(s.controls.repeatInterval, 200);
}

// With every key at its longest (ten recent pictures and a sound bank of the longest paths,
// three names of the longest the name dialog takes, every key binding slot used) the settings
// file, and the statistics of fifty games of a thousand levels, stay many times below the
// limit; a file over it is not read (the defaults are used) and is not written over at close.
TEST(SettingsFiles, aFileWithEveryKeyFilledIsFarBelowTheLimitAndALargerOneIsLeftAlone) {
    TempDir dir;
    Settings full;
    const std::string path = "/" + std::string(4094, 'p');
    for (std::string& picture : full.recentPictures) picture = path;
    full.soundBank = path;
    full.messageFont = std::string(255, 'f');
    for (kp::ScoreEntry& e : full.scores.Entries)
        e = {"2147483647", "9801", std::string(256, 'n'), " 31 sept. 2024  -  23h59"};
    for (auto& names : full.controls.keys)
        for (auto& name : names) name = "Num+Enter";
    ASSERT_TRUE(saveSettings(full, dir / "full.ini").ok());
    kp::GameSummary game;
    for (int32_t level = 1; level <= kp::Statistics::MaxLevel; ++level)
        game.levels.push_back({level, 3599});
    kp::Statistics statistics;
    for (int i = 0; i < 50; ++i)
        ASSERT_TRUE(kp::addToStatistics(dir / "stats.ini", game, 1700000000 + i, statistics).ok());
    const auto settingsSize = fs::file_size(dir / "full.ini");
    const auto statisticsSize = fs::file_size(dir / "stats.ini");
    std::printf("every key filled: settings %ju bytes, statistics %ju bytes\n", settingsSize,
                statisticsSize);
    EXPECT_LT(settingsSize * 10, kp::MaxIniFileSize);
    EXPECT_LT(statisticsSize * 10, kp::MaxIniFileSize);

    // Empty sections, the costliest lines to read, up to past the limit.
    std::string huge = "[Options]\nLangue=1\n";
    while (huge.size() <= kp::MaxIniFileSize) huge += "[]\n";
    WriteText(dir / "huge.ini", huge);
    Settings s;
    s.language = 1;
    EXPECT_EQ(loadSettings(s, dir / "huge.ini").error, kp::FileError::TooLarge);
    EXPECT_EQ(s.language, 0);
    const kp::FileResult closing = saveSettings(s, dir / "huge.ini");
    EXPECT_EQ(closing.error, kp::FileError::TooLarge);
    EXPECT_TRUE(closing.writing);
    EXPECT_EQ(ReadText(dir / "huge.ini"), huge);
}

// A path names a file by its bytes: one that is no UTF-8 reads back as those bytes, is written
// back unchanged, and a path of the same letters in other bytes is another path.
TEST(SettingsLoad, picturePathsAndSoundBankKeepTheirBytes) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    const std::string latin1 = "/home/zo\xE9/images/\xE9t\xE9.png";
    const std::string bank = "/home/zo\xE9/sons/banque.sf2";
    Settings s;
    ASSERT_TRUE(saveSettings(s, file).ok());
    WriteText(file, Replaced(Replaced(ReadText(file), "CheminFond2=", "CheminFond2=" + latin1),
                             "BanqueSons=", "BanqueSons=" + bank));
    const std::string written = ReadText(file);
    ASSERT_TRUE(loadSettings(s, file).ok());
    EXPECT_EQ(s.recentPictures[1], latin1);
    EXPECT_EQ(s.soundBank, bank);
    ASSERT_TRUE(saveSettings(s, file).ok());
    EXPECT_EQ(ReadText(file), written);
    s.recentPictures[1] = "/home/zo\xC3\xA9/images/\xC3\xA9t\xC3\xA9.png";
    ASSERT_TRUE(saveSettings(s, file).ok());
    Settings again;
    ASSERT_TRUE(loadSettings(again, file).ok());
    EXPECT_EQ(again.recentPictures[1], s.recentPictures[1]);
}

// A match's choices and the second player's keys reach the file only once there is something
// to keep, after every other section; they read back, and out-of-range values keep defaults.
TEST(SettingsDuel, sectionAppearsLastOnceAMatchIsPlayedAndRoundTrips) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    Settings s;
    s.controls.keys[0] = {"A", "", ""}; // a player who changed a key has a "Touches" section
    ASSERT_TRUE(saveSettings(s, file).ok());
    const std::string before = ReadText(file);
    EXPECT_EQ(before.find("Duel"), std::string::npos);
    ASSERT_TRUE(loadSettings(s, file).ok());
    ASSERT_TRUE(saveSettings(s, file).ok());
    EXPECT_EQ(ReadText(file), before) << "no match played: the file stays as it was";

    s.duel = {3, {2, 7}, 5, true};
    s.duelInFile = true;
    s.controls.secondPlayer[0] = "Q";
    ASSERT_TRUE(saveSettings(s, file).ok());
    const std::string text = ReadText(file);
    EXPECT_EQ(Sections(text),
              (std::vector<std::string>{"Options", "Configuration", "Scores", "Touches", "Duel"}));
    EXPECT_NE(text.find("[Duel]\nAdversaire=3\nNiveauJoueur1=2\nNiveauJoueur2=7\nManches=5\n"
                        "AnnulerAttaques=1\n"),
              std::string::npos);
    Settings back;
    ASSERT_TRUE(loadSettings(back, file).ok());
    EXPECT_TRUE(back.duelInFile);
    EXPECT_EQ(back.duel, s.duel);
    EXPECT_EQ(back.controls, s.controls);

    const Settings odd = Load("[Duel]\nAdversaire=6\nNiveauJoueur1=0\nNiveauJoueur2=21\n"
                              "Manches=6\nAnnulerAttaques=2\n");
    EXPECT_EQ(odd.duel, kp::DuelSettings{});
    EXPECT_TRUE(odd.duelInFile);
    EXPECT_FALSE(Load("[Duel]\nAnnulerAttaques=-1\n").duel.cancelAttacks);
}
