#include "about_page.h"

#include "ui/about_widgets.h"
#include "ui/dialog_captions.h"
#include "ui/leader_label.h"
#include "ui/score_panel.h"

#include <QFrame>
#include <QPushButton>
#include <QRandomGenerator>

namespace kp {

namespace {

QLabel* text(QWidget* parent, const char* name, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

constexpr int TitleTop = 6;   // the title label's top
constexpr int TableTop = 202; // where the score and beta-testers panels start

} // namespace

AboutPage::AboutPage(QWidget* parent)
    : Translated(parent), show_([this](int n) {
          return pick_ ? pick_(n) : int(QRandomGenerator::global()->bounded(n));
      }) {
    title_ = new TitleLabel(this);
    title_->setObjectName(QStringLiteral("LabelTitre"));
    title_->setText(QStringLiteral("Kembrolla Panic!"));
    version_ = text(this, "LabelVersion", QStringLiteral("version 1.8"));
    version_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont italic = version_->font();
    italic.setItalic(true);
    version_->setFont(italic);
    version_->setStyleSheet(QStringLiteral("color: #555a66;"));

    freeware_ = text(this, "LabelFreeware");
    freeware_->setStyleSheet(QStringLiteral("color: #6b7080;"));
    freeware_->setGeometry(18, 96, 200, 16);
    freeware1_ = text(this, "LabelFreeware1");
    QFont big = freeware1_->font();
    big.setBold(true);
    big.setPixelSize(20);
    freeware1_->setFont(big);
    freeware1_->setStyleSheet(QStringLiteral("color: #c0322a;"));
    freeware1_->setGeometry(18, 112, 260, 26);
    freeware2_ = text(this, "LabelFreeware2");
    freeware2_->setWordWrap(true);
    freeware2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    freeware2_->setGeometry(18, 140, 272, 34);

    mail_ = new ImageLabel(this);
    mail_->setObjectName(QStringLiteral("ImgMail"));
    mail_->setPixmap(transparentImage(QStringLiteral(":/dialog/ImgMail")));
    mail_->setGeometry(16, 170, 38, 30);
    // Its caption beside it leads to the same letter.
    mailText_ = new ImageLabel(this);
    mailText_->setObjectName(QStringLiteral("LabelMail"));
    mailText_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mailText_->setStyleSheet(QStringLiteral("color: #1c4fb0;"));
    mailText_->setGeometry(58, 170, 220, 30);
    for (ImageLabel* link : {mail_, mailText_}) {
        link->setCursor(handCursor());
        link->onEnter = [this] { mail_->setFrameStyle(QFrame::Box | QFrame::Plain); };
        link->onLeave = [this] { mail_->setFrameStyle(QFrame::NoFrame); };
        link->onClick = [this] {
            if (onMail) onMail();
        };
    }

    const char* panels[2] = {"PanelIcoFrancais", "PanelIcoAnglais"};
    const char* names[2] = {"LabelIcoFrancais", "LabelIcoAnglais"};
    const char* images[2] = {"ImgIcoFrancais", "ImgIcoAnglais"};
    for (int d = 0; d < 2; ++d) {
        auto* panel = new QFrame(this);
        panel->setObjectName(QString::fromLatin1(panels[d]));
        panel->setFrameStyle(QFrame::NoFrame);
        auto* flag = new ImageLabel(panel);
        flag->setObjectName(QString::fromLatin1(names[d]));
        flagImages_[d] = transparentImage(QStringLiteral(":/dialog/%1").arg(images[d]));
        pressedImages_[d] = transparentImage(QStringLiteral(":/dialog/%1Enfonce").arg(images[d]));
        flag->setPixmap(flagImages_[d]);
        flag->setGeometry(2, 2, 30, 22);
        flag->setCursor(handCursor());
        flag->setToolTip(d == 0 ? QStringLiteral("Français") : QStringLiteral("English"));
        flag->onEnter = [this, d] { flagHovered(d, true); };
        flag->onLeave = [this, d] { flagHovered(d, false); };
        flag->onPress = [this, d] { flags_[d]->setPixmap(pressedImages_[d]); };
        flag->onRelease = [this, d] { flags_[d]->setPixmap(flagImages_[d]); };
        flag->onClick = [this, d] {
            if (const auto& go = d == 0 ? onFrench : onEnglish) go();
        };
        flagPanels_[d] = panel;
        flags_[d] = flag;
    }

    scores_ = new ScorePanel(this);
    eraseLabel_ = new LeaderLabel(this);
    eraseLabel_->setObjectName(QStringLiteral("LabelEffacerScores"));
    erase_ = new QPushButton(this);
    erase_->setObjectName(QStringLiteral("BtnEffacerScores"));
    erase_->setAutoDefault(false);
    connect(erase_, &QPushButton::clicked, this, [this] {
        if (onErase) onErase();
    });
    testers_ = new BetaPanel(this);
    testers_->hide();

    clown_ = new ImageLabel(this);
    clown_->setObjectName(QStringLiteral("ImgClown"));
    const QPixmap clown = transparentImage(QStringLiteral(":/dialog/ImgClown"));
    clown_->setPixmap(clown);
    clown_->setGeometry(QRect(ClownPlace, clown.isNull() ? QSize(76, 104) : clown.size()));
    clown_->setCursor(selectionCursor());
    clown_->onPress = [this] { showTesters(true); };
    clown_->onRelease = [this] { showTesters(false); };
    clown_->hide();

    for (int k = 0; k < 3; ++k) {
        smileys_[k] = text(this, "");
        smileys_[k]->setObjectName(QStringLiteral("ImgSmiley%1").arg(k + 1));
        smileys_[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
        smileys_[k]->resize(SmileySize, SmileySize);
        smileys_[k]->move(AboutShow::Starts[k], TitleTop - 1);
    }
    timer_.setInterval(AboutShow::Period);
    connect(&timer_, &QTimer::timeout, this, [this] { onShowTick(); });
    retranslate();
}

QString AboutPage::title() const {
    return title_->text();
}

QString AboutPage::version() const {
    return version_->text();
}

void AboutPage::resizeEvent(QResizeEvent*) {
    placePanels();
}

void AboutPage::placePanels() {
    const int w = width(), h = height();
    title_->setGeometry(0, TitleTop, w, 62);
    version_->setGeometry(0, TitleTop + 62, w, 18);
    flagPanels_[0]->setGeometry(w - 80, 8, 34, 26);
    flagPanels_[1]->setGeometry(w - 42, 8, 34, 26);
    const int tableBottom = h - 40;
    scores_->setGeometry(8, TableTop, w - 16, tableBottom - TableTop);
    eraseLabel_->setGeometry(10, h - 34, w - 130, 26);
    erase_->setGeometry(w - 112, h - 35, 104, 28);
    testers_->setGeometry(8, TableTop, w - 16, h - 6 - TableTop);
}

void AboutPage::flagHovered(int flag, bool over) {
    // The icon under the mouse stands out; the other one lies flat.
    const int other = 1 - flag;
    if (over) {
        flagPanels_[flag]->setFrameStyle(QFrame::Panel | QFrame::Raised);
        flagPanels_[other]->setFrameStyle(QFrame::NoFrame);
    } else {
        flagPanels_[flag]->setFrameStyle(QFrame::NoFrame);
    }
}

void AboutPage::showTesters(bool shown) {
    testers_->setVisible(shown);
    scores_->setVisible(!shown);
    eraseLabel_->setVisible(!shown);
    erase_->setVisible(!shown);
}

void AboutPage::startShow() {
    show_.start(TitleTop, ClownPlace.x(), ClownPlace.y());
    applyShow();
    smileys_[show_.front()]->raise();
    showTesters(false);
    timer_.start();
}

void AboutPage::onShowTick() {
    show_.tick();
    applyShow();
}

void AboutPage::applyShow() {
    clown_->setVisible(show_.clownVisible());
    for (int k = 0; k < 3; ++k) {
        const AboutShow::Smiley& s = show_.smileys()[k];
        smileys_[k]->move(s.left, s.top);
        if (images_) smileys_[k]->setPixmap(images_(s.colour, s.phase));
    }
}

void AboutPage::showScoreTable(const ScoreTable& table, const std::array<int32_t, 5>& colours) {
    scores_->showTable(table, colours);
}

void AboutPage::retranslate() {
    freeware_->setText(dialogCaption("LabelFreeware"));
    freeware1_->setText(dialogCaption("LabelFreeware1"));
    freeware2_->setText(dialogCaption("LabelFreeware2"));
    mail_->setToolTip(dialogCaption("LabelMail"));
    mailText_->setText(dialogCaption("LabelMail"));
    eraseLabel_->setText(dialogCaption("LabelEffacerScores"));
    erase_->setText(dialogCaption("BtnEffacerScores"));
}

} // namespace kp
