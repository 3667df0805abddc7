#include "ui/about_page.h"
#include "ui/config_dialog.h"
#include "ui/config_page.h"
#include "ui/dialog_captions.h"
#include "ui/keys_page.h"
#include "ui/leader_label.h"
#include "ui/main_window.h"
#include "window_fixture.h"

#include "persistence/settings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace kp {

namespace {

struct Dialog : WindowFixture {
    ConfigDialog* d = nullptr;

    void open() {
        WindowFixture::open();
        d = w->configDialog();
        ASSERT_NE(d, nullptr);
    }
    BoundedSpinEdit* edit(const char* key) { return d->pageConfiguration()->edit(key); }
    template <class T = QWidget> T* child(const char* name) {
        T* c = d->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QString text(const char* name) { return child<QLabel>(name)->text(); }
    bool enabled(int preset) { return d->pageConfiguration()->button(preset)->isEnabled(); }
    // Types into an edit and moves the focus away, as a player would.
    void type(const char* key, const QString& s, bool leave = true) {
        edit(key)->findChild<QLineEdit*>()->setText(s);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        if (leave) QApplication::sendEvent(edit(key), &out);
    }
};

void mouse(QWidget* w, QEvent::Type type) {
    const QPointF at(3, 3);
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
void click(QWidget* w) {
    mouse(w, QEvent::MouseButtonPress);
    mouse(w, QEvent::MouseButtonRelease);
}
void hover(QWidget* w, bool enter) {
    if (enter) {
        QEnterEvent e(QPointF(3, 3), QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)));
        QApplication::sendEvent(w, &e);
    } else {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(w, &e);
    }
}

} // namespace

TEST_F(Dialog, opensFromTheMenusOnTheirTab) {
    open();
    EXPECT_EQ(d->size(), QSize(484, 491));
    EXPECT_EQ(d->windowTitle(), "Kembrolla Panic!");
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(w->action(Item::Help)->shortcut(), QKeySequence(Qt::Key_F1));
    const std::pair<Item, int> items[] = {
        {Item::Configuration, 0}, {Item::KeysAndGamepad, 1}, {Item::Help, 2}, {Item::About, 3}};
    for (const auto& [id, tab] : items) {
        w->action(id)->trigger();
        EXPECT_TRUE(d->isVisible()) << id;
        EXPECT_EQ(d->currentTab(), tab) << id;
        d->close();
        EXPECT_FALSE(d->isVisible()) << id;
    }
    EXPECT_EQ(w->menu(Item::HelpMenu)->title(), "&?");
    EXPECT_EQ(d->tabs()->tabText(3), "A &propos");
}

TEST_F(Dialog, editsHoldWhatIsTypedToTheirBounds) {
    open();
    d->showTab(0);
    for (const ParameterKey& k : ParameterKeys) {
        EXPECT_EQ(edit(k.key.data())->minimum(), k.min) << k.key;
        EXPECT_EQ(edit(k.key.data())->maximum(), k.max) << k.key;
    }
    const std::tuple<const char*, const char*, int> cases[] = {
        {"NbLgn", "150", 99},       {"NbLgn", "3", 5},
        {"NbLgn", "abc", 5},        {"NbLgn", "", 5},
        {"NbLgn", "42", 42},        {"TempoDepart", "50", 100},
        {"TempoDepart", "-7", 100}, {"NbColor", "9", 5},
        {"NbVirusInc", "x1", 0},    {"MinCasesConsecutives", "99999999999999999999", 999}};
    for (const auto& [key, typed, held] : cases) {
        type(key, typed);
        EXPECT_EQ(edit(key)->value(), held) << key << " '" << typed << "'";
        EXPECT_EQ(edit(key)->text(), QString::number(held)) << key;
    }
    // Still being typed when the dialog closes: held the same way, then applied.
    type("NbCol", "500", false);
    platform.answer = true;
    d->close();
    EXPECT_EQ(w->settings().parameters.columns, 99);
}

