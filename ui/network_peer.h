#pragma once
// The other player of a network match, at the table: the link that plays their board from the
// inputs that come, on the connection that carries them. It sends this side's inputs at least
// every 40 ms, and tells the match view when the other side's inputs came, and when the match
// can go no further: the other player left, went silent for 10 s, or the two computers no longer
// agree.

#include "engine/link.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace kp {

class Connection;

class NetworkPeer : public QObject {
  public:
    enum class End { Left, Silent, OutOfStep, BadMessage };
    static constexpr int FlushPeriod = 40;        // ms between two batches
    static constexpr int LongestSilence = 10'000; // ms

    // Takes the connection.
    NetworkPeer(Match& match, int own, Connection* connection, QObject* parent);
    ~NetworkPeer() override;

    Link& link() { return link_; }
    // Tells the other side this one leaves, and closes the connection.
    void leave();
    // The link sends what is new now (after a key, at once).
    void flush();
    bool ended() const { return ended_; }
    // The bytes each way so far (the messages' own, without the WebSocket's framing).
    qint64 bytesSent() const;
    qint64 bytesReceived() const;

    std::function<void()> heard; // the other side's inputs came
    std::function<void(End)> over;

  private:
    void end(End why);

    Match& match_;
    int own_;
    Link link_;
    QPointer<Connection> connection_;
    QTimer flush_;
    QElapsedTimer quiet_;
    bool ended_ = false;
};

} // namespace kp
