#pragma once
// What the joining player types to reach a friend's game ("192.168.1.20", "pc-kitchen:47480",
// "[fe80::1%eth0]:47470"), made into a host and a port before anything is looked up, so that a
// typing mistake is told at once rather than after a failed connection.

#include <QHostAddress>
#include <QString>

#include <optional>

namespace kp {

// The port a hosted game listens on, unless another program already holds it.
inline constexpr quint16 GamePort = 47470;

struct Address {
    QString host; // a name, or an IPv4 or IPv6 address (without brackets, with its %zone)
    quint16 port = GamePort;
};

// Accepts a name, an IPv4 address or an IPv6 address (bare, or in brackets to be followed by
// a port), each with an optional ":port", surrounding blanks trimmed. A bare IPv6 address
// cannot carry a port: its colons would make "::1:5" ambiguous. None for empty text, a port
// of 0 or over 65535, or anything that is neither a name nor an address.
std::optional<Address> parseAddress(const QString& text, quint16 defaultPort);

// A dual-stack socket reports an IPv4 peer as ::ffff:a.b.c.d; the players know it as a.b.c.d.
QHostAddress plainAddress(const QHostAddress& address);

} // namespace kp
