#pragma once
// "Duel en réseau...": one player hosts a match with its choices (each side's starting level,
// the rounds to win, whether attacks cancel) and waits, showing where it listens and the code
// to give the friend; the other joins it, from the games found on the local network or by
// address, with that code. The dialog only asks and shows: the network behind it is driven
// through the callbacks, and tells the dialog what happened.

#include "ui/match_choices.h"
#include "ui/network_texts.h"
#include "ui/translations.h"

#include "network/beacon.h"
#include "persistence/settings.h"

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QWidget;

namespace kp {

class NetworkDialog : public Translated<QDialog> {
  public:
    explicit NetworkDialog(QWidget* parent = nullptr);

    // The host's match choices; the opponent goes through unchanged (the friend is the one).
    void setChoice(const DuelSettings& duel);
    DuelSettings choice() const;
    // Join: the games on the local network, as they come and go.
    void setFound(const std::vector<FoundGame>& games);
    // Join: what was typed, the address trimmed and the code in capitals without separators.
    QString address() const;
    QString code() const;
    void setAddress(const QString& address);
    // Host: listening, on these addresses and port, for a friend with this code.
    void showHosting(const QStringList& addresses, quint16 port, const QString& code);
    // Host: the delay the attacks take to arrive, once measured.
    void showDelay(int ms);
    // What went wrong, in one sentence; what was typed stays. A join being tried ends; hosting
    // ends only when the port could not be had (the other problems come from a friend's try,
    // and the host goes on waiting).
    void showProblem(NetworkProblem problem);
    // Join: a connection is being tried (until a problem, or the dialog is accepted).
    void showConnecting();

    // The host button pressed, or pressed again to stop (closing the dialog while hosting
    // stops too).
    std::function<void()> hostAsked, hostCancelled;
    // The join button pressed, with what was typed.
    std::function<void(QString address, QString code)> joinAsked;

    void reject() override;

  protected:
    void retranslate() override;

  private:
    QWidget* makeHostPage();
    QWidget* makeJoinPage();
    void showPage(int page);
    void pressHost();
    void join();
    void chooseFound();
    void stopHosting();
    // Which buttons and choices answer, and what the changing lines say, for what is going on
    // now, in the language in use.
    void showState();

    QRadioButton* hostChoice_;
    QRadioButton* joinChoice_;
    QStackedWidget* pages_;
    // Host.
    std::unique_ptr<MatchChoices> choices_;
    DuelSettings duel_;
    QWidget* waiting_;
    QLabel* waitingLine_;
    QLabel* addresses_;
    QLabel* port_;
    QLabel* codeTitle_;
    QLabel* code_;
    QLabel* delay_;
    QPushButton* hostButton_;
    // Join.
    QLabel* foundLabel_;
    QListWidget* found_;
    std::vector<FoundGame> games_;
    QLabel* addressLabel_;
    QLineEdit* address_;
    QLabel* codeLabel_;
    QLineEdit* codeField_;
    QPushButton* joinButton_;
    // Both.
    QLabel* status_;
    QPushButton* close_;
    bool hosting_ = false;
    bool connecting_ = false;
    // What the status line says, to word it again in another language.
    enum class Status { None, Problem, Connecting } statusKind_ = Status::None;
    NetworkProblem problem_ = NetworkProblem::Lost;
    QStringList hostAddresses_;
    quint16 hostPort_ = 0;
    int delayMs_ = -1;
};

} // namespace kp
