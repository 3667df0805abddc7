#pragma once
// One link to the other player of a network match: a WebSocket carrying binary messages whose
// contents are the match's business, never this class's. The guest opens one with open(); the
// host is handed one by a Listener. Whatever the other end sends, a message is at most
// MaxMessageSize bytes and is binary: anything else ends the link with a reason, so a
// misbehaving or hostile peer costs a bounded amount of memory and never a crash.

#include <QAbstractSocket>
#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class QWebSocket;

namespace kp {

class Listener;

// Large enough for any message of a match (a few inputs, a board's hash), small enough that a
// peer cannot make the game hold much.
inline constexpr qint64 MaxMessageSize = 64 * 1024;

class Connection : public QObject {
    Q_OBJECT
  public:
    // Why a link could not be opened, or ended without this side closing it. ui/ words it.
    enum class Failure {
        HostNotFound, // the name does not resolve
        Refused,      // the machine answered, but no game listens on that port
        TimedOut,     // no game answered within OpenTimeout
        Closed,       // the other side closed the link, or the network dropped it
        TooBig,       // a message over MaxMessageSize, sent by either side
        NotBinary,    // a text message: not a copy of this game at the other end
    };
    Q_ENUM(Failure)

    // Long enough for a loaded machine on a slow wireless network, short enough that a player
    // who typed a wrong address is told while still looking at the screen.
    static constexpr int OpenTimeout = 5000; // ms

    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    // Starts opening the link to a game at `host` (a name, an IPv4 or an IPv6 address), once;
    // opened() or failed() then closed() tells how it went.
    void open(const QString& host, quint16 port);
    // Sends one binary message; nothing while the link is not open.
    void send(const QByteArray& message);
    // Ends the link; closed() follows, with no failure. Called while opening, it gives up.
    void close();

    bool isOpen() const { return state_ == State::Open; }
    QHostAddress peerAddress() const;
    // The messages' bytes each way, without the WebSocket's framing: what the match costs.
    qint64 bytesSent() const { return bytesSent_; }
    qint64 bytesReceived() const { return bytesReceived_; }

  signals:
    void opened();
    void received(const QByteArray& message);
    // Emitted once, just before closed(), when the link failed to open or broke.
    void failed(Connection::Failure why);
    // The link is over, whatever ended it; emitted once. Delete the connection with
    // deleteLater() from here, never directly.
    void closed();

  private:
    friend class Listener;
    enum class State { Idle, Opening, Open, Closing, Over };

    // The host's side: a socket whose handshake the listener has already answered.
    Connection(QWebSocket* socket, QObject* parent);
    void watch();
    void onConnected();
    void onMessage(const QByteArray& message);
    void onError(QAbstractSocket::SocketError error);
    void onDisconnected();
    void onDeadline();
    // The reason for an end the socket reports, read first from the close code either side sent.
    Failure reasonForEnd(Failure otherwise) const;
    void finish(std::optional<Failure> why);

    QWebSocket* socket_;
    State state_ = State::Idle;
    // Bounds opening (OpenTimeout) and closing (a peer that stops reading cannot keep a closing
    // link alive).
    QTimer deadline_;
    qint64 bytesSent_ = 0;
    qint64 bytesReceived_ = 0;
};

} // namespace kp
