#include "ui/network_peer.h"

#include "network/connection.h"

namespace kp {

NetworkPeer::NetworkPeer(Match& match, int own, Connection* connection, QObject* parent)
    : QObject(parent), match_(match), own_(own), link_(match, own), connection_(connection) {
    connection->setParent(this);
    link_.send = [this](std::vector<uint8_t> bytes) {
        if (connection_)
            connection_->send(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                         static_cast<qsizetype>(bytes.size())));
    };
    connect(connection, &Connection::received, this, [this](const QByteArray& bytes) {
        if (ended_) return;
        quiet_.restart();
        link_.receive(reinterpret_cast<const uint8_t*>(bytes.constData()),
                      static_cast<size_t>(bytes.size()));
        if (heard) heard();
        switch (link_.trouble()) {
        case Link::Trouble::None:
            break;
        case Link::Trouble::PeerLeft:
            // Said once both boards stand where the match stops, it is only a goodbye.
            if (match_.settled())
                leave();
            else
                end(End::Left);
            break;
        case Link::Trouble::OutOfStep:
            end(End::OutOfStep);
            break;
        case Link::Trouble::BadMessage:
            end(End::BadMessage);
            break;
        }
    });
    connect(connection, &Connection::closed, this, [this] {
        if (!match_.settled()) end(End::Left);
    });
    quiet_.start();
    flush_.setInterval(FlushPeriod);
    connect(&flush_, &QTimer::timeout, this, [this] {
        flush();
        // Once both boards stand where the match stops, the other side needs nothing more.
        if (match_.settled()) return leave();
        if (!ended_ && quiet_.elapsed() > LongestSilence) end(End::Silent);
    });
    flush_.start();
}

NetworkPeer::~NetworkPeer() {
    leave();
}

void NetworkPeer::flush() {
    if (!ended_) link_.flush();
}

void NetworkPeer::end(End why) {
    if (ended_) return;
    ended_ = true;
    flush_.stop();
    if (why == End::OutOfStep) link_.leave(wire::Farewell::OutOfStep);
    if (why == End::BadMessage) link_.leave(wire::Farewell::BadMessage);
    if (why == End::Left || why == End::Silent) match_.forfeit(1 - own_);
    if (connection_) connection_->close();
    if (over) over(why);
}

void NetworkPeer::leave() {
    if (connection_ && connection_->isOpen()) {
        if (!ended_) link_.flush();
        link_.leave(wire::Farewell::Left);
        connection_->close();
    }
    flush_.stop();
    ended_ = true;
}

qint64 NetworkPeer::bytesSent() const {
    return connection_ ? connection_->bytesSent() : 0;
}

qint64 NetworkPeer::bytesReceived() const {
    return connection_ ? connection_->bytesReceived() : 0;
}

} // namespace kp
