#pragma once
// What a network match says to the player, in the language in use: why a connection could not
// be made or was lost, and the lines the match shows while it plays. The network reports a
// problem by its kind; the words are the window's.

#include <QString>

namespace kp {

enum class NetworkProblem {
    WrongCode,    // the host was found, but the code typed is not its code
    Refused,      // nothing listens at that address and port
    HostNotFound, // the name does not resolve
    TimedOut,     // the other computer never answered
    Incompatible, // another version of the game, whose matches would not agree
    Busy,         // the host already plays with someone
    BadAddress,   // what was typed is no name or address
    PortInUse,    // the host cannot listen: another program has the port
    Lost,         // the connection broke after it was made
};

// One sentence for a problem.
QString networkProblemText(NetworkProblem problem);

// The match's lines: the other side's inputs come late, the two simulations disagree.
QString slowConnectionText();
QString outOfStepText();
// The other player, by name, has left the match or paused it.
QString playerLeftText(const QString& name);
QString playerPausedText(const QString& name);
// The host's line until someone joins.
QString waitingForPlayerText();

} // namespace kp
