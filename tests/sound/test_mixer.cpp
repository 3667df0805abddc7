// The mixer: an effect and a tune summed at the game's gains, a new effect cutting off the old,
// PC-speaker tones in order with their lengths.
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kp::sound;
using namespace kp::sound::test;

namespace {

// A steady "tune": a constant value on both channels.
class ConstantMusic : public MusicSource {
  public:
    explicit ConstantMusic(float v) : v_(v) {}
    void renderMusic(float* l, float* r, int frames) override {
        for (int i = 0; i < frames; ++i) l[i] = r[i] = v_;
    }

  private:
    float v_;
};

std::shared_ptr<const Clip> constantClip(float v, int frames) {
    // Half of full scale at twice the gain: exactly v.
    return std::make_shared<const Clip>(Clip{std::vector<int16_t>(size_t(frames), 16384), 2 * v});
}

// Lengths of the runs of sound separated by silence, in frames, from the left channel.
std::vector<int> soundingRuns(const std::vector<float>& stereo, int minGap) {
    std::vector<int> runs;
    int start = -1, lastLoud = -1;
    const int frames = int(stereo.size() / 2);
    for (int i = 0; i < frames; ++i) {
        if (std::abs(stereo[size_t(2 * i)]) > 1e-6f) {
            if (start < 0 || i - lastLoud > minGap) {
                if (start >= 0) runs.push_back(lastLoud - start + 1);
                start = i;
            }
            lastLoud = i;
        }
    }
    if (start >= 0) runs.push_back(lastLoud - start + 1);
    return runs;
}

} // namespace

TEST(Mixer, sumsEffectAndMusicAtTheirGains) {
    Mixer mixer;
    ConstantMusic music(0.5f);
    mixer.setMusic(&music);
    mixer.setMusicGain(0.2f);
    mixer.setEffectGain(0.6f);
    mixer.playClip(constantClip(0.5f, 100));
    const auto out = pull(mixer, 200);
    EXPECT_FLOAT_EQ(out[0], 0.5f * 0.2f + 0.5f * 0.6f);
    EXPECT_FLOAT_EQ(out[1], out[0]);
    EXPECT_FLOAT_EQ(out[2 * 99], out[0]);
    EXPECT_FLOAT_EQ(out[2 * 100], 0.5f * 0.2f); // the clip is over, the tune goes on
    EXPECT_FALSE(mixer.effectSounding());
}

TEST(Mixer, newEffectReplacesOneStillSounding) {
    Mixer mixer;
    mixer.setEffectGain(1.0f);
    mixer.playClip(constantClip(0.25f, 1000));
    pull(mixer, 100);
    mixer.playClip(constantClip(-0.5f, 50));
    const auto out = pull(mixer, 100);
    EXPECT_FLOAT_EQ(out[0], -0.5f);     // not summed with the first clip
    EXPECT_FLOAT_EQ(out[2 * 60], 0.0f); // and the first one does not come back
}

TEST(Mixer, effectRequestedBetweenPullsStartsAtTheNextPull) {
    Mixer mixer;
    pull(mixer, 512);
    mixer.playClip(constantClip(0.3f, 10));
    const auto out = pull(mixer, 1);
    EXPECT_FLOAT_EQ(out[0], 0.3f * mixer.effectGain());
}

TEST(Mixer, sixteenBitOutputSaturatesInsteadOfWrapping) {
    Mixer mixer;
    ConstantMusic loud(1.0f);
    mixer.setMusic(&loud);
    mixer.playClip(constantClip(1.0f, 10));
    int16_t out[20];
    mixer.render(out, 10);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[19], 32767);
}

TEST(Mixer, toneSequencePlaysInOrderWithItsDurations) {
    Mixer mixer(44100);
    const Tone tones[] = {{150, 100}, {250, 50}, {150, 100}};
    mixer.playTones(tones);
    EXPECT_EQ(mixer.toneFramesPending(), 4410 + 2205 + 4410);
    const auto out = pull(mixer, 12000);
    EXPECT_EQ(mixer.toneFramesPending(), 0);
    // Zero crossings per tone tell the frequencies: two per cycle.
    auto crossings = [&](int from, int to) {
        int n = 0;
        for (int i = from + 1; i < to; ++i)
            n += (out[size_t(2 * i)] > 0) != (out[size_t(2 * i - 2)] > 0);
        return n;
    };
    EXPECT_NEAR(crossings(100, 4300), 2 * 150 * 0.095, 3);
    EXPECT_NEAR(crossings(4510, 6515), 2 * 250 * 0.045, 3);
    EXPECT_NEAR(crossings(6715, 11000), 2 * 150 * 0.097, 3);
    EXPECT_FLOAT_EQ(peak(out, 2 * 11025), 0.0f); // silent once the 250 ms are over
    EXPECT_LE(peak(out), Mixer::ToneLevel);
}

TEST(Mixer, toneSequencesQueueAndDoNotBlock) {
    Mixer mixer(44100);
    const Tone pose[] = {{150, 40}};
    mixer.playTones(pose);
    mixer.playTones(pose);
    EXPECT_EQ(mixer.toneFramesPending(), 2 * 1764);
    // Both tones sound back to back: one run of 80 ms.
    const auto runs = soundingRuns(pull(mixer, 5000), 50);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_NEAR(runs[0], 2 * 1764, 2);
    // A burst of requests is capped at a couple of seconds of backlog.
    for (int i = 0; i < 200; ++i) mixer.playTones(pose);
    EXPECT_LE(mixer.toneFramesPending(), 2 * 44100 + 1764);
}

TEST(Mixer, tonesStartAndEndWithoutAClick) {
    Mixer mixer(44100);
    const Tone t[] = {{450, 100}};
    mixer.playTones(t);
    const auto out = pull(mixer, 4410);
    EXPECT_LT(std::abs(out[0]), 0.01f);
    EXPECT_LT(std::abs(out[2 * 4409]), 0.01f);
}
