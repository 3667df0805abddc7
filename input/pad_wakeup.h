#pragma once
// Wakes the game when a controller has something to say, rather than asking it every few
// milliseconds: it watches the controllers' device files, and the folder where new ones
// appear, and calls `wake` when one of them has news (`wake(true)` for the folder). While
// nothing happens it costs nothing.

#include <QFileSystemWatcher>
#include <QObject>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;

namespace kp {

class PadWakeup : public QObject {
  public:
    explicit PadWakeup(std::function<void(bool folder)> wake, QObject* parent = nullptr);
    ~PadWakeup() override;

    // Watches these device files and lets go of any other; false when one of them has no
    // file (a virtual controller) or cannot be opened, and must be asked in turn.
    bool watch(const std::vector<std::string>& paths);
    // Watches a folder for files coming and going (controllers plugged in); false when it
    // cannot.
    bool watchFolder(const QString& folder);

  private:
    struct Device;
    void readable(const std::string& path);

    std::function<void(bool)> wake_;
    std::map<std::string, std::unique_ptr<Device>> devices_;
    QFileSystemWatcher folder_;
};

} // namespace kp
