#include "ui/config_dialog.h"
#include "ui/file_messages.h"
#include "ui/main_window.h"
#include "ui/name_dialog.h"
#include "ui/replay_player.h"
#include "window_fixture.h"

#include "persistence/ini_file.h"
#include "persistence/saved_game.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

namespace kp {

namespace {

struct Files : WindowFixture {
    // Loses the game at once: the entry cells are taken and the next landing is the last.
    void lose(int level, int smileysLeft) {
        GameState& s = w->board().game().state();
        s.level = level;
        for (int r = 1; r <= s.params.rows; ++r) s.grid[r][4] = smileyCode(r % 2 + 2, 1);
        s.smileysLeft = smileysLeft;
        w->board().game().resume();
        w->board().game().move(Move::Down);
    }
    // Answers the name dialog when it shows.
    void answerName(const QString& name, bool ok) {
        QTimer::singleShot(0, [name, ok] {
            auto* d = dynamic_cast<NameDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            d->nameField()->setText(name);
            ok ? d->accept() : d->reject();
        });
    }
};

} // namespace

TEST_F(Files, aQualifyingLossAsksTheNameAndSavesTheTableAtOnce) {
    open();
    answerName("Zoé", true);
    lose(3, 18);
    EXPECT_EQ(w->board().game().state().message, Message::Lost);
    EXPECT_TRUE(w->board().game().state().cheated);
    const ScoreTable& t = w->settings().scores;
    EXPECT_EQ(t.Entries[0].level, "3");
    EXPECT_EQ(t.Entries[0].left, std::to_string(w->board().game().state().smileysLeft));
    EXPECT_EQ(t.Entries[0].name, "Zoé");
    EXPECT_EQ(t.Entries[0].date.size() > 15, true);
    IniFile saved;
    ASSERT_TRUE(IniFile::Load(ini(), saved).ok());
    EXPECT_EQ(saved.ReadInteger("Scores", "Score01_Niv", 0), 3);
    EXPECT_EQ(saved.ReadString("Scores", "Score01_Nom", ""), "Zoé");
    // The score page comes up with the new entry.
    ASSERT_NE(w->configDialog(), nullptr);
    EXPECT_TRUE(w->configDialog()->isVisible());
    EXPECT_EQ(w->configDialog()->currentTab(), ConfigDialog::AboutTab);
}

TEST_F(Files, cancellingTheNameEntersNothingAndTheGameIsNotOfferedAgain) {
    open();
    answerName("Zoé", false);
    lose(2, 9);
    EXPECT_EQ(w->settings().scores, ScoreTable{});
    EXPECT_TRUE(w->board().game().state().cheated);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(ini().string())));
}

TEST_F(Files, aSavedGameComesBackPausedWithItsCells) {
    open();
    GameState& s = w->board().game().state();
    s.grid[18][2] = smileyCode(1, 3);
    s.grid[17][2] = capsuleCode(0, LinkLoose);
    s.level = 4;
    s.Chrono = {0, 1, 2, 3, 4};
    platform.gameToSave = file("partie.Kembrolla");
    w->action(Item::SaveGameAs)->trigger();
    ASSERT_TRUE(platform.messages.empty());

    w->board().game().newGame();
    platform.gameToOpen = platform.gameToSave;
    w->action(Item::OpenGame)->trigger();
    EXPECT_EQ(s.grid[18][2], smileyCode(1, 3));
    EXPECT_EQ(s.grid[17][2], capsuleCode(0, LinkLoose));
    EXPECT_EQ(s.level, 4);
    EXPECT_EQ(s.Chrono[4], 4);
    EXPECT_TRUE(s.paused);
    EXPECT_EQ(w->board().message()->text(), "Pause");
}

TEST_F(Files, aSavedGameWhoseNameIsNotUtf8OpensFromTheDialog) {
    open();
    GameState& s = w->board().game().state();
    s.level = 6;
    const std::string bytes = file("caf").toStdString() + "\xe9.Kembrolla";
    ASSERT_TRUE(writeSavedGame(bytes, s).ok());
    w->board().game().newGame();
    // The dialog shows the name as Qt decodes it, with a replacement character.
    platform.gameToOpen = QFile::decodeName(QByteArray::fromStdString(bytes));
    ASSERT_TRUE(platform.gameToOpen->contains(QChar::ReplacementCharacter));
    w->action(Item::OpenGame)->trigger();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(s.level, 6);
}

