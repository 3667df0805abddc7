#pragma once
#include <cstdint>

namespace kp {

// The game's one random generator: seed = seed * 134775813 + 1 (mod 2^32); Random(n) is the
// high 32 bits of the 64-bit product of the new seed and n. Seeded once; tests seed it to
// replay a level exactly.
class Random {
  public:
    explicit Random(uint32_t seed = 0) : seed_(seed) {}
    void setSeed(uint32_t seed) { seed_ = seed; }
    uint32_t seed() const { return seed_; }
    // How many numbers it has given since it was made: a level set-up draws until each smiley
    // finds an empty cell, so this is the measure of that work.
    uint64_t draws() const { return draws_; }
    // An integer in 0 .. n-1; 0 when n <= 0.
    int32_t operator()(int32_t n) {
        ++draws_;
        seed_ = seed_ * 134775813u + 1u;
        if (n <= 0) return 0;
        return static_cast<int32_t>((static_cast<uint64_t>(seed_) * static_cast<uint32_t>(n)) >>
                                    32);
    }

  private:
    uint32_t seed_;
    uint64_t draws_ = 0;
};

} // namespace kp
