#include "ui/network_session.h"

#include "engine/wire.h"
#include "network/address.h"
#include "network/listener.h"

#include <QHostInfo>

#include <algorithm>

namespace kp {

QString networkName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty()) name = QHostInfo::localHostName();
    if (!name.isEmpty()) name[0] = name[0].toUpper();
    return name.left(static_cast<int>(wire::MaxName) / 2);
}

namespace {

std::optional<wire::Message> decoded(const QByteArray& bytes) {
    return wire::decode(reinterpret_cast<const uint8_t*>(bytes.constData()),
                        static_cast<size_t>(bytes.size()));
}

NetworkProblem problemOf(Connection::Failure failure, bool opened) {
    switch (failure) {
    case Connection::Failure::HostNotFound:
        return NetworkProblem::HostNotFound;
    case Connection::Failure::Refused:
        return NetworkProblem::Refused;
    case Connection::Failure::TimedOut:
        return NetworkProblem::TimedOut;
    case Connection::Failure::Closed:
        // A host with a guest already closes the door before the greeting.
        return opened ? NetworkProblem::Lost : NetworkProblem::Busy;
    default:
        return NetworkProblem::Lost;
    }
}

} // namespace

NetworkSession::NetworkSession(QObject* parent) : QObject(parent) {
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] {
        if (listener_)
            dropGuest(); // a silent guest: the host waits for another
        else
            fail(NetworkProblem::TimedOut);
    });
    finder_ = std::make_unique<GameFinder>();
    connect(finder_.get(), &GameFinder::changed, this, [this] {
        if (foundChanged) foundChanged();
    });
}

NetworkSession::~NetworkSession() {
    stop();
}

std::vector<FoundGame> NetworkSession::found() const {
    std::vector<FoundGame> games = finder_->games();
    // Only the games this one can play with.
    std::erase_if(games, [](const FoundGame& g) { return g.version != wire::Protocol; });
    return games;
}

bool NetworkSession::host(const MatchSettings& settings, quint16 port, const QString& code) {
    stop();
    settings_ = settings;
    code_ = code;
    listener_ = std::make_unique<Listener>();
    if (!listener_->listen(port)) {
        listener_.reset();
        return false;
    }
    connect(listener_.get(), &Listener::arrived, this, [this](Connection* c) { guestArrived(c); });
    beacon_ = std::make_unique<Beacon>(networkName(), listener_->port(),
                                       static_cast<quint8>(wire::Protocol));
    return true;
}

quint16 NetworkSession::port() const {
    return listener_ ? listener_->port() : 0;
}

void NetworkSession::guestArrived(Connection* c) {
    if (connection_) return c->close();
    connection_ = c;
    greeted_ = false;
    trips_.clear();
    connect(c, &Connection::received, this, [this](const QByteArray& b) { hostHeard(b); });
    connect(c, &Connection::closed, this, [this, c] {
        if (connection_ == c) dropGuest();
        c->deleteLater();
    });
    timeout_.start(GreetingTimeout);
}

// A guest who is not one of ours, or says anything out of turn, is let go; the host waits on.
void NetworkSession::hostHeard(const QByteArray& bytes) {
    const std::optional<wire::Message> m = decoded(bytes);
    if (!greeted_) {
        const auto* hello = m ? std::get_if<wire::Hello>(&*m) : nullptr;
        if (!hello) return dropGuest();
        if (hello->protocol != wire::Protocol || hello->rules != wire::rulesChecksum()) {
            send(wire::Refused{wire::Refusal::Incompatible});
            if (problem) problem(NetworkProblem::Incompatible);
            return dropGuest();
        }
        if (QString::fromStdString(hello->code).toUpper() != code_) {
            send(wire::Refused{wire::Refusal::WrongCode});
            if (problem) problem(NetworkProblem::WrongCode);
            return dropGuest();
        }
        greeted_ = true;
        peerName_ = QString::fromStdString(hello->name);
        clock_.start();
        return ping();
    }
    const auto* pong = m ? std::get_if<wire::Pong>(&*m) : nullptr;
    if (!pong || pong->stamp != static_cast<uint64_t>(trips_.size())) return dropGuest();
    trips_.push_back(clock_.elapsed());
    if (static_cast<int>(trips_.size()) < RoundTrips) return ping();
    timeout_.stop();
    // The slowest trip: a delay the link keeps to even when it is at its worst.
    int64_t slowest = 0;
    for (size_t i = 0; i < trips_.size(); ++i)
        slowest = std::max(slowest, trips_[i] - (i ? trips_[i - 1] : 0));
    settings_.attackDelay = wire::attackDelayFor(slowest);
    send(wire::Welcome{settings_, networkName().toStdString()});
    send(wire::Start{});
    if (delayChosen) delayChosen(settings_.attackDelay);
    Connection* c = connection_;
    disconnect(c, nullptr, this, nullptr);
    connection_ = nullptr;
    c->setParent(nullptr);
    if (agreed) agreed({settings_, 0, peerName_, c});
}

