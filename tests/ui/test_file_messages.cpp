// The sentences that say what went wrong with a file: whether reading or writing failed, and
// why, every word of it in the game's language, the system's reason included.
#include "ui/file_messages.h"
#include "ui/translations.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace kp {

TEST(FileMessages, eachFailureSaysWhetherReadingOrWritingFailedAndWhyInTheLanguage) {
    const std::filesystem::path file = "/home/u/.config/kembrolla-panic/k.ini";
    const QString fr = QStringLiteral("« %1 »").arg(QString::fromStdString(file.string()));
    const QString en = QStringLiteral("\"%1\"").arg(QString::fromStdString(file.string()));
    const QString frRead = "Lecture du fichier " + fr + " impossible : ";
    const QString enRead = "The file " + en + " cannot be read: ";
    const QString frWrite = "Enregistrement du fichier " + fr + " impossible : ";
    const QString enWrite = "The file " + en + " cannot be written: ";
    struct Case {
        FileResult result;
        QString french, english;
    };
    const Case cases[] = {
        {{FileError::Unreadable, file, EACCES, false},
         frRead + "l'accès est refusé.",
         enRead + "access is denied."},
        {{FileError::TooLarge, file, 0, false},
         frRead + "le fichier est trop volumineux.",
         enRead + "the file is too large."},
        {{FileError::NotAFile, file, 0, false},
         frRead + "ce n'est pas un fichier ordinaire mais un périphérique ou un tube.",
         enRead + "it is not a regular file but a device or a pipe."},
        {{FileError::Unreadable, file, EISDIR, true},
         frWrite + "le fichier existant ne peut pas être lu car c'est un dossier.",
         enWrite + "the existing file cannot be read because it is a folder."},
        {{FileError::TooLarge, file, 0, true},
         frWrite + "le fichier existant est trop volumineux.",
         enWrite + "the existing file is too large."},
        {{FileError::ReadOnly, file, EACCES, true},
         frWrite + "le fichier est en lecture seule.",
         enWrite + "it is read-only."},
        {{FileError::CannotCreate, file, ENOTDIR, true},
         frWrite + "un élément du chemin n'est pas un dossier.",
         enWrite + "part of the path is not a folder."},
        {{FileError::CannotWrite, file, ENOSPC, true},
         frWrite + "le disque est plein.",
         enWrite + "the disk is full."},
        {{FileError::CannotReplace, file, EROFS, true},
         frWrite + "le disque est en lecture seule.",
         enWrite + "the disk is read-only."},
        {{FileError::CannotWrite, file, EOVERFLOW, true},
         frWrite + QStringLiteral("le système signale l'erreur %1.").arg(EOVERFLOW),
         enWrite + QStringLiteral("the system reports error %1.").arg(EOVERFLOW)},
    };
    Translations translations;
    for (const Case& c : cases) {
        translations.use(Language::French);
        EXPECT_EQ(fileMessage(c.result), c.french);
        translations.use(Language::English);
        EXPECT_EQ(fileMessage(c.result), c.english);
    }
    translations.use(Language::French);
    EXPECT_EQ(fileMessage(FileResult{}), "");
}

} // namespace kp
