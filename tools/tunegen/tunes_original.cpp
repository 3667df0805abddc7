#include "arrangement.h"
#include "tunes.h"

namespace tunegen {

// F major at 132, bouncing mallets over slap bass: intro, A A B A, tag.
std::vector<uint8_t> popCorn() {
    const char* a1 = "C5:2 F5:2 A5:2 F5:2 G5:3 F5:1 E5:2 F5:2 | D5:2 r:2 Bb4:2 D5:2 F5:4 D5:4 |"
                     "E5:2 G5:2 C6:3 Bb5:1 A5:2 G5:2 E5:4 | F5:6 A5:2 C5:4 r:4 |"
                     "D5:2 F5:2 A5:2 D6:2 C6:2 A5:2 F5:4 | G5:2 Bb5:2 D6:3 C6:1 Bb5:2 A5:2 G5:4 |"
                     "C6:3 Bb5:1 A5:2 G5:2 E5:2 G5:2 Bb5:4 | A5:4 F5:2 C5:2 F5:4 r:4";
    const char* b = "F5:3 F5:1 D5:2 Bb4:2 D5:2 F5:2 Bb5:4 | A5:3 G5:1 E5:2 C5:2 E5:2 G5:2 C6:4 |"
                    "E6:2 r:2 C6:2 A5:2 E5:4 A5:4 | F5:2 E5:2 D5:2 F5:2 A5:8 |"
                    "Bb5:2 A5:2 G5:2 D5:2 G5:2 A5:2 Bb5:4 | C6:2 Bb5:2 A5:2 G5:2 E5:2 F5:2 G5:4 |"
                    "A5:4 C6:4 F5:4 A5:4 | G5:2 r:2 E5:2 r:2 C5:2 D5:2 E5:2 G5:2";
    const char* tag = "C6:2 A5:2 F5:2 A5:2 C6:4 r:4 | F6:4 r:12";
    Arrangement t(132, 4, 4);
    const std::string verse = " F Bb C F Dm Gm C F";
    t.chords("F C7" + verse + verse + " Bb C Am Dm Gm C F C7" + verse + " F F");
    const int marimba = t.part("Marimba", 0, 12, 127, 64, 40);
    const int glock = t.part("Glockenspiel", 1, 9, 76, 84, 60);
    const int clav = t.part("Clavinet", 2, 7, 106, 44, 40);
    const int slap = t.part("Slap bass", 3, 36, 116, 64, 20);
    const int piano = t.part("Electric piano", 4, 4, 88, 90, 50);

    t.melody(marimba, t.barTick(2), std::string(a1) + " " + a1, 104, 0, 0.6);
    t.melody(glock, t.barTick(10), a1, 60, 12, 0.5);
    t.melody(clav, t.barTick(18), b, 86, -12, 0.55);
    t.melody(marimba, t.barTick(18), b, 70, 0, 0.6);
    t.melody(marimba, t.barTick(26), std::string(a1) + " " + tag, 106, 0, 0.6);
    t.melody(glock, t.barTick(26), a1, 56, 12, 0.5);
    t.bass(slap, 0, 35, "R..R..5.R.O.5.R.", 2, 90);
    t.bass(slap, 35, 36, "R..R..5.R.O.5-R-", 2, 90); // held, and into the loop
    t.chordPattern(piano, 2, 34, "..C...C-..C...C.", 4, 58);
    t.drums(0, 2, {{36, "x.....x.x......."}, {42, "x.x.x.x.x.x.x.x."}, {39, "....x.......x..x"}});
    t.drums(2, 34,
            {{36, "x.....x.x.....x."},
             {38, "....x.......x..."},
             {42, "x.x.x.x.x.x.x.x."},
             {76, "..o..o....o..o.."}});
    t.drums(34, 35, {{36, "x.......x......."}, {38, "....x.x.xxxx.xXX"}});
    for (int bar : {2, 10, 18, 26, 35}) t.drumHit(t.barTick(bar), 49, 96);
    return t.finish("Pop Corn", false);
}

// E minor at 140, a saw lead over driving eighths: intro, A A B A B, outro.
std::vector<uint8_t> booster() {
    const char* a = "E5:2 E5:2 G5:2 B5:4 A5:2 G5:2 F#5:2 | E5:4 B4:2 E5:2 F#5:4 G5:4 |"
                    "G5:2 G5:2 A5:2 C6:4 B5:2 A5:2 G5:2 | F#5:6 D5:2 A5:4 F#5:4 |"
                    "E5:2 G5:2 B5:2 E6:4 D6:2 B5:2 G5:2 | A5:2 G5:2 F#5:2 E5:2 B4:4 E5:4 |"
                    "C6:4 B5:2 A5:2 G5:4 A5:4 | B5:8 D#5:4 F#5:4";
    const char* b = "D6:4 B5:4 G5:2 A5:2 B5:4 | A5:4 F#5:4 D5:2 E5:2 F#5:4 |"
                    "E5:2 A5:2 C6:4 B5:2 A5:2 E5:4 | G5:6 F#5:2 E5:8 |"
                    "E6:4 D6:2 C6:2 G5:4 C6:4 | D6:4 B5:2 G5:2 D5:4 G5:4 |"
                    "C6:2 B5:2 A5:2 G5:2 F#5:2 E5:2 F#5:4 | D#5:4 F#5:4 A5:4 B5:4";
    Arrangement t(140, 4, 4);
    const std::string verse = " Em Em C D Em Em C B";
    const std::string bridge = " G D Am Em C G Am B";
    t.chords("Em Em C D" + verse + verse + bridge + verse + bridge + " Em Em");
    const int lead = t.part("Saw lead", 0, 81, 92, 64, 40);
    const int brass = t.part("Brass", 1, 61, 84, 44, 50);
    const int guitar = t.part("Guitar", 2, 29, 66, 88, 40);
    const int bass = t.part("Synth bass", 3, 38, 104, 64, 10);
    const int pad = t.part("Pad", 4, 90, 58, 30, 70);

    t.melody(lead, t.barTick(4), std::string(a) + " " + a, 90);
    t.melody(brass, t.barTick(20), b, 80, -12);
    t.melody(lead, t.barTick(20), b, 84);
    t.melody(lead, t.barTick(28), a, 96);
    t.melody(brass, t.barTick(36), b, 84, -12);
    t.melody(lead, t.barTick(36), b, 92);
    t.melody(lead, t.barTick(44), "E5:4 B4:4 E5:4 G5:4 | E6:8 r:8", 94);
    t.bass(bass, 0, 46, "R-R-R-R-R-R-O-R-", 2, 92);
    t.chordPattern(guitar, 4, 44, "C-.C-.C-C-.C-.C-", 3, 70);
    t.chordPattern(pad, 0, 45, "C---------------", 4, 50);
    t.drums(0, 4, {{36, "x.......x......."}, {42, "x.x.x.x.x.x.x.x."}}, 0.8);
    t.drums(4, 44, {{36, "x.....x.x.x....."}, {38, "....X.......X..."}, {42, "x.x.x.x.x.x.x.x."}});
    t.drums(44, 45, {{36, "x.......x......."}, {38, "....x.x.xxxxXXXX"}});
    for (int bar : {4, 12, 20, 28, 36, 44}) t.drumHit(t.barTick(bar), 49, 104);
    return t.finish("Booster", false);
}

// D major at 118, a square lead over warm pads and four-on-the-floor drums:
// intro, A A B A, outro. Kept as a RIFF RMID file.
std::vector<uint8_t> powerPads() {
    const char* a = "F#5:6 E5:2 D5:4 A4:4 | B4:4 D5:3 F#5:3 E5:2 D5:4 |"
                    "G5:6 F#5:2 E5:4 D5:4 | E5:12 r:4 | A5:6 F#5:2 D5:4 F#5:4 |"
                    "B5:4 A5:3 F#5:3 D5:2 B4:4 | G5:3 F#5:3 E5:2 B5:4 G5:4 | A5:8 C#5:4 E5:4";
    const char* b = "B5:4 D6:4 B5:2 A5:2 G5:4 | A5:6 C#6:2 E6:8 |"
                    "C#6:4 A5:4 F#5:3 E5:1 F#5:4 | D6:8 B5:4 F#5:4 | G5:3 A5:3 B5:2 D6:4 B5:4 |"
                    "C#6:3 B5:3 A5:2 E5:8 | F#5:4 A5:4 D6:8 | E6:4 C#6:4 A5:4 E5:4";
    Arrangement t(118, 4, 4);
    const std::string verse = " D Bm G A D Bm Em A";
    t.chords("D Bm G A" + verse + verse + " G A F#m Bm G A D A" + verse + " D D");
    const int lead = t.part("Square lead", 0, 80, 96, 64, 50);
    const int pad = t.part("Warm pad", 1, 89, 96, 40, 80);
    const int strings = t.part("Synth strings", 2, 50, 64, 88, 70);
    const int bass = t.part("Synth bass", 3, 39, 110, 64, 10);
    const int arp = t.part("Arpeggio", 4, 81, 52, 96, 60);

    t.melody(lead, t.barTick(4), std::string(a) + " " + a, 88);
    t.melody(lead, t.barTick(20), b, 92);
    t.melody(lead, t.barTick(28), a, 94);
    t.melody(lead, t.barTick(36), "D5:4 F#5:4 A5:4 D6:4 | D6:8 r:8", 90);
    t.chordPattern(pad, 0, 37, "C---------------", 4, 62);
    t.chordPattern(strings, 20, 28, "C-------C-------", 5, 48);
    t.bass(bass, 0, 38, "R-O-R-O-R-O-R-O-", 2, 90);
    t.chordPattern(arp, 12, 36, "0123012301230123", 5, 46);
    t.drums(0, 4, {{36, "x...x...x...x..."}, {46, "..o...o...o...o."}}, 0.8);
    t.drums(4, 36,
            {{36, "x...x...x...x..."},
             {39, "....x.......x..."},
             {42, "x.x.x.x.x.x.x.x."},
             {46, "..o...o...o...o."}});
    t.drums(36, 37, {{36, "x...x...x...x..."}, {39, "....x.......xxxx"}});
    for (int bar : {4, 12, 20, 28, 36}) t.drumHit(t.barTick(bar), 49, 96);
    return t.finish("Power Pads", true);
}

} // namespace tunegen
