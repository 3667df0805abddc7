// The loudness meter against the reference of ITU-R BS.1770: a 997 Hz sine at -20 dBFS on both
// loudspeakers reads -20 LUFS, whether taken whole (a short clip, however long) or integrated.
#include "sound/loudness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using namespace kp::sound;

namespace {

std::vector<float> sine(double seconds, float amplitude, int rate = 44100) {
    std::vector<float> s(2 * size_t(seconds * rate));
    for (size_t i = 0; i < s.size() / 2; ++i)
        s[2 * i] = s[2 * i + 1] =
            amplitude * float(std::sin(2 * std::numbers::pi * 997 * double(i) / rate));
    return s;
}

} // namespace

TEST(Loudness, sineReadsItsReferenceLevelWholeOrIntegrated) {
    for (double seconds : {0.1, 0.26, 0.55, 1.75}) {
        SCOPED_TRACE(seconds);
        EXPECT_NEAR(wholeLoudness(sine(seconds, 0.1f), 44100), -20.0, 0.05);
    }
    const auto longSine = sine(5.0, 0.1f, 22050);
    LoudnessMeter meter(22050);
    meter.add(longSine.data(), longSine.size() / 2);
    EXPECT_NEAR(meter.integrated(), -20.0, 0.05);
    EXPECT_TRUE(std::isinf(wholeLoudness(std::vector<float>(2000, 0.0f), 44100)));
    EXPECT_NEAR(gainTo(-20.0, -26.0), 2.0f, 0.01f); // 6 dB up
}
