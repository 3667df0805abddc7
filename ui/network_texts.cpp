#include "ui/network_texts.h"

#include <QCoreApplication>

namespace kp {

namespace {
QString text(const char* source) {
    return QCoreApplication::translate("Network", source);
}
} // namespace

QString networkProblemText(NetworkProblem problem) {
    switch (problem) {
    case NetworkProblem::WrongCode:
        return text(QT_TRANSLATE_NOOP("Network", "The code does not match this game."));
    case NetworkProblem::Refused:
        return text(QT_TRANSLATE_NOOP(
            "Network", "The connection was refused: no game is waiting at that address."));
    case NetworkProblem::HostNotFound:
        return text(QT_TRANSLATE_NOOP("Network", "That address could not be found."));
    case NetworkProblem::TimedOut:
        return text(QT_TRANSLATE_NOOP("Network", "The other computer does not answer."));
    case NetworkProblem::Incompatible:
        return text(QT_TRANSLATE_NOOP(
            "Network", "The other game is another version and cannot play with this one."));
    case NetworkProblem::Busy:
        return text(QT_TRANSLATE_NOOP("Network", "That game already has an opponent."));
    case NetworkProblem::BadAddress:
        return text(QT_TRANSLATE_NOOP("Network", "Type a name or an address, and the port if "
                                                 "needed (for example 192.168.1.20:47470)."));
    case NetworkProblem::PortInUse:
        return text(
            QT_TRANSLATE_NOOP("Network", "Cannot wait for a player: the port is already taken."));
    case NetworkProblem::Lost:
        return text(QT_TRANSLATE_NOOP("Network", "The connection to the other player was lost."));
    }
    return {};
}

QString slowConnectionText() {
    return text(QT_TRANSLATE_NOOP("Network", "slow connection..."));
}

QString outOfStepText() {
    return text(QT_TRANSLATE_NOOP("Network", "the match went out of step"));
}

QString playerLeftText(const QString& name) {
    return text(QT_TRANSLATE_NOOP("Network", "%1 left the match.")).arg(name);
}

QString playerPausedText(const QString& name) {
    return text(QT_TRANSLATE_NOOP("Network", "%1 paused the match.")).arg(name);
}

QString waitingForPlayerText() {
    return text(QT_TRANSLATE_NOOP("Network", "Waiting for a player..."));
}

} // namespace kp
