// A notification area for the end-to-end tests, as small as it can be: it owns the watcher's
// name on the session bus, says a host is there, and prints each item that registers.
//   sni_watcher
// Prints "watching" once the name is its own, then "item SERVICE PATH" for each item (PATH is
// the item's object, /StatusNotifierItem when the item gave only its service name). Runs until
// it is ended; exit status 1 when the name could not be had.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>

#include <cstdio>

namespace {

class Watcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

  public:
    QStringList items() const { return items_; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

  public slots:
    void RegisterStatusNotifierItem(const QString& serviceOrPath, const QDBusMessage& message) {
        // An item names its service, or only its object path on the caller's connection.
        QString service = serviceOrPath, path = QStringLiteral("/StatusNotifierItem");
        if (serviceOrPath.startsWith(QLatin1Char('/'))) {
            service = message.service();
            path = serviceOrPath;
        }
        const QString item = service + path;
        if (!items_.contains(item)) items_.append(item);
        std::printf("item %s %s\n", qPrintable(service), qPrintable(path));
        std::fflush(stdout);
        emit StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString& service) {
        std::printf("host %s\n", qPrintable(service));
        std::fflush(stdout);
        emit StatusNotifierHostRegistered();
    }

  signals:
    void StatusNotifierItemRegistered(const QString& item);
    void StatusNotifierItemUnregistered(const QString& item);
    void StatusNotifierHostRegistered();
    void StatusNotifierHostUnregistered();

  private:
    QStringList items_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    Watcher watcher;
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                                QDBusConnection::ExportAllProperties) ||
        !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "sni_watcher: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("watching\n");
    std::fflush(stdout);
    return app.exec();
}

#include "sni_watcher.moc"
