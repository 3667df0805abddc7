// A match with a friend on another computer: the dialog where the two games meet, and the
// match that follows in the window.

#include "ui/stages.h"

#include "ui/network_dialog.h"
#include "ui/platform.h"
#include "ui/settings_model.h"

#include "engine/wire.h"
#include "network/address.h"
#include "network/listener.h"
#include "persistence/replay_file.h"

#include <QDateTime>
#include <QDir>
#include <QMainWindow>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cstdio>

namespace kp {

namespace {

MatchSettings settingsOf(const MatchView::Setup& setup) {
    MatchSettings m;
    m.params = setup.params;
    m.options = setup.options;
    m.startLevel = setup.duel.startLevel;
    m.roundsToWin = setup.duel.roundsToWin;
    m.cancelAttacks = setup.duel.cancelAttacks;
    m.seed = setup.seed;
    return m;
}

QString newCode() {
    return QString::fromStdString(wire::joinCode(QRandomGenerator::global()->generate64()));
}

} // namespace

void Stages::chooseNetworkMatch() {
    if (!mayLeaveMatch()) return;
    if (!networkDialog_) networkDialog_ = new NetworkDialog(&p_.window);
    NetworkDialog& dialog = *networkDialog_;
    dialog.setChoice(p_.model.settings().duel);
    network_ = std::make_unique<NetworkSession>();
    NetworkSession& session = *network_;
    std::optional<NetworkSession::Agreed> agreed;
    dialog.setFound(session.found());
    session.foundChanged = [&] { dialog.setFound(session.found()); };
    dialog.hostAsked = [&] {
        const QString code = newCode();
        if (!session.host(settingsOf(newMatch(dialog.choice(), std::nullopt)), GamePort, code))
            return dialog.showProblem(NetworkProblem::PortInUse);
        QStringList addresses;
        for (const QHostAddress& a : Listener::localAddresses()) addresses << a.toString();
        dialog.showHosting(addresses, session.port(), code);
    };
    dialog.hostCancelled = [&] { session.stop(); };
    dialog.joinAsked = [&](const QString& address, const QString& code) {
        dialog.showConnecting();
        session.join(address, code);
    };
    session.problem = [&](NetworkProblem problem) { dialog.showProblem(problem); };
    session.delayChosen = [&](int ms) { dialog.showDelay(ms); };
    session.agreed = [&](const NetworkSession::Agreed& a) {
        agreed = a;
        dialog.accept();
    };
    dialog.exec();
    p_.window.activateWindow();
    network_.reset();
    if (agreed) startNetworkMatch(*agreed, false);
}

void Stages::startNetworkTest(const QString& how) {
    const QStringList words = how.split(u' ', Qt::SkipEmptyParts);
    network_ = std::make_unique<NetworkSession>();
    network_->problem = [](NetworkProblem problem) {
        std::fprintf(stderr, "network: %s\n", qPrintable(networkProblemText(problem)));
    };
    network_->agreed = [this](const NetworkSession::Agreed& a) {
        std::fprintf(stderr, "network: match begins, attack delay %d ms\n", a.settings.attackDelay);
        // Out of the session's own call: it is let go here.
        QMetaObject::invokeMethod(
            &p_.window,
            [this, a] {
                network_.reset();
                startNetworkMatch(a, true);
            },
            Qt::QueuedConnection);
    };
    if (words.size() == 2 && words[0] == u"host") {
        if (!network_->host(settingsOf(newMatch(p_.model.settings().duel, std::nullopt)), 0,
                            words[1].toUpper()))
            return (void)std::fprintf(stderr, "network: no port to listen on\n");
        std::fprintf(stderr, "network: hosting on port %u\n", unsigned(network_->port()));
    } else if (words.size() == 3 && words[0] == u"join") {
        network_->join(words[1], words[2]);
    } else {
        std::fprintf(stderr,
                     "network: KP_NETWORK_TEST is \"host CODE\" or \"join ADDRESS CODE\"\n");
    }
}

void Stages::startNetworkMatch(const NetworkSession::Agreed& agreed, bool computer) {
    MatchView::Setup setup;
    setup.duel = p_.model.settings().duel;
    setup.remote = MatchView::Setup::Remote{agreed.settings, agreed.own, agreed.peerName,
                                            agreed.connection, computer};
    showMatch(setup);
}

// Both computers' records of the match, each kept on its own side, for a bug report.
void Stages::networkFailed(const Recording& recording) {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/out-of-step";
    QDir().mkpath(folder);
    const QString name = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")) +
                         QStringLiteral(".KembrollaReplay");
    const FileResult r = writeReplay(systemPath(folder + u'/' + name), recording);
    std::fprintf(stderr, "network: this side's record of the match: %s%s\n",
                 qPrintable(folder + u'/' + name), r.ok() ? "" : " (could not be written)");
}

} // namespace kp
