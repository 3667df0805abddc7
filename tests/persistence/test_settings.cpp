#include "persistence/settings.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;
using kp::ChargerINI;
using kp::EnregistrerINI;
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
    s.Langue = 1; // loading must replace whatever was there
    EXPECT_TRUE(ChargerINI(s, dir / "k.ini").ok());
    return s;
}

} // namespace

TEST(SettingsLoad, MissingFileGivesTheDefaultGame) {
    TempDir dir;
    Settings s;
    s.Configuration.NbLgn = 30;
    EXPECT_TRUE(ChargerINI(s, dir / "absent.ini").ok());
    EXPECT_EQ(s.Configuration.NbLgn, 18);
    EXPECT_EQ(s.Configuration.NbCol, 8);
    EXPECT_EQ(s.Configuration.NbColor, 3);
    EXPECT_EQ(s.Configuration.MinCasesConsecutives, 4);
    EXPECT_EQ(s.Configuration.TempoDepart, 650);
    EXPECT_EQ(s.Fond, 2);
    EXPECT_EQ(s.Son, 1);
    EXPECT_EQ(s.Musique, 0);
    EXPECT_EQ(s.Pinup, 3);
    EXPECT_EQ(s.AffCompteurs, 1);
    EXPECT_EQ(s.Langue, 0);
    EXPECT_EQ(s.CouleurDegrade2, 15780518);
    EXPECT_TRUE(s.MusiqueEnBoucle);
    EXPECT_EQ(s.NameTexte, "Arial Black");
    EXPECT_EQ(s.Scores, kp::Palmares{});
}

TEST(SettingsLoad, OutOfRangeValuesTakeTheDefaultNotTheBound) {
    struct Case {
        const char* line;
        int32_t Settings::*option;
        int32_t kp::LevelParameters::*param;
        int32_t expected;
    };
    const Case cases[] = {
        {"[Configuration]\nNbLgn=4", nullptr, &kp::LevelParameters::NbLgn, 18},
        {"[Configuration]\nNbLgn=100", nullptr, &kp::LevelParameters::NbLgn, 18},
        {"[Configuration]\nNbLgn=5", nullptr, &kp::LevelParameters::NbLgn, 5},
        {"[Configuration]\nNbLgn=99", nullptr, &kp::LevelParameters::NbLgn, 99},
        {"[Configuration]\nTempoDepart=99", nullptr, &kp::LevelParameters::TempoDepart, 650},
        {"[Configuration]\nTempoDepart=999", nullptr, &kp::LevelParameters::TempoDepart, 999},
        {"[Configuration]\nNbColor=6", nullptr, &kp::LevelParameters::NbColor, 3},
        {"[Configuration]\nMinCasesConsecutives=999", nullptr,
         &kp::LevelParameters::MinCasesConsecutives, 999},
        {"[Configuration]\nNbVirusInc=0", nullptr, &kp::LevelParameters::NbVirusInc, 0},
        {"[Options]\nMusique=6", &Settings::Musique, nullptr, 0},
        {"[Options]\nFond=-1", &Settings::Fond, nullptr, 2},
        {"[Options]\nSon=3", &Settings::Son, nullptr, 1},
        {"[Options]\nSmileyTaille=5", &Settings::SmileyTaille, nullptr, 5},
    };
    for (const Case& c : cases) {
        Settings s = Load(c.line);
        int32_t got = c.option ? s.*c.option : s.Configuration.*c.param;
        EXPECT_EQ(got, c.expected) << c.line;
    }
}

TEST(SettingsLoad, ColoursAreNeverCheckedAndAcceptHexadecimal) {
    Settings s = Load("[Options]\nCouleurFondUni=-5\nSmileyCouleur2=$FF\n"
                      "CouleurBordure=0xFFFFFFFF\nColorTexte=123\n");
    EXPECT_EQ(s.CouleurFondUni, -5);
    EXPECT_EQ(s.SmileyCouleur[2], 255);
    EXPECT_EQ(s.CouleurBordure, -1);
    EXPECT_EQ(s.ColorTexte, 123);
}

TEST(SettingsLoad, GarbageReadsAsDefaultAndNamesIgnoreCase) {
    Settings s = Load("[OPTIONS]\nlangue=1\nPINUP=1\nWaveVolume=loud\n"
                      "[configuration]\nnbcol=0x0A\nNbLgn=1e2\n"
                      "[Scores]\nScore01_Niv=abc\nScore01_Vir=7\nScore01_Nom= Zoé \n");
    EXPECT_EQ(s.Langue, 1);
    EXPECT_EQ(s.Pinup, 1);
    EXPECT_EQ(s.WaveVolume, 2);
    EXPECT_EQ(s.Configuration.NbCol, 10);
    EXPECT_EQ(s.Configuration.NbLgn, 18);
    EXPECT_EQ(s.Scores.Entrees[0].Niv, "0");
    EXPECT_EQ(s.Scores.Entrees[0].Vir, "7");
    EXPECT_EQ(s.Scores.Entrees[0].Nom, "Zoé"); // blanks around a value are no part of it
}

