#include "pad_wakeup.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <set>

namespace kp {

// Our own reading end of a device file: the kernel hands every reader its own copy of what
// the device says, so reading ours leaves SDL's untouched.
struct PadWakeup::Device {
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    ~Device() {
        notifier.reset();
        if (fd >= 0) ::close(fd);
    }
};

PadWakeup::PadWakeup(std::function<void(bool)> wake, QObject* parent)
    : QObject(parent), wake_(std::move(wake)) {
    connect(&folder_, &QFileSystemWatcher::directoryChanged, this, [this] { wake_(true); });
}

PadWakeup::~PadWakeup() = default;

bool PadWakeup::watch(const std::vector<std::string>& paths) {
    const std::set<std::string> wanted(paths.begin(), paths.end());
    for (auto it = devices_.begin(); it != devices_.end();)
        it = wanted.count(it->first) ? std::next(it) : devices_.erase(it);
    bool all = true;
    for (const std::string& path : wanted) {
        if (devices_.count(path)) continue;
        const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            all = false;
            continue;
        }
        auto device = std::make_unique<Device>();
        device->fd = fd;
        device->notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(device->notifier.get(), &QSocketNotifier::activated, this,
                [this, path] { readable(path); });
        devices_[path] = std::move(device);
    }
    return all;
}

void PadWakeup::readable(const std::string& path) {
    const auto it = devices_.find(path);
    if (it == devices_.end()) return;
    // Empties our copy, so that the notifier sleeps until the device says something new.
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(it->second->fd, buffer, sizeof buffer)) > 0) {
    }
    // Unplugged (or a writer gone): nothing more will come from this file.
    if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) devices_.erase(it);
    wake_(false);
}

bool PadWakeup::watchFolder(const QString& folder) {
    return folder_.directories().contains(folder) || folder_.addPath(folder);
}

} // namespace kp
