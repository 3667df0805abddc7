#include "file_result.h"

#include <atomic>
#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace kp {

namespace {

FileResult Failure(FileError error, const fs::path& path, int systemError) {
    return FileResult{error, path, systemError};
}

// Where the bytes really go: through a symbolic link to its target, so the link survives.
fs::path ResolveLinks(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
    fs::path target = fs::canonical(path, ec);
    return ec ? path : target;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// A fresh file next to `target`, created exclusively so that two writers never share one.
int CreateTemporary(const fs::path& target, fs::path& tempPath) {
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << '.' << target.filename().string() << ".tmp-" << ::getpid() << '-' << counter++;
        tempPath = folder / name.str();
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void SyncFolder(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd); // best effort: the rename itself already happened
    ::close(fd);
}

} // namespace

FileResult ReadWholeFile(const fs::path& path, std::string& out) {
    out.clear();
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return {FileError::None, path, 0};
    if (ec || !fs::is_regular_file(status)) return Failure(FileError::Unreadable, path, ec.value());
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return Failure(FileError::Unreadable, path, ec.value());
    if (size > MaxFileSize) return Failure(FileError::TooLarge, path, 0);

    std::ifstream in(path, std::ios::binary);
    if (!in) return Failure(FileError::Unreadable, path, errno);
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return Failure(FileError::Unreadable, path, errno);
    out = std::move(text).str();
    if (out.size() > MaxFileSize) {
        out.clear();
        return Failure(FileError::TooLarge, path, 0);
    }
    return {FileError::None, path, 0};
}

FileResult WriteFileSafely(const fs::path& path, std::string_view contents) {
    const fs::path target = ResolveLinks(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return Failure(FileError::ReadOnly, path, errno);

    fs::path tempPath;
    int fd = CreateTemporary(target, tempPath);
    if (fd < 0) return Failure(FileError::CannotCreate, path, errno);
    if (exists) ::fchmod(fd, existing.st_mode & 07777);

    bool written = WriteAll(fd, contents) && ::fsync(fd) == 0;
    int writeErrno = written ? 0 : errno;
    if (::close(fd) != 0 && written) {
        written = false;
        writeErrno = errno;
    }
    if (!written) {
        ::unlink(tempPath.c_str());
        return Failure(FileError::CannotWrite, path, writeErrno);
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        int renameErrno = errno;
        ::unlink(tempPath.c_str());
        return Failure(FileError::CannotReplace, path, renameErrno);
    }
    SyncFolder(target);
    return {FileError::None, path, 0};
}

std::string MessageErreurFichier(const FileResult& result, int langue) {
    const std::string name = result.path.string();
    const bool fr = langue == 0;
    switch (result.error) {
    case FileError::None:
        return {};
    case FileError::Unreadable:
        return fr ? "Lecture du fichier « " + name + " » impossible."
                  : "The file \"" + name + "\" cannot be read.";
    case FileError::TooLarge:
        return fr ? "Le fichier « " + name + " » est trop volumineux."
                  : "The file \"" + name + "\" is too large.";
    case FileError::ReadOnly:
        return fr ? "Le fichier « " + name + " » est en lecture seule."
                  : "The file \"" + name + "\" is read-only.";
    case FileError::CannotCreate:
    case FileError::CannotWrite:
    case FileError::CannotReplace:
        break;
    }
    return fr ? "Enregistrement du fichier « " + name + " » impossible."
              : "The file \"" + name + "\" cannot be written.";
}

} // namespace kp
