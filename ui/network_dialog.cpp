#include "ui/network_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QValidator>

namespace kp {

namespace {

QString text(const char* source) {
    return QCoreApplication::translate("Network", source);
}

// The host's code: six characters that cannot be misread for one another (no 0 or O, no 1
// or I), read out over the phone or typed from a chat in either case, with or without the
// spaces and dashes people put in to read it in halves.
constexpr int CodeLength = 6;
constexpr QLatin1StringView CodeAlphabet("ABCDEFGHJKLMNPQRSTUVWXYZ23456789");

class CodeValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        QString code;
        int at = 0;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input[i].toUpper();
            if (c == u' ' || c == u'-') continue;
            if (!CodeAlphabet.contains(c)) return Invalid;
            code += c;
            if (i < pos) ++at;
        }
        if (code.size() > CodeLength) return Invalid;
        input = code;
        pos = at;
        return code.size() == CodeLength ? Acceptable : Intermediate;
    }
};

// "host:port", an IPv6 address in brackets so that its own colons are not read as the port's.
QString addressOf(const FoundGame& game) {
    const QString text = game.address.toString();
    const QString host = text.contains(u':') ? QStringLiteral("[%1]").arg(text) : text;
    return game.port == 0 ? host : QStringLiteral("%1:%2").arg(host).arg(game.port);
}

enum Page { HostPage, JoinPage };

} // namespace

NetworkDialog::NetworkDialog(QWidget* parent) : Translated(parent) {
    setObjectName(QStringLiteral("FormDuelReseau"));
    setWindowTitle(QStringLiteral("Kembrolla Panic!"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 12);
    auto* choice = new QHBoxLayout;
    hostChoice_ = new QRadioButton(this);
    hostChoice_->setObjectName(QStringLiteral("HostChoice"));
    joinChoice_ = new QRadioButton(this);
    joinChoice_->setObjectName(QStringLiteral("JoinChoice"));
    choice->addWidget(hostChoice_);
    choice->addWidget(joinChoice_);
    choice->addStretch();
    layout->addLayout(choice);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(makeHostPage());
    pages_->addWidget(makeJoinPage());
    layout->addWidget(pages_);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusLine"));
    status_->setWordWrap(true);
    layout->addSpacing(6);
    layout->addWidget(status_);
    layout->addSpacing(6);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    hostButton_ = new QPushButton(this);
    hostButton_->setObjectName(QStringLiteral("HostButton"));
    joinButton_ = new QPushButton(this);
    joinButton_->setObjectName(QStringLiteral("JoinButton"));
    close_ = new QPushButton(this);
    close_->setAutoDefault(false);
    for (QPushButton* b : {hostButton_, joinButton_, close_}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(hostButton_, &QPushButton::clicked, this, [this] { pressHost(); });
    connect(joinButton_, &QPushButton::clicked, this, [this] { join(); });
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(hostChoice_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) showPage(HostPage);
    });
    connect(joinChoice_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) showPage(JoinPage);
    });
    setChoice({});
    setFound({});
    hostChoice_->setChecked(true);
    retranslate();
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* NetworkDialog::makeHostPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 6, 0, 0);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    choices_ = std::make_unique<MatchChoices>(page, form);
    layout->addLayout(form);
    layout->addWidget(choices_->cancelAttacks());

    // Shown while hosting; where the friend is to come, once the game listens.
    waiting_ = new QWidget(page);
    waiting_->setObjectName(QStringLiteral("Waiting"));
    auto* lines = new QVBoxLayout(waiting_);
    lines->setContentsMargins(0, 8, 0, 0);
    waitingLine_ = new QLabel(waiting_);
    addresses_ = new QLabel(waiting_);
    addresses_->setWordWrap(true);
    port_ = new QLabel(waiting_);
    codeTitle_ = new QLabel(waiting_);
    code_ = new QLabel(waiting_);
    code_->setObjectName(QStringLiteral("CodeShown"));
    QFont big = code_->font();
    big.setPointSize(big.pointSize() * 2 + 4);
    big.setBold(true);
    big.setLetterSpacing(QFont::AbsoluteSpacing, big.pointSize() / 3.0);
    code_->setFont(big);
    code_->setAlignment(Qt::AlignCenter);
    // A code to paste into a message to the friend.
    code_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    delay_ = new QLabel(waiting_);
    for (QLabel* l : {waitingLine_, addresses_, port_, codeTitle_, code_, delay_})
        lines->addWidget(l);
    for (QLabel* l : {addresses_, port_, delay_})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(waiting_);
    layout->addStretch();
    return page;
}

