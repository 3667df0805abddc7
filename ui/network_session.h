#pragma once
// How two games meet before a network match. The host listens, announces itself on the local
// network and waits for a guest who greets it with its code and its rules; it then times a few
// round trips, chooses the attack delay from the slowest, and sends the match's settings and
// the start. The guest connects, greets, answers the round trips and starts when told. Anything
// that goes wrong on the way is one typed problem, for the dialog to word.

#include "ui/network_texts.h"

#include "engine/match.h"
#include "engine/wire.h"
#include "network/beacon.h"
#include "network/connection.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace kp {

class Listener;

// The name a player goes by over the network: the login's, or the computer's.
QString networkName();

class NetworkSession : public QObject {
  public:
    // The match agreed on: its settings (the attack delay among them), the board this game
    // plays (the host 0, the guest 1), the other player's name and the open connection, which
    // the receiver takes.
    struct Agreed {
        MatchSettings settings;
        int own = 0;
        QString peerName;
        Connection* connection = nullptr;
    };
    static constexpr int RoundTrips = 3;
    static constexpr int GreetingTimeout = 5000; // ms for a guest's greeting or the handshake

    explicit NetworkSession(QObject* parent = nullptr);
    ~NetworkSession() override;

    // Host: listens on `port` (or one of the next free ones) for a guest with `code()`; false
    // when no port could be had.
    bool host(const MatchSettings& settings, quint16 port, const QString& code);
    quint16 port() const;
    QString code() const { return code_; }
    // Guest: connects to what was typed and greets with the code.
    void join(const QString& address, const QString& code);
    // Stops hosting or joining; a connection handed over is no longer this session's.
    void stop();

    // The games announced on the local network, as they come and go.
    std::vector<FoundGame> found() const;

    std::function<void(NetworkProblem)> problem;
    std::function<void(int delay)> delayChosen;
    std::function<void(const Agreed&)> agreed;
    std::function<void()> foundChanged;

  private:
    void guestArrived(Connection* connection);
    void hostHeard(const QByteArray& bytes);
    void guestHeard(const QByteArray& bytes);
    void ping();
    void send(const wire::Message& message);
    void fail(NetworkProblem problem);
    void dropGuest();

    MatchSettings settings_;
    QString code_;
    std::unique_ptr<Listener> listener_;
    std::unique_ptr<Beacon> beacon_;
    std::unique_ptr<GameFinder> finder_;
    QPointer<Connection> connection_;
    QString peerName_;
    QElapsedTimer clock_;
    std::vector<int64_t> trips_;
    QTimer timeout_;
    bool greeted_ = false;
};

} // namespace kp
