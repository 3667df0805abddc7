// Writes the game's five tunes into a folder: tunegen <assets/music>
#include "tunes.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    struct Tune {
        const char* file;
        std::vector<uint8_t> (*make)();
    };
    const Tune tunes[] = {{"ELISE.mid", tunegen::elise},
                          {"BOLERO.mid", tunegen::bolero},
                          {"POP_CORN.mid", tunegen::popCorn},
                          {"BOOSTER.mid", tunegen::booster},
                          {"POWER_PA.rmi", tunegen::powerPads}};
    for (const Tune& t : tunes) {
        const std::string path = std::string(argv[1]) + "/" + t.file;
        const auto bytes = t.make();
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
    }
    return 0;
}
