#pragma once
// The host's side of a network match: listens for the friend on every address of the machine,
// IPv4 and IPv6, and seats one guest at a time. A second guest, while one plays or shakes
// hands, is turned away before its handshake, so it never believes it joined.

#include "network/address.h"
#include "network/connection.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <QWebSocketServer>

#include <vector>

class QTcpSocket;

namespace kp {

class Listener : public QObject {
    Q_OBJECT
  public:
    // A visitor that connects but does not complete its handshake in this time is let go, so
    // that a silent one cannot keep the seat from the friend.
    static constexpr int HandshakeTimeout = 5000; // ms
    // How many ports after the asked one are tried when another program holds it.
    static constexpr int PortTries = 10;

    explicit Listener(QObject* parent = nullptr);
    ~Listener() override;

    // Listens at `port` or the first free one of the next PortTries; 0 takes any free port.
    // False when none was free, or the listener already listens.
    bool listen(quint16 port = GamePort);
    // The port listened on, to tell the friend; 0 when not listening.
    quint16 port() const;
    // The addresses to tell the friend: the machine's IPv4 addresses, then its global IPv6
    // ones (a link-local one means nothing without the friend's own interface name), and the
    // loopback address alone when there is nothing else.
    static std::vector<QHostAddress> localAddresses();

  signals:
    // A guest joined. The connection is the listener's child until the receiver takes it
    // (setParent); while it is open, other guests are turned away.
    void arrived(Connection* connection);

  private:
    void onTcpConnection();
    void onUpgraded();
    bool busy() const;

    QTcpServer server_;
    // Answers the handshakes of the sockets server_ accepts, which it never listens itself:
    // the sockets are this class's to set TCP_NODELAY on and to turn away.
    QWebSocketServer handshakes_;
    QPointer<QTcpSocket> handshaking_;
    QTimer handshakeDeadline_;
    QPointer<Connection> guest_;
};

} // namespace kp
