#include "config_dialog.h"

#include "ui/about_page.h"
#include "ui/config_page.h"
#include "ui/dialog_captions.h"
#include "ui/main_window.h"
#include "ui/platform.h"

#include "engine/cells.h"
#include "persistence/scores.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>

#ifndef KP_CONTACT_EMAIL
#define KP_CONTACT_EMAIL "kembrolla-panic@example.org"
#endif

namespace kp {

namespace {
constexpr int Largeur = 484, Hauteur = 491;
const char* const idsOnglets[3] = {"TabConfiguration", "TabAide", "TabAPropos"};
} // namespace

ConfigDialog::ConfigDialog(MainWindow& main, Platform& platform)
    : QDialog(&main, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      main_(main), platform_(platform) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Kembrolla Panic!"));
    setModal(false);
    setFixedSize(Largeur, Hauteur);

    onglets_ = new QTabWidget(this);
    onglets_->setObjectName(QStringLiteral("PageControl"));
    onglets_->setGeometry(6, 6, Largeur - 12, Hauteur - 46);

    config_ = new ConfigPage;
    config_->setObjectName(QStringLiteral("PageConfiguration"));
    onglets_->addTab(config_, QString());

    auto* pageAide = new QWidget;
    pageAide->setObjectName(QStringLiteral("PageAide"));
    auto* grille = new QGridLayout(pageAide);
    grille->setContentsMargins(0, 0, 0, 0);
    const char* nomsAides[2] = {"MemoAideFrancais", "MemoAideAnglais"};
    for (int l = 0; l < 2; ++l) {
        auto* memo = new QTextEdit(pageAide);
        memo->setObjectName(QString::fromLatin1(nomsAides[l]));
        memo->setReadOnly(true);
        memo->setFrameStyle(QFrame::NoFrame);
        memo->document()->setDocumentMargin(10);
        memo->setHtml(texteAide(l));
        grille->addWidget(memo, 0, 0); // both fill the page; one is shown at a time
        aides_[l] = memo;
    }
    onglets_->addTab(pageAide, QString());

    about_ = new AboutPage;
    about_->setObjectName(QStringLiteral("PageAPropos"));
    about_->setImages([this](int couleur, int phase) {
        const QImage* sprite = main_.sprites().sprite(smileyCode(couleur, phase));
        if (!sprite || sprite->isNull()) return QPixmap();
        return QPixmap::fromImage(sprite->scaled(AboutPage::TailleSmiley, AboutPage::TailleSmiley,
                                                 Qt::IgnoreAspectRatio, Qt::FastTransformation));
    });
    about_->onMail = [this] { ouvrirMail(); };
    about_->onFrancais = [this] { main_.useFrench(); };
    about_->onAnglais = [this] { main_.useEnglish(); };
    about_->onEffacer = [this] { BtnEffacerScoresClick(); };
    onglets_->addTab(about_, QString());

    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    ok_->setGeometry(Largeur - 6 - 92, Hauteur - 35, 92, 29);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    connect(onglets_, &QTabWidget::currentChanged, this, [this](int tab) { ongletChange(tab); });
    applyLanguage(0);
}

int ConfigDialog::currentTab() const {
    return onglets_->currentIndex();
}

bool ConfigDialog::modifie() const {
    return config_->modifie();
}

void ConfigDialog::showTab(int tab) {
    onglets_->setCurrentIndex(std::clamp(tab, 0, 2));
    majPalmares(); // a score may just have been entered
    if (!isVisible()) {
        if (const QScreen* s = main_.screen())
            move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
        show();
    }
    raise();
    activateWindow();
}

void ConfigDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (cachePanic_)
        about_->reprendreAnimation(); // back from a panic: everything as it was left
    else
        firstShow();
}

void ConfigDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    about_->arreterAnimation();
}

void ConfigDialog::hideForPanic(bool cacher) {
    if (cacher && isVisible()) {
        cachePanic_ = true;
        hide();
    } else if (!cacher && cachePanic_) {
        show();
        cachePanic_ = false;
    }
}

void ConfigDialog::firstShow() {
    ongletChange(currentTab());
    config_->setValeurs(main_.settings().parameters);
    config_->NoConfig();
    config_->effacerModifie(); // setting the values above counted as changes
    about_->demarrerAnimation();
    majPalmares();
}

void ConfigDialog::done(int result) {
    FormClose();
    QDialog::done(result);
}

void ConfigDialog::FormClose() {
    about_->arreterAnimation();
    config_->interpreterSaisies(); // a value still being typed counts, held to its bounds
    if (!config_->modifie()) return;
    // No is the default answer: Enter alone never throws the game in progress away.
    if (!platform_.question(this, texteQuestionAppliquer(language_), false)) return;
    config_->rendreCoherent();
    main_.applyConfiguration(config_->valeurs());
}

void ConfigDialog::ongletChange(int tab) {
    // Only the memo of the current language shows, and only on the help tab.
    aides_[0]->setVisible(tab == OngletAide && language_ != 1);
    aides_[1]->setVisible(tab == OngletAide && language_ == 1);
}

void ConfigDialog::applyLanguage(int language) {
    language_ = language;
    const int tab = currentTab();
    for (int i = 0; i < 3; ++i) onglets_->setTabText(i, dialogCaption(idsOnglets[i], language));
    onglets_->setCurrentIndex(tab);
    config_->applyLanguage(language);
    about_->applyLanguage(language);
    ok_->setText(dialogCaption("BtnOK", language));
    ongletChange(tab);
}

void ConfigDialog::majPalmares() {
    about_->afficherPalmares(main_.settings().scores, main_.settings().smileyColours);
}

void ConfigDialog::BtnEffacerScoresClick() {
    if (!platform_.question(this, texteQuestionEffacer(language_), false)) return;
    eraseScores(main_.settings().scores);
    majPalmares();
}

QString ConfigDialog::adresseContact() {
    return QStringLiteral(KP_CONTACT_EMAIL);
}

QUrl ConfigDialog::lienMail() const {
    const QString sujet = about_->titre() + QLatin1Char(' ') + about_->version();
    const QString corps = texteMailBonjour(language_) + sujet + texteMailFin(language_);
    // Every character outside the unreserved set is escaped, so spaces, accents, "&", "?"
    // and "#" can never end the subject or the body early.
    const QByteArray texte = "mailto:" + QUrl::toPercentEncoding(adresseContact(), "@") +
                             "?subject=" + QUrl::toPercentEncoding(sujet) +
                             "&body=" + QUrl::toPercentEncoding(corps);
    return QUrl::fromEncoded(texte, QUrl::StrictMode);
}

void ConfigDialog::ouvrirMail() {
    QDesktopServices::openUrl(lienMail());
}

} // namespace kp
