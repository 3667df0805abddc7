// What the network tests share: waiting for a signal, and a guest joined to a listener.
#pragma once
#include "network/connection.h"
#include "network/listener.h"

#include <QSignalSpy>

namespace kp {

// Only guards against a hang: the tests wait for the event itself, never for a time.
inline constexpr int Patience = 20000; // ms

inline bool waitFor(QSignalSpy& spy, int count = 1) {
    while (spy.count() < count)
        if (!spy.wait(Patience)) return spy.count() >= count;
    return true;
}

// Opens `guest`'s link to `listener` at a loopback address; the host's end, or null.
inline Connection* join(Listener& listener, Connection& guest, const QString& loopback) {
    QSignalSpy arrived(&listener, &Listener::arrived);
    QSignalSpy opened(&guest, &Connection::opened);
    guest.open(loopback, listener.port());
    if (!waitFor(opened) || !waitFor(arrived)) return nullptr;
    return arrived.at(0).at(0).value<Connection*>();
}

inline Connection::Failure failureOf(const QSignalSpy& failed) {
    return failed.at(0).at(0).value<Connection::Failure>();
}

} // namespace kp
