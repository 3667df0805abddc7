// The four effects: where "Son" sends them, at which gain, and the clips themselves.
#include "sound/effects.h"
#include "sound/loudness.h"
#include "sound/tunes.h"
#include "sound/wave_clip.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kp::sound;
using namespace kp::sound::test;
using kp::Sound;

namespace {

std::span<const std::byte> bytesOf(const QByteArray& b) {
    return {reinterpret_cast<const std::byte*>(b.constData()), size_t(b.size())};
}

QByteArray wave(int rate, int channels, int bits, const std::vector<int>& samples) {
    QByteArray data;
    for (int s : samples) {
        if (bits == 8)
            data.append(char(s));
        else
            data.append(char(s & 0xFF)).append(char((s >> 8) & 0xFF));
    }
    auto le = [](QByteArray& b, uint32_t v, int n) {
        for (int i = 0; i < n; ++i) b.append(char(v >> (8 * i)));
    };
    QByteArray f("RIFF");
    le(f, uint32_t(36 + data.size()), 4);
    f.append("WAVEfmt ");
    le(f, 16, 4);
    le(f, 1, 2);
    le(f, uint32_t(channels), 2);
    le(f, uint32_t(rate), 4);
    le(f, uint32_t(rate * channels * bits / 8), 4);
    le(f, uint32_t(channels * bits / 8), 2);
    le(f, uint32_t(bits), 2);
    f.append("data");
    le(f, uint32_t(data.size()), 4);
    return f + data;
}

} // namespace

TEST(Effects, outputOneSendsTheClipOutputTwoTheTonesOutputZeroNothing) {
    Mixer mixer;
    SoundEffects fx(mixer);
    ASSERT_TRUE(fx.clipsLoaded());

    fx.setOutput(0);
    fx.playRemoval();
    EXPECT_FALSE(mixer.effectSounding());
    EXPECT_EQ(mixer.toneFramesPending(), 0);

    fx.setOutput(1);
    fx.playLanding();
    EXPECT_TRUE(mixer.effectSounding());
    EXPECT_EQ(mixer.toneFramesPending(), 0);
    pull(mixer, 44100 * 2);

    fx.setOutput(2);
    fx.playLevelWon();
    EXPECT_FALSE(mixer.effectSounding());
    EXPECT_EQ(mixer.toneFramesPending(), 44100 * 250 / 1000);
}

TEST(Effects, speakerTonesAreTheGamesSequences) {
    auto total = [](Sound s) {
        int ms = 0;
        for (const Tone& t : speakerTones(s)) ms += t.durationMs;
        return ms;
    };
    EXPECT_EQ(total(Sound::Landing), 40);
    EXPECT_EQ(total(Sound::Removal), 250);
    EXPECT_EQ(total(Sound::LevelWon), 250);
    ASSERT_EQ(speakerTones(Sound::HighScore).size(), 3u);
    EXPECT_EQ(speakerTones(Sound::HighScore)[1].frequency, 550);
    EXPECT_EQ(speakerTones(Sound::Removal)[1].frequency, 250);
}

TEST(Effects, unknownOutputIsSilence) {
    Mixer mixer;
    SoundEffects fx(mixer);
    fx.setOutput(7);
    EXPECT_EQ(fx.output(), 0);
    fx.play(Sound::HighScore);
    EXPECT_FALSE(mixer.effectSounding());
}

TEST(Effects, volumeLevelsKeepTheRatiosOfTheGamesOwnGains) {
    EXPECT_FLOAT_EQ(levelGain(1) / levelGain(0), float(0x6666) / 0x3333);
    EXPECT_FLOAT_EQ(levelGain(2) / levelGain(0), float(0x3333) / 0x1111);
    EXPECT_FLOAT_EQ(levelGain(2), 1.0f) << "the loudest level is the clips' own loudness";

    Mixer mixer;
    SoundEffects fx(mixer);
    fx.setOutput(1);
    fx.setEffectsVolume(0);
    fx.playHighScore();
    const float low = peak(pull(mixer, 44100 * 2));
    fx.setEffectsVolume(2);
    fx.playHighScore();
    const float high = peak(pull(mixer, 44100 * 2));
    EXPECT_NEAR(high / low, 3.0f, 0.01f);
}

