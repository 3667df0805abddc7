// Every text the player can see, in French and in English, against the lists in tests/ui/texts/:
// the menus and the pop-up menu, the dialog's tabs with every label, button, box and page, the
// name window, the message line, and the message boxes' sentences. A caption that changes by
// one byte fails here. KP_WRITE_TEXTS=FOLDER writes the lists instead (to take them anew after
// a change meant to alter a text).
#include "window_fixture.h"

#include "ui/captions.h"
#include "ui/config_dialog.h"
#include "ui/dialog_captions.h"
#include "ui/file_messages.h"
#include "ui/name_dialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTextEdit>

#include <cerrno>
#include <cstdlib>
#include <fstream>
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
            if (const auto* m = qobject_cast<const QMenu*>(c)) addMenu(where + "/menu", m);
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

        t.add("message", levelMessage(1));
        t.add("message", levelMessage(12));
        t.add("message", pauseMessage());
        t.add("message", lostMessage());
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
        trigger("MenuRevoir");
        trigger("MenuEnregistrerReplay");
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
        trigger(language == std::string("fr") ? "MenuLangueFrancais" : "MenuLangueAnglais");
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
