// The network match's dialog as the player works it: the code that enables joining, a problem
// that leaves what was typed, the games found on the network, and hosting given up when the
// port cannot be had.
#include "ui/network_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace kp {

namespace {
template <class W> W* part(const NetworkDialog& d, const char* name) {
    W* w = d.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}
} // namespace

TEST(NetworkDialog, joinsWithAWellFormedCodeKeepsWhatWasTypedOnAProblemAndFillsFoundGames) {
    NetworkDialog d;
    part<QRadioButton>(d, "JoinChoice")->click();
    auto* address = part<QLineEdit>(d, "AddressField");
    auto* code = part<QLineEdit>(d, "CodeField");
    auto* join = part<QPushButton>(d, "JoinButton");
    ASSERT_TRUE(join->isVisibleTo(&d));

    // Typed or pasted as people write it: any case, in halves; what cannot be a code is refused.
    code->insert("abc-2 3");
    EXPECT_EQ(code->text(), "ABC23");
    EXPECT_FALSE(join->isEnabled()) << "five characters and no address";
    code->insert("4");
    address->insert("   ");
    EXPECT_FALSE(join->isEnabled()) << "blanks are no address";
    address->setText(" 192.168.1.20:47470 ");
    EXPECT_TRUE(join->isEnabled());
    code->insert("5");
    EXPECT_EQ(code->text(), "ABC234") << "no seventh character";
    code->clear();
    for (const char* misread : {"O", "0", "I", "1", "é", "ABCDEFG"}) {
        code->insert(misread);
        EXPECT_EQ(code->text(), "") << misread;
    }
    EXPECT_FALSE(join->isEnabled());
    code->insert("zz9 8x-w");
    EXPECT_TRUE(join->isEnabled());

    QString askedAddress, askedCode;
    d.joinAsked = [&](QString a, QString c) {
        askedAddress = a;
        askedCode = c;
    };
    join->click();
    EXPECT_EQ(askedAddress, "192.168.1.20:47470");
    EXPECT_EQ(askedCode, "ZZ98XW");
    d.showConnecting();
    EXPECT_FALSE(join->isEnabled()) << "one try at a time";
    d.showProblem(NetworkProblem::WrongCode);
    auto* status = part<QLabel>(d, "StatusLine");
    EXPECT_TRUE(status->isVisibleTo(&d));
    EXPECT_EQ(status->text(), networkProblemText(NetworkProblem::WrongCode));
    EXPECT_EQ(d.address(), "192.168.1.20:47470");
    EXPECT_EQ(d.code(), "ZZ98XW");
    EXPECT_TRUE(join->isEnabled()) << "the player may try again";
    d.showConnecting();
    d.reject();
    EXPECT_TRUE(join->isEnabled()) << "closed while trying, the dialog opens ready to try again";
    EXPECT_FALSE(status->isVisibleTo(&d));

    // The list comes and goes under the player's hand; only choosing a game writes the address.
    auto* found = part<QListWidget>(d, "FoundGames");
    ASSERT_EQ(found->count(), 1);
    EXPECT_EQ(found->item(0)->flags(), Qt::NoItemFlags) << "the line that says none is found";
    d.setFound(
        {{"Alice", QHostAddress("192.168.1.5"), 47470}, {"Bob", QHostAddress("fe80::1"), 47471}});
    EXPECT_EQ(d.address(), "192.168.1.20:47470");
    found->setCurrentRow(1);
    EXPECT_EQ(d.address(), "[fe80::1]:47471");
    d.setFound(
        {{"Carol", QHostAddress("10.0.0.2"), 47470}, {"Bob", QHostAddress("fe80::1"), 47471}});
    EXPECT_EQ(found->currentRow(), 1) << "Bob stays chosen";
    address->setText("example.org");
    d.setFound({{"Carol", QHostAddress("10.0.0.2"), 47470}});
    EXPECT_EQ(d.address(), "example.org");
    d.setFound({});
    EXPECT_EQ(found->count(), 1);
    EXPECT_EQ(d.address(), "example.org");
}

TEST(NetworkDialog, hostingEndsWhenThePortIsTakenOrTheDialogCloses) {
    NetworkDialog d;
    auto* host = part<QPushButton>(d, "HostButton");
    auto* join = part<QRadioButton>(d, "JoinChoice");
    int asked = 0, cancelled = 0;
    d.hostAsked = [&] { ++asked; };
    d.hostCancelled = [&] { ++cancelled; };
    const QString idle = host->text();
    host->click();
    EXPECT_EQ(asked, 1);
    EXPECT_NE(host->text(), idle) << "the same button gives up";
    EXPECT_FALSE(join->isEnabled()) << "no joining while hosting";
    d.showProblem(NetworkProblem::PortInUse);
    EXPECT_EQ(host->text(), idle);
    EXPECT_TRUE(join->isEnabled());
    EXPECT_EQ(cancelled, 0) << "nothing to cancel: the game never listened";

    host->click();
    d.showHosting({"192.168.1.20"}, 47470, "ABC234");
    EXPECT_EQ(part<QLabel>(d, "CodeShown")->text(), "ABC234");
    d.showProblem(NetworkProblem::WrongCode); // a friend's try: the host waits on
    EXPECT_NE(host->text(), idle);
    d.reject();
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(host->text(), idle);
}

} // namespace kp
