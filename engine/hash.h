#pragma once
// FNV-1a, 64 bits: small, the same on every machine, and a single changed byte changes it. The
// replays' end checksums and the score table's replay names are made with it, so it never
// changes.

#include <cstdint>
#include <string_view>

namespace kp {

struct Fnv1a {
    uint64_t value = 14695981039346656037ull;
    void add(unsigned char byte) {
        value ^= byte;
        value *= 1099511628211ull;
    }
    // Its four bytes, lowest first.
    void add(int32_t word) {
        auto u = static_cast<uint32_t>(word);
        for (int i = 0; i < 4; ++i, u >>= 8) add(static_cast<unsigned char>(u & 0xFFu));
    }
    void add(std::string_view text) {
        for (char c : text) add(static_cast<unsigned char>(c));
    }
};

} // namespace kp