QWidget* NetworkDialog::makeJoinPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 6, 0, 0);
    foundLabel_ = new QLabel(page);
    found_ = new QListWidget(page);
    found_->setObjectName(QStringLiteral("FoundGames"));
    found_->setMinimumWidth(340);
    found_->setFixedHeight(6 * found_->fontMetrics().height() + 8);
    foundLabel_->setBuddy(found_);
    layout->addWidget(foundLabel_);
    layout->addWidget(found_);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    addressLabel_ = new QLabel(page);
    address_ = new QLineEdit(page);
    address_->setObjectName(QStringLiteral("AddressField"));
    address_->setMaxLength(300);
    addressLabel_->setBuddy(address_);
    form->addRow(addressLabel_, address_);
    codeLabel_ = new QLabel(page);
    codeField_ = new QLineEdit(page);
    codeField_->setObjectName(QStringLiteral("CodeField"));
    codeField_->setValidator(new CodeValidator(codeField_));
    QFont fixed = codeField_->font();
    fixed.setFamily(QStringLiteral("monospace"));
    fixed.setStyleHint(QFont::Monospace);
    codeField_->setFont(fixed);
    codeLabel_->setBuddy(codeField_);
    form->addRow(codeLabel_, codeField_);
    layout->addLayout(form);
    layout->addStretch();
    connect(found_, &QListWidget::currentItemChanged, this, [this] { chooseFound(); });
    // A double click, or Enter, on a game joins it once the code is there.
    connect(found_, &QListWidget::itemActivated, this, [this] {
        chooseFound();
        if (joinButton_->isEnabled()) join();
    });
    for (QLineEdit* field : {address_, codeField_})
        connect(field, &QLineEdit::textChanged, this, [this] { showState(); });
    return page;
}

void NetworkDialog::setChoice(const DuelSettings& duel) {
    duel_ = duel;
    choices_->set(duel);
}

DuelSettings NetworkDialog::choice() const {
    return choices_->get(duel_);
}

// The list is filled again as games come and go; the one chosen stays chosen, and choosing
// is the player's alone: refilling never writes the address.
void NetworkDialog::setFound(const std::vector<FoundGame>& games) {
    const int row = found_->currentRow();
    const QString chosen =
        row >= 0 && row < int(games_.size()) ? addressOf(games_[size_t(row)]) : QString();
    games_ = games;
    const QSignalBlocker quiet(found_);
    found_->clear();
    for (const FoundGame& game : games_) {
        const QString where = addressOf(game);
        found_->addItem(game.name.isEmpty() ? where : game.name + QStringLiteral("  —  ") + where);
        if (where == chosen) found_->setCurrentRow(found_->count() - 1);
    }
    if (games_.empty()) {
        found_->addItem(QString());
        found_->item(0)->setFlags(Qt::NoItemFlags);
    }
    showState();
}

void NetworkDialog::chooseFound() {
    const int row = found_->currentRow();
    if (row < 0 || row >= int(games_.size())) return;
    setAddress(addressOf(games_[size_t(row)]));
    codeField_->setFocus();
}

QString NetworkDialog::address() const {
    return address_->text().trimmed();
}

QString NetworkDialog::code() const {
    return codeField_->text().toUpper().remove(u' ').remove(u'-');
}

void NetworkDialog::setAddress(const QString& address) {
    address_->setText(address);
}

void NetworkDialog::showHosting(const QStringList& addresses, quint16 port, const QString& code) {
    hosting_ = true;
    hostAddresses_ = addresses;
    hostPort_ = port;
    code_->setText(code);
    showState();
}

void NetworkDialog::showDelay(int ms) {
    delayMs_ = ms;
    showState();
}

void NetworkDialog::showProblem(NetworkProblem problem) {
    problem_ = problem;
    statusKind_ = Status::Problem;
    connecting_ = false;
    if (problem == NetworkProblem::PortInUse) stopHosting();
    showState();
}

void NetworkDialog::showConnecting() {
    connecting_ = true;
    statusKind_ = Status::Connecting;
    showState();
}

// The dialog opens again as it was left, but for what ended with it: hosting, a join being
// tried, and what the status line said of them.
void NetworkDialog::reject() {
    const bool wasHosting = hosting_;
    stopHosting();
    connecting_ = false;
    statusKind_ = Status::None;
    showState();
    if (wasHosting && hostCancelled) hostCancelled();
    Translated::reject();
}

