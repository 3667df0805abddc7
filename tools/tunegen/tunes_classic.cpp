#include "arrangement.h"
#include "tunes.h"

namespace tunegen {

namespace {

// The right hand of the A section, bars 1 to 7; the eighth bar differs at each return.
const char* EliseA = "E5:1 D#5 E5 B4 D5 C5 | A4:2 r:1 C4 E4 A4 | B4:2 r:1 E4 G#4 B4 |"
                     "C5:2 r:1 E4 E5 D#5 | E5:1 D#5 E5 B4 D5 C5 | A4:2 r:1 C4 E4 A4 |"
                     "B4:2 r:1 E4 C5 B4";
const char* EliseB = "E5:3 G4:1 F5 E5 | D5:3 F4:1 E5 D5 | C5:3 E4:1 D5 C5 |"
                     "B4:2 r:1 E4:1 E5 E4 | E5:2 r:2 E5:1 D#5:1 | E5:1 D#5 E5 D#5 E5 D#5";

std::string eliseRound() {
    return std::string("r:4 E5:1 D#5:1 ") + EliseA + " A4:2 r:2 E5:1 D#5:1 " + EliseA +
           " A4:2 r:1 B4:1 C5 D5 " + EliseB + " " + EliseA + " A4:2 r:4";
}

} // namespace

// 3/8 at a quarter of 80: two rounds of A A B A, the second with bass, drums and a flute.
// It opens on the two-note pickup, which also closes the loop.
std::vector<uint8_t> elise() {
    Arrangement a(80, 3, 8);
    a.pickup(Ppq / 2);
    const std::string round = "Am  Am Am E Am Am Am E Am  Am Am E Am Am Am E Am"
                              "  C G Am E E E  Am Am E Am Am Am E Am";
    a.chords(round);
    a.chords(round);
    const int rounds = 31;
    const int right = a.part("Piano right hand", 0, 0, 127, 72, 50);
    const int left = a.part("Piano left hand", 1, 0, 116, 52, 50);
    const int strings = a.part("Strings", 2, 49, 84, 84, 70);
    const int bass = a.part("Bass", 3, 32, 112, 60, 30);
    const int flute = a.part("Flute", 4, 73, 92, 40, 60);

    a.melody(right, 0, eliseRound(), 100);
    a.melody(right, a.barTick(rounds), eliseRound(), 104);
    a.bass(left, 1, 2 * rounds, "R5O---", 2, 80);
    // Strings hold the harmony in the middle part and all through the second round.
    a.chordPattern(strings, 17, rounds, "C-----", 4, 48);
    a.chordPattern(strings, rounds + 1, 2 * rounds, "C-----", 4, 54);
    a.bass(bass, rounds + 1, 2 * rounds, "R-----", 2, 80);
    // The flute doubles the tune an octave up in the B part and the last A of round two.
    const std::string b = std::string(EliseB) + " " + EliseA + " A4:2 r:4";
    a.melody(flute, a.barTick(rounds + 17) - a.barTick(1) / 2, "B4:1 C5 D5 " + b, 62, 12);
    a.drums(rounds + 1, 2 * rounds - 1,
            {{36, "x....."}, {37, "...o.."}, {69, "o.o.o."}, {42, "..o..o"}});
    // The last bar makes room for the pickup.
    a.drums(2 * rounds - 1, 2 * rounds, {{36, "x....."}, {37, "...o.."}, {69, "o.o..."}});
    a.drumHit(a.barTick(rounds + 1), 49, 70);
    return a.finish("Elise", false);
}

namespace {

// The theme, eight bars of 3/4, and the snare's two-bar figure in triplet sixteenths.
const char* BoleroTheme = "C5:6 B4:1 C5:1 D5:1 C5:1 B4:1 A4:1 | C5:2 C5:1 A4:1 C5:4 B4:1 C5:1 "
                          "A4:1 G4:1 | E4:1 F4:1 G4:2 A4:4 G4:4 | F4:2 E4:2 D4:4 E4:2 F4:2 |"
                          "G4:6 A4:1 G4:1 F4:1 E4:1 D4:1 C4:1 | E4:2 D4:1 C4:1 D4:4 E4:4 |"
                          "D4:2 C4:2 B3:4 D4:4 | C4:12";
const char* SnareBarOne = "x..ooox..ooox..x..";
const char* SnareBarTwo = "x..ooox..oooxooxoo";

} // namespace

// 3/4 at 72: the snare alone, then three passes of the theme, each with more instruments,
// closing on a held chord.
std::vector<uint8_t> bolero() {
    Arrangement a(72, 3, 4);
    const std::string pass = "  C C C G G C G C";
    a.chords("C C" + pass + pass + pass + " C C");
    const int flute = a.part("Flute", 0, 73, 120, 70, 60);
    const int clarinet = a.part("Clarinet", 1, 71, 116, 54, 60);
    const int oboe = a.part("Oboe", 2, 68, 96, 76, 60);
    const int violins = a.part("Violins", 3, 48, 74, 40, 70);
    const int pizz = a.part("Pizzicato basses", 4, 45, 110, 64, 40);
    const int harp = a.part("Harp", 5, 46, 84, 88, 60);
    const int horns = a.part("Horns", 6, 60, 70, 50, 60);

    a.melody(flute, a.barTick(2), BoleroTheme, 96, 12);
    a.melody(clarinet, a.barTick(10), BoleroTheme, 98, 0);
    a.melody(oboe, a.barTick(18), BoleroTheme, 90, 12);
    a.melody(violins, a.barTick(18), BoleroTheme, 84, 0);
    a.bass(pizz, 0, 28, "R---5-5-R---", 2, 86);
    a.chordPattern(harp, 10, 26, "0-1-2-3-2-1-", 3, 60);
    a.chordPattern(horns, 18, 26, "C-----------", 4, 56);
    // The last two bars: one chord held by everyone to the loop, which rings into the snare.
    a.melody(horns, a.barTick(26), "C4+E4+G4:24", 60, 0, 1.0);
    a.melody(violins, a.barTick(26), "C4+G4+C5+E5:24", 62, 0, 1.0);
    a.melody(oboe, a.barTick(26), "C6:24", 66, 0, 1.0);
    for (int bar = 0; bar < 26; ++bar) {
        const double loud = 0.65 + 0.35 * bar / 25.0;
        a.drums(bar, bar + 1, {{38, bar % 2 == 0 ? SnareBarOne : SnareBarTwo}}, loud);
    }
    a.drumHit(a.barTick(26), 49, 80);
    a.drumHit(a.barTick(26), 36, 90);
    return a.finish("Bolero", false);
}

} // namespace tunegen
