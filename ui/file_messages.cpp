#include "file_messages.h"

#include <QFile>

#include <cerrno>
#include <chrono>

namespace kp {

namespace {

struct Reason {
    int error;
    const char* fr;
    const char* en;
};

// The reasons a player meets with the game's files, as clauses that follow "car" / "because"
// or a colon alike.
// clang-format off
constexpr Reason reasons[] = {
    {ENOSPC, "le disque est plein", "the disk is full"},
    {EDQUOT, "le quota de disque est atteint", "the disk quota is used up"},
    {EFBIG, "le fichier dépasse la taille permise", "the file is over the size allowed"},
    {EACCES, "l'accès est refusé", "access is denied"},
    {EPERM, "l'opération n'est pas permise", "the operation is not permitted"},
    {EROFS, "le disque est en lecture seule", "the disk is read-only"},
    {ENOENT, "le fichier ou son dossier n'existe pas", "the file or its folder does not exist"},
    {EISDIR, "c'est un dossier", "it is a folder"},
    {ENOTDIR, "un élément du chemin n'est pas un dossier", "part of the path is not a folder"},
    {ENAMETOOLONG, "le nom est trop long", "the name is too long"},
    {ELOOP, "le chemin passe par trop de liens symboliques", "the path goes through too many symbolic links"},
    {EIO, "le disque signale une erreur de lecture ou d'écriture", "the disk reports a read or write error"},
    {EMFILE, "trop de fichiers sont ouverts", "too many files are open"},
    {ENFILE, "trop de fichiers sont ouverts", "too many files are open"},
    {EBUSY, "le fichier est occupé", "the file is busy"},
    {ETXTBSY, "le fichier est occupé", "the file is busy"},
    {EXDEV, "le fichier est sur un autre disque que son dossier", "the file is on another disk than its folder"},
    {EEXIST, "un fichier de ce nom existe déjà", "a file of that name exists already"},
    {ENOMEM, "la mémoire manque", "memory is short"},
    {ENXIO, "le périphérique est absent", "the device is missing"},
    {ENODEV, "le périphérique est absent", "the device is missing"},
    {ESTALE, "le disque réseau ne répond plus", "the network disk no longer answers"},
    {ETIMEDOUT, "le disque réseau ne répond plus", "the network disk no longer answers"},
};
// clang-format on

QString text(Language language, const char* fr, const char* en) {
    return QString::fromUtf8(language == Language::English ? en : fr);
}

QString quoted(const std::filesystem::path& path, Language language) {
    const QString name = QFile::decodeName(QByteArray::fromStdString(path.string()));
    return language == Language::English ? '"' + name + '"' : QStringLiteral("« %1 »").arg(name);
}

bool isWrite(const FileResult& r) {
    return r.writing || r.error == FileError::ReadOnly || r.error == FileError::CannotCreate ||
           r.error == FileError::CannotWrite || r.error == FileError::CannotReplace;
}

// Why it failed, as a clause; empty when nothing more is known.
QString failureReason(const FileResult& r, Language l) {
    const bool writing = isWrite(r);
    switch (r.error) {
    case FileError::TooLarge:
        return writing ? text(l, "le fichier existant est trop volumineux",
                              "the existing file is too large")
                       : text(l, "le fichier est trop volumineux", "the file is too large");
    case FileError::ReadOnly:
        return text(l, "le fichier est en lecture seule", "it is read-only");
    case FileError::NotAFile:
        return text(l, "ce n'est pas un fichier ordinaire mais un périphérique ou un tube",
                    "it is not a regular file but a device or a pipe");
    case FileError::Unreadable:
        if (writing) {
            QString reason = text(l, "le fichier existant ne peut pas être lu",
                                  "the existing file cannot be read");
            if (r.systemError)
                reason += text(l, " car ", " because ") + systemReason(r.systemError, l);
            return reason;
        }
        break;
    default:
        break;
    }
    return r.systemError ? systemReason(r.systemError, l) : QString();
}

} // namespace

QString systemReason(int error, Language language) {
    for (const Reason& r : reasons)
        if (r.error == error) return text(language, r.fr, r.en);
    return text(language, "le système signale l'erreur %1", "the system reports error %1")
        .arg(error);
}

QString fileMessage(const FileResult& r, Language l) {
    const QString name = quoted(r.path, l);
    if (r.ok()) {
        if (!r.lockBusy) return {};
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(LockWait).count();
        return text(l,
                    "Un autre exemplaire du jeu, peut-être bloqué, retient le fichier %1 depuis "
                    "plus de %2 secondes : il a été enregistré sans l'attendre.",
                    "Another copy of the game, perhaps stuck, has held the file %1 for more than "
                    "%2 seconds: it was written without waiting for it.")
            .arg(name)
            .arg(seconds);
    }
    const QString reason = failureReason(r, l);
    QString sentence =
        isWrite(r)
            ? text(l, "Enregistrement du fichier %1 impossible", "The file %1 cannot be written")
                  .arg(name)
            : text(l, "Lecture du fichier %1 impossible", "The file %1 cannot be read").arg(name);
    if (!reason.isEmpty()) sentence += text(l, " : ", ": ") + reason;
    return sentence + '.';
}

namespace {

// What in a damaged or oversized replay is wrong, as a phrase.
QString problemText(const ReplayRead& read, Language l) {
    const QString detail = QString::fromStdString(read.detail);
    switch (read.problem) {
    case ReplayProblem::None:
        break;
    case ReplayProblem::Key:
        return text(l, "la valeur « %1 »", "the value \"%1\"").arg(detail);
    case ReplayProblem::TooManyValues:
        return text(l, "trop de valeurs dans « %1 »", "too many values in \"%1\"").arg(detail);
    case ReplayProblem::Input:
        return text(l, "l'entrée « %1 »", "the input \"%1\"").arg(detail);
    case ReplayProblem::InputsCutShort:
        return text(l, "les entrées s'arrêtent à la ligne %1", "the inputs stop at line %1")
            .arg(detail);
    case ReplayProblem::EmptyInputLine:
        return text(l, "une ligne d'entrées vide", "an empty line of inputs");
    case ReplayProblem::InputsBeyondCount:
        return text(l, "des entrées au-delà de leur nombre", "inputs beyond their count");
    case ReplayProblem::FileSize:
        return text(l, "la taille du fichier", "the file's size");
    case ReplayProblem::ParameterChanges:
        return text(l, "les changements de paramètres", "the changes of parameters");
    case ReplayProblem::InputCount:
        return text(l, "%1 entrées", "%1 inputs").arg(detail);
    case ReplayProblem::LevelSetUps:
        return text(l, "les mises en place de niveaux", "the level set-ups");
    case ReplayProblem::Work:
        return text(l, "le travail pour le rejouer", "the work of playing it again");
    }
    return {};
}

} // namespace

QString unknownPictureMessage(const std::string& path, Language language) {
    const QString file = QString::fromStdString(path);
    return language == Language::English
               ? QStringLiteral("Background image %1 not found or not recognized.").arg(file)
               : QStringLiteral("Image de fond %1 non trouvée ou non reconnue.").arg(file);
}

QString replayMessage(const ReplayRead& read, Language l) {
    const QString problem = problemText(read, l);
    switch (read.error) {
    case ReplayError::None:
        return {};
    case ReplayError::Unreadable:
        return fileMessage(read.file, l);
    case ReplayError::NotAReplay:
        return text(l, "Ce fichier n'est pas un replay de Kembrolla Panic!.",
                    "This file is not a Kembrolla Panic! replay.");
    case ReplayError::NewerVersion:
        return text(l,
                    "Ce replay vient d'une version plus récente du jeu (format %1) : mettez le jeu "
                    "à jour pour le revoir.",
                    "This replay was made by a newer version of the game (format %1): update the "
                    "game to watch it.")
            .arg(QString::fromStdString(read.detail));
    case ReplayError::Damaged:
        return problem.isEmpty() ? text(l, "Ce replay est abîmé et ne peut pas être revu.",
                                        "This replay is damaged and cannot be watched.")
                                 : text(l, "Ce replay est abîmé (%1) et ne peut pas être revu.",
                                        "This replay is damaged (%1) and cannot be watched.")
                                       .arg(problem);
    case ReplayError::TooLarge:
        return problem.isEmpty()
                   ? text(l,
                          "Ce replay est bien plus grand qu'aucune partie enregistrée par le jeu.",
                          "This replay is far larger than any game the game records.")
                   : text(l,
                          "Ce replay est bien plus grand qu'aucune partie enregistrée par le jeu "
                          "(%1).",
                          "This replay is far larger than any game the game records (%1).")
                         .arg(problem);
    case ReplayError::Diverges:
        return text(l,
                    "Rejoué, ce replay n'arrive pas à la fin enregistrée : il a été modifié, ou "
                    "vient d'une autre version des règles.",
                    "Played again, this replay does not reach the end it was recorded with: it "
                    "was changed, or comes from another version of the rules.");
    }
    return {};
}

} // namespace kp