void NetworkDialog::showPage(int page) {
    pages_->setCurrentIndex(page);
    // What the status line said was about the other page.
    statusKind_ = Status::None;
    hostButton_->setVisible(page == HostPage);
    joinButton_->setVisible(page == JoinPage);
    hostButton_->setDefault(page == HostPage);
    joinButton_->setDefault(page == JoinPage);
    showState();
}

// The status line is set before the callback, which may answer at once with a problem.
void NetworkDialog::pressHost() {
    statusKind_ = Status::None;
    if (hosting_) {
        stopHosting();
        showState();
        if (hostCancelled) hostCancelled();
        return;
    }
    hosting_ = true;
    showState();
    if (hostAsked) hostAsked();
}

void NetworkDialog::join() {
    statusKind_ = Status::None;
    showState();
    if (joinAsked) joinAsked(address(), code());
}

void NetworkDialog::stopHosting() {
    hosting_ = false;
    hostAddresses_.clear();
    hostPort_ = 0;
    delayMs_ = -1;
    code_->clear();
}

void NetworkDialog::showState() {
    const bool busy = hosting_ || connecting_;
    hostChoice_->setEnabled(!busy);
    joinChoice_->setEnabled(!busy);
    choices_->setEnabled(!hosting_);
    waiting_->setVisible(hosting_);
    joinButton_->setEnabled(!connecting_ && !address().isEmpty() &&
                            codeField_->hasAcceptableInput());
    //: The host button while the game waits for a player: it stops waiting.
    const char* const cancel = QT_TRANSLATE_NOOP("Network", "Cancel");
    //: The host button: the game starts waiting for a player.
    const char* const host = QT_TRANSLATE_NOOP("Network", "Host");
    hostButton_->setText(text(hosting_ ? cancel : host));
    waitingLine_->setText(waitingForPlayerText());
    // A line with nothing to say yet is empty as well as hidden.
    auto line = [](QLabel* label, bool shown, const QString& text) {
        label->setText(shown ? text : QString());
        label->setVisible(shown);
    };
    line(addresses_, !hostAddresses_.isEmpty(),
         text(QT_TRANSLATE_NOOP("Network", "This computer: %1"))
             .arg(hostAddresses_.join(QStringLiteral(", "))));
    line(port_, hostPort_ != 0, text(QT_TRANSLATE_NOOP("Network", "Port: %1")).arg(hostPort_));
    codeTitle_->setVisible(!code_->text().isEmpty());
    line(delay_, delayMs_ >= 0,
         text(QT_TRANSLATE_NOOP("Network", "Attack delay: %1 ms")).arg(delayMs_));
    if (games_.empty())
        found_->item(0)->setText(
            text(QT_TRANSLATE_NOOP("Network", "No game found on the local network")));
    switch (statusKind_) {
    case Status::None:
        status_->clear();
        break;
    case Status::Problem:
        status_->setText(networkProblemText(problem_));
        break;
    case Status::Connecting:
        status_->setText(text(QT_TRANSLATE_NOOP("Network", "Connecting...")));
        break;
    }
    status_->setVisible(statusKind_ != Status::None);
}

void NetworkDialog::retranslate() {
    //: The choice at the top: this game waits for a friend's.
    hostChoice_->setText(text(QT_TRANSLATE_NOOP("Network", "&Host")));
    //: The choice at the top: this game goes to a friend's.
    joinChoice_->setText(text(QT_TRANSLATE_NOOP("Network", "&Join")));
    choices_->retranslate();
    codeTitle_->setText(text(QT_TRANSLATE_NOOP("Network", "Code to give your friend:")));
    foundLabel_->setText(text(QT_TRANSLATE_NOOP("Network", "&Games on the local network:")));
    addressLabel_->setText(text(QT_TRANSLATE_NOOP("Network", "&Address:")));
    address_->setPlaceholderText(text(QT_TRANSLATE_NOOP("Network", "name or 192.168.1.20:47470")));
    codeLabel_->setText(text(QT_TRANSLATE_NOOP("Network", "&Code:")));
    codeField_->setPlaceholderText(text(QT_TRANSLATE_NOOP("Network", "6 letters or digits")));
    //: The join button: this game tries to connect to the friend's.
    joinButton_->setText(text(QT_TRANSLATE_NOOP("Network", "Join")));
    close_->setText(text(QT_TRANSLATE_NOOP("Network", "Close")));
    showState();
}

} // namespace kp
