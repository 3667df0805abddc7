#include "file_messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cerrno>
#include <chrono>

namespace kp {

namespace {

struct Reason {
    int error;
    const char* text;
};

// The reasons a player meets with the game's files, as clauses that follow "car" / "because"
// or a colon alike.
// clang-format off
constexpr Reason reasons[] = {
    {ENOSPC, QT_TRANSLATE_NOOP("Messages", "the disk is full")},
    {EDQUOT, QT_TRANSLATE_NOOP("Messages", "the disk quota is used up")},
    {EFBIG, QT_TRANSLATE_NOOP("Messages", "the file is over the size allowed")},
    {EACCES, QT_TRANSLATE_NOOP("Messages", "access is denied")},
    {EPERM, QT_TRANSLATE_NOOP("Messages", "the operation is not permitted")},
    {EROFS, QT_TRANSLATE_NOOP("Messages", "the disk is read-only")},
    {ENOENT, QT_TRANSLATE_NOOP("Messages", "the file or its folder does not exist")},
    {EISDIR, QT_TRANSLATE_NOOP("Messages", "it is a folder")},
    {ENOTDIR, QT_TRANSLATE_NOOP("Messages", "part of the path is not a folder")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("Messages", "the name is too long")},
    {ELOOP, QT_TRANSLATE_NOOP("Messages", "the path goes through too many symbolic links")},
    {EIO, QT_TRANSLATE_NOOP("Messages", "the disk reports a read or write error")},
    {EMFILE, QT_TRANSLATE_NOOP("Messages", "too many files are open")},
    {ENFILE, QT_TRANSLATE_NOOP("Messages", "too many files are open")},
    {EBUSY, QT_TRANSLATE_NOOP("Messages", "the file is busy")},
    {ETXTBSY, QT_TRANSLATE_NOOP("Messages", "the file is busy")},
    {EXDEV, QT_TRANSLATE_NOOP("Messages", "the file is on another disk than its folder")},
    {EEXIST, QT_TRANSLATE_NOOP("Messages", "a file of that name exists already")},
    {ENOMEM, QT_TRANSLATE_NOOP("Messages", "memory is short")},
    {ENXIO, QT_TRANSLATE_NOOP("Messages", "the device is missing")},
    {ENODEV, QT_TRANSLATE_NOOP("Messages", "the device is missing")},
    {ESTALE, QT_TRANSLATE_NOOP("Messages", "the network disk no longer answers")},
    {ETIMEDOUT, QT_TRANSLATE_NOOP("Messages", "the network disk no longer answers")},
};
// clang-format on

// A message's translation in the language in use.
QString text(const char* source) {
    return QCoreApplication::translate("Messages", source);
}

QString quoted(const std::filesystem::path& path) {
    const QString name = QFile::decodeName(QByteArray::fromStdString(path.string()));
    return QCoreApplication::translate("Messages", "\"%1\"", "a file name in quotes").arg(name);
}

bool isWrite(const FileResult& r) {
    return r.writing || r.error == FileError::ReadOnly || r.error == FileError::CannotCreate ||
           r.error == FileError::CannotWrite || r.error == FileError::CannotReplace;
}

// Why it failed, as a clause; empty when nothing more is known.
QString failureReason(const FileResult& r) {
    const bool writing = isWrite(r);
    switch (r.error) {
    case FileError::TooLarge:
        return writing ? text(QT_TRANSLATE_NOOP("Messages", "the existing file is too large"))
                       : text(QT_TRANSLATE_NOOP("Messages", "the file is too large"));
    case FileError::ReadOnly:
        return text(QT_TRANSLATE_NOOP("Messages", "it is read-only"));
    case FileError::NotAFile:
        return text(
            QT_TRANSLATE_NOOP("Messages", "it is not a regular file but a device or a pipe"));
    case FileError::Unreadable:
        if (writing) {
            QString reason =
                text(QT_TRANSLATE_NOOP("Messages", "the existing file cannot be read"));
            if (r.systemError)
                reason += QCoreApplication::translate("Messages", " because ",
                                                      "between a reason and its cause") +
                          systemReason(r.systemError);
            return reason;
        }
        break;
    default:
        break;
    }
    return r.systemError ? systemReason(r.systemError) : QString();
}

} // namespace

QString systemReason(int error) {
    for (const Reason& r : reasons)
        if (r.error == error) return text(r.text);
    return text(QT_TRANSLATE_NOOP("Messages", "the system reports error %1")).arg(error);
}

QString fileMessage(const FileResult& r) {
    const QString name = quoted(r.path);
    if (r.ok()) {
        if (!r.lockBusy) return {};
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(LockWait).count();
        return text(QT_TRANSLATE_NOOP("Messages",
                                      "Another copy of the game, perhaps stuck, has held the file "
                                      "%1 for more than "
                                      "%2 seconds: it was written without waiting for it."))
            .arg(name)
            .arg(seconds);
    }
    const QString reason = failureReason(r);
    QString sentence =
        isWrite(r) ? text(QT_TRANSLATE_NOOP("Messages", "The file %1 cannot be written")).arg(name)
                   : text(QT_TRANSLATE_NOOP("Messages", "The file %1 cannot be read")).arg(name);
    if (!reason.isEmpty())
        sentence +=
            QCoreApplication::translate("Messages", ": ", "between a failure and its reason") +
            reason;
    return sentence + '.';
}

QString filesMessage(const std::vector<FileResult>& written) {
    for (auto r = written.rbegin(); r != written.rend(); ++r)
        if (!r->ok()) return fileMessage(*r);
    // Files of one folder wait for the same stuck copy: the notice names each of them.
    QStringList held;
    const FileResult* last = nullptr;
    for (const FileResult& r : written)
        if (r.lockBusy && !held.contains(quoted(r.path))) {
            held << quoted(r.path);
            last = &r;
        }
    if (held.size() < 2) return last ? fileMessage(*last) : QString();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(LockWait).count();
    return text(QT_TRANSLATE_NOOP("Messages",
                                  "Another copy of the game, perhaps stuck, has held the files "
                                  "%1 for more than %2 seconds: they were written without "
                                  "waiting for it."))
        .arg(held.join(", "))
        .arg(seconds);
}

namespace {

// What in a damaged or oversized replay is wrong, as a phrase.
QString problemText(const ReplayRead& read) {
    const QString detail = QString::fromStdString(read.detail);
    switch (read.problem) {
    case ReplayProblem::None:
        break;
    case ReplayProblem::Key:
        return text(QT_TRANSLATE_NOOP("Messages", "the value \"%1\"")).arg(detail);
    case ReplayProblem::TooManyValues:
        return text(QT_TRANSLATE_NOOP("Messages", "too many values in \"%1\"")).arg(detail);
    case ReplayProblem::Input:
        return text(QT_TRANSLATE_NOOP("Messages", "the input \"%1\"")).arg(detail);
    case ReplayProblem::InputsCutShort:
        return text(QT_TRANSLATE_NOOP("Messages", "the inputs stop at line %1")).arg(detail);
    case ReplayProblem::EmptyInputLine:
        return text(QT_TRANSLATE_NOOP("Messages", "an empty line of inputs"));
    case ReplayProblem::InputsBeyondCount:
        return text(QT_TRANSLATE_NOOP("Messages", "inputs beyond their count"));
    case ReplayProblem::FileSize:
        return text(QT_TRANSLATE_NOOP("Messages", "the file's size"));
    case ReplayProblem::ParameterChanges:
        return text(QT_TRANSLATE_NOOP("Messages", "the changes of parameters"));
    case ReplayProblem::InputCount:
        return text(QT_TRANSLATE_NOOP("Messages", "%1 inputs")).arg(detail);
    case ReplayProblem::LevelSetUps:
        return text(QT_TRANSLATE_NOOP("Messages", "the level set-ups"));
    case ReplayProblem::Work:
        return text(QT_TRANSLATE_NOOP("Messages", "the work of playing it again"));
    }
    return {};
}

} // namespace

QString unknownPictureMessage(const std::string& path) {
    return text(QT_TRANSLATE_NOOP("Messages", "Background image %1 not found or not recognized."))
        .arg(QString::fromStdString(path));
}

QString replayMessage(const ReplayRead& read) {
    const QString problem = problemText(read);
    switch (read.error) {
    case ReplayError::None:
        return {};
    case ReplayError::Unreadable:
        return fileMessage(read.file);
    case ReplayError::NotAReplay:
        return text(QT_TRANSLATE_NOOP("Messages", "This file is not a Kembrolla Panic! replay."));
    case ReplayError::NewerVersion:
        return text(QT_TRANSLATE_NOOP("Messages", "This replay was made by a newer version of the "
                                                  "game (format %1): update the "
                                                  "game to watch it."))
            .arg(QString::fromStdString(read.detail));
    case ReplayError::Damaged:
        return problem.isEmpty()
                   ? text(QT_TRANSLATE_NOOP("Messages",
                                            "This replay is damaged and cannot be watched."))
                   : text(QT_TRANSLATE_NOOP("Messages",
                                            "This replay is damaged (%1) and cannot be watched."))
                         .arg(problem);
    case ReplayError::TooLarge:
        return problem.isEmpty()
                   ? text(QT_TRANSLATE_NOOP(
                         "Messages", "This replay is far larger than any game the game records."))
                   : text(QT_TRANSLATE_NOOP(
                              "Messages",
                              "This replay is far larger than any game the game records (%1)."))
                         .arg(problem);
    case ReplayError::Diverges:
        return text(QT_TRANSLATE_NOOP(
            "Messages", "Played again, this replay does not reach the end it was recorded with: it "
                        "was changed, or comes from another version of the rules."));
    }
    return {};
}

} // namespace kp
