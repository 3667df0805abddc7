#pragma once
// The outcome of reading or writing one of the game's files, in a form the window can turn
// into a one-sentence message box.

#include "engine/language.h"
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace kp {

enum class FileError {
    None,
    Unreadable,    // the file exists but cannot be read
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

    bool ok() const { return error == FileError::None; }
    explicit operator bool() const { return ok(); }
};

// One sentence for a message box, saying whether reading or writing failed and why (the
// system's reason, as it words it): language 0 French, 1 English. Empty when nothing failed.
std::string fileErrorMessage(const FileResult& result, Language language);

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

// Reads the file, hands its text to `change` and writes what it returns with WriteFileSafely.
// The file's folder stays locked meanwhile, so that two copies of the game updating the same
// file take turns and neither writes over a change the other made after it read. A file that
// exists but cannot be read is left alone, and the failed read reported as a failed write.
FileResult UpdateFileSafely(const std::filesystem::path& path,
                            const std::function<std::string(std::string text)>& change);

} // namespace kp
