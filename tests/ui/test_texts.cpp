// Every text the player can see, in French and in English, against the lists in tests/ui/texts/:
// the menus and the pop-up menu, the dialog's tabs with every label, button, box and page, the
// name window, the duel and network dialogs, the message line, and the message boxes'
// sentences. A caption that changes by one byte fails here. KP_WRITE_TEXTS=FOLDER writes the
// lists instead (to take them anew after a change meant to alter a text).
#include "window_fixture.h"

#include "ui/captions.h"
#include "ui/config_dialog.h"
#include "ui/dialog_captions.h"
#include "ui/duel_dialog.h"
#include "ui/file_messages.h"
#include "ui/match_view.h"
#include "ui/name_dialog.h"
#include "ui/network_dialog.h"
#include "ui/statistics_page.h"

#include "ui/keys_page.h"
#include "ui/loading_window.h"
#include "ui/menu_rows.h"
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>

namespace kp {

namespace {

// One line per text: where it shows, a tab, the text with its line breaks written \n.
class Texts {
  public:
    void add(const QString& where, const QString& text) {
        if (text.isEmpty()) return;
        QString t = text;
        t.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\n'), "\\n");
        t.replace(QChar(0x2029), "\\n").replace(QChar(0x2028), "\\n");
        t.replace(QLatin1Char('\r'), "\\r").replace(QLatin1Char('\t'), "\\t");
        lines_.insert(where + QLatin1Char('\t') + t);
    }
    // A window and every widget in it, shown or not (the pages behind other tabs too).
    void addWidget(const QString& where, const QWidget* w) {
        add(where + "/title", w->windowTitle());
        QList<const QWidget*> all{w};
        for (const QWidget* c : w->findChildren<QWidget*>()) all.push_back(c);
        for (const QWidget* c : all) {
            // A dialog the window owns is a window of its own, listed on its own.
            const QWidget* top = c->window();
            if (top != w && !qobject_cast<const QMenu*>(top)) continue;
            add(where + "/tip", c->toolTip());
            if (const auto* l = qobject_cast<const QLabel*>(c)) add(where + "/label", l->text());
            if (const auto* b = qobject_cast<const QAbstractButton*>(c))
                add(where + "/button", b->text());
            if (const auto* g = qobject_cast<const QGroupBox*>(c)) add(where + "/box", g->title());
            if (const auto* t = qobject_cast<const QTabWidget*>(c))
                for (int i = 0; i < t->count(); ++i) add(where + "/tab", t->tabText(i));
            if (const auto* x = qobject_cast<const QComboBox*>(c))
                for (int i = 0; i < x->count(); ++i) add(where + "/choice", x->itemText(i));
            if (const auto* e = qobject_cast<const QTextEdit*>(c))
                add(where + "/page", e->toPlainText());
            if (const auto* e = qobject_cast<const QLineEdit*>(c))
                add(where + "/field", e->placeholderText());
            // (The menu bar's own overflow menu repeats titles the rows show.)
            if (const auto* m = qobject_cast<const QMenu*>(c);
                m && !qobject_cast<const QMenuBar*>(m->parent()))
                addMenu(where + "/menu", m);
        }
    }
    void addMenu(const QString& where, const QMenu* m) {
        add(where, m->title());
        for (const QAction* a : m->actions()) add(where + "/item", a->text());
    }
    QString text() const {
        QString out;
        for (const QString& l : lines_) out += l + QLatin1Char('\n');
        return out;
    }

