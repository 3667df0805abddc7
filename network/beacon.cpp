#include "network/beacon.h"

#include "network/address.h"

#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QStringDecoder>
#include <QtEndian>

#include <algorithm>

namespace kp {

namespace {

constexpr QByteArrayView Magic = "KPNM1";
constexpr qsizetype HeaderSize = Magic.size() + 1 + 2;
constexpr qsizetype MaxDatagram = HeaderSize + MaxBeaconName;
// Datagrams read at one wake-up: a flood of them cannot hold the event loop.
constexpr int MaxReadsAtOnce = 64;

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

// The limited broadcast leaves by one interface, the default route's (and by none without
// one), so every interface's own broadcast address is named too. Asked again each time: a
// cable plugged in or a wireless network joined while hosting counts.
std::vector<QHostAddress> everyLocalNetwork() {
    std::vector<QHostAddress> destinations{QHostAddress(QHostAddress::Broadcast)};
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning))
            continue;
        if (flags.testFlag(QNetworkInterface::CanBroadcast))
            for (const QNetworkAddressEntry& entry : interface.addressEntries())
                if (!entry.broadcast().isNull() &&
                    std::find(destinations.begin(), destinations.end(), entry.broadcast()) ==
                        destinations.end())
                    destinations.push_back(entry.broadcast());
        if (flags.testFlag(QNetworkInterface::CanMulticast) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack)) {
            // The all-nodes group, which every IPv6 host has joined, on this link only.
            QHostAddress allNodes(QStringLiteral("ff02::1"));
            allNodes.setScopeId(interface.name());
            destinations.push_back(allNodes);
        }
    }
    return destinations;
}

} // namespace

QByteArray beaconDatagram(const QString& name, quint16 gamePort, quint8 version) {
    QByteArray utf8 = name.toUtf8();
    if (utf8.size() > MaxBeaconName) {
        qsizetype end = MaxBeaconName;
        // Back off over continuation bytes (10xxxxxx) to the start of the cut character.
        while (end > 0 && (static_cast<quint8>(utf8[end]) & 0xC0) == 0x80) --end;
        utf8.truncate(end);
    }
    QByteArray datagram(Magic.data(), Magic.size());
    datagram.append(static_cast<char>(version));
    const quint16 port = qToBigEndian(gamePort);
    datagram.append(reinterpret_cast<const char*>(&port), 2);
    datagram.append(utf8);
    return datagram;
}

std::optional<FoundGame> readBeacon(const QByteArray& datagram) {
    if (datagram.size() < HeaderSize || datagram.size() > MaxDatagram) return std::nullopt;
    if (!datagram.startsWith(Magic)) return std::nullopt;
    FoundGame game;
    game.version = static_cast<quint8>(datagram[Magic.size()]);
    game.port = qFromBigEndian<quint16>(datagram.constData() + Magic.size() + 1);
    if (game.port == 0) return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    game.name = decoder(datagram.mid(HeaderSize));
    if (decoder.hasError() || hasControlCharacter(game.name)) return std::nullopt;
    return game;
}

Beacon::Beacon(const QString& name, quint16 gamePort, quint8 version, quint16 port,
               std::vector<QHostAddress> destinations, QObject* parent)
    : QObject(parent), datagram_(beaconDatagram(name, gamePort, version)), port_(port),
      destinations_(std::move(destinations)) {
    // One socket a family: a dual-stack socket cannot send IPv4 broadcasts. Either may fail
    // (a machine without IPv6); the other announces alone.
    ipv4_.bind(QHostAddress::AnyIPv4, 0);
    ipv6_.bind(QHostAddress::AnyIPv6, 0);
    connect(&timer_, &QTimer::timeout, this, &Beacon::announce);
    timer_.start(Interval);
    announce();
}

void Beacon::announce() {
    // A failed send (no route, no IPv6) is no news: the next second tries again.
    for (const QHostAddress& address :
         destinations_.empty() ? everyLocalNetwork() : destinations_) {
        QUdpSocket& socket = address.protocol() == QHostAddress::IPv4Protocol ? ipv4_ : ipv6_;
        socket.writeDatagram(datagram_, address, port_);
    }
}

GameFinder::GameFinder(quint16 port, QObject* parent) : QObject(parent) {
    // Shared, so that two copies of the game on one machine both listen; Any is IPv4 and IPv6.
    socket_.bind(QHostAddress::Any, port,
                 QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
    connect(&socket_, &QUdpSocket::readyRead, this, &GameFinder::onReadyRead);
    expiryTimer_.setSingleShot(true);
    connect(&expiryTimer_, &QTimer::timeout, this, &GameFinder::forgetExpired);
}

bool GameFinder::listening() const {
    return socket_.state() == QAbstractSocket::BoundState;
}

std::vector<FoundGame> GameFinder::games() const {
    std::vector<FoundGame> games;
    for (const Heard& heard : heard_) {
        const FoundGame& game = heard.game;
        const bool alsoOverIPv4 =
            game.address.protocol() == QHostAddress::IPv6Protocol &&
            std::any_of(heard_.begin(), heard_.end(), [&](const Heard& other) {
                return other.game.address.protocol() == QHostAddress::IPv4Protocol &&
                       other.game.name == game.name && other.game.port == game.port;
            });
        if (!alsoOverIPv4) games.push_back(game);
    }
    return games;
}

void GameFinder::onReadyRead() {
    for (int i = 0; i < MaxReadsAtOnce && socket_.hasPendingDatagrams(); ++i) {
        // One byte over the largest beacon: a longer datagram is cut, and then too long.
        const QNetworkDatagram datagram = socket_.receiveDatagram(MaxDatagram + 1);
        auto game = readBeacon(datagram.data());
        if (!game) continue;
        game->address = plainAddress(datagram.senderAddress());
        heard(*game);
    }
}

void GameFinder::heard(FoundGame game) {
    const auto before = games();
    auto known = std::find_if(heard_.begin(), heard_.end(), [&](const Heard& heard) {
        return heard.game.address == game.address && heard.game.port == game.port;
    });
    if (known != heard_.end()) {
        known->game = game;
        known->expires = QDeadlineTimer(expiry_);
    } else if (heard_.size() < MaxGames) {
        heard_.push_back({game, QDeadlineTimer(expiry_)});
        scheduleExpiry();
    }
    if (games() != before) emit changed();
}

void GameFinder::forgetExpired() {
    const auto before = games();
    std::erase_if(heard_, [](const Heard& heard) { return heard.expires.hasExpired(); });
    scheduleExpiry();
    if (games() != before) emit changed();
}

void GameFinder::scheduleExpiry() {
    if (heard_.empty()) return expiryTimer_.stop();
    qint64 soonest = heard_.front().expires.remainingTime();
    for (const Heard& heard : heard_) soonest = std::min(soonest, heard.expires.remainingTime());
    expiryTimer_.start(static_cast<int>(soonest) + 1);
}

} // namespace kp
