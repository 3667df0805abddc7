#include "persistence/scores.h"
#include "persistence/settings.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using kp::insertScore;
using kp::qualifiesForScores;
using kp::ScoreEntry;
using kp::ScoreTable;
using namespace kp::test;

namespace {

ScoreTable Table(std::initializer_list<ScoreEntry> entries) {
    ScoreTable t;
    size_t i = 0;
    for (const ScoreEntry& e : entries) t.Entries[i++] = e;
    return t;
}

std::tm Moment(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return t;
}

} // namespace

TEST(ScoresOrder, emptyTableTakesTheFirstGamesInOrder) {
    ScoreTable t;
    EXPECT_TRUE(qualifiesForScores(t, 1, 7, false));
    EXPECT_EQ(insertScore(t, 1, 7, "A", "d1"), 1);
    EXPECT_EQ(insertScore(t, 1, 9, "B", "d2"), 2); // more smileys left: below
    EXPECT_EQ(insertScore(t, 2, 9, "C", "d3"), 1);
    EXPECT_EQ(t.Entries[0], (ScoreEntry{"2", "9", "C", "d3"}));
    EXPECT_EQ(t.Entries[1], (ScoreEntry{"1", "7", "A", "d1"}));
    EXPECT_EQ(t.Entries[2], (ScoreEntry{"1", "9", "B", "d2"}));
}

TEST(ScoresOrder, equalGameStaysBelowTheOlderOne) {
    ScoreTable t = Table({{"5", "3", "Old", "x"}});
    ScoreTable tie = t;
    EXPECT_EQ(insertScore(tie, 5, 3, "New", "y"), 2);
    EXPECT_EQ(tie.Entries[0].name, "Old");
    EXPECT_EQ(tie.Entries[1].name, "New");

    ScoreTable better = t;
    EXPECT_EQ(insertScore(better, 5, 2, "New", "y"), 1);
    EXPECT_EQ(better.Entries[0].name, "New");
    EXPECT_EQ(better.Entries[1].name, "Old");
}

TEST(ScoresOrder, fullTableShiftsWholeEntriesAndDropsTheLast) {
    ScoreTable t = Table({{"9", "0", "A", "a"}, {"7", "4", "B", "b"}, {"3", "1", "C", "c"}});
    EXPECT_EQ(insertScore(t, 7, 2, "N", "n"), 2);
    EXPECT_EQ(t.Entries[0], (ScoreEntry{"9", "0", "A", "a"}));
    EXPECT_EQ(t.Entries[1], (ScoreEntry{"7", "2", "N", "n"}));
    EXPECT_EQ(t.Entries[2], (ScoreEntry{"7", "4", "B", "b"}));

    const ScoreTable before = t;
    EXPECT_EQ(insertScore(t, 7, 4, "Z", "z"), 0);
    EXPECT_EQ(t, before);
}

TEST(ScoresQualification, thirdEntryDecidesAndCheatingNeverQualifies) {
    ScoreTable t = Table({{"9", "0", "A", ""}, {"8", "0", "B", ""}, {"5", "3", "C", ""}});
    EXPECT_FALSE(qualifiesForScores(t, 4, 0, false));
    EXPECT_FALSE(qualifiesForScores(t, 5, 3, false));
    EXPECT_TRUE(qualifiesForScores(t, 5, 2, false));
    EXPECT_TRUE(qualifiesForScores(t, 6, 50, false));
    EXPECT_FALSE(qualifiesForScores(t, 60, 0, true));
    t.Entries[2].level = "n/a"; // text that is no number counts as 0
    EXPECT_TRUE(qualifiesForScores(t, 1, 9, false));
}

