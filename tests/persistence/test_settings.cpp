#include "persistence/settings.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using kp::ChargerINI;
using kp::EnregistrerINI;
using kp::Settings;
using namespace kp::test;

namespace {

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
        int32_t kp::Parametres::*param;
        int32_t expected;
    };
    const Case cases[] = {
        {"[Configuration]\nNbLgn=4", nullptr, &kp::Parametres::NbLgn, 18},
        {"[Configuration]\nNbLgn=100", nullptr, &kp::Parametres::NbLgn, 18},
        {"[Configuration]\nNbLgn=5", nullptr, &kp::Parametres::NbLgn, 5},
        {"[Configuration]\nNbLgn=99", nullptr, &kp::Parametres::NbLgn, 99},
        {"[Configuration]\nTempoDepart=99", nullptr, &kp::Parametres::TempoDepart, 650},
        {"[Configuration]\nTempoDepart=999", nullptr, &kp::Parametres::TempoDepart, 999},
        {"[Configuration]\nNbColor=6", nullptr, &kp::Parametres::NbColor, 3},
        {"[Configuration]\nMinCasesConsecutives=999", nullptr,
         &kp::Parametres::MinCasesConsecutives, 999},
        {"[Configuration]\nNbVirusInc=0", nullptr, &kp::Parametres::NbVirusInc, 0},
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
    EXPECT_EQ(s.Scores.Entrees[0].Nom, " Zoé ");
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

TEST(SettingsSave, FreshFileListsEveryKeyInTableOrder) {
    TempDir dir;
    const fs::path file = dir / "new" / "folder" / "kembrolla-panic.ini";
    ASSERT_TRUE(EnregistrerINI(Settings{}, file).ok());
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
    Settings back;
    ASSERT_TRUE(ChargerINI(back, dir / "a.ini").ok());
    ASSERT_TRUE(EnregistrerINI(back, dir / "b.ini").ok());
    EXPECT_EQ(ReadText(dir / "a.ini"), ReadText(dir / "b.ini"));
    EXPECT_EQ(back.CheminFond[0], s.CheminFond[0]);
    EXPECT_EQ(back.Configuration.NbLgn, 99);
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
