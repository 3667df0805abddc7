#pragma once
// The outcome of reading or writing one of the game's files, in a form the window can turn
// into a one-sentence message box in its language (ui/file_messages.h words it).

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kp {

enum class FileError {
    None,
    Unreadable,    // the file exists but cannot be read
    NotAFile,      // a device, a named pipe or a socket: never opened, as reading could wait
    TooLarge,      // far bigger than any file the game writes
    ReadOnly,      // the file exists and may not be written
    CannotCreate,  // no temporary file could be made in the file's folder
    CannotWrite,   // writing the temporary file failed (disk full, ...)
    CannotReplace, // the temporary file could not be put in place of the file
};

struct FileResult {
    FileError error = FileError::None;
    std::filesystem::path path;
    int systemError = 0; // errno when the system gave one
    // Whether a write failed. ReadOnly and the Cannot... errors always come from one; an old
    // file that cannot be read before it is updated is a failed write too, to the player who
    // asked for a save.
    bool writing = false;
    // Another process held the folder's lock past LockWait: the update went on without it (it
    // is still whole, by rename), and the player should know another copy may be stuck.
    bool lockBusy = false;

    bool ok() const { return error == FileError::None; }
    explicit operator bool() const { return ok(); }
};

// The game's files are a few kilobytes; anything over this is no file of ours and is not read.
constexpr std::uintmax_t MaxFileSize = 16u << 20;

// Reads a regular file whole. A missing file (a dangling link too) gives an empty text and no
// error; a folder, a device or a file that cannot be opened is Unreadable.
FileResult ReadWholeFile(const std::filesystem::path& path, std::string& out);

// Replaces `path` by `contents` without ever leaving a truncated file: the text goes to a new
// file in the same folder, is flushed to disk, and is renamed over the old one. A symbolic
// link is followed, so the file it points to is replaced (or created, for a dangling link) and
// the link kept. An existing file keeps its permissions; a read-only one is not replaced.
// Temporary files that writers of the same file left behind when they died are removed.
FileResult WriteFileSafely(const std::filesystem::path& path, std::string_view contents);

// How long an update waits for another copy of the game to let go of the folder's lock.
constexpr std::chrono::milliseconds LockWait{5000};

// Reads the file, hands its text to `change` and writes what it returns with WriteFileSafely.
// The file's folder stays locked meanwhile, so that two copies of the game updating the same
// file take turns and neither writes over a change the other made after it read. A copy that
// holds the lock for longer than LockWait (stopped, or stuck on a dead network disk) is not
// waited for: the update goes on without the lock and says so in `lockBusy`, so the player's
// data is written and the game never hangs. Either way the file is replaced only if it still
// holds the text `change` was handed: one written meanwhile by a copy that went on without the
// lock is read again and changed anew, and after five such tries the update fails (CannotReplace,
// the file busy) rather than lose another copy's change. A file that exists but cannot be read
// is left alone, and the failed read reported as a failed write.
FileResult UpdateFileSafely(const std::filesystem::path& path,
                            const std::function<std::string(std::string text)>& change);

} // namespace kp
