// Writes the game's four effect clips into a folder: soundgen <assets/sounds>
#include "synth.h"

#include <cmath>
#include <cstdio>
#include <string>

using namespace soundgen;

namespace {

double note(int midiKey) {
    return 440.0 * std::pow(2.0, (midiKey - 69) / 12.0);
}

// A capsule coming to rest: a low sine dropping in pitch with a puff of dark noise.
Buffer pose() {
    Buffer b = silence(0.26);
    mixInto(b, glide(150, 55, 0.26, 0.003, 0.06), 0);
    mixInto(b, glide(300, 110, 0.08, 0.002, 0.02), 0, 0.25);
    mixInto(b, noise(0.08, 700, 0.002, 0.015, 7), 0, 0.35);
    finish(b, 3, -3);
    return b;
}

// A run removed: a quick upward pop, then a shower of high glassy pings.
Buffer removal() {
    Buffer b = silence(0.55);
    mixInto(b, glide(700, 1800, 0.06, 0.002, 0.025), 0);
    mixInto(b, noise(0.03, 5000, 0.001, 0.006, 11), 0, 0.3);
    const int keys[] = {96, 100, 103, 99, 105, 101, 108, 104};
    for (int i = 0; i < 8; ++i) {
        const double at = 0.03 + 0.045 * i;
        mixInto(b, bell(note(keys[i]), 0.55 - at, 0.06), at, 0.32 - 0.025 * i);
    }
    finish(b, 4, -3);
    return b;
}

// A level won: four bells climbing a major arpeggio, then the top held with its third.
Buffer level() {
    Buffer b = silence(1.15);
    const int keys[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) mixInto(b, bell(note(keys[i]), 0.5, 0.16), 0.11 * i, 0.6);
    mixInto(b, bell(note(88), 0.71, 0.3), 0.44, 0.5);
    mixInto(b, bell(note(84), 0.71, 0.3), 0.44, 0.45);
    mixInto(b, glide(note(48), note(48), 0.7, 0.01, 0.25), 0.44, 0.35);
    finish(b, 5, -3);
    return b;
}

// A new record: a short brass call, three pickups then a held major chord.
Buffer record() {
    Buffer b = silence(1.75);
    const double beat = 0.13;
    mixInto(b, brass(note(67), beat * 0.85, 0.02, 0.03), 0);
    mixInto(b, brass(note(67), beat * 0.85, 0.02, 0.03), beat);
    mixInto(b, brass(note(67), beat * 0.85, 0.02, 0.03), 2 * beat);
    mixInto(b, brass(note(72), 0.32, 0.03, 0.06), 3 * beat);
    for (int key : {72, 76, 79}) mixInto(b, brass(note(key), 1.0, 0.06, 0.35), 3 * beat + 0.34);
    mixInto(b, bell(note(96), 0.6, 0.12), 3 * beat + 0.34, 0.5);
    finish(b, 5, -3);
    return b;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    struct Clip {
        const char* name;
        Buffer (*make)();
    };
    const Clip clips[] = {
        {"Pose", pose}, {"Suppr", removal}, {"Niveau", level}, {"Record", record}};
    for (const Clip& c : clips) {
        const std::string path = std::string(argv[1]) + "/" + c.name + ".wav";
        const Buffer b = c.make();
        if (!writeWave(path, b)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%s: %.3f s\n", path.c_str(), double(b.size()) / Rate);
    }
    return 0;
}