TEST_F(Dialog, showingDisablesThePresetTheConfigurationMatches) {
    open();
    d->showTab(0);
    EXPECT_FALSE(enabled(1));
    EXPECT_TRUE(enabled(2) && enabled(3) && enabled(4));
    EXPECT_FALSE(d->modified());
    d->close();
    EXPECT_TRUE(platform.questions.empty()) << "nothing changed, nothing to ask";

    w->settingsModel().settle([](Settings& s) { s.parameters = ConfigPage::presets()[2]; });
    d->showTab(0);
    EXPECT_FALSE(enabled(3));
    EXPECT_TRUE(enabled(1) && enabled(2) && enabled(4));
    d->close();

    w->settingsModel().settle([](Settings& s) { s.parameters.smileys = 33; });
    d->showTab(0);
    EXPECT_TRUE(enabled(1) && enabled(2) && enabled(3) && enabled(4));
}

TEST_F(Dialog, presetsFillTheEditsAndAnyChangeEnablesThemAll) {
    open();
    d->showTab(0);
    EXPECT_EQ(child<QPushButton>("BtnConfig4")->text(), "          &w");
    child<QPushButton>("BtnConfig4")->click();
    const LevelParameters p = d->pageConfiguration()->values();
    EXPECT_EQ(p.rows, 30);
    EXPECT_EQ(p.columns, 20);
    EXPECT_EQ(p.smileys, 50);
    EXPECT_EQ(p.smileysPerLevel, 50);
    EXPECT_EQ(p.maxSmileyRows, 25);
    EXPECT_EQ(p.firstFallPeriod, 750);
    EXPECT_EQ(p.colours, 5);
    EXPECT_TRUE(d->modified());
    EXPECT_FALSE(enabled(4));
    EXPECT_TRUE(enabled(1));
    edit("NbLgn")->setValue(29);
    EXPECT_TRUE(enabled(1) && enabled(2) && enabled(3) && enabled(4));
    // Preset 1 is the game's default configuration.
    const LevelParameters fallback;
    for (const ParameterKey& k : ParameterKeys)
        EXPECT_EQ(ConfigPage::presets()[0].*k.field, fallback.*k.field) << k.key;
}

TEST_F(Dialog, closingAfterAPresetAsksEvenForTheSameValuesAndNoKeepsTheGame) {
    open();
    const GameState before = w->board().game().state();
    d->showTab(0);
    child<QPushButton>("BtnConfig2")->click();
    child<QPushButton>("BtnConfig")->click(); // back to the values in use
    platform.answer = false;
    child<QPushButton>("BtnOK")->click();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0],
              "La configuration a été modifiée.\rSi vous l'appliquez, la partie en cours sera "
              "ré-initialisée.\r\rVoulez-vous appliquer la nouvelle configuration ?");
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(w->board().game().state().grid, before.grid) << "the game in progress goes on";

    // The edits drop what was not applied; the next showing reloads the settings.
    d->showTab(0);
    edit("NbLgn")->setValue(40);
    d->close();
    EXPECT_EQ(w->settings().parameters.rows, 18);
    d->showTab(0);
    EXPECT_EQ(edit("NbLgn")->value(), 18);
    EXPECT_FALSE(d->modified());
}

TEST_F(Dialog, panicHidesTheOpenDialogAndBringsItBackUntouched) {
    open();
    d->showTab(0);
    edit("NbCol")->setValue(11);
    d->stepAside(true);
    EXPECT_FALSE(d->isVisible());
    EXPECT_FALSE(d->aboutPage()->animationActive());
    EXPECT_TRUE(platform.questions.empty()) << "hiding is no closing";
    d->stepAside(false);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(edit("NbCol")->value(), 11);
    EXPECT_TRUE(d->modified());
    d->close();
    d->stepAside(true);
    d->stepAside(false);
    EXPECT_FALSE(d->isVisible()) << "a closed dialog stays closed";
}

