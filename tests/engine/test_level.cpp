#include "fixture.h"

#include <gtest/gtest.h>

namespace kp::test {

namespace {
// Rows holding smileys, as (first, last).
std::pair<int, int> smileyRows(const GameState& s) {
    int first = 1000, last = -1;
    for (int r = 0; r <= s.P.NbLgn; ++r)
        for (int c = 1; c <= s.P.NbCol; ++c)
            if (isSmiley(s.Grille[r][c])) {
                first = std::min(first, r);
                last = std::max(last, r);
            }
    return {first, last};
}
} // namespace

TEST(LevelSetUp, smileyCountAndBandGrowWithTheLevel) {
    for (uint32_t seed : {1u, 2u, 3u, 99u}) {
        Scenario sc({}, seed);
        EXPECT_EQ(sc.s().NbVirusRestants, 5);
        EXPECT_EQ(sc.smileys(), 5);
        EXPECT_GE(smileyRows(sc.s()).first, 14);

        sc.s().Niveau = 3;
        sc.game.InitJeu();
        EXPECT_EQ(sc.smileys(), 15);
        EXPECT_GE(smileyRows(sc.s()).first, 12);

        sc.s().Niveau = 12; // the band stops at 14 rows, the count goes on growing
        sc.game.InitJeu();
        EXPECT_EQ(sc.smileys(), 60);
        EXPECT_GE(smileyRows(sc.s()).first, 5);
        EXPECT_LE(smileyRows(sc.s()).second, 18);
    }
}

TEST(LevelSetUp, placingStopsWhenTheBandIsFull) {
    Parametres p;
    p.NbVirus = 99;
    p.NbVirusLignes = 2;
    Scenario sc(p);
    EXPECT_EQ(sc.s().NbVirusRestants, 2 * 8);
    EXPECT_EQ(sc.smileys(), 16);
}

TEST(LevelSetUp, smileysStayOnTheVisibleRowsWhateverTheParameters) {
    Parametres p;
    p.NbLgn = 5;
    p.NbVirusLignes = 99;
    p.NbVirusLignesMax = 99;
    p.NbVirus = 99;
    Scenario sc(p);
    sc.s().Niveau = 40;
    sc.game.InitJeu();
    EXPECT_EQ(sc.smileys(), 5 * 8);
    EXPECT_EQ(sc.count(CellEmpty), 8); // only the hidden row 0 is left empty
}

TEST(LevelSetUp, fallPeriodShrinksPerLevelAndKeepsAFloor) {
    Scenario sc;
    EXPECT_EQ(sc.game.periodeChute(), 650);
    sc.s().Niveau = 10;
    EXPECT_EQ(sc.game.periodeChute(), 560);
    sc.s().Niveau = 66; // the bare formula gives 0
    EXPECT_EQ(sc.game.periodeChute(), Game::MinFallPeriod);
    sc.s().Niveau = INT32_MAX;
    EXPECT_EQ(sc.game.periodeChute(), Game::MinFallPeriod);
    sc.s().Niveau = INT32_MIN;
    EXPECT_EQ(sc.game.periodeChute(), INT32_MAX);
}

TEST(LevelSetUp, freshLevelWaitsPausedWithItsNumber) {
    Scenario sc;
    const GameState& s = sc.s();
    EXPECT_TRUE(s.Pause);
    EXPECT_EQ(s.LabelMessage, Message::Niveau);
    EXPECT_TRUE(s.LabelMessageVisible);
    EXPECT_EQ(s.timer(TimerId::Timer1).period, 0);
    EXPECT_FALSE(s.timer(TimerId::Timer1).enabled);
    // The capsule waits unseen in row 0, entering at column NbCol div 2.
    EXPECT_EQ(s.PieceRow, 0);
    EXPECT_EQ(s.PieceCol, 4);
    EXPECT_EQ(s.PieceOrientation, 2);
    EXPECT_EQ(sc.count(s.PieceCode1) + sc.count(s.PieceCode2), 0);
    EXPECT_EQ(linkOf(s.PieceCode1), LinkLeft);
    EXPECT_EQ(linkOf(s.NextCode2), LinkRight);
}

TEST(LevelSetUp, sameSeedReplaysTheSameLevel) {
    Scenario a({}, 777), b({}, 777);
    EXPECT_EQ(a.text(), b.text());
    EXPECT_EQ(a.s().NextCode1, b.s().NextCode1);
}

TEST(SavedGames, loadedGameKeepsItsCellsAndWaitsPaused) {
    Scenario sc;
    sc.ev.loadResult = LoadResult::Loaded;
    sc.ev.saved.Niveau = 7;
    sc.ev.saved.NbVirusRestants = 42; // taken as stored
    sc.ev.saved.Chrono = {1, 2, 3, 4, 5};
    sc.ev.saved.Tricherie = true;
    sc.ev.saved.Cells[18][1] = smileyCode(2, 3);
    sc.ev.saved.Cells[17][8] = capsuleCode(1, LinkLoose);
    sc.ev.saved.Cells[18][9] = smileyCode(0, 1); // beyond the board: ignored
    sc.ev.saved.Cells[18][0] = CellEmpty;        // walls are not read
    sc.ev.saved.Cells[5][5] = -123456789;        // any value is placed unchanged
    sc.game.InitPartie("partie.Kembrolla");
    const GameState& s = sc.s();
    EXPECT_EQ(s.Niveau, 7);
    EXPECT_EQ(s.NbVirusRestants, 42);
    EXPECT_EQ(s.Chrono, (std::array<int32_t, 5>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(s.Tricherie);
    EXPECT_EQ(s.Grille[18][1], smileyCode(2, 3));
    EXPECT_EQ(s.Grille[17][8], capsuleCode(1, 0));
    EXPECT_EQ(s.Grille[18][9], CellWall);
    EXPECT_EQ(s.Grille[18][0], CellWall);
    EXPECT_EQ(s.Grille[5][5], -123456789);
    EXPECT_TRUE(s.Pause);
    EXPECT_EQ(s.LabelMessage, Message::Pause);
}

TEST(SavedGames, aGameSavedDuringAChainFinishesItAfterLoading) {
    Scenario sc;
    sc.game.setAnimationSuppr(2);
    sc.ev.loadResult = LoadResult::Loaded;
    sc.ev.saved.NbVirusRestants = 2;
    // A column of blue being removed under a loose yellow half and a standing capsule.
    sc.ev.saved.Cells[18][1] = smileyCode(0, 1);
    sc.ev.saved.Cells[18][8] = smileyCode(2, 1);
    for (int r = 14; r <= 17; ++r) sc.ev.saved.Cells[r][1] = removalCode(0, 3);
    sc.ev.saved.Cells[13][1] = capsuleCode(1, LinkLoose);
    sc.ev.saved.Cells[11][1] = capsuleCode(2, LinkTop);
    sc.ev.saved.Cells[12][1] = capsuleCode(2, LinkBottom);
    sc.game.InitPartie("partie.Kembrolla");
    EXPECT_EQ(sc.count(removalCode(0, 3)), 0); // no frame stays frozen on the board
    sc.resume();
    sc.settle();
    EXPECT_EQ(sc.text(4), (std::vector<std::string>{"m1 . . . . . . .", "m3 . . . . . . .",
                                                    "y0 . . . . . . .", "B . . . . . . M"}));
    EXPECT_EQ(sc.s().NbVirusRestants, 2);
    sc.run(650);
    EXPECT_EQ(sc.s().PieceRow, 1); // and play goes on
}

TEST(SavedGames, aFileWithoutSignatureLeavesAnEmptyBoardAndStoppedTimers) {
    Scenario sc;
    sc.resume();
    sc.ev.loadResult = LoadResult::NotASave;
    sc.game.InitPartie("notes.txt");
    EXPECT_EQ(sc.ev.notASave, 1);
    EXPECT_EQ(sc.smileys(), 0);
    EXPECT_EQ(sc.s().Niveau, 1);
    EXPECT_FALSE(sc.s().timer(TimerId::Timer1).enabled);
    EXPECT_FALSE(sc.s().timer(TimerId::TimerEffacement).enabled);
}

TEST(SavedGames, theSettingsFileStartsAFreshLevelSilently) {
    Scenario sc;
    sc.ev.loadResult = LoadResult::SettingsFile;
    sc.game.InitPartie("kembrolla-panic.ini");
    EXPECT_EQ(sc.ev.notASave, 0);
    EXPECT_EQ(sc.smileys(), 5);
    EXPECT_EQ(sc.s().LabelMessage, Message::Niveau);
}

} // namespace kp::test