TEST(ScoresFile, insertionRewritesOnlyTheScoresKeys) {
    TempDir dir;
    const fs::path file = dir / "kp.ini";
    WriteText(file, "[Options]\nLangue=1\nPerso=x\n\n[Scores]\nScore01_Niv=3\nAutre=y\n\n"
                    "[Divers]\nz=1\n");
    kp::Settings s;
    ASSERT_TRUE(kp::loadSettings(s, file).ok());

    kp::ScoreUpdate r = kp::enterScore(s.scores, file, 4, 2, "Ana", " d");
    EXPECT_EQ(r.rank, 1);
    EXPECT_TRUE(r.file.ok());

    const std::string text = ReadText(file);
    EXPECT_EQ(Sections(text), (std::vector<std::string>{"Options", "Scores", "Divers"}));
    EXPECT_EQ(Entries(text, "Options").size(), 2u); // no other settings written
    auto scores = Entries(text, "Scores");
    ASSERT_EQ(scores.size(), 13u);
    EXPECT_EQ(scores[0], (std::pair<std::string, std::string>{"Score01_Niv", "4"}));
    EXPECT_EQ(scores[1].first, "Autre");
    EXPECT_EQ(scores[4], (std::pair<std::string, std::string>{"Score01_Dat", " d"}));
    EXPECT_EQ(scores[5], (std::pair<std::string, std::string>{"Score02_Niv", "3"}));
}

TEST(ScoresFile, gameThatEntersNothingWritesNothing) {
    TempDir dir;
    ScoreTable t = Table({{"9", "0", "A", ""}, {"8", "0", "B", ""}, {"5", "3", "C", ""}});
    kp::ScoreUpdate r = kp::enterScore(t, dir / "kp.ini", 2, 0, "N", "");
    EXPECT_EQ(r.rank, 0);
    EXPECT_FALSE(fs::exists(dir / "kp.ini"));
}

TEST(ScoresFile, erasedTableIsSavedAsThreeEmptyEntries) {
    TempDir dir;
    const fs::path file = dir / "kp.ini";
    ScoreTable t = Table({{"9", "0", "A", "a"}, {"8", "0", "B", "b"}});
    ASSERT_TRUE(kp::saveScores(t, file).ok());
    kp::eraseScores(t);
    EXPECT_EQ(t, ScoreTable{});
    ASSERT_TRUE(kp::saveScores(t, file).ok());

    auto scores = Entries(ReadText(file), "Scores");
    ASSERT_EQ(scores.size(), 12u);
    for (size_t i = 0; i < scores.size(); i += 4) {
        EXPECT_EQ(scores[i].second, "0");
        EXPECT_EQ(scores[i + 1].second, "0");
        EXPECT_EQ(scores[i + 2].second, "");
        EXPECT_EQ(scores[i + 3].second, "");
    }
}

TEST(ScoresFile, writeFailureIsReported) {
    TempDir dir;
    WriteText(dir / "plain", "");
    ScoreTable t;
    kp::ScoreUpdate r = kp::enterScore(t, dir / "plain" / "kp.ini", 1, 0, "N", "");
    EXPECT_EQ(r.rank, 1);
    EXPECT_FALSE(r.file.ok());
}

// Two copies of the game on one settings file: each writes the table at once when a score is
// entered and again at close, and neither may wipe what the other wrote since it started.
TEST(ScoresTwoCopies, eachWriteKeepsTheOtherCopysEntriesInRankOrder) {
    TempDir dir;
    const fs::path file = dir / "kp.ini";
    WriteText(file, "[Scores]\nScore01_Niv=5\nScore01_Vir=2\nScore01_Nom=Pat\n"
                    "Score01_Dat=d0\n");
    kp::Settings mine, theirs;
    ASSERT_TRUE(kp::loadSettings(mine, file).ok());
    ASSERT_TRUE(kp::loadSettings(theirs, file).ok());

    ASSERT_TRUE(kp::enterScore(theirs.scores, file, 6, 0, "Ana", "d1").file.ok());
    // The same game as Ana's entered later here ranks below hers; the old entry falls off.
    kp::ScoreUpdate r = kp::enterScore(mine.scores, file, 6, 0, "Bob", "d2");
    EXPECT_TRUE(r.file.ok());
    const ScoreTable merged =
        Table({{"6", "0", "Ana", "d1"}, {"6", "0", "Bob", "d2"}, {"5", "2", "Pat", "d0"}});
    EXPECT_EQ(mine.scores, merged); // the window shows what the file now holds

    // Both close, the one that knew nothing of Bob last.
    ASSERT_TRUE(kp::saveSettings(mine, file).ok());
    ASSERT_TRUE(kp::saveSettings(theirs, file).ok());
    EXPECT_EQ(theirs.scores, merged);
    kp::Settings after;
    ASSERT_TRUE(kp::loadSettings(after, file).ok());
    EXPECT_EQ(after.scores, merged);
    EXPECT_EQ(Entries(ReadText(file), "Scores").size(), 12u);
}