TEST_F(Dialog, yesAppliesTheValuesAndStartsANewGameOnTheNewBoard) {
    open();
    w->useEnglish();
    w->board().game().skipLevel();
    ASSERT_EQ(w->board().game().state().level, 2);
    d->showTab(0);
    edit("NbLgn")->setValue(12);
    edit("NbCol")->setValue(10);
    edit("NbVirus")->setValue(7);
    platform.answer = true;
    d->close();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_TRUE(platform.questions[0].startsWith("The configuration was modified.\r"));
    EXPECT_EQ(w->settings().parameters.rows, 12);
    EXPECT_EQ(w->board().game().state().params.columns, 10);
    EXPECT_EQ(w->board().game().state().level, 1);
    EXPECT_EQ(w->board().game().state().smileysLeft, 7);
    EXPECT_FALSE(w->board().game().state().cheated);
    EXPECT_EQ(w->board().view()->size(), QSize(10 * 16 + 2, 12 * 16 + 52 + 2));
    EXPECT_EQ(w->board().message()->text(), "Level 1");
}

TEST_F(Dialog, rowsAreMadeConsistentInOrderBeforeApplying) {
    open();
    struct Case {
        int rows, max, bandRows, inc;
        int wantMax, wantLines, wantInc;
    };
    const Case cases[] = {
        {10, 14, 12, 1, 10, 10, 0}, // all three rules, one after the other
        {30, 20, 15, 8, 20, 15, 5}, // only the rows added per level
        {30, 12, 15, 0, 12, 12, 0}, // the first level's rows
        {30, 20, 5, 1, 20, 5, 1},   // nothing to do
    };
    platform.answer = true;
    for (const Case& c : cases) {
        d->showTab(0);
        edit("NbLgn")->setValue(c.rows);
        edit("NbVirusLignesMax")->setValue(c.max);
        edit("NbVirusLignes")->setValue(c.bandRows);
        edit("NbVirusLignesInc")->setValue(c.inc);
        d->close();
        const LevelParameters& p = w->settings().parameters;
        EXPECT_EQ(p.maxSmileyRows, c.wantMax) << c.rows << " " << c.max;
        EXPECT_EQ(p.smileyRows, c.wantLines) << c.rows << " " << c.max;
        EXPECT_EQ(p.smileyRowsPerLevel, c.wantInc) << c.rows << " " << c.max;
    }
}

TEST_F(Dialog, languageSwitchKeepsTheTabAndRewordsTheHelp) {
    open();
    d->showTab(ConfigDialog::HelpTab);
    EXPECT_TRUE(d->help()->toPlainText().contains("PRINCIPES DU JEU :"));
    w->useEnglish();
    EXPECT_EQ(d->currentTab(), ConfigDialog::HelpTab);
    EXPECT_EQ(d->tabs()->tabText(ConfigDialog::HelpTab), "&Help");
    EXPECT_TRUE(d->help()->toPlainText().contains("PRINCIPLES OF THE GAME :"));
    EXPECT_TRUE(d->help()->toPlainText().contains("SCORES  :"));
    d->showTab(ConfigDialog::AboutTab);
    w->useFrench();
    EXPECT_EQ(d->currentTab(), ConfigDialog::AboutTab);
    EXPECT_TRUE(d->help()->toPlainText().contains("Déplacement rapide de la gélule vers le bas"));
    EXPECT_FALSE(d->help()->toPlainText().contains("PRINCIPLES"));
}

// Every text the dialog shows, on each of its tabs (buttons, labels, tooltips, tabs, memos).
QSet<QString> visibleTexts(ConfigDialog* d) {
    QSet<QString> out{d->windowTitle()};
    const int tab = d->currentTab();
    for (int t = 0; t < d->tabs()->count(); ++t) {
        d->tabs()->setCurrentIndex(t);
        out << d->tabs()->tabText(t);
        for (QWidget* c : d->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(d)) continue;
            out << c->toolTip();
            if (auto* l = qobject_cast<QLabel*>(c)) out << l->text();
            if (auto* b = qobject_cast<QAbstractButton*>(c)) out << b->text();
            if (auto* e = qobject_cast<QTextEdit*>(c)) out << e->toPlainText();
        }
    }
    d->tabs()->setCurrentIndex(tab);
    out.remove(QString());
    return out;
}

