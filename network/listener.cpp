#include "network/listener.h"

#include <QNetworkInterface>
#include <QTcpSocket>
#include <QWebSocket>

namespace kp {

Listener::Listener(QObject* parent)
    : QObject(parent), handshakes_(QString(), QWebSocketServer::NonSecureMode) {
    handshakeDeadline_.setSingleShot(true);
    connect(&server_, &QTcpServer::newConnection, this, &Listener::onTcpConnection);
    connect(&handshakes_, &QWebSocketServer::newConnection, this, &Listener::onUpgraded);
    connect(&handshakeDeadline_, &QTimer::timeout, this, [this] {
        if (handshaking_) handshaking_->abort();
    });
}

Listener::~Listener() {
    // A socket in the middle of its handshake goes with server_, after this listener's
    // members: it must not tell them of its disconnection.
    if (handshaking_) handshaking_->disconnect(this);
}

bool Listener::listen(quint16 port) {
    if (server_.isListening()) return false;
    // Any is both families on one socket (an IPv4 guest arrives as ::ffff:a.b.c.d), or IPv4
    // alone on a machine without IPv6.
    if (port == 0) return server_.listen(QHostAddress::Any, 0);
    for (int i = 0; i < PortTries && port + i <= 65535; ++i)
        if (server_.listen(QHostAddress::Any, static_cast<quint16>(port + i))) return true;
    return false;
}

quint16 Listener::port() const {
    return server_.isListening() ? server_.serverPort() : 0;
}

std::vector<QHostAddress> Listener::localAddresses() {
    std::vector<QHostAddress> ipv4, ipv6;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.isLoopback()) continue;
            if (address.protocol() == QHostAddress::IPv4Protocol) {
                ipv4.push_back(address);
            } else if (address.protocol() == QHostAddress::IPv6Protocol && address.isGlobal() &&
                       !entry.isTemporary()) {
                // A temporary (privacy) address changes within the day; the stable one sits
                // beside it.
                ipv6.push_back(address);
            }
        }
    }
    ipv4.insert(ipv4.end(), ipv6.begin(), ipv6.end());
    if (ipv4.empty()) ipv4.emplace_back(QHostAddress::LocalHost);
    return ipv4;
}

bool Listener::busy() const {
    return handshaking_ || (guest_ && guest_->isOpen());
}

void Listener::onTcpConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        if (busy()) {
            socket->close();
            socket->deleteLater();
            continue;
        }
        // Set here, on the accepted socket, which is connected: Qt sets an option only on a
        // socket that exists. See Connection::onConnected for the guest's side.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        handshaking_ = socket;
        // A handshake that fails or times out ends with the socket's disconnection; one that
        // succeeds hands the socket to its WebSocket first (onUpgraded forgets it).
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (handshaking_ == socket) {
                handshaking_ = nullptr;
                handshakeDeadline_.stop();
            }
            socket->deleteLater();
        });
        handshakeDeadline_.start(HandshakeTimeout);
        handshakes_.handleConnection(socket);
    }
}

void Listener::onUpgraded() {
    while (QWebSocket* socket = handshakes_.nextPendingConnection()) {
        if (handshaking_) {
            handshaking_->disconnect(this);
            // The WebSocket uses the socket but leaves it with its first parent: made its
            // child, it goes with the link rather than with the listener.
            handshaking_->setParent(socket);
            handshaking_ = nullptr;
        }
        handshakeDeadline_.stop();
        if (guest_ && guest_->isOpen()) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        guest_ = new Connection(socket, this);
        emit arrived(guest_);
    }
}

} // namespace kp