void NetworkSession::ping() {
    send(wire::Ping{static_cast<uint64_t>(trips_.size())});
}

void NetworkSession::join(const QString& address, const QString& code) {
    stop();
    const std::optional<Address> where = parseAddress(address, GamePort);
    if (!where) return fail(NetworkProblem::BadAddress);
    auto* c = new Connection(this);
    connection_ = c;
    greeted_ = false;
    const std::string greeting = code.toUpper().toStdString();
    connect(c, &Connection::opened, this, [this, greeting] {
        send(wire::Hello{wire::Protocol, wire::rulesChecksum(), networkName().toStdString(),
                         greeting});
        timeout_.start(GreetingTimeout);
    });
    connect(c, &Connection::received, this, [this](const QByteArray& b) { guestHeard(b); });
    connect(c, &Connection::failed, this, [this, c](Connection::Failure why) {
        if (connection_ == c) fail(problemOf(why, c->isOpen() || greeted_));
    });
    connect(c, &Connection::closed, this, [this, c] {
        if (connection_ == c) fail(NetworkProblem::Lost);
        c->deleteLater();
    });
    c->open(where->host, where->port);
}

void NetworkSession::guestHeard(const QByteArray& bytes) {
    const std::optional<wire::Message> m = decoded(bytes);
    if (!m) return fail(NetworkProblem::Incompatible);
    greeted_ = true;
    if (const auto* ping = std::get_if<wire::Ping>(&*m)) return send(wire::Pong{ping->stamp});
    if (const auto* refused = std::get_if<wire::Refused>(&*m)) {
        return fail(refused->reason == wire::Refusal::WrongCode ? NetworkProblem::WrongCode
                    : refused->reason == wire::Refusal::Busy    ? NetworkProblem::Busy
                                                                : NetworkProblem::Incompatible);
    }
    if (const auto* welcome = std::get_if<wire::Welcome>(&*m)) {
        settings_ = welcome->settings;
        peerName_ = QString::fromStdString(welcome->name);
        if (delayChosen) delayChosen(settings_.attackDelay);
        return;
    }
    if (std::holds_alternative<wire::Start>(*m) && settings_.attackDelay > 0) {
        timeout_.stop();
        Connection* c = connection_;
        disconnect(c, nullptr, this, nullptr);
        connection_ = nullptr;
        c->setParent(nullptr);
        if (agreed) agreed({settings_, 1, peerName_, c});
        return;
    }
    fail(NetworkProblem::Incompatible);
}

void NetworkSession::send(const wire::Message& message) {
    if (!connection_) return;
    const std::vector<uint8_t> bytes = wire::encode(message);
    connection_->send(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size())));
}

void NetworkSession::dropGuest() {
    timeout_.stop();
    if (Connection* c = connection_) {
        connection_ = nullptr;
        c->close();
    }
}

void NetworkSession::fail(NetworkProblem p) {
    dropGuest();
    if (problem) problem(p);
}

void NetworkSession::stop() {
    timeout_.stop();
    beacon_.reset();
    listener_.reset();
    if (Connection* c = connection_) {
        connection_ = nullptr;
        disconnect(c, nullptr, this, nullptr);
        c->close();
    }
    settings_.attackDelay = 0;
}

} // namespace kp
