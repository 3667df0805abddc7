// Kembrolla Panic!: the application, its main window and the message loop.
#include "ui/main_window.h"

#include "persistence/settings.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kembrolla Panic!"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/AppIcon_48")));
    const std::string exe = QFileInfo(QApplication::applicationFilePath()).fileName().toStdString();
    kp::QtPlatform platform;
    kp::TForm1 window(platform, kp::SettingsFilePath(exe));
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
