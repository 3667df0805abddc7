#include "network/connection.h"

#include "network/address.h"

#include <QUrl>
#include <QWebSocket>

namespace kp {

namespace {

// Time for the other end to answer a goodbye before the link is cut.
constexpr int CloseTimeout = 2000; // ms

void limitIncoming(QWebSocket& socket) {
    // The frame's limit refuses an oversize message from its header, before its payload is
    // read; the message's limit bounds one cut into many small frames.
    socket.setMaxAllowedIncomingFrameSize(MaxMessageSize);
    socket.setMaxAllowedIncomingMessageSize(MaxMessageSize);
}

} // namespace

Connection::Connection(QObject* parent)
    : QObject(parent), socket_(new QWebSocket(QString(), QWebSocketProtocol::VersionLatest, this)) {
    watch();
}

Connection::Connection(QWebSocket* socket, QObject* parent)
    : QObject(parent), socket_(socket), state_(State::Open) {
    socket_->setParent(this);
    watch();
    // A guest that left right after its handshake did so before anyone listened.
    if (socket_->state() != QAbstractSocket::ConnectedState)
        QTimer::singleShot(0, this, [this] { finish(Failure::Closed); });
}

Connection::~Connection() {
    // The socket, a child, says goodbye to the other end as it goes; this is gone by then.
    socket_->disconnect(this);
}

void Connection::watch() {
    limitIncoming(*socket_);
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &Connection::onDeadline);
    connect(socket_, &QWebSocket::connected, this, &Connection::onConnected);
    connect(socket_, &QWebSocket::disconnected, this, &Connection::onDisconnected);
    connect(socket_, &QWebSocket::binaryMessageReceived, this, &Connection::onMessage);
    connect(socket_, &QWebSocket::textMessageReceived, this, [this] {
        if (state_ != State::Open) return;
        finish(Failure::NotBinary);
        socket_->close(QWebSocketProtocol::CloseCodeDatatypeNotSupported);
    });
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    connect(socket_, &QWebSocket::errorOccurred, this, &Connection::onError);
#else
    connect(socket_, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            &Connection::onError);
#endif
}

void Connection::open(const QString& host, quint16 port) {
    if (state_ != State::Idle) return;
    state_ = State::Opening;
    QUrl url;
    url.setScheme(QStringLiteral("ws"));
    url.setHost(host);
    url.setPort(port);
    url.setPath(QStringLiteral("/"));
    if (!url.isValid() || url.host().isEmpty()) {
        // Told from the event loop, as every other outcome of open() is.
        QTimer::singleShot(0, this, [this] { finish(Failure::HostNotFound); });
        return;
    }
    deadline_.start(OpenTimeout);
    socket_->open(url);
}

void Connection::send(const QByteArray& message) {
    if (state_ != State::Open) return;
    bytesSent_ += socket_->sendBinaryMessage(message);
}

void Connection::close() {
    switch (state_) {
    case State::Idle:
        state_ = State::Over;
        break;
    case State::Opening:
        state_ = State::Closing;
        socket_->abort();
        finish(std::nullopt);
        break;
    case State::Open:
        state_ = State::Closing;
        deadline_.start(CloseTimeout);
        socket_->close();
        break;
    case State::Closing:
    case State::Over:
        break;
    }
}

QHostAddress Connection::peerAddress() const {
    return plainAddress(socket_->peerAddress());
}

void Connection::onConnected() {
    if (state_ != State::Opening) return;
    deadline_.stop();
    // No TCP_NODELAY to set: QWebSocket sets it on the socket it makes as soon as that one is
    // connected, before the handshake (and the tests read it back from the kernel). Without
    // it, Nagle's algorithm would hold a small message until the last one is acknowledged, a
    // round trip added to an input. The host sets it on the socket it accepts, Listener.
    state_ = State::Open;
    emit opened();
}

void Connection::onMessage(const QByteArray& message) {
    if (state_ != State::Open) return;
    bytesReceived_ += message.size();
    emit received(message);
}

void Connection::onError(QAbstractSocket::SocketError error) {
    if (state_ == State::Idle || state_ == State::Over) return;
    if (state_ == State::Closing) return finish(std::nullopt);
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
        return finish(Failure::HostNotFound);
    case QAbstractSocket::ConnectionRefusedError:
        return finish(Failure::Refused);
    case QAbstractSocket::SocketTimeoutError:
        return finish(Failure::TimedOut);
    default:
        finish(reasonForEnd(Failure::Closed));
        // Whatever went wrong, the link is over for the other end too.
        if (socket_->state() == QAbstractSocket::ConnectedState) socket_->abort();
    }
}

void Connection::onDisconnected() {
    if (state_ == State::Idle || state_ == State::Over) return;
    if (state_ == State::Closing) return finish(std::nullopt);
    // A link that failed to open is disconnected before the error that says why comes.
    if (state_ == State::Opening)
        return QTimer::singleShot(0, this, [this] { finish(Failure::Closed); });
    finish(reasonForEnd(Failure::Closed));
}

void Connection::onDeadline() {
    if (state_ == State::Opening) finish(Failure::TimedOut);
    socket_->abort();
    finish(std::nullopt);
}

Connection::Failure Connection::reasonForEnd(Failure otherwise) const {
    // Set by whichever side closed: this one for a message it refused, the other end for one
    // it refused from this side.
    switch (socket_->closeCode()) {
    case QWebSocketProtocol::CloseCodeTooMuchData:
        return Failure::TooBig;
    case QWebSocketProtocol::CloseCodeDatatypeNotSupported:
        return Failure::NotBinary;
    default:
        return otherwise;
    }
}

void Connection::finish(std::optional<Failure> why) {
    if (state_ == State::Over) return;
    state_ = State::Over;
    deadline_.stop();
    if (why) emit failed(*why);
    emit closed();
}

} // namespace kp
