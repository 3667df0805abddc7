// Games found on the local network: the beacon's datagram, and a finder hearing a beacon
// on loopback (no test datagram leaves the machine).
#include "network/beacon.h"

#include "link.h"

#include <QUdpSocket>
#include <gtest/gtest.h>

#include <memory>

namespace kp {

namespace {

quint16 freeUdpPort() {
    QUdpSocket probe;
    probe.bind(QHostAddress::LocalHost, 0);
    return probe.localPort();
}

// Waits for the finder's list to satisfy `done`.
template <class Done> bool waitForGames(GameFinder& finder, Done done) {
    QSignalSpy changed(&finder, &GameFinder::changed);
    while (!done(finder.games()))
        if (!changed.wait(Patience)) return done(finder.games());
    return true;
}

} // namespace

TEST(Beacon, datagramCarriesTheGameAndAnythingElseIsIgnored) {
    const auto game = readBeacon(beaconDatagram(QStringLiteral("Zoé"), 47480, 3));
    ASSERT_TRUE(game);
    EXPECT_EQ(game->name, QStringLiteral("Zoé"));
    EXPECT_EQ(game->port, 47480);
    EXPECT_EQ(game->version, 3);

    // A long name is cut at the end of a character, never inside one.
    const QString longName = QString(MaxBeaconName - 1, u'a') + QStringLiteral("éé");
    const auto cut = readBeacon(beaconDatagram(longName, 47470, 1));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->name, QString(MaxBeaconName - 1, u'a'));

    const QByteArray good = beaconDatagram(QStringLiteral("Ann"), 47470, 1);
    const QByteArray malformed[] = {
        QByteArray(),
        good.left(7),                                      // shorter than the header
        QByteArray("KPNM2") + good.mid(5),                 // another format
        good.left(6) + QByteArray(2, '\0') + "Ann",        // port 0
        good.left(8) + QByteArray(MaxBeaconName + 1, 'a'), // name too long
        good.left(8) + "\xC3(",                            // not UTF-8
        good.left(8) + "\xF0\x9F",                         // a character cut short
        good.left(8) + "A\nB",                             // a control character
    };
    for (const QByteArray& datagram : malformed)
        EXPECT_FALSE(readBeacon(datagram)) << datagram.toHex().toStdString();
}

TEST(GameFinder, hearsABeaconOnLoopbackAndForgetsItWhenItStops) {
    const quint16 port = freeUdpPort();
    GameFinder finder(port);
    ASSERT_TRUE(finder.listening());
    // Sooner than the game's own, but longer than a beacon's interval, so the list holds.
    finder.setExpiry(Beacon::Interval * 3 / 2);

    // Heard over IPv4 and IPv6, the host is listed once, by its IPv4 address.
    auto beacon = std::make_unique<Beacon>(
        QStringLiteral("Ann"), 47470, 1, port,
        std::vector<QHostAddress>{QHostAddress(QHostAddress::LocalHost),
                                  QHostAddress(QHostAddress::LocalHostIPv6)});
    ASSERT_TRUE(waitForGames(finder, [](const auto& games) {
        return games.size() == 1 && games[0].address == QHostAddress(QHostAddress::LocalHost);
    }));
    EXPECT_EQ(finder.games()[0].name, QStringLiteral("Ann"));
    EXPECT_EQ(finder.games()[0].port, 47470);
    EXPECT_EQ(finder.games()[0].version, 1);

    // A host heard over IPv6 only is listed by its IPv6 address.
    Beacon other(QStringLiteral("Bob"), 47471, 1, port,
                 {QHostAddress(QHostAddress::LocalHostIPv6)});
    ASSERT_TRUE(waitForGames(finder, [](const auto& games) { return games.size() == 2; }));
    EXPECT_EQ(finder.games()[1].name, QStringLiteral("Bob"));
    EXPECT_EQ(finder.games()[1].address, QHostAddress(QHostAddress::LocalHostIPv6));

    beacon.reset();
    ASSERT_TRUE(waitForGames(finder, [](const auto& games) {
        return games.size() == 1 && games[0].name == QStringLiteral("Bob");
    }));
}

} // namespace kp
