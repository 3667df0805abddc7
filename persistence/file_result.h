#pragma once
// The outcome of reading or writing one of the game's files, in a form the window can turn
// into a one-sentence message box.

#include <cstdint>
#include <filesystem>
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

    bool ok() const { return error == FileError::None; }
    explicit operator bool() const { return ok(); }
};

// One sentence for a message box: langue 0 French, 1 English. Empty when nothing failed.
std::string MessageErreurFichier(const FileResult& result, int langue);

// The game's files are a few kilobytes; anything over this is no file of ours and is not read.
constexpr std::uintmax_t MaxFileSize = 16u << 20;

// Reads a regular file whole. A missing file gives an empty text and no error; a folder, a
// device or a file that cannot be opened is Unreadable.
FileResult ReadWholeFile(const std::filesystem::path& path, std::string& out);

// Replaces `path` by `contents` without ever leaving a truncated file: the text goes to a new
// file in the same folder, is flushed to disk, and is renamed over the old one. A symbolic
// link is followed, so the file it points to is replaced and the link kept. An existing file
// keeps its permissions; a read-only one is not replaced.
FileResult WriteFileSafely(const std::filesystem::path& path, std::string_view contents);

} // namespace kp