TEST(SettingsLoad, UnusableFontFallsBackWhole) {
    Settings ok = Load("[Options]\nNameTexte=Courier\nSizeTexte=20\nColorTexte=255\n");
    EXPECT_EQ(ok.NameTexte, "Courier");
    EXPECT_EQ(ok.SizeTexte, 20);
    EXPECT_EQ(ok.ColorTexte, 255);
    for (const char* text : {"[Options]\nNameTexte=\nSizeTexte=20\nColorTexte=255\n",
                             "[Options]\nNameTexte=Courier\nSizeTexte=0\nColorTexte=255\n"}) {
        Settings s = Load(text);
        EXPECT_EQ(s.NameTexte, "Arial Black") << text;
        EXPECT_EQ(s.SizeTexte, 14) << text;
        EXPECT_EQ(s.ColorTexte, 0xFFFFFF) << text;
    }
}

TEST(SettingsLoad, OldWindowsFileReadsAsUtf8AndIsWrittenBackByteForByte) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    Settings defaults;
    ASSERT_TRUE(EnregistrerINI(defaults, file).ok());
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
    ASSERT_TRUE(ChargerINI(s, file).ok());
    EXPECT_EQ(s.CheminFond[0], "C:\\Images\\été.jpg");
    EXPECT_EQ(s.NameTexte, "Trébuchet");
    EXPECT_EQ(s.Scores.Entrees[0].Nom, "Zoé");
    EXPECT_EQ(s.Scores.Entrees[0].Dat, "03 févr. 2004  -  10h20");
    EXPECT_EQ(s.Scores.Entrees[1].Dat, "24 déc. 2003  -  23h59");
    ASSERT_TRUE(EnregistrerINI(s, file).ok());
    EXPECT_EQ(ReadText(file), old);
}

TEST(SettingsLoad, HandEditedBlanksAroundTheEqualSign) {
    Settings s = Load("[Options]\nFond = 3\nCheminFond1 = /home/me/pic.jpg\t\n"
                      "NameTexte =\tDejaVu Sans \n");
    EXPECT_EQ(s.Fond, 3);
    EXPECT_EQ(s.CheminFond[0], "/home/me/pic.jpg");
    EXPECT_EQ(s.NameTexte, "DejaVu Sans");
}

TEST(SettingsSave, FreshFileListsEveryKeyInTableOrder) {
    TempDir dir;
    const fs::path file = dir / "new" / "folder" / "kembrolla-panic.ini";
    Settings defaults;
    ASSERT_TRUE(EnregistrerINI(defaults, file).ok());
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
    options.insert(options.end(), {"NameTexte", "SizeTexte", "ColorTexte"});
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
    EXPECT_EQ(options_entries[25].second, "1"); // MusiqueEnBoucle
    EXPECT_EQ(Entries(text, "Scores")[2].second, "");
}

TEST(SettingsSave, BooleanWrittenAsOneAndOtherContentKept) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    WriteText(file, "[Perso]\nA=b\n[options]\nMosaique=2\nInconnu=7\n");
    Settings s;
    ASSERT_TRUE(ChargerINI(s, file).ok());
    EXPECT_TRUE(s.Mosaique);
    ASSERT_TRUE(EnregistrerINI(s, file).ok());

    const std::string text = ReadText(file);
    EXPECT_EQ(Sections(text),
              (std::vector<std::string>{"Perso", "options", "Configuration", "Scores"}));
    auto options = Entries(text, "options");
    ASSERT_GE(options.size(), 2u);
    EXPECT_EQ(options[0], (std::pair<std::string, std::string>{"Mosaique", "1"}));
    EXPECT_EQ(options[1], (std::pair<std::string, std::string>{"Inconnu", "7"}));
    EXPECT_EQ(Entries(text, "Perso").at(0).second, "b");
}