TEST_F(Files, aFileThatIsNoSavedGameIsRefusedAndTheGameGoesOn) {
    open();
    const auto before = w->board().game().state().grid;
    std::ofstream(file("notes.txt").toStdString()) << "[Ailleurs]\nx=1\n";
    w->openSavedGame(file("notes.txt").toStdString());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Le fichier ne contient pas de sauvegarde Kembrolla "
                                    "Panic!\r\rOpération annulée.");
    EXPECT_EQ(w->board().game().state().grid, before);
    w->action(Item::English)->trigger();
    w->openSavedGame(file("notes.txt").toStdString());
    EXPECT_EQ(platform.messages.back(),
              "The file does not contain backup Kembrolla Panic!.\r\rCancelled operation.");
}

TEST_F(Files, theSettingsFileOpenedAsASavedGameStartsAFreshGameSilently) {
    std::ofstream(ini()) << "[Options]\nLangue=0\n";
    open();
    w->board().game().skipLevel();
    w->openSavedGame(ini());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(w->board().game().state().level, 1);
    EXPECT_EQ(w->board().game().state().smileysLeft, 5);
    EXPECT_FALSE(w->board().game().state().cheated);
}

TEST_F(Files, aFileThatCannotBeReadSaysWhyWithItsName) {
    open();
    const auto before = w->board().game().state().grid;
    ASSERT_EQ(::mkfifo(file("pipe").toLocal8Bit().constData(), 0600), 0);
    std::ofstream(file("huge.Kembrolla").toStdString()) << "[Sauvegarde]\n";
    std::filesystem::resize_file(file("huge.Kembrolla").toStdString(), MaxFileSize + 1);
    const struct {
        const char* name;
        const char* french;
        const char* english;
    } cases[] = {{"missing.Kembrolla", "n'existe pas", "does not exist"},
                 {"", "est un dossier", "is a folder"},
                 {"pipe", "périphérique ou un tube", "device or a pipe"},
                 {"huge.Kembrolla", "bien trop grand", "far too large"}};
    for (const auto& c : cases)
        for (const Item language : {Item::French, Item::English}) {
            trigger(language);
            platform.messages.clear();
            const QString path = file(c.name);
            w->openSavedGame(path.toStdString());
            ASSERT_EQ(platform.messages.size(), 1u) << c.name;
            const QString& m = platform.messages[0];
            EXPECT_TRUE(m.contains(QDir::cleanPath(path)) || m.contains(path)) << m.toStdString();
            EXPECT_TRUE(
                m.contains(QString::fromUtf8(language == Item::French ? c.french : c.english)))
                << m.toStdString();
            EXPECT_EQ(w->board().game().state().grid, before);
        }
}

TEST_F(Files, aSaveThatCannotBeWrittenSaysSo) {
    open();
    std::ofstream(file("plain").toStdString()) << "x";
    platform.gameToSave = file("plain") + "/partie.Kembrolla"; // its folder is a file
    w->action(Item::SaveGameAs)->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(platform.messages[0].isEmpty());
}

} // namespace kp

namespace kp {

TEST_F(Files, theNameWindowSpeaksTheGamesLanguage) {
    open();
    QString offered;
    QTimer::singleShot(0, [&offered] {
        auto* d = dynamic_cast<NameDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        offered = d->name();
        d->reject();
    });
    lose(3, 18);
    // The name field starts with the computer's name.
    EXPECT_EQ(offered, QSysInfo::machineHostName().left(256));
    NameDialog* dialog = nullptr;
    for (QDialog* d : w->findChildren<QDialog*>())
        if (auto* f = dynamic_cast<NameDialog*>(d)) dialog = f;
    ASSERT_NE(dialog, nullptr);
    auto texts = [&] {
        QStringList all;
        for (QLabel* l : dialog->findChildren<QLabel*>()) all << l->text();
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) all << b->text();
        return all;
    };
    EXPECT_TRUE(texts().contains(QString::fromUtf8("Félicitations !")));
    EXPECT_TRUE(texts().contains("&Annuler"));
    w->useEnglish();
    EXPECT_TRUE(texts().contains("Congratulations !"));
    EXPECT_TRUE(texts().contains("Seize your name :"));
    EXPECT_TRUE(texts().contains("&Cancel"));
    EXPECT_FALSE(texts().contains(QString::fromUtf8("Félicitations !")));
}

} // namespace kp