TEST_F(Dialog, aSwitchLeavesNoTextOfTheOtherLanguage) {
    open();
    // A key refused on the keys page: its reason stays shown, in the new language.
    d->showTab(ConfigDialog::KeysTab);
    d->keysPage()->keySlot(Action::Left, 2)->click();
    QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QApplication::sendEvent(d->keysPage(), &f5);
    d->showTab(ConfigDialog::HelpTab);
    QSet<QString> french, english;
    for (const Caption& c : dialogCaptions())
        if (dialogCaption(c.comment) != QString::fromUtf8(c.source)) {
            french << dialogCaption(c.comment);
            english << QString::fromUtf8(c.source);
        }
    const QSet<QString> inFrench = visibleTexts(d);
    w->useEnglish();
    const QSet<QString> inEnglish = visibleTexts(d);
    // What the French dialog showed and a translation changes must all have gone.
    for (const QString& t : inFrench)
        if (inEnglish.contains(t)) {
            EXPECT_FALSE(french.contains(t)) << t.toStdString();
        }
    for (const QString& t : inEnglish) {
        EXPECT_FALSE(french.contains(t)) << t.toStdString();
        if (t == QString::fromUtf8("Français")) continue; // the flag names its own language
        for (const char* word : {"é", "è", "à", " les ", " des ", " du ", " de "})
            EXPECT_FALSE(t.contains(QString::fromUtf8(word))) << t.toStdString();
    }
    EXPECT_TRUE(inEnglish.contains("General configuration :"));
    EXPECT_TRUE(inEnglish.contains("Number of lines of the play"));
    EXPECT_TRUE(inEnglish.contains(
        "\u201cF5\u201d is already used for \u201cPause\u201d: choose another, or change that one "
        "first."));
    w->useFrench();
    for (const QString& t : visibleTexts(d)) EXPECT_FALSE(english.contains(t)) << t.toStdString();
}

TEST_F(Dialog, scorePanelShowsTheTableInTheSmileyColoursAndErasesOnYesOnly) {
    open();
    w->settingsModel().settle([](Settings& s) {
        s.scores.Entries[0] = {"12", "3", "Aline", " 07 janv. 2024  -  08h05"};
        s.scores.Entries[1] = {"9", "0", "<b>Bob</b>", " 01 févr. 2024  -  21h30"};
        s.smileyColours = {0x0000FF, 0x00FF00, 0xFF0000, 0, 0};
    });
    const ScoreTable& table = w->settings().scores;
    d->showTab(ConfigDialog::AboutTab);
    EXPECT_EQ(text("LabelPalmares"), "Tableau des scores");
    EXPECT_EQ(text("LabelClt"), "Clt");
    EXPECT_EQ(text("Score01_Nom"), "Aline");
    EXPECT_EQ(text("Score01_Niv"), "12");
    EXPECT_TRUE(child<QLabel>("Score01_Niv")->alignment() & Qt::AlignRight);
    EXPECT_EQ(text("LabelBarre1"), "/");
    EXPECT_EQ(text("Score01_Vir"), "3");
    EXPECT_EQ(text("Score01_Dat"), "07 janv. 2024  -  08h05");
    EXPECT_EQ(text("Score02_Nom"), "<b>Bob</b>");
    EXPECT_EQ(child<QLabel>("Score02_Nom")->textFormat(), Qt::PlainText) << "names are no markup";
    EXPECT_EQ(text("Score03_Niv"), "0");
    EXPECT_EQ(text("Score03_Nom"), "");
    EXPECT_EQ(text("LabelClt2"), "2");
    // Ranks and names take the smiley colours 1, 2, 3 (stored 0x00BBGGRR).
    EXPECT_TRUE(child<QLabel>("Score01_Nom")->styleSheet().contains("#ff0000"));
    EXPECT_TRUE(child<QLabel>("LabelClt2")->styleSheet().contains("#00ff00"));
    EXPECT_TRUE(child<QLabel>("Score03_Nom")->styleSheet().contains("#0000ff"));

    platform.answer = false;
    child<QPushButton>("BtnEffacerScores")->click();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0], "Effacer le tableau des scores ?");
    EXPECT_EQ(table.Entries[0].name, "Aline");
    w->useEnglish();
    platform.answer = true;
    child<QPushButton>("BtnEffacerScores")->click();
    EXPECT_EQ(platform.questions.back(), "Erase the table of the scores ?");
    EXPECT_EQ(table, ScoreTable{});
    EXPECT_EQ(text("Score01_Nom"), "");
    EXPECT_EQ(text("Score01_Niv"), "0");
}

