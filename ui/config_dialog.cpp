#include "config_dialog.h"

#include "ui/about_page.h"
#include "ui/config_page.h"
#include "ui/dialog_captions.h"
#include "ui/file_messages.h"
#include "ui/keys_page.h"
#include "ui/platform.h"
#include "ui/records.h"
#include "ui/replay_player.h"
#include "ui/score_panel.h"
#include "ui/settings_model.h"
#include "ui/statistics_page.h"

#include "engine/cells.h"
#include "persistence/scores.h"
#include "render/sprites.h"

#include <QCoreApplication>
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
constexpr int DialogWidth = 484, DialogHeight = 491;
const char* const tabIds[4] = {"TabConfiguration", "TabTouches", "TabAide", "TabAPropos"};
} // namespace

ConfigDialog::ConfigDialog(Services services, Platform& platform, QWidget* window)
    : Translated(window, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint),
      services_(std::move(services)), platform_(platform) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Kembrolla Panic!"));
    setModal(false);
    setFixedSize(DialogWidth, DialogHeight);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl"));
    tabs_->setGeometry(6, 6, DialogWidth - 12, DialogHeight - 46);

    config_ = new ConfigPage;
    config_->setObjectName(QStringLiteral("PageConfiguration"));
    tabs_->addTab(config_, QString());

    keys_ = new KeysPage;
    keys_->setObjectName(QStringLiteral("PageTouches"));
    keys_->onChanged = [this](const Controls& c) {
        services_.settings.changeControls(c);
        keys_->setControls(services_.settings.settings().controls);
        keys_->showGamepad(services_.gamepadName());
    };
    tabs_->addTab(keys_, QString());

    auto* helpPage = new QWidget;
    helpPage->setObjectName(QStringLiteral("PageAide"));
    auto* grid = new QGridLayout(helpPage);
    grid->setContentsMargins(0, 0, 0, 0);
    help_ = new QTextEdit(helpPage);
    help_->setObjectName(QStringLiteral("MemoAide"));
    help_->setReadOnly(true);
    help_->setFrameStyle(QFrame::NoFrame);
    help_->document()->setDocumentMargin(10);
    grid->addWidget(help_, 0, 0);
    tabs_->addTab(helpPage, QString());

    about_ = new AboutPage;
    about_->setObjectName(QStringLiteral("PageAPropos"));
    about_->setImages([this](int colour, int phase) {
        const QImage* sprite = services_.sprites.sprite(smileyCode(colour, phase));
        if (!sprite || sprite->isNull()) return QPixmap();
        return QPixmap::fromImage(sprite->scaled(AboutPage::SmileySize, AboutPage::SmileySize,
                                                 Qt::IgnoreAspectRatio, Qt::FastTransformation));
    });
    about_->onMail = [this] { openMail(); };
    about_->onFrench = [this] {
        services_.settings.changeLanguage(static_cast<int32_t>(Language::French));
    };
    about_->onEnglish = [this] {
        services_.settings.changeLanguage(static_cast<int32_t>(Language::English));
    };
    about_->onErase = [this] { eraseScoresClicked(); };
    tabs_->addTab(about_, QString());
    about_->scorePanel()->onWatch = [this](int rank) {
        services_.replays.watchScore(
            services_.settings.settings().scores.Entries[static_cast<size_t>(rank)]);
        parentWidget()->activateWindow();
    };

    statistics_ = new StatisticsPage;
    statistics_->setObjectName(QStringLiteral("PageStatistiques"));
    statistics_->onClear = [this] { clearStatisticsClicked(); };
    services_.records.onStatistics = [this](const Statistics& s) {
        statistics_->showStatistics(s);
    };
    // A replay plays on the board, which the dialog would hide.
    services_.replays.onPlaying = [this](bool playing) { stepAside(playing); };
    tabs_->addTab(statistics_, QString());

    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("BtnOK"));
    ok_->setGeometry(DialogWidth - 6 - 92, DialogHeight - 35, 92, 29);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) { tabChanged(tab); });
    retranslate();
}

int ConfigDialog::currentTab() const {
    return tabs_->currentIndex();
}

bool ConfigDialog::modified() const {
    return config_->modified();
}

void ConfigDialog::showTab(int tab) {
    tabs_->setCurrentIndex(std::clamp(tab, 0, int{StatisticsTab}));
    updateScores(); // a score may just have been entered
    if (!isVisible()) {
        if (const QScreen* s = parentWidget()->screen())
            move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
        show();
    }
    raise();
    activateWindow();
}

void ConfigDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (steppedAside_)
        about_->resumeShow(); // back from a panic or a replay: everything as it was left
    else
        firstShow();
}

void ConfigDialog::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    about_->stopShow();
}

void ConfigDialog::stepAside(bool aside) {
    if (aside && isVisible()) {
        steppedAside_ = true;
        hide();
    } else if (!aside && steppedAside_) {
        show();
        steppedAside_ = false;
    }
}

void ConfigDialog::firstShow() {
    tabChanged(currentTab());
    config_->setValues(services_.settings.settings().parameters);
    config_->NoConfig();
    config_->clearModified(); // setting the values above counted as changes
    keys_->setControls(services_.settings.settings().controls);
    keys_->showGamepad(services_.gamepadName());
    about_->startShow();
    updateScores();
}

void ConfigDialog::done(int result) {
    FormClose();
    QDialog::done(result);
}

void ConfigDialog::FormClose() {
    about_->stopShow();
    config_->takeTypedValues(); // a value still being typed counts, held to its bounds
    if (!config_->modified()) return;
    // No is the default answer: Enter alone never throws the game in progress away.
    if (!platform_.question(this, applyQuestion(), false)) return;
    config_->makeConsistent();
    services_.settings.changeParameters(config_->values());
}

void ConfigDialog::tabChanged(int tab) {
    if (tab == StatisticsTab) showStatistics();
}

void ConfigDialog::retranslate() {
    for (int i = 0; i < 4; ++i) tabs_->setTabText(i, dialogCaption(tabIds[i]));
    tabs_->setTabText(StatisticsTab, StatisticsPage::tabCaption());
    help_->setHtml(helpText());
    ok_->setText(dialogCaption("BtnOK"));
}

bool ConfigDialog::takePadButton(int button) {
    if (!waitsForPadButton()) return false;
    keys_->takePadButton(button);
    return true;
}

bool ConfigDialog::waitsForPadButton() const {
    return isVisible() && keys_->waitsForPadButton();
}

void ConfigDialog::showGamepad(const std::string& name) {
    keys_->showGamepad(name);
}

void ConfigDialog::updateScores() {
    about_->showScoreTable(services_.settings.settings().scores,
                           services_.settings.settings().smileyColours);
    for (int rank = 0; rank < 3; ++rank)
        about_->scorePanel()->setWatchable(
            rank, services_.records.hasScoreReplay(
                      services_.settings.settings().scores.Entries[static_cast<size_t>(rank)]));
}

// The file may have grown meanwhile: another copy of the game adds its games too.
void ConfigDialog::showStatistics() {
    Statistics s;
    loadStatistics(services_.records.statisticsFile(), s);
    statistics_->showStatistics(s);
}

void ConfigDialog::clearStatisticsClicked() {
    if (!platform_.question(
            this, QCoreApplication::translate("Statistics", "Clear all the statistics?"), false))
        return;
    const FileResult r = clearStatistics(services_.records.statisticsFile());
    if (const QString failed = fileMessage(r); !failed.isEmpty()) platform_.message(this, failed);
    showStatistics();
}

void ConfigDialog::eraseScoresClicked() {
    if (!platform_.question(this, eraseQuestion(), false)) return;
    services_.settings.changeScores([](Settings& s) { eraseScores(s.scores); });
    updateScores();
}

QString ConfigDialog::contactAddress() {
    return QStringLiteral(KP_CONTACT_EMAIL);
}

QUrl ConfigDialog::mailLink() const {
    const QString subject = about_->title() + QLatin1Char(' ') + about_->version();
    const Language language = Translations::inUse();
    const QString body = mailGreeting(language) + subject + mailEnding(language);
    // Every character outside the unreserved set is escaped, so spaces, accents, "&", "?"
    // and "#" can never end the subject or the body early.
    const QByteArray text = "mailto:" + QUrl::toPercentEncoding(contactAddress(), "@") +
                            "?subject=" + QUrl::toPercentEncoding(subject) +
                            "&body=" + QUrl::toPercentEncoding(body);
    return QUrl::fromEncoded(text, QUrl::StrictMode);
}

void ConfigDialog::openMail() {
    QDesktopServices::openUrl(mailLink());
}

} // namespace kp
