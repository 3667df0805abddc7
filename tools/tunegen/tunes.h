#pragma once
// The game's five tunes, each a complete MIDI file.
#include <cstdint>
#include <vector>

namespace tunegen {

std::vector<uint8_t> elise();     // arrangement of Beethoven's bagatelle in A minor
std::vector<uint8_t> bolero();    // arrangement of Ravel's theme over its snare ostinato
std::vector<uint8_t> popCorn();   // original
std::vector<uint8_t> booster();   // original
std::vector<uint8_t> powerPads(); // original, stored as a RIFF RMID file

} // namespace tunegen
