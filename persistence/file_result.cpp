#include "file_result.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <mutex>
#include <sstream>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace kp {

namespace {

FileResult Failure(FileError error, const fs::path& path, int systemError) {
    return FileResult{error, path, systemError};
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Where the bytes really go: through symbolic links to their last target, so the links
// survive. The target need not exist: a dangling link gets its file created.
fs::path ResolveLinks(fs::path path) {
    for (int depth = 0; depth < 40; ++depth) { // the system's own limit on link chains
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        fs::path target = fs::read_symlink(path, ec);
        if (ec) return path;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

std::string TemporaryPrefix(const fs::path& target) {
    return '.' + target.filename().string() + ".tmp-";
}

// The writer's process of a temporary file name's "PID-N" ending, or 0 when it is not one.
pid_t WriterOf(std::string_view ending) {
    const size_t dash = ending.find('-');
    if (dash == std::string_view::npos || dash + 1 == ending.size()) return 0;
    pid_t pid = 0;
    const char* end = ending.data() + dash;
    auto [p, ec] = std::from_chars(ending.data(), end, pid);
    if (ec != std::errc{} || p != end || pid <= 0) return 0;
    for (char c : ending.substr(dash + 1))
        if (c < '0' || c > '9') return 0;
    return pid;
}

// A save cut short by a crash leaves its temporary file behind; nothing else would ever
// remove it. Only files of writers that no longer exist go: a live one may be renaming its
// file right now.
void RemoveStaleTemporaries(const fs::path& target) {
    const std::string prefix = TemporaryPrefix(target);
    std::error_code ec;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const pid_t pid = WriterOf(std::string_view(name).substr(prefix.size()));
        if (pid == 0 || pid == ::getpid()) continue;
        std::error_code typeError;
        if (it->symlink_status(typeError).type() != fs::file_type::regular) continue;
        if (::kill(pid, 0) == -1 && errno == ESRCH) ::unlink(it->path().c_str());
    }
}

// Holds an advisory lock on a folder while a file in it is read, changed and replaced. Where
// locks are not supported the update simply goes on unlocked; so it does when another process
// keeps the lock past LockWait (the system has no timed wait for it: it is asked again every
// few milliseconds). A folder whose lock was just waited for in vain is not waited for again
// for a while: a game's end writes the scores and then the statistics, and the player hears
// about the stuck copy after one wait, not after one wait per file.
class FolderLock {
  public:
    explicit FolderLock(const fs::path& folder)
        : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ < 0) return;
        constexpr auto Retry = std::chrono::milliseconds(20);
        const auto wait = RecentlyStuck(folder) ? std::chrono::milliseconds(0) : LockWait;
        for (auto waited = std::chrono::milliseconds(0);; waited += Retry) {
            if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
            if (errno != EWOULDBLOCK && errno != EINTR) return; // no locks here
            if (waited >= wait) break;
            std::this_thread::sleep_for(Retry);
        }
        busy_ = true;
        MarkStuck(folder);
    }
    ~FolderLock() {
        if (fd_ >= 0) ::close(fd_); // closing releases the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool busy() const { return busy_; }

  private:
    using Clock = std::chrono::steady_clock;
    static bool RecentlyStuck(const fs::path& folder) {
        const std::lock_guard<std::mutex> hold(stuckMutex_);
        return stuckFolder_ == folder && Clock::now() - stuckAt_ < 2 * LockWait;
    }
    static void MarkStuck(const fs::path& folder) {
        const std::lock_guard<std::mutex> hold(stuckMutex_);
        stuckFolder_ = folder;
        stuckAt_ = Clock::now();
    }

    int fd_;
    bool busy_ = false;
    static inline std::mutex stuckMutex_;
    static inline fs::path stuckFolder_;
    static inline Clock::time_point stuckAt_;
};

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
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << TemporaryPrefix(target) << ::getpid() << '-' << counter++;
        tempPath = FolderOf(target) / name.str();
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void SyncFolder(const fs::path& target) {
    int fd = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
    if (ec) return Failure(FileError::Unreadable, path, ec.value());
    if (fs::is_directory(status)) return Failure(FileError::Unreadable, path, EISDIR);
    if (!fs::is_regular_file(status)) return Failure(FileError::NotAFile, path, 0);
    std::uintmax_t size = fs::file_size(path, ec);
    if (ec) return Failure(FileError::Unreadable, path, ec.value());
    if (size > MaxFileSize) return Failure(FileError::TooLarge, path, 0);

    // Read by the system's calls, not a stream: the settings are read before the first frame,
    // and a stream would first set up the C++ library's locales for one read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Failure(FileError::Unreadable, path, errno);
    std::string text(static_cast<size_t>(size) + 1, '\0'); // one more: the end is seen at once
    size_t got = 0;
    for (;;) {
        if (got == text.size()) text.resize(text.size() * 2);
        const ssize_t n = ::read(fd, text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return Failure(FileError::Unreadable, path, error);
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
        if (got > MaxFileSize) {
            ::close(fd);
            return Failure(FileError::TooLarge, path, 0);
        }
    }
    ::close(fd);
    text.resize(got);
    out = std::move(text);
    return {FileError::None, path, 0};
}

namespace {

// WriteFileSafely, and when `expected` is given, only over a file that still holds it at the
// moment of the rename: `changed` says that it no longer did, and nothing was written.
FileResult WriteOver(const fs::path& path, std::string_view contents, const std::string* expected,
                     bool& changed) {
    changed = false;
    const fs::path target = ResolveLinks(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return Failure(FileError::ReadOnly, path, errno);

    RemoveStaleTemporaries(target);
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
    std::string now;
    if (expected && (!ReadWholeFile(target, now) || now != *expected)) {
        ::unlink(tempPath.c_str());
        changed = true;
        return Failure(FileError::CannotReplace, path, EBUSY);
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        int renameErrno = errno;
        ::unlink(tempPath.c_str());
        return Failure(FileError::CannotReplace, path, renameErrno);
    }
    SyncFolder(target);
    return {FileError::None, path, 0};
}

} // namespace

FileResult WriteFileSafely(const fs::path& path, std::string_view contents) {
    bool changed = false;
    return WriteOver(path, contents, nullptr, changed);
}

FileResult UpdateFileSafely(const fs::path& path,
                            const std::function<std::string(std::string text)>& change) {
    FolderLock lock(FolderOf(path));
    // The lock is not enough: a copy that waited past LockWait writes without it, and the copy
    // that held it, once it goes on, would rename what it made of the older text over that
    // write. So the file is replaced only if it still holds what was read; otherwise the change
    // is made again on what it holds now, a few times before giving up.
    FileResult result;
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::string text;
        result = ReadWholeFile(path, text);
        if (!result) {
            result.writing = true;
            break;
        }
        const std::string read = text;
        bool changed = false;
        result = WriteOver(path, change(std::move(text)), &read, changed);
        if (!changed) break;
    }
    result.lockBusy = lock.busy();
    return result;
}

} // namespace kp