TEST(SettingsSave, RoundTripKeepsEveryValue) {
    TempDir dir;
    Settings s;
    s.Fond = 3;
    s.Musique = 4;
    s.Langue = 1;
    s.CouleurFondUni = -5;
    s.SmileyCouleur[3] = 0x123456;
    s.Negatif = true;
    s.MusiqueEnBoucle = false;
    s.CheminFond[0] = "/home/joueur/Images/fond ciel.jpg";
    s.CheminFond[9] = "/tmp/x.bmp";
    s.NameTexte = "DejaVu Sans";
    s.SizeTexte = 22;
    s.Configuration.NbLgn = 99;
    s.Configuration.NbColor = 5;
    s.Scores.Entrees[0] = {"12", "3", "Zoé", " 07 janv. 2024  -  08h05"};

    ASSERT_TRUE(EnregistrerINI(s, dir / "a.ini").ok());
    const std::string written = ReadText(dir / "a.ini");
    Settings back;
    ASSERT_TRUE(ChargerINI(back, dir / "a.ini").ok());
    ASSERT_TRUE(EnregistrerINI(back, dir / "b.ini").ok());
    // The date's leading blank reads as blanks around any value do: as no part of it.
    EXPECT_EQ(ReadText(dir / "b.ini"), Replaced(written, "Dat= 07", "Dat=07"));
    ASSERT_TRUE(EnregistrerINI(back, dir / "a.ini").ok());
    EXPECT_EQ(ReadText(dir / "a.ini"), written);
    EXPECT_EQ(back.CheminFond[0], s.CheminFond[0]);
    EXPECT_EQ(back.Configuration.NbLgn, 99);
    s.Scores.Entrees[0].Dat = "07 janv. 2024  -  08h05";
    EXPECT_EQ(back.Scores, s.Scores);
    EXPECT_FALSE(back.MusiqueEnBoucle);
}

TEST(SettingsFiles, UnreadableFileIsReportedAndNotReplaced) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    fs::create_directory(file);
    Settings s;
    s.Langue = 1;
    EXPECT_FALSE(ChargerINI(s, file).ok());
    EXPECT_EQ(s.Langue, 0); // defaults all the same
    EXPECT_FALSE(EnregistrerINI(s, file).ok());
    EXPECT_TRUE(fs::is_directory(file));
}

TEST(SettingsFiles, UnknownLinesEndingInSeveralCarriageReturnsStayAsTheyAre) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    WriteText(file, "[Perso]\r\nNote=abc\r\r\n");
    Settings s;
    ASSERT_TRUE(ChargerINI(s, file).ok());
    ASSERT_TRUE(EnregistrerINI(s, file).ok());
    const std::string once = ReadText(file);
    ASSERT_TRUE(ChargerINI(s, file).ok());
    ASSERT_TRUE(EnregistrerINI(s, file).ok());
    EXPECT_EQ(ReadText(file), once);
    EXPECT_EQ(once.rfind("[Perso]\r\nNote=abc\r\r\n", 0), 0u);
}

TEST(SettingsFiles, FailedSaveSaysThatWritingFailedAndWhy) {
    TempDir dir;
    const fs::path file = dir / "k.ini";
    fs::create_directory(file); // the settings file cannot be read, so it is not replaced
    Settings s;
    const kp::FileResult result = EnregistrerINI(s, file);
    ASSERT_FALSE(result.ok());
    const std::string french = kp::MessageErreurFichier(result, 0);
    const std::string english = kp::MessageErreurFichier(result, 1);
    EXPECT_EQ(french.rfind("Enregistrement du fichier « " + file.string() + " » impossible", 0), 0u)
        << french;
    EXPECT_EQ(english.rfind("The file \"" + file.string() + "\" cannot be written", 0), 0u)
        << english;
    EXPECT_NE(french.find(std::strerror(EISDIR)), std::string::npos) << french;
    EXPECT_NE(english.find(std::strerror(EISDIR)), std::string::npos) << english;
}

TEST(SettingsFiles, NameIsTheProgramsWithItsExtensionReplaced) {
    EXPECT_EQ(kp::SettingsBareName("/opt/kp/kp.bin"), "kp.ini");
    EXPECT_EQ(kp::SettingsBareName("kembrolla-panic"), "kembrolla-panic.ini");
    EXPECT_EQ(kp::SettingsBareName("a.b.c"), "a.b.ini");
    EXPECT_EQ(kp::SettingsBareName("/home/u/.hidden"), ".hidden.ini");
    EXPECT_EQ(kp::SettingsFilePath("/opt/kp/kp.bin", "/cfg", nullptr),
              fs::path("/cfg/kembrolla-panic/kp.ini"));
}

TEST(SettingsFiles, DanglingLinkKeepsTheLinkAndGetsItsTarget) {
    TempDir dir;
    fs::create_directories(dir / "dotfiles");
    fs::create_directories(dir / "cfg");
    fs::create_symlink("../dotfiles/kp.ini", dir / "cfg" / "kp.ini");
    Settings s;
    ASSERT_TRUE(ChargerINI(s, dir / "cfg" / "kp.ini").ok());
    s.Langue = 1;
    ASSERT_TRUE(EnregistrerINI(s, dir / "cfg" / "kp.ini").ok());
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "cfg" / "kp.ini")));
    Settings back;
    ASSERT_TRUE(ChargerINI(back, dir / "dotfiles" / "kp.ini").ok());
    EXPECT_EQ(back.Langue, 1);
}

TEST(SettingsFiles, PlaceFollowsXdgConfigHome) {
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
