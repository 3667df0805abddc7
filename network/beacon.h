#pragma once
// Finding a friend's game on the local network without typing an address. The host's Beacon
// says "a game here" every second in a tiny UDP datagram, to every IPv4 broadcast address and
// to IPv6's all-nodes group on each interface; a joining player's GameFinder lists what it
// hears. A plain beacon rather than DNS-SD: it needs no daemon running (a fresh desktop or a
// test's network namespace has none) and passes wherever broadcasts do.
//
// The datagram: "KPNM1", the match's protocol version (one byte), the game's port (two bytes,
// big-endian), the host player's name (UTF-8, at most MaxBeaconName bytes). Nothing more, so a
// finder checks its size before anything and ignores whatever is not one.

#include <QByteArray>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>

#include <optional>
#include <vector>

namespace kp {

inline constexpr quint16 BeaconPort = 47471;
inline constexpr int MaxBeaconName = 40; // bytes of UTF-8

struct FoundGame {
    QString name;
    QHostAddress address; // the beacon's sender, where the game listens too
    quint16 port = 0;
    quint8 version = 0; // the host's protocol version, for the list to tell a game it cannot join

    bool operator==(const FoundGame&) const = default;
};

// The datagram announcing a game, and back; none for anything that is not one.
QByteArray beaconDatagram(const QString& name, quint16 gamePort, quint8 version);
std::optional<FoundGame> readBeacon(const QByteArray& datagram);

class Beacon : public QObject {
    Q_OBJECT
  public:
    static constexpr int Interval = 1000; // ms

    // Announces from construction to destruction, to every interface's broadcast address and
    // all-nodes group; a test names its own (loopback) destinations instead, so that nothing
    // of it leaves the machine. A name over MaxBeaconName bytes is cut at a character's end.
    Beacon(const QString& name, quint16 gamePort, quint8 version, quint16 port = BeaconPort,
           std::vector<QHostAddress> destinations = {}, QObject* parent = nullptr);

  private:
    void announce();

    QByteArray datagram_;
    quint16 port_;
    std::vector<QHostAddress> destinations_;
    QUdpSocket ipv4_, ipv6_;
    QTimer timer_;
};

class GameFinder : public QObject {
    Q_OBJECT
  public:
    // Three beacons missed, and a slow network's late one still in time.
    static constexpr int Expiry = 3500; // ms
    // Far more games than a local network holds; a flood of forged beacons fills no more.
    static constexpr int MaxGames = 32;

    explicit GameFinder(quint16 port = BeaconPort, QObject* parent = nullptr);

    // False when the port could not be bound: no games will be found.
    bool listening() const;
    // The games heard from within Expiry, in the order first heard. A host heard over both
    // IPv4 and IPv6 is shown once, by its IPv4 address.
    std::vector<FoundGame> games() const;
    // For tests: forget a game sooner.
    void setExpiry(int ms) { expiry_ = ms; }

  signals:
    // games() changed: a game appeared, went, or changed its name or version.
    void changed();

  private:
    struct Heard {
        FoundGame game;
        QDeadlineTimer expires;
    };
    void onReadyRead();
    void heard(FoundGame game);
    void forgetExpired();
    void scheduleExpiry();

    QUdpSocket socket_;
    std::vector<Heard> heard_;
    QTimer expiryTimer_;
    int expiry_ = Expiry;
};

} // namespace kp
