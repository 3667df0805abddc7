#include "network/address.h"

#include <QUrl>

#include <cctype>

namespace kp {

namespace {

std::optional<quint16> parsePort(const QString& text) {
    if (text.isEmpty() || text.size() > 5) return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9') return std::nullopt;
    const int port = text.toInt();
    if (port < 1 || port > 65535) return std::nullopt;
    return static_cast<quint16>(port);
}

bool isIPv6(const QString& text) {
    QHostAddress address;
    return address.setAddress(text) && address.protocol() == QHostAddress::IPv6Protocol;
}

// Digits and dots only must be a whole dotted quad: Qt, like inet_aton, would take "10.1" for
// 10.0.0.1, which is more likely a typing mistake than a wish.
bool isIPv4(const QString& text) {
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4) return false;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3) return false;
        for (QChar c : part)
            if (c < u'0' || c > u'9') return false;
        if (part.toInt() > 255) return false;
    }
    return true;
}

bool isDigitsAndDots(const QString& text) {
    for (QChar c : text)
        if (c != u'.' && (c < u'0' || c > u'9')) return false;
    return true;
}

// A host name as the resolver takes it: labels of letters, digits, hyphens and underscores
// (which some home networks' names carry), a name in another script through its ASCII form; no
// label empty, over 63 or edged with a hyphen.
bool isHostName(const QString& text) {
    const QByteArray ace = QUrl::toAce(text);
    if (ace.isEmpty() || ace.size() > 253) return false;
    const QByteArray name = ace.endsWith('.') ? ace.chopped(1) : ace;
    for (const QByteArray& label : name.split('.')) {
        if (label.isEmpty() || label.size() > 63) return false;
        if (label.startsWith('-') || label.endsWith('-')) return false;
        for (char c : label)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') return false;
    }
    return true;
}

bool isHost(const QString& text) {
    return isDigitsAndDots(text) ? isIPv4(text) : isHostName(text);
}

} // namespace

std::optional<Address> parseAddress(const QString& text, quint16 defaultPort) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return std::nullopt;

    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        if (close < 0) return std::nullopt;
        const QString host = trimmed.mid(1, close - 1);
        const QString rest = trimmed.mid(close + 1);
        if (!isIPv6(host)) return std::nullopt;
        if (rest.isEmpty()) return Address{host, defaultPort};
        if (!rest.startsWith(u':')) return std::nullopt;
        const auto port = parsePort(rest.mid(1));
        if (!port) return std::nullopt;
        return Address{host, *port};
    }

    const qsizetype colons = trimmed.count(u':');
    if (colons > 1) {
        if (!isIPv6(trimmed)) return std::nullopt;
        return Address{trimmed, defaultPort};
    }
    if (colons == 1) {
        const qsizetype colon = trimmed.indexOf(u':');
        const QString host = trimmed.left(colon);
        const auto port = parsePort(trimmed.mid(colon + 1));
        if (!port || !isHost(host)) return std::nullopt;
        return Address{host, *port};
    }
    if (!isHost(trimmed)) return std::nullopt;
    return Address{trimmed, defaultPort};
}

QHostAddress plainAddress(const QHostAddress& address) {
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    if (mapped && address.protocol() == QHostAddress::IPv6Protocol) return QHostAddress(ipv4);
    return address;
}

} // namespace kp
