// Kembrolla Panic!: the application, its main window and the message loop.
#include "first_frame_probe.h"
#include "ui/main_window.h"
#include "ui/translations.h"

#include "persistence/settings.h"
#include "sound/music_controller.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QIconEngine>
#include <QLocale>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QThread>
#include <QTimer>

#include <fontconfig/fontconfig.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <functional>
#include <future>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// The command line: at most one saved game to open after start-up. Qt's own options (-platform,
// -style, ...) are taken out of argv by QApplication before the rest is read here, as bytes:
// a file name need not be valid UTF-8.
struct CommandLine {
    std::string savedGame;
    std::string error; // why the command line was refused; empty when it is fine
};

CommandLine ReadCommandLine(int argc, char* argv[]) {
    CommandLine line;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (options && arg == "--") {
            options = false; // a saved game whose name starts with '-' follows
        } else if (options && arg.starts_with('-')) {
            line.error = "unknown option '" + arg + "'";
            return line;
        } else if (!line.savedGame.empty()) {
            line.error = "only one saved game can be opened";
            return line;
        } else if (arg.empty()) {
            line.error = "empty saved-game name";
            return line;
        } else {
            line.savedGame = arg;
        }
    }
    return line;
}

const char* ProgramName(const char* argv0) {
    const char* slash = argv0 ? std::strrchr(argv0, '/') : nullptr;
    return slash ? slash + 1 : (argv0 && *argv0 ? argv0 : "kembrolla-panic");
}

// --help and --version are answered before Qt starts, so that they work without a display.
bool AnswerInformationOption(int argc, char* argv[]) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: %s [SAVED-GAME.Kembrolla]\n"
                        "A falling-capsule puzzle game. With a file, opens that saved game after\n"
                        "start-up, as \"Ouvrir une partie...\" does.\n"
                        "  --help     show this help and exit\n"
                        "  --version  show the version and exit\n"
                        "Qt's standard options (-platform, -style, ...) are accepted too.\n",
                        ProgramName(argv[0]));
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
#ifdef KP_VERSION
            std::printf("Kembrolla Panic! %s\n", KP_VERSION);
#else
            std::printf("Kembrolla Panic!\n");
#endif
            return true;
        }
    }
    return false;
}

// An icon read when first drawn. Qt's menu bar makes the icon of its overflow button as it is
// created, and reading a picture for Qt's own icons loads every image plug-in it has: the menus
// wrap into rows, so that button seldom shows, and the start-up need not pay for it.
class IconWhenDrawn : public QIconEngine {
  public:
    explicit IconWhenDrawn(std::function<QIcon()> make) : make_(std::move(make)) {}
    void paint(QPainter* p, const QRect& r, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(p, r, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QIconEngine* clone() const override { return new IconWhenDrawn(make_); }

  private:
    QIcon& icon() {
        if (make_) icon_ = std::exchange(make_, nullptr)();
        return icon_;
    }
    std::function<QIcon()> make_;
    QIcon icon_;
};

// Tool-tips show at once, and stay up for Qt's usual reading time.
class GameStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        return QIcon(new IconWhenDrawn(
            [this, icon] { return QProxyStyle::standardIcon(icon, nullptr, nullptr); }));
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// While the application object is made, Qt's messages wait. When no platform plug-in can start
// (no display, or one that does not answer), Qt ends the program with an abort after English
// advice to reinstall it: the player reads instead, in the desktop's language, that no display
// could be opened, and the program ends with a plain error status. Otherwise the messages go
// on to Qt's handler as they came.
class StartupMessages {
  public:
    explicit StartupMessages(const char* program) {
        program_ = program;
        previous_ = qInstallMessageHandler(&StartupMessages::hold);
    }
    ~StartupMessages() {
        qInstallMessageHandler(previous_);
        const std::lock_guard lock(mutex_);
        for (const Held& m : held_)
            previous_(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category.c_str()), m.text);
        held_.clear();
    }
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;

  private:
    struct Held {
        QtMsgType type;
        std::string category;
        QString text;
    };
    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
            const QString why =
                kp::noDisplayMessage(kp::desktopLanguage(QLocale::system().uiLanguages()));
            std::fprintf(stderr, "%s: %s\n", program_, why.toLocal8Bit().constData());
            // The reading thread is still at work: nothing is torn down under it.
            std::fflush(nullptr);
            std::_Exit(EXIT_FAILURE);
        }
        if (type == QtFatalMsg) return previous_(type, context, text);
        const std::lock_guard lock(mutex_); // the reading thread may speak too
        held_.push_back({type, context.category ? context.category : "", text});
    }
    static inline const char* program_ = nullptr;
    static inline QtMessageHandler previous_ = nullptr;
    static inline std::mutex mutex_;
    static inline std::vector<Held> held_;
};

} // namespace

