// The host's listener: one guest at a time, a silent visitor let go, a taken port.
#include "link.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

namespace kp {

TEST(Listener, turnsASecondGuestAwayWhileOnePlays) {
    Listener listener;
    ASSERT_TRUE(listener.listen(0));
    QSignalSpy arrived(&listener, &Listener::arrived);
    Connection first;
    Connection* host = join(listener, first, "127.0.0.1");
    ASSERT_TRUE(host);

    Connection second;
    QSignalSpy opened(&second, &Connection::opened), failed(&second, &Connection::failed);
    second.open("127.0.0.1", listener.port());
    ASSERT_TRUE(waitFor(failed));
    EXPECT_EQ(failureOf(failed), Connection::Failure::Closed);
    EXPECT_EQ(opened.count(), 0);

    // The first guest plays on, unaware.
    QSignalSpy received(host, &Connection::received);
    first.send("still here");
    ASSERT_TRUE(waitFor(received));
    EXPECT_EQ(received[0][0].toByteArray(), "still here");
    EXPECT_EQ(arrived.count(), 1);

    // Once it has gone, the seat is free again.
    QSignalSpy hostClosed(host, &Connection::closed);
    first.close();
    ASSERT_TRUE(waitFor(hostClosed));
    Connection third;
    EXPECT_TRUE(join(listener, third, "::1"));
}

TEST(Listener, letsASilentVisitorGoAndSeatsTheGuestAfterIt) {
    Listener listener;
    ASSERT_TRUE(listener.listen(0));
    QTcpSocket visitor;
    QSignalSpy visitorGone(&visitor, &QTcpSocket::disconnected);
    visitor.connectToHost(QHostAddress::LocalHost, listener.port());
    ASSERT_TRUE(visitor.waitForConnected(Patience));

    // While the visitor holds the handshake, a guest is turned away...
    Connection early;
    QSignalSpy earlyFailed(&early, &Connection::failed);
    early.open("127.0.0.1", listener.port());
    ASSERT_TRUE(waitFor(earlyFailed));
    EXPECT_EQ(failureOf(earlyFailed), Connection::Failure::Closed);

    // ...but not for long: the visitor is let go after Listener::HandshakeTimeout.
    ASSERT_TRUE(waitFor(visitorGone));
    Connection guest;
    EXPECT_TRUE(join(listener, guest, "127.0.0.1"));
}

TEST(Listener, takesOneOfTheNextPortsWhenItsOwnIsTaken) {
    Listener first, second;
    ASSERT_TRUE(first.listen(0));
    ASSERT_TRUE(second.listen(first.port()));
    EXPECT_GT(second.port(), first.port());
    EXPECT_LE(second.port(), first.port() + Listener::PortTries);
    EXPECT_FALSE(second.listen(0)); // already listening
}

} // namespace kp
