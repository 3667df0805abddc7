// A host and a guest over loopback: messages both ways, the reasons a link fails or ends, and
// what a peer sending too much or the wrong kind of message gets.
#include "link.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace kp {

namespace {

// Whether the TCP socket under one end of a link has Nagle's algorithm off, as the kernel says.
bool sendsWithoutDelay(const Connection& end) {
    const auto* tcp = end.findChild<QTcpSocket*>();
    if (!tcp || tcp->socketDescriptor() < 0) return false;
    int value = 0;
    socklen_t size = sizeof value;
    return ::getsockopt(static_cast<int>(tcp->socketDescriptor()), IPPROTO_TCP, TCP_NODELAY, &value,
                        &size) == 0 &&
           value != 0;
}

// How opening a link to host:port ends; it must end, and never open.
std::optional<Connection::Failure> openingFailure(const QString& host, quint16 port) {
    Connection guest;
    QSignalSpy opened(&guest, &Connection::opened), failed(&guest, &Connection::failed),
        closed(&guest, &Connection::closed);
    guest.open(host, port);
    if (!waitFor(closed) || opened.count() != 0 || failed.count() != 1) return std::nullopt;
    return failureOf(failed);
}

} // namespace

TEST(Connection, hostAndGuestExchangeMessagesBothWaysOverIPv4AndIPv6) {
    for (const QString loopback : {"127.0.0.1", "::1"}) {
        SCOPED_TRACE(loopback.toStdString());
        Listener listener;
        ASSERT_TRUE(listener.listen(0));
        Connection guest;
        Connection* host = join(listener, guest, loopback);
        ASSERT_TRUE(host);
        // The host's socket listens for both families; an IPv4 guest still reads as IPv4.
        EXPECT_EQ(host->peerAddress(), QHostAddress(loopback));
        EXPECT_EQ(guest.peerAddress(), QHostAddress(loopback));

        QSignalSpy atHost(host, &Connection::received), atGuest(&guest, &Connection::received);
        const QByteArray largest(MaxMessageSize, 'x');
        guest.send("one");
        guest.send(QByteArray());
        guest.send(largest);
        host->send("reply");
        ASSERT_TRUE(waitFor(atHost, 3));
        ASSERT_TRUE(waitFor(atGuest));
        EXPECT_EQ(atHost[0][0].toByteArray(), "one");
        EXPECT_EQ(atHost[1][0].toByteArray(), QByteArray());
        EXPECT_EQ(atHost[2][0].toByteArray(), largest);
        EXPECT_EQ(atGuest[0][0].toByteArray(), "reply");
        EXPECT_EQ(guest.bytesSent(), 3 + MaxMessageSize);
        EXPECT_EQ(host->bytesReceived(), 3 + MaxMessageSize);
        EXPECT_EQ(host->bytesSent(), 5);
        EXPECT_EQ(guest.bytesReceived(), 5);

        // The guest leaves: its own end closes without a failure, the host's learns why.
        QSignalSpy guestFailed(&guest, &Connection::failed),
            guestClosed(&guest, &Connection::closed), hostFailed(host, &Connection::failed),
            hostClosed(host, &Connection::closed);
        guest.close();
        ASSERT_TRUE(waitFor(guestClosed));
        ASSERT_TRUE(waitFor(hostClosed));
        EXPECT_EQ(guestFailed.count(), 0);
        ASSERT_EQ(hostFailed.count(), 1);
        EXPECT_EQ(failureOf(hostFailed), Connection::Failure::Closed);
        EXPECT_FALSE(guest.isOpen());
        EXPECT_FALSE(host->isOpen());
        guest.send("after the end"); // dropped
        EXPECT_EQ(guest.bytesSent(), 3 + MaxMessageSize);
        EXPECT_EQ(guestClosed.count(), 1);
        EXPECT_EQ(hostClosed.count(), 1);
    }
}

TEST(Connection, bothEndsSendSmallMessagesWithoutWaitingForAnAcknowledgement) {
    Listener listener;
    ASSERT_TRUE(listener.listen(0));
    Connection guest;
    Connection* host = join(listener, guest, "127.0.0.1");
    ASSERT_TRUE(host);
    EXPECT_TRUE(sendsWithoutDelay(guest));
    EXPECT_TRUE(sendsWithoutDelay(*host));
}

TEST(Connection, openingReportsWhyItCouldNot) {
    quint16 closedPort = 0;
    {
        QTcpServer server;
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
        closedPort = server.serverPort();
    }
    EXPECT_EQ(openingFailure("127.0.0.1", closedPort), Connection::Failure::Refused);
    EXPECT_EQ(openingFailure("no-such-game.invalid", GamePort), Connection::Failure::HostNotFound);
    EXPECT_EQ(openingFailure("two words", GamePort), Connection::Failure::HostNotFound);

    // A server that accepts the connection and never answers the handshake.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
    EXPECT_EQ(openingFailure("127.0.0.1", silent.serverPort()), Connection::Failure::TimedOut);
}

TEST(Connection, anOversizeOrTextMessageEndsTheLinkWithItsReason) {
    Listener listener;
    ASSERT_TRUE(listener.listen(0));
    const QUrl url(QStringLiteral("ws://127.0.0.1:%1/").arg(listener.port()));

    // One message over the limit, from a copy of the game: both ends say why.
    {
        Connection guest;
        Connection* host = join(listener, guest, "127.0.0.1");
        ASSERT_TRUE(host);
        QSignalSpy hostFailed(host, &Connection::failed), guestFailed(&guest, &Connection::failed),
            received(host, &Connection::received);
        guest.send(QByteArray(MaxMessageSize + 1, 'x'));
        ASSERT_TRUE(waitFor(hostFailed));
        ASSERT_TRUE(waitFor(guestFailed));
        EXPECT_EQ(failureOf(hostFailed), Connection::Failure::TooBig);
        EXPECT_EQ(failureOf(guestFailed), Connection::Failure::TooBig);
        EXPECT_EQ(received.count(), 0);
    }

    // A peer of another kind: an oversize message cut into small frames, and a text message.
    for (const bool text : {false, true}) {
        SCOPED_TRACE(text ? "text" : "small frames");
        QSignalSpy arrived(&listener, &Listener::arrived);
        QWebSocket peer;
        QSignalSpy connected(&peer, &QWebSocket::connected),
            disconnected(&peer, &QWebSocket::disconnected);
        peer.open(url);
        ASSERT_TRUE(waitFor(connected));
        ASSERT_TRUE(waitFor(arrived));
        auto* host = arrived[0][0].value<Connection*>();
        QSignalSpy failed(host, &Connection::failed), received(host, &Connection::received);
        if (text) {
            peer.sendTextMessage(QStringLiteral("hello"));
        } else {
            peer.setOutgoingFrameSize(1024);
            peer.sendBinaryMessage(QByteArray(2 * MaxMessageSize, 'x'));
        }
        ASSERT_TRUE(waitFor(failed));
        EXPECT_EQ(failureOf(failed),
                  text ? Connection::Failure::NotBinary : Connection::Failure::TooBig);
        ASSERT_TRUE(waitFor(disconnected));
        EXPECT_EQ(peer.closeCode(), text ? QWebSocketProtocol::CloseCodeDatatypeNotSupported
                                         : QWebSocketProtocol::CloseCodeTooMuchData);
        EXPECT_EQ(received.count(), 0);
    }
}

} // namespace kp
