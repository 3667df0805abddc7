// artgen: draws every picture of the game into assets/ and lists them in assets/assets.qrc.
//   artgen <repository root> [--preview <folder for review sheets>]
#include "dialog_art.h"
#include "digits.h"
#include "icons.h"
#include "logo.h"
#include "pinup.h"
#include "preview.h"
#include "resources.h"
#include "sprite_set.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    // Text needs a font engine but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: artgen <repository root> [--preview <folder>]\n");
        return 2;
    }
    try {
        artgen::AssetWriter writer(args[1] + "/assets");
        artgen::writeSprites(writer);
        artgen::writeDigits(writer);
        artgen::writeLogo(writer);
        artgen::writePinups(writer);
        artgen::writeIcons(writer);
        artgen::writeDialogArt(writer);
        writer.writeResourceFile();
        std::printf("artgen: %zu pictures written under %s/assets\n", writer.assets().size(),
                    qPrintable(args[1]));
        const int preview = args.indexOf("--preview");
        if (preview > 0 && preview + 1 < args.size()) {
            artgen::writePreviews(args[preview + 1]);
            std::printf("artgen: review sheets in %s\n", qPrintable(args[preview + 1]));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