// Each clip, whatever its peak, sounds at one loudness: EffectsLoudness at the loudest level,
// with room left under full scale for the music beneath it.
TEST(Effects, everyClipSoundsAtTheEffectsLoudness) {
    Mixer mixer;
    SoundEffects fx(mixer);
    fx.setEffectsVolume(2);
    for (const Sound s : {Sound::Landing, Sound::Removal, Sound::LevelWon, Sound::HighScore}) {
        SCOPED_TRACE(int(s));
        fx.play(s);
        std::vector<float> out;
        while (mixer.effectSounding()) {
            const auto block = pull(mixer, 512);
            out.insert(out.end(), block.begin(), block.end());
        }
        while (!out.empty() && out.back() == 0.0f) out.pop_back(); // the last block's tail
        out.resize(out.size() & ~size_t(1));
        EXPECT_NEAR(wholeLoudness(out, mixer.sampleRate()), EffectsLoudness, 0.3);
        EXPECT_LT(20 * std::log10(peak(out)), -2.0);
    }
}

TEST(EffectClips, areShortCleanSixteenBitMonoAtMinusThreeDecibels) {
    struct Expect {
        const char* name;
        double maxSeconds;
    };
    for (const Expect e : {Expect{"Pose", 1.0}, {"Suppr", 1.0}, {"Niveau", 2.0}, {"Record", 2.0}}) {
        SCOPED_TRACE(e.name);
        const QByteArray bytes = clipResource(e.name);
        const auto info = inspectWave(bytesOf(bytes));
        ASSERT_TRUE(info);
        EXPECT_EQ(info->channels, 1);
        EXPECT_EQ(info->bitsPerSample, 16);
        EXPECT_TRUE(info->sampleRate == 22050 || info->sampleRate == 44100);
        const double seconds = double(info->frames) / info->sampleRate;
        EXPECT_GT(seconds, 0.1);
        EXPECT_LT(seconds, e.maxSeconds);
        const Clip c = decodeWave(bytesOf(bytes), info->sampleRate);
        float p = 0;
        for (size_t i = 0; i < c.size(); ++i) p = std::max(p, std::abs(c[i]));
        EXPECT_NEAR(20 * std::log10(p), -3.0, 0.5);
        // Faded in and out: no click at either end.
        EXPECT_LT(std::abs(c[0]), 0.01f);
        EXPECT_LT(std::abs(c[c.size() - 1]), 0.01f);
    }
    EXPECT_EQ(clipResource("pose"), clipResource("Pose")); // names are case-insensitive
    EXPECT_TRUE(clipResource("Missing").isEmpty());
}

TEST(WaveClip, decodesStereoAndEightBitAndResamples) {
    const auto stereo = wave(22050, 2, 16, {16384, -16384, 8192, 8192});
    const Clip mono = decodeWave(bytesOf(stereo), 22050);
    ASSERT_EQ(mono.size(), 2u);
    EXPECT_FLOAT_EQ(mono[0], 0.0f);
    EXPECT_FLOAT_EQ(mono[1], 0.25f);

    const auto eight = wave(11025, 1, 8, {128, 255, 0});
    const Clip e = decodeWave(bytesOf(eight), 11025);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_FLOAT_EQ(e[0], 0.0f);
    EXPECT_NEAR(e[1], 1.0f, 0.01f);
    EXPECT_FLOAT_EQ(e[2], -1.0f);

    std::vector<int> ramp(100);
    for (int i = 0; i < 100; ++i) ramp[size_t(i)] = i * 100;
    const Clip up = decodeWave(bytesOf(wave(22050, 1, 16, ramp)), 44100);
    EXPECT_EQ(up.size(), 200u);
    EXPECT_NEAR(up[11], (500 + 600) / 2 / 32768.0f, 1e-4f); // halfway between two samples
}

TEST(WaveClip, rejectsWhatIsNotPcmWave) {
    auto rejected = [](const QByteArray& b) {
        return !inspectWave(bytesOf(b)) && decodeWave(bytesOf(b), 44100).empty();
    };
    EXPECT_TRUE(rejected(QByteArray()));
    EXPECT_TRUE(rejected(QByteArray("RIFF\x10\x00\x00\x00WAVE", 12)));
    EXPECT_TRUE(rejected(QByteArray("not a wave file at all")));
    QByteArray adpcm = wave(22050, 1, 16, {1, 2, 3});
    adpcm[20] = 2; // format tag 2: compressed
    EXPECT_TRUE(rejected(adpcm));
    EXPECT_TRUE(rejected(wave(22050, 6, 16, {1, 2, 3, 4, 5, 6})));
    // A data chunk longer than the file plays what is there.
    QByteArray cut = wave(22050, 1, 16, {100, 200, 300, 400});
    cut.chop(4);
    EXPECT_EQ(decodeWave(bytesOf(cut), 22050).size(), 2u);
}
