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

QLabel* texte(QWidget* parent, const char* name, const QString& text = {}) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

constexpr int HautTitre = 6;     // the title label's top
constexpr int HautTableau = 202; // where the score and beta-testers panels start

} // namespace

AboutPage::AboutPage(QWidget* parent)
    : QWidget(parent), anim_([this](int n) {
          return hasard_ ? hasard_(n) : int(QRandomGenerator::global()->bounded(n));
      }) {
    titre_ = new TitleLabel(this);
    titre_->setObjectName(QStringLiteral("LabelTitre"));
    titre_->setText(QStringLiteral("Kembrolla Panic!"));
    version_ = texte(this, "LabelVersion", QStringLiteral("version 1.8"));
    version_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont italique = version_->font();
    italique.setItalic(true);
    version_->setFont(italique);
    version_->setStyleSheet(QStringLiteral("color: #555a66;"));

    QLabel* freeware = texte(this, "LabelFreeware", QStringLiteral("Freeware"));
    freeware->setStyleSheet(QStringLiteral("color: #6b7080;"));
    freeware->setGeometry(18, 96, 200, 16);
    QLabel* freeware1 = texte(this, "LabelFreeware1", QStringLiteral("FreeWare !"));
    QFont gros = freeware1->font();
    gros.setBold(true);
    gros.setPixelSize(20);
    freeware1->setFont(gros);
    freeware1->setStyleSheet(QStringLiteral("color: #c0322a;"));
    freeware1->setGeometry(18, 112, 260, 26);
    freeware2_ = texte(this, "LabelFreeware2");
    freeware2_->setWordWrap(true);
    freeware2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    freeware2_->setGeometry(18, 140, 272, 34);

    mail_ = new ImageLabel(this);
    mail_->setObjectName(QStringLiteral("ImgMail"));
    mail_->setPixmap(imageTransparente(QStringLiteral(":/dialog/ImgMail")));
    mail_->setGeometry(16, 170, 38, 30);
    // Its caption beside it leads to the same letter.
    mailTexte_ = new ImageLabel(this);
    mailTexte_->setObjectName(QStringLiteral("LabelMail"));
    mailTexte_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mailTexte_->setStyleSheet(QStringLiteral("color: #1c4fb0;"));
    mailTexte_->setGeometry(58, 170, 220, 30);
    for (ImageLabel* lien : {mail_, mailTexte_}) {
        lien->setCursor(curseurMain());
        lien->onEnter = [this] { mail_->setFrameStyle(QFrame::Box | QFrame::Plain); };
        lien->onLeave = [this] { mail_->setFrameStyle(QFrame::NoFrame); };
        lien->onClick = [this] {
            if (onMail) onMail();
        };
    }

    const char* panneaux[2] = {"PanelIcoFrancais", "PanelIcoAnglais"};
    const char* noms[2] = {"LabelIcoFrancais", "LabelIcoAnglais"};
    const char* images[2] = {"ImgIcoFrancais", "ImgIcoAnglais"};
    for (int d = 0; d < 2; ++d) {
        auto* panneau = new QFrame(this);
        panneau->setObjectName(QString::fromLatin1(panneaux[d]));
        panneau->setFrameStyle(QFrame::NoFrame);
        auto* drapeau = new ImageLabel(panneau);
        drapeau->setObjectName(QString::fromLatin1(noms[d]));
        imagesDrapeaux_[d] = imageTransparente(QStringLiteral(":/dialog/%1").arg(images[d]));
        imagesEnfoncees_[d] =
            imageTransparente(QStringLiteral(":/dialog/%1Enfonce").arg(images[d]));
        drapeau->setPixmap(imagesDrapeaux_[d]);
        drapeau->setGeometry(2, 2, 30, 22);
        drapeau->setCursor(curseurMain());
        drapeau->setToolTip(d == 0 ? QStringLiteral("Français") : QStringLiteral("English"));
        drapeau->onEnter = [this, d] { survolDrapeau(d, true); };
        drapeau->onLeave = [this, d] { survolDrapeau(d, false); };
        drapeau->onPress = [this, d] { drapeaux_[d]->setPixmap(imagesEnfoncees_[d]); };
        drapeau->onRelease = [this, d] { drapeaux_[d]->setPixmap(imagesDrapeaux_[d]); };
        drapeau->onClick = [this, d] {
            if (const auto& go = d == 0 ? onFrancais : onAnglais) go();
        };
        panneauxDrapeaux_[d] = panneau;
        drapeaux_[d] = drapeau;
    }

    palmares_ = new ScorePanel(this);
    effacerLabel_ = new LeaderLabel(this);
    effacerLabel_->setObjectName(QStringLiteral("LabelEffacerScores"));
    effacer_ = new QPushButton(this);
    effacer_->setObjectName(QStringLiteral("BtnEffacerScores"));
    effacer_->setAutoDefault(false);
    connect(effacer_, &QPushButton::clicked, this, [this] {
        if (onEffacer) onEffacer();
    });
    testeurs_ = new BetaPanel(this);
    testeurs_->hide();

    clown_ = new ImageLabel(this);
    clown_->setObjectName(QStringLiteral("ImgClown"));
    const QPixmap clown = imageTransparente(QStringLiteral(":/dialog/ImgClown"));
    clown_->setPixmap(clown);
    clown_->setGeometry(QRect(PlaceClown, clown.isNull() ? QSize(76, 104) : clown.size()));
    clown_->setCursor(curseurSelection());
    clown_->onPress = [this] { montrerTesteurs(true); };
    clown_->onRelease = [this] { montrerTesteurs(false); };
    clown_->hide();

    for (int k = 0; k < 3; ++k) {
        smileys_[k] = texte(this, "");
        smileys_[k]->setObjectName(QStringLiteral("ImgSmiley%1").arg(k + 1));
        smileys_[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
        smileys_[k]->resize(TailleSmiley, TailleSmiley);
        smileys_[k]->move(AnimationAPropos::Departs[k], HautTitre - 1);
    }
    timer_.setInterval(AnimationAPropos::Periode);
    connect(&timer_, &QTimer::timeout, this, [this] { TimerAProposTimer(); });
    applyLanguage(0);
}

QString AboutPage::titre() const {
    return titre_->text();
}

QString AboutPage::version() const {
    return version_->text();
}

void AboutPage::resizeEvent(QResizeEvent*) {
    placerPanneaux();
}

void AboutPage::placerPanneaux() {
    const int w = width(), h = height();
    titre_->setGeometry(0, HautTitre, w, 62);
    version_->setGeometry(0, HautTitre + 62, w, 18);
    panneauxDrapeaux_[0]->setGeometry(w - 80, 8, 34, 26);
    panneauxDrapeaux_[1]->setGeometry(w - 42, 8, 34, 26);
    const int basTableau = h - 40;
    palmares_->setGeometry(8, HautTableau, w - 16, basTableau - HautTableau);
    effacerLabel_->setGeometry(10, h - 34, w - 130, 26);
    effacer_->setGeometry(w - 112, h - 35, 104, 28);
    testeurs_->setGeometry(8, HautTableau, w - 16, h - 6 - HautTableau);
}

void AboutPage::survolDrapeau(int drapeau, bool dessus) {
    // The icon under the mouse stands out; the other one lies flat.
    const int autre = 1 - drapeau;
    if (dessus) {
        panneauxDrapeaux_[drapeau]->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panneauxDrapeaux_[autre]->setFrameStyle(QFrame::NoFrame);
    } else {
        panneauxDrapeaux_[drapeau]->setFrameStyle(QFrame::NoFrame);
    }
}

void AboutPage::montrerTesteurs(bool montrer) {
    testeurs_->setVisible(montrer);
    palmares_->setVisible(!montrer);
    effacerLabel_->setVisible(!montrer);
    effacer_->setVisible(!montrer);
}

void AboutPage::demarrerAnimation() {
    anim_.demarrer(HautTitre, PlaceClown.x(), PlaceClown.y());
    appliquerAnimation();
    smileys_[anim_.devant()]->raise();
    montrerTesteurs(false);
    timer_.start();
}

void AboutPage::TimerAProposTimer() {
    anim_.tick();
    appliquerAnimation();
}

void AboutPage::appliquerAnimation() {
    clown_->setVisible(anim_.clownVisible());
    for (int k = 0; k < 3; ++k) {
        const AnimationAPropos::Smiley& s = anim_.smileys()[k];
        smileys_[k]->move(s.left, s.top);
        if (images_) smileys_[k]->setPixmap(images_(s.couleur, s.phase));
    }
}

void AboutPage::afficherPalmares(const ScoreTable& table, const std::array<int32_t, 5>& couleurs) {
    palmares_->afficher(table, couleurs);
}

void AboutPage::applyLanguage(int language) {
    freeware2_->setText(dialogCaption("LabelFreeware2", language));
    mail_->setToolTip(dialogCaption("LabelMail", language));
    mailTexte_->setText(dialogCaption("LabelMail", language));
    effacerLabel_->setText(dialogCaption("LabelEffacerScores", language));
    effacer_->setText(dialogCaption("BtnEffacerScores", language));
    palmares_->applyLanguage(language);
    testeurs_->applyLanguage(language);
}

} // namespace kp