TEST(ScoresTwoCopies, entryKnownToBothIsNotDoubledAndErasingHoldsInTheOther) {
    TempDir dir;
    const fs::path file = dir / "kp.ini";
    kp::Settings first;
    ASSERT_TRUE(kp::enterScore(first.scores, file, 4, 1, "Zoé", " d").file.ok());
    kp::Settings second;
    ASSERT_TRUE(kp::loadSettings(second, file).ok());
    ASSERT_TRUE(kp::saveSettings(first, file).ok());
    ASSERT_TRUE(kp::saveSettings(second, file).ok());
    kp::Settings after;
    ASSERT_TRUE(kp::loadSettings(after, file).ok());
    EXPECT_EQ(after.scores, Table({{"4", "1", "Zoé", "d"}}));

    // The player erases the table in one copy; the other, closing later, does not bring it back.
    kp::eraseScores(first.scores);
    ASSERT_TRUE(kp::saveSettings(first, file).ok());
    ASSERT_TRUE(kp::saveSettings(second, file).ok());
    EXPECT_EQ(second.scores, ScoreTable{});
    ASSERT_TRUE(kp::loadSettings(after, file).ok());
    EXPECT_EQ(after.scores, ScoreTable{});
}

// The same with two real processes: the first loads the settings and waits (a game left open),
// the second enters a score, then the first closes.
TEST(ScoresTwoCopies, scoreEnteredByOneProcessSurvivesTheOthersClose) {
    TempDir dir;
    const fs::path file = dir / "kp.ini";
    WriteText(file, "[Options]\nLangue=1\n[Scores]\nScore01_Niv=2\nScore01_Vir=5\n"
                    "Score01_Nom=Old\n");
    int loaded[2], closing[2];
    ASSERT_EQ(::pipe(loaded), 0);
    ASSERT_EQ(::pipe(closing), 0);
    char byte = 0;

    const pid_t open = ::fork();
    ASSERT_GE(open, 0);
    if (open == 0) {
        kp::Settings s;
        const bool read = kp::loadSettings(s, file).ok();
        s.language = 0; // its own settings win at close; only the scores are merged
        (void)!::write(loaded[1], "x", 1);
        (void)!::read(closing[0], &byte, 1);
        ::_exit(read && kp::saveSettings(s, file).ok() ? 0 : 1);
    }
    ASSERT_EQ(::read(loaded[0], &byte, 1), 1);

    const pid_t player = ::fork();
    ASSERT_GE(player, 0);
    if (player == 0) {
        kp::Settings s;
        const bool read = kp::loadSettings(s, file).ok();
        const kp::ScoreUpdate r = kp::enterScore(s.scores, file, 4, 1, "New", "d");
        ::_exit(read && r.rank == 1 && r.file.ok() ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(player, &status, 0), player);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(::write(closing[1], "x", 1), 1);
    ASSERT_EQ(::waitpid(open, &status, 0), open);
    EXPECT_EQ(status, 0);
    for (int fd : {loaded[0], loaded[1], closing[0], closing[1]}) ::close(fd);

    kp::Settings after;
    ASSERT_TRUE(kp::loadSettings(after, file).ok());
    EXPECT_EQ(after.language, 0);
    EXPECT_EQ(after.scores, Table({{"4", "1", "New", "d"}, {"2", "5", "Old", ""}}));
}

TEST(ScoresDate, patternWithBlanksAroundTheDash) {
    const kp::ShortMonths english{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const kp::ShortMonths french{"janv.", "févr.", "mars",  "avr.", "mai",  "juin",
                                 "juil.", "août",  "sept.", "oct.", "nov.", "déc."};
    const std::string text = kp::scoreDateText(Moment(2024, 1, 7, 8, 5), english);
    EXPECT_EQ(text, " 07 Jan 2024  -  08h05");
    EXPECT_EQ(text.front(), ' ');
    EXPECT_NE(text.find("  -  "), std::string::npos);

    EXPECT_EQ(kp::scoreDateText(Moment(1999, 12, 31, 23, 59), french), " 31 déc. 1999  -  23h59");
    kp::ShortMonths custom;
    custom.fill("?");
    custom[5] = "Juni";
    EXPECT_EQ(kp::scoreDateText(Moment(2001, 6, 10, 0, 0), custom), " 10 Juni 2001  -  00h00");
}
