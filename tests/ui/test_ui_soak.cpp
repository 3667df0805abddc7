// Random menu commands and keys on the real window while its timers run: whatever the order,
// the window keeps its size in step with the layout and the board drawn from the rules.
#include "window_fixture.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QWindow>

#include <fstream>
#include <random>
#include <set>
#include <sstream>

namespace kp {

namespace {
void runEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Where two frames of one size differ, and the game's moment, for a failure to explain itself.
std::string difference(const QImage& shown, const QImage& frame, const GameState& s) {
    if (shown.size() != frame.size()) return "the sizes differ";
    QRect where;
    int pixels = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != frame.pixel(x, y)) {
                ++pixels;
                where |= QRect(x, y, 1, 1);
            }
    std::ostringstream out;
    out << pixels << " pixels differ within " << where.x() << "," << where.y() << " "
        << where.width() << "x" << where.height() << " of " << shown.width() << "x"
        << shown.height() << "; shake step " << s.shakeStep << ", pin-up frame " << s.pinupFrame
        << ", message " << s.messageVisible << ", paused " << s.paused;
    return out.str();
}
} // namespace

TEST_F(WindowFixture, randomCommandsAndKeysKeepTheWindowConsistent) {
    std::ofstream(ini()) << "[Options]\nAnimationSuppr=0\nAnimationVirus=3\n"
                            "[Configuration]\nTempoDepart=100\nNbLgn=10\nMinCasesConsecutives=2\n";
    open();
    w->show();
    platform.colour = QColor(40, 90, 160);
    // Everything but closing the window, the dialogs that would wait for a person, and the
    // demonstration, which shows a board of its own (its tests are apart).
    std::vector<Item> commands;
    for (const auto& [id, unused] : w->actions()) {
        static const std::set<Item> skip = {Item::Quit,         Item::TrayQuit,     Item::OpenGame,
                                            Item::SaveGameAs,   Item::MessageLook,  Item::NewMatch,
                                            Item::NetworkMatch, Item::Demonstration};
        if (!skip.count(id)) commands.push_back(id);
    }
    ASSERT_GT(commands.size(), 80u);
    const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space};
    // A lost game asks for a name in a modal dialog: nobody is there to answer it.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(20);
    std::mt19937 rng(7);
    Item last{};
    // As many steps on a slow machine as on a fast one: the window's timers fire in between.
    for (int steps = 0; steps < 300; ++steps) {
        const int what = static_cast<int>(rng() % 10);
        if (what < 2) {
            last = commands[rng() % commands.size()];
            w->action(last)->trigger();
        } else if (what < 8) {
            QKeyEvent key(QEvent::KeyPress, keys[rng() % 5], Qt::NoModifier);
            QApplication::sendEvent(w.get(), &key);
        } else {
            runEvents(static_cast<int>(rng() % 60));
            // Every frame painted only what changed; together they show the board as it is
            // (unless panic covers it).
            if (w->windowHandle()->isExposed() && !w->board().game().state().hidden) {
                const QImage shown = boardShown();
                const QImage frame = boardFrame();
                ASSERT_TRUE(shown == frame) << "step " << steps << " after " << last << ": "
                                            << difference(shown, frame, w->board().game().state());
            }
        }
        const WindowLayout& l = w->board().painter().layout();
        ASSERT_EQ(w->board().view()->size(), QSize(l.clientWidth, l.clientHeight)) << steps;
    }
}

} // namespace kp
