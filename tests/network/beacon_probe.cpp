// The two halves of the discovery test across network namespaces, one in each:
//   beacon_probe announce NAME PORT   announces a game until killed
//   beacon_probe find SECONDS         listens that long, then prints "NAME ADDRESS PORT" for
//                                     each game heard; fails when it heard none
#include "network/beacon.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == "announce") {
        bool ok = false;
        const uint port = args[3].toUInt(&ok);
        if (!ok || port == 0 || port > 65535) return 2;
        kp::Beacon beacon(args[2], static_cast<quint16>(port), 1);
        return app.exec();
    }
    if (args.size() == 3 && args[1] == "find") {
        bool ok = false;
        const int seconds = args[2].toInt(&ok);
        if (!ok || seconds <= 0) return 2;
        kp::GameFinder finder;
        if (!finder.listening()) return 1;
        QTimer::singleShot(seconds * 1000, &app, &QCoreApplication::quit);
        app.exec();
        for (const kp::FoundGame& game : finder.games())
            std::printf("%s %s %u\n", qPrintable(game.name), qPrintable(game.address.toString()),
                        game.port);
        return finder.games().empty() ? 1 : 0;
    }
    std::fprintf(stderr, "usage: beacon_probe announce NAME PORT | find SECONDS\n");
    return 2;
}