TEST_F(Dialog, mailLinkIsOnePercentEncodedUrl) {
    open();
    for (Language language : {Language::French, Language::English}) {
        language == Language::English ? w->useEnglish() : w->useFrench();
        const QUrl url = d->mailLink();
        ASSERT_TRUE(url.isValid());
        EXPECT_EQ(url.scheme(), "mailto");
        EXPECT_EQ(url.path(), ConfigDialog::contactAddress());
        const QByteArray raw = url.toEncoded();
        EXPECT_FALSE(raw.contains(' ')) << raw.toStdString();
        EXPECT_EQ(raw.count('?'), 1) << raw.toStdString();
        EXPECT_EQ(raw.count('&'), 1) << raw.toStdString();
        const QUrlQuery q(url);
        EXPECT_EQ(q.queryItemValue("subject", QUrl::FullyDecoded), "Kembrolla Panic! version 1.8");
        EXPECT_EQ(q.queryItemValue("body", QUrl::FullyDecoded),
                  mailGreeting(language) + "Kembrolla Panic! version 1.8" + mailEnding(language));
    }
    EXPECT_TRUE(QString::fromLatin1(d->mailLink().toEncoded())
                    .startsWith("mailto:kembrolla-panic@example.org?subject=Kembrolla%20Panic%21%"
                                "20version%201.8&body="));
    w->useFrench();
    EXPECT_TRUE(d->mailLink().toEncoded().contains("passionn%C3%A9ment"));
}

TEST_F(Dialog, flagsSwitchTheLanguageAndReactToTheMouse) {
    open();
    d->showTab(ConfigDialog::AboutTab);
    auto* fr = child<QLabel>("LabelIcoFrancais");
    auto* en = child<QLabel>("LabelIcoAnglais");
    auto* panelFr = child<QFrame>("PanelIcoFrancais");
    auto* panelEn = child<QFrame>("PanelIcoAnglais");
    hover(fr, true);
    EXPECT_EQ(panelFr->frameShadow(), QFrame::Raised);
    hover(en, true);
    EXPECT_EQ(panelEn->frameShadow(), QFrame::Raised);
    EXPECT_EQ(panelFr->frameShape(), QFrame::NoFrame);
    const QImage normal = en->pixmap().toImage();
    mouse(en, QEvent::MouseButtonPress);
    EXPECT_NE(en->pixmap().toImage(), normal) << "the pressed picture";
    mouse(en, QEvent::MouseButtonRelease);
    EXPECT_EQ(en->pixmap().toImage(), normal);
    EXPECT_EQ(w->language(), kp::Language::English);
    EXPECT_TRUE(w->action(Item::English)->isChecked());
    EXPECT_EQ(d->currentTab(), ConfigDialog::AboutTab);
    hover(en, false);
    EXPECT_EQ(panelEn->frameShape(), QFrame::NoFrame);
    click(fr);
    EXPECT_EQ(w->language(), kp::Language::French);
    EXPECT_EQ(w->action(Item::NewGame)->text(), "&Nouvelle partie");
}

TEST_F(Dialog, mailFrameFollowsTheMouseAndTheClownHoldsTheBetaTesters) {
    open();
    d->showTab(ConfigDialog::AboutTab);
    auto* mail = child<QLabel>("ImgMail");
    hover(mail, true);
    EXPECT_NE(mail->frameShape(), QFrame::NoFrame);
    hover(mail, false);
    EXPECT_EQ(mail->frameShape(), QFrame::NoFrame);

    auto* clown = child<QLabel>("ImgClown");
    auto* scores = child<QWidget>("PanelPalmares");
    auto* testers = child<QWidget>("PanelBetaTesteurs");
    mouse(clown, QEvent::MouseButtonPress);
    EXPECT_TRUE(testers->isVisibleTo(d) && !scores->isVisibleTo(d));
    EXPECT_EQ(text("LabelBetaTesteurs"), "L'équipe des beta-testeurs");
    QStringList names;
    for (int k = 1; k <= 7; ++k)
        names << text(("LabelTesteur" + QByteArray::number(k)).constData());
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), 7);
    mouse(clown, QEvent::MouseButtonRelease);
    EXPECT_TRUE(scores->isVisibleTo(d) && !testers->isVisibleTo(d));
}