  private:
    std::set<QString> lines_;
};

// The network dialog idle, hosting, and saying every problem; the lines of a network match.
void addNetworkTexts(Texts& t) {
    NetworkDialog network;
    t.addWidget("network", &network);
    t.add("network/list", network.findChild<QListWidget*>("FoundGames")->item(0)->text());
    network.showHosting({"192.168.1.20", "fe80::1"}, 47470, "ABC234");
    network.showDelay(80);
    network.showConnecting();
    t.addWidget("network", &network);
    for (int p = 0; p <= static_cast<int>(NetworkProblem::Lost); ++p)
        t.add("network/problem", networkProblemText(static_cast<NetworkProblem>(p)));
    for (const QString& line : {slowConnectionText(), outOfStepText(), playerLeftText("Alice"),
                                playerPausedText("Alice")})
        t.add("network/message", line);
}

struct WindowTexts : WindowFixture {
    // Everything shown in the window's current language.
    Texts collect() {
        Texts t;
        for (const auto& [id, a] : w->actions()) t.add("menu/item", a->text());
        t.addWidget("window", w.get());
        ConfigDialog* d = w->configDialog();
        for (int tab = ConfigDialog::ConfigurationTab; tab <= ConfigDialog::StatisticsTab; ++tab) {
            d->showTab(tab);
            QApplication::processEvents();
        }
        t.addWidget("dialog", d);
        d->hide();
        NameDialog name;
        t.addWidget("name", &name);
        DuelDialog duel;
        t.addWidget("duel", &duel);
        addNetworkTexts(t);

        t.add("message", levelMessage(1));
        t.add("message", levelMessage(12));
        t.add("message", pauseMessage());
        t.add("message", lostMessage());
        t.add("message", wonMessage());
        t.add("message", drawMessage());
        t.add("box", applyQuestion());
        t.add("box", eraseQuestion());
        t.add("box", musicFailure());
        t.add("box", unknownPictureMessage("/home/player/picture.jpg"));
        const std::filesystem::path file = "/home/player/.config/kembrolla-panic/k.ini";
        for (int error = 0; error < 134; ++error) t.add("reason", systemReason(error));
        for (FileError e :
             {FileError::Unreadable, FileError::NotAFile, FileError::TooLarge, FileError::ReadOnly,
              FileError::CannotCreate, FileError::CannotWrite, FileError::CannotReplace})
            for (bool writing : {false, true})
                for (int errno_ : {0, ENOSPC}) {
                    t.add("box", fileMessage({e, file, errno_, writing}));
                    FileResult busy{e, file, errno_, writing};
                    busy.lockBusy = true;
                    t.add("box", fileMessage(busy));
                }
        FileResult lockOnly{FileError::None, file, 0, true};
        lockOnly.lockBusy = true;
        t.add("box", fileMessage(lockOnly));
        for (ReplayError e :
             {ReplayError::Unreadable, ReplayError::NotAReplay, ReplayError::NewerVersion,
              ReplayError::Damaged, ReplayError::TooLarge, ReplayError::Diverges})
            for (int p = 0; p <= static_cast<int>(ReplayProblem::Work); ++p) {
                ReplayRead read;
                read.error = e;
                read.problem = static_cast<ReplayProblem>(p);
                read.detail = "X";
                read.file = {FileError::Unreadable, file, EACCES, false};
                t.add("box", replayMessage(read));
            }
        // Those the window says of itself: nothing to watch or save yet, a file that is no
        // saved game.
        platform.messages.clear();
        trigger(Item::WatchLastGame);
        trigger(Item::SaveReplay);
        w->openSavedGame(this->file("not-a-save.txt").toStdString());
        for (const QString& m : platform.messages) t.add("box", m);
        return t;
    }
};

QString expected(const QString& name) {
    QFile f(QStringLiteral(KP_TEXTS_DIR "/") + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST_F(WindowTexts, everyTextIsAsItWasInFrenchAndInEnglish) {
    { std::ofstream(file("not-a-save.txt").toStdString()) << "no saved game\n"; }
    open();
    for (const char* language : {"fr", "en"}) {
        trigger(language == std::string("fr") ? Item::French : Item::English);
        const QString shown = collect().text();
        const QString name = QString::fromLatin1(language) + ".txt";
        if (const char* folder = std::getenv("KP_WRITE_TEXTS")) {
            QFile out(QString::fromLocal8Bit(folder) + "/" + name);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(shown.toUtf8());
            continue;
        }
        const QStringList want = expected(name).split('\n');
        const QStringList got = shown.split('\n');
        // The first line that differs, then the whole count: a message one can act on.
        for (qsizetype i = 0; i < std::min(want.size(), got.size()); ++i)
            ASSERT_EQ(got[i].toStdString(), want[i].toStdString()) << language << " line " << i + 1;
        EXPECT_EQ(got.size(), want.size()) << language;
    }
}

} // namespace kp

namespace kp {

namespace {

// The letter after a caption's "&", lower case; none for a caption without one.
QChar accessKey(const QString& caption) {
    const QString t = QString(caption).replace("&&", "");
    const qsizetype at = t.indexOf('&');
    return at >= 0 && at + 1 < t.size() ? t[at + 1].toLower() : QChar();
}

// The access keys given twice among `captions`, as "x: first | second".
QStringList clashes(const QStringList& captions) {
    std::map<QChar, QString> seen;
    QStringList out;
    for (const QString& c : captions) {
        const QChar k = accessKey(c);
        if (k.isNull()) continue;
        if (const auto it = seen.find(k); it != seen.end())
            out << QString(k) + ": " + it->second + " | " + c;
        else
            seen[k] = c;
    }
    return out;
}

// The visible texts of `top` that do not fit the room their widget has: a label or button
// narrower than its text on one line, or a wrapping label lower than its lines.
QStringList overflowing(const QWidget* top) {
    QStringList out;
    for (const QWidget* c : top->findChildren<QWidget*>()) {
        if (!c->isVisibleTo(top) || c->window() != top->window()) continue;
        QString text;
        int need = 0, room = 0;
        if (const auto* l = qobject_cast<const QLabel*>(c); l && !l->text().isEmpty()) {
            text = l->text();
            if (l->hasHeightForWidth() || l->wordWrap()) {
                need = l->heightForWidth(l->width());
                room = l->height();
            } else {
                need = l->sizeHint().width();
                room = l->width();
            }
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(c);
                   b && !b->text().isEmpty()) {
            text = b->text();
            room = b->width();
            if (qobject_cast<const QPushButton*>(b)) {
                // A push button's hint never goes below the style's least width: its text and
                // icon, and the frame's margins, are what must fit.
                QStyleOptionButton o;
                o.initFrom(b);
                const int frame = b->style()->pixelMetric(QStyle::PM_ButtonMargin, &o, b) +
                                  2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, b);
                need = b->fontMetrics().horizontalAdvance(QString(text).remove('&')) + frame +
                       (b->icon().isNull() ? 0 : b->iconSize().width() + 4);
            } else {
                need = b->sizeHint().width();
            }
        } else if (const auto* x = qobject_cast<const QComboBox*>(c)) {
            // Any choice may be the one shown, in the box's field beside its arrow.
            QStyleOptionComboBox o;
            o.initFrom(x);
            const int field =
                x->style()
                    ->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, x)
                    .width();
            for (int i = 0; i < x->count(); ++i)
                if (const int need = x->fontMetrics().horizontalAdvance(x->itemText(i));
                    need > field)
                    out << QStringLiteral("%1 (%2 > %3)").arg(x->itemText(i)).arg(need).arg(field);
            continue;
        } else if (const auto* table = qobject_cast<const QTableView*>(c)) {
            // Every row in sight, and every title and cell as wide as its column.
            const QHeaderView* h = table->horizontalHeader();
            const auto* view = static_cast<const QAbstractItemView*>(table);
            for (int col = 0; col < h->count(); ++col) {
                const int need = std::max(h->sectionSizeHint(col), view->sizeHintForColumn(col));
                if (need > h->sectionSize(col))
                    out << QStringLiteral("column %1 of %2 (%3 > %4)")
                               .arg(col)
                               .arg(table->objectName())
                               .arg(need)
                               .arg(h->sectionSize(col));
            }
            for (const QScrollBar* bar : {table->horizontalScrollBar(), table->verticalScrollBar()})
                if (bar->isVisibleTo(table)) out << table->objectName() + " scrolls";
            continue;
        } else if (const auto* bar = qobject_cast<const QTabBar*>(c)) {
            for (int i = 0; i < bar->count(); ++i)
                if (bar->tabRect(i).right() >= bar->width())
                    out << "tab " + bar->tabText(i) + " beyond the bar";
            continue;
        } else {
            continue;
        }
        if (need > room) out << QStringLiteral("%1 (%2 > %3)").arg(text).arg(need).arg(room);
    }
    return out;
}

} // namespace

// Alt and a letter reach one item only: in every menu, and on every page of the dialog (its
// tabs and OK button included), no letter serves twice. French and English keep the captions
// they always had, and so do the captions shown alike in every language (the tunes' names).
TEST_F(WindowTexts, noLetterServesTwoItemsOfOneMenuOrPageInTheNewLanguages) {
    open();
    // Each scope's captions, by a name that is the same in every language.
    auto scopes = [this] {
        std::map<std::string, QStringList> out;
        for (const QMenuBar* row : w->menuRows()->rows())
            for (const QAction* a : row->actions()) out["menu bar"] << a->text();
        for (const QMenu* m : w->findChildren<QMenu*>()) {
            if (qobject_cast<const QMenuBar*>(m->parent())) continue; // the bar's overflow
            QStringList& items = out["menu " + std::to_string(reinterpret_cast<uintptr_t>(m))];
            for (const QAction* a : m->actions())
                if (!a->isSeparator() && a->isVisible()) items << a->text();
        }
        ConfigDialog* d = w->configDialog();
        for (int tab = ConfigDialog::ConfigurationTab; tab <= ConfigDialog::StatisticsTab; ++tab) {
            d->showTab(tab);
            QStringList& page = out["tab " + std::to_string(tab)];
            for (int i = 0; i < d->tabs()->count(); ++i) page << d->tabs()->tabText(i);
            for (const QAbstractButton* b : d->findChildren<QAbstractButton*>())
                if (b->isVisibleTo(d)) page << b->text();
            for (const QLabel* label : d->findChildren<QLabel*>())
                if (label->buddy() && label->isVisibleTo(d)) page << label->text();
        }
        d->hide();
        NameDialog name;
        for (const QAbstractButton* b : name.findChildren<QAbstractButton*>())
            out["name window"] << b->text();
        DuelDialog duel;
        for (const QAbstractButton* b : duel.findChildren<QAbstractButton*>())
            out["duel window"] << b->text();
        for (const QLabel* label : duel.findChildren<QLabel*>())
            out["duel window"] << label->text();
        // Each of the network dialog's pages, under the choice between them.
        NetworkDialog network;
        for (const char* page : {"HostChoice", "JoinChoice"}) {
            network.findChild<QAbstractButton*>(page)->click();
            QStringList& captions = out[std::string("network window ") + page];
            for (const QAbstractButton* b : network.findChildren<QAbstractButton*>())
                if (b->isVisibleTo(&network)) captions << b->text();
            for (const QLabel* label : network.findChildren<QLabel*>())
                if (label->buddy() && label->isVisibleTo(&network)) captions << label->text();
        }
        return out;
    };
    const std::map<std::string, QStringList> french = scopes();
    for (const LanguageInfo& l : Languages) {
        if (l.language == Language::French || l.language == Language::English) continue;
        w->chooseLanguage(l.language);
        for (const auto& [scope, captions] : scopes()) {
            QStringList found;
            for (const QString& clash : clashes(captions))
                if (!clashes(french.at(scope)).contains(clash)) found << clash;
            EXPECT_TRUE(found.isEmpty())
                << l.code << " " << scope << ": " << found.join(" ; ").toStdString();
        }
    }
}

// Every caption has the room it needs in every language: each page of the dialog at its one
// size (the statistics with matches played against every level of the computer), the name
// window, the duel dialog first shown in another language, the network dialog joining and
// hosting, the music's loading window, the message line over the default board, and the menu
// titles (their rows are checked at every board size elsewhere).
TEST_F(WindowTexts, everyTextFitsItsRoomInEveryLanguage) {
    std::ofstream(file("kembrolla-panic-statistiques.ini").toStdString())
        << "[Duels]\n1=9876 5432 17 98765\n2=8765 4321 16 87654\n3=7654 3210 15 "
           "76543\n4=6543 2109 14 65432\n5=5432 1098 13 54321\n";
    open();
    w->show();
    DuelDialog duel;
    for (const LanguageInfo& l : Languages) {
        w->chooseLanguage(l.language);
        ConfigDialog* d = w->configDialog();
        for (int tab = ConfigDialog::ConfigurationTab; tab <= ConfigDialog::StatisticsTab; ++tab) {
            d->showTab(tab);
            QApplication::processEvents();
            EXPECT_EQ(overflowing(d).join(" ; ").toStdString(), "") << l.code << " tab " << tab;
        }
        QTabWidget* tables = d->statisticsPage()->tables();
        ASSERT_EQ(tables->count(), 2);
        tables->setCurrentWidget(d->statisticsPage()->matchTable());
        QApplication::processEvents();
        EXPECT_EQ(overflowing(d).join(" ; ").toStdString(), "") << l.code << " matches";
        tables->setCurrentIndex(0);
        // The prompt of a key slot that waits, on the keys page.
        d->showTab(ConfigDialog::KeysTab);
        d->keysPage()->keySlot(Action::Left, 0)->click();
        QApplication::processEvents();
        EXPECT_EQ(overflowing(d).join(" ; ").toStdString(), "") << l.code << " waiting for a key";
        d->keysPage()->keySlot(Action::Left, 0)->click();
        d->hide();

        NameDialog name;
        name.show();
        QApplication::processEvents();
        EXPECT_EQ(overflowing(&name).join(" ; ").toStdString(), "") << l.code << " name window";

        duel.show();
        QApplication::processEvents();
        EXPECT_EQ(overflowing(&duel).join(" ; ").toStdString(), "") << l.code << " duel window";
        duel.hide();

        // Joining, with the longest problem; hosting with two addresses and a friend's try.
        NetworkDialog joining, hosting;
        joining.findChild<QAbstractButton*>("JoinChoice")->click();
        joining.setFound({{"Le salon de Dominique", QHostAddress("192.168.100.200"), 47470}});
        joining.showProblem(NetworkProblem::BadAddress);
        hosting.showHosting({"192.168.100.200", "fd12:3456:789a:1::1"}, 47470, "WWWWWW");
        hosting.showDelay(120);
        hosting.showProblem(NetworkProblem::Incompatible);
        for (const auto& [page, network] :
             {std::pair{"joining", &joining}, std::pair{"hosting", &hosting}}) {
            network->show();
            QApplication::processEvents();
            EXPECT_EQ(overflowing(network).join(" ; ").toStdString(), "")
                << l.code << " network window " << page;
            network->hide();
        }

        LoadingWindow loading;
        loading.shown();
        QApplication::processEvents();
        EXPECT_EQ(overflowing(&loading).join(" ; ").toStdString(), "") << l.code << " loading";

        QLabel* message = w->board().message();
        for (const QString& text :
             {levelMessage(88), pauseMessage(), lostMessage(), wonMessage(), drawMessage()})
            EXPECT_LE(message->fontMetrics().horizontalAdvance(text), message->width())
                << l.code << " " << text.toStdString();
        // The opponent's name in two lines at most at the foot of the match's strip.
        for (int32_t opponent = 0; opponent <= DuelSettings::SecondPlayer; ++opponent) {
            const QRect name = MatchView::nameArea(MatchView::stripWidth(16), 300);
            const QRect needed =
                QFontMetrics(MatchView::nameFont(w->font()))
                    .boundingRect(name, Qt::AlignCenter | Qt::TextWordWrap, opponentName(opponent));
            EXPECT_TRUE(name.contains(needed))
                << l.code << " " << opponentName(opponent).toStdString();
        }
    }
}

} // namespace kp