// The window and its game, from the first frame until the window closes; the program's status.
int PlayGame(const CommandLine& line, std::future<kp::MainWindow::Pictures>& pictures) {
    QApplication::setApplicationName(QStringLiteral("Kembrolla Panic!"));
    QApplication::setStyle(new GameStyle);
    // Lets the desktop match the window with the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.kembrolla.KembrollaPanic"));
    const std::string exe = QFileInfo(QApplication::applicationFilePath()).fileName().toStdString();
    kp::QtPlatform platform;
    kp::MainWindow window(platform, kp::SettingsFilePath(exe));
    window.usePictures(std::move(pictures));
    kp::FirstFrameProbe probe;
    if (qEnvironmentVariableIsSet("KP_FIRST_FRAME_PROBE"))
        window.board().view()->installEventFilter(&probe);
    window.show();
    window.activateWindow();
    if (!line.savedGame.empty()) {
        // Once the window is up, as if the player had chosen the file in the open dialog.
        std::error_code ec;
        const std::filesystem::path path = std::filesystem::absolute(line.savedGame, ec);
        QTimer::singleShot(0, &window, [&window, path] { window.openSavedGame(path); });
    }
    const int status = QApplication::exec();
    // The settings are written. A tune still opening (a bank on a hung drive) would read the
    // synthesiser's library and the tunes' resources while the process takes them down: the
    // program then ends at once instead.
    if (!kp::sound::waitForTunesOpened(1000)) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

int main(int argc, char* argv[]) {
    if (AnswerInformationOption(argc, argv)) return 0;
    // The C library's locale is set from the environment before any other thread runs: the
    // application object sets it again from the same environment, which then changes nothing
    // under the thread below (fontconfig reads numbers by the locale).
    std::setlocale(LC_ALL, "");
    // Qt takes the first thread that asks for its own thread data as the main one: this one
    // asks before the thread below starts.
    QThread::currentThread();
    // What the first frame needs and Qt's connection to the display does not is read on
    // another core meanwhile: the system's font configuration (dozens of XML files, which the
    // first text waits for; fontconfig keeps one configuration whoever asks first) and the
    // game's pictures.
    auto pictures = std::async(std::launch::async, [] {
        FcInit();
        return kp::MainWindow::Pictures::read();
    });
    // The menus wrap into rows of the window's own (MenuRows), never a desktop's global menu
    // bar; asking the desktop whether it has one would also cost a session-bus round trip
    // before the first frame.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    std::optional<StartupMessages> startup(std::in_place, ProgramName(argv[0]));
    QApplication app(argc, argv);
    startup.reset();
    // The reading thread ends before the application object does, whatever the way out: the
    // application's font database hands fontconfig's configuration back as it goes.
    const auto readingEnds = qScopeGuard([&pictures] {
        if (pictures.valid()) pictures.wait();
    });
    const CommandLine line = ReadCommandLine(argc, argv);
    if (!line.error.empty()) {
        std::fprintf(stderr, "%s: %s. Usage: %s [SAVED-GAME.Kembrolla]\n", ProgramName(argv[0]),
                     line.error.c_str(), ProgramName(argv[0]));
        return 2;
    }
    return PlayGame(line, pictures);
}