TEST_F(Dialog, smileysFallOntoTheClownsCornerThenTheShowRunsOnce) {
    open();
    AboutPage* page = d->aboutPage();
    page->setPick([](int) { return 0; }); // they all start at once, gently
    d->showTab(ConfigDialog::AboutTab);
    EXPECT_TRUE(page->animationActive());
    const AboutShow& a = page->animation();
    auto* first = child<QLabel>("ImgSmiley1");
    EXPECT_EQ(first->pos(), QPoint(227, 5));
    EXPECT_EQ(a.smileys()[1].left, 158);
    EXPECT_EQ(a.smileys()[2].left, 317);
    EXPECT_FALSE(a.clownVisible());
    EXPECT_FALSE(first->pixmap().isNull());
    int ticks = 0;
    while (!a.allLanded() && ticks < 2000) page->onShowTick(), ++ticks;
    ASSERT_TRUE(a.allLanded());
    for (const auto& s : a.smileys()) EXPECT_EQ(QPoint(s.left, s.top), AboutPage::ClownPlace);
    EXPECT_EQ(first->pos(), AboutPage::ClownPlace);
    EXPECT_EQ(a.sequence(), 1) << "the tick of the last landing is the first step";
    for (int step = 2; step <= 4; ++step) page->onShowTick();
    EXPECT_FALSE(child<QLabel>("ImgClown")->isVisibleTo(d));
    page->onShowTick(); // step 5
    EXPECT_TRUE(child<QLabel>("ImgClown")->isVisibleTo(d));
    QSet<int> faces;
    for (int step = 6; step <= 10; ++step) {
        page->onShowTick();
        faces << a.smileys()[0].phase;
    }
    EXPECT_EQ(faces.size(), 4) << "steps 6 to 10 pull every face";
    page->onShowTick(); // step 11: back on the title
    EXPECT_EQ(first->pos(), QPoint(227, 5));
    for (int step = 12; step <= 16; ++step) page->onShowTick();
    EXPECT_EQ(a.sequence(), 0);
    EXPECT_FALSE(a.allLanded());
    for (int i = 0; i < 100; ++i) page->onShowTick();
    EXPECT_EQ(first->pos(), QPoint(227, 5)) << "with the clown out they stay put";
    d->close();
    EXPECT_FALSE(page->animationActive());
    d->showTab(ConfigDialog::AboutTab);
    EXPECT_FALSE(a.clownVisible()) << "showing again starts over";
}

TEST(AboutAnimation, alwaysEndsWithTheClownWhateverTheDraws) {
    // Whole-pixel bounces can rock between two speeds on the spot instead of reaching 0;
    // such a smiley is at rest too, so the show never waits forever.
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        uint32_t x = seed;
        AboutShow a([&x](int n) {
            x = x * 1103515245u + 12345u;
            return int((x >> 16) % uint32_t(n));
        });
        a.start(6, 20 + int(seed % 7) * 50, 60 + int(seed % 11) * 30);
        int ticks = 0;
        while (!a.clownVisible() && ticks < 3000) a.tick(), ++ticks;
        EXPECT_TRUE(a.clownVisible()) << "seed " << seed;
    }
}

TEST(LeaderLabel, wrapsLongTextsAndEndsTheLastLineWithStops) {
    LeaderLabel label;
    label.setText("Nombre de lignes supplémentaires sur lesquelles placer les smileys");
    label.resize(200, label.heightForWidth(200));
    const QStringList lines = label.lines(200);
    EXPECT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(' '), label.text());
    const QFontMetrics fm(label.font());
    for (const QString& l : lines) EXPECT_LE(fm.horizontalAdvance(l), 200) << l.toStdString();
    EXPECT_GE(label.leaderLength(), 3);
    label.setText("Nombre de smileys");
    label.resize(400, label.heightForWidth(400));
    EXPECT_EQ(label.lines(400).size(), 1);
    EXPECT_GT(label.leaderLength(), 20);
}

} // namespace kp
