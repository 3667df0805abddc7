// The floor the game's start-up is measured against: an empty Qt main window, built with the
// same compiler and flags, reporting its first painted frame as the game does.
#include "app/first_frame_probe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.resize(130, 370);
    kp::FirstFrameProbe probe;
    if (qEnvironmentVariableIsSet("KP_FIRST_FRAME_PROBE")) window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