namespace kp {

// Every word of a message in the game's language, the system's reason too; and one failure
// that fails every file the end of a game writes (the statistics, the score, its replay) is
// told once.
TEST_F(Files, aScoreWhoseFilesCannotBeWrittenIsToldOnceAndAllInFrench) {
    std::ofstream(file("plain").toStdString()) << "x"; // the settings' folder is a file
    open(file("plain").toStdString() + "/kembrolla-panic.ini");
    ASSERT_EQ(w->language(), Language::French);
    platform.messages.clear();
    answerName("Zoé", true);
    lose(3, 18);
    QApplication::processEvents(); // whatever is told once the game's end is over
    ASSERT_EQ(w->settings().scores.Entries[0].name, "Zoé") << "kept in memory";
    ASSERT_EQ(platform.messages.size(), 1u);
    const QString& m = platform.messages[0];
    EXPECT_TRUE(m.startsWith(QStringLiteral("Enregistrement du fichier « "))) << m.toStdString();
    EXPECT_TRUE(m.endsWith(QStringLiteral("n'est pas un dossier."))) << m.toStdString();
    EXPECT_FALSE(m.contains(QString::fromLocal8Bit(std::strerror(ENOTDIR)))) << m.toStdString();
}

// Another copy stuck on the folder holds up both the statistics and the score: the one message
// names both files; a failure is told before any such notice.
TEST_F(Files, theFilesAnotherCopyHeldAreAllNamedAndAFailureIsToldFirst) {
    open();
    FileResult statistics{FileError::None, "/c/kembrolla-panic-statistiques.ini"};
    FileResult score{FileError::None, "/c/kembrolla-panic.ini"};
    statistics.lockBusy = score.lockBusy = true;
    const QString both = filesMessage({statistics, score});
    EXPECT_TRUE(both.startsWith(QStringLiteral("Un autre exemplaire du jeu")))
        << both.toStdString();
    EXPECT_TRUE(both.contains("/c/kembrolla-panic-statistiques.ini")) << both.toStdString();
    EXPECT_TRUE(both.contains("/c/kembrolla-panic.ini")) << both.toStdString();
    EXPECT_EQ(filesMessage({FileResult{}, score, score}), fileMessage(score));
    const FileResult full{FileError::CannotWrite, "/c/replay", ENOSPC, true};
    EXPECT_EQ(filesMessage({full, score}), fileMessage(full));
    EXPECT_TRUE(filesMessage({FileResult{}, FileResult{}}).isEmpty());
}

// A replay that cannot be watched says why in the game's language: a pipe or a device is
// never opened, a later version's file is told as such, a damaged one names its fault in
// French words.
TEST_F(Files, aReplayThatCannotBeWatchedSaysWhyInTheGamesLanguage) {
    open();
    ASSERT_EQ(::mkfifo(file("pipe.KembrollaReplay").toLocal8Bit().constData(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", file("zero.KembrollaReplay").toLocal8Bit().constData()), 0);
    std::ofstream(file("newer.KembrollaReplay").toStdString())
        << "[Replay]\nVersion=2.1\nGraine=1\n[Format2]\nX=1\n";
    // The last game's replay with its first input made unknown.
    answerName("", false);
    lose(1, 5);
    w->replays().chooseFile = [&](bool) {
        return std::optional<QString>(file("last.KembrollaReplay"));
    };
    trigger(Item::SaveReplay);
    std::string replay;
    {
        std::ifstream in(file("last.KembrollaReplay").toStdString());
        replay.assign(std::istreambuf_iterator<char>(in), {});
    }
    const size_t inputs = replay.find("\n1=", replay.find("[Entrees]"));
    ASSERT_NE(inputs, std::string::npos);
    replay.insert(inputs + 3, "0Z ");
    std::ofstream(file("damaged.KembrollaReplay").toStdString()) << replay;
    const struct {
        const char* name;
        const char* french;
        const char* english;
    } cases[] = {
        {"pipe.KembrollaReplay", "n'est pas un fichier ordinaire", "is not a regular file"},
        {"zero.KembrollaReplay", "n'est pas un fichier ordinaire", "is not a regular file"},
        {"newer.KembrollaReplay", "version plus récente", "newer version"},
        {"damaged.KembrollaReplay", "abîmé (l'entrée « 0Z »)", "damaged (the input \"0Z\")"},
    };
    for (const auto& c : cases)
        for (const Item language : {Item::French, Item::English}) {
            trigger(language);
            platform.messages.clear();
            w->openSavedGame(file(c.name).toStdString());
            ASSERT_EQ(platform.messages.size(), 1u) << c.name;
            const QString& m = platform.messages[0];
            EXPECT_TRUE(
                m.contains(QString::fromUtf8(language == Item::French ? c.french : c.english)))
                << m.toStdString();
        }
}

} // namespace kp
