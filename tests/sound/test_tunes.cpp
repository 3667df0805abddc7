// The five tunes: well-formed General MIDI files that FluidSynth renders to sound of the
// expected length, with every note closed before the loop point.
#include "sound/music_player.h"
#include "sound/tunes.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace kp::sound;
using namespace kp::sound::test;

TEST(TuneFiles, fourStandardMidiFilesOfFormatOneAndOneRmid) {
    int rmid = 0, smf = 0;
    for (const TuneInfo& t : Tunes) {
        SCOPED_TRACE(t.resource);
        const QByteArray bytes = tuneResource(t.resource);
        ASSERT_FALSE(bytes.isEmpty());
        if (bytes.startsWith("RIFF")) {
            ++rmid;
            EXPECT_EQ(bytes.mid(8, 4), "RMID");
        } else {
            ++smf;
            EXPECT_EQ(summarise(bytes).format, 1);
        }
    }
    EXPECT_EQ(smf, 4);
    EXPECT_EQ(rmid, 1);
}

TEST(TuneFiles, areLongMultiInstrumentLoopsWithNoHangingNote) {
    for (const TuneInfo& t : Tunes) {
        SCOPED_TRACE(t.resource);
        const MidiSummary s = summarise(standardMidi(tuneResource(t.resource)));
        EXPECT_GE(s.seconds, 60.0);
        EXPECT_LE(s.seconds, 120.0);
        EXPECT_EQ(s.unmatchedNoteOns, 0);
        EXPECT_TRUE(s.loopMarkers);
        EXPECT_TRUE(std::count(s.channels.begin(), s.channels.end(), 9)) << "no drums";
        EXPECT_GE(s.channels.size(), 4u) << "melody, bass, harmony and drums";
        EXPECT_GE(s.programChanges, 3);
        EXPECT_GT(s.noteOns, 300);
    }
}

TEST(TuneFiles, rmidUnwrapsToItsMidiDataAndJunkIsRefused) {
    const QByteArray smf =
        summarise(tuneResource("ELISE")).format == 1 ? tuneResource("ELISE") : QByteArray();
    ASSERT_FALSE(smf.isEmpty());
    EXPECT_EQ(standardMidi(smf), smf);
    QByteArray riff("RIFF\0\0\0\0RMIDLIST\x04\0\0\0abcddata", 28);
    const uint32_t n = uint32_t(smf.size());
    riff.append(char(n)).append(char(n >> 8)).append(char(n >> 16)).append(char(n >> 24));
    riff.append(smf);
    EXPECT_EQ(standardMidi(riff), smf); // found past another chunk
    EXPECT_TRUE(standardMidi("RIFF\0\0\0\0WAVEdata").isEmpty());
    EXPECT_TRUE(standardMidi("hello").isEmpty());
    EXPECT_TRUE(standardMidi(QByteArray()).isEmpty());
}

// Each tune through FluidSynth: sound from start to end, at balanced levels, for as long as
// the file says, and then silence once the last notes have faded.
class TuneRendering : public ::testing::TestWithParam<int> {};

TEST_P(TuneRendering, SoundsForItsWholeLengthAndEnds) {
    const TuneInfo& t = Tunes[size_t(GetParam())];

    constexpr int Rate = 22050;
    Mixer mixer(Rate);
    MusicPlayer player(Rate);
    mixer.setMusic(&player);
    mixer.setMusicGain(1.0f);
    player.setTune(tuneResource(t.resource));
    player.setEnabled(true);
    if (!player.open()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    ASSERT_TRUE(player.play());

    const double expected = summarise(standardMidi(tuneResource(t.resource))).seconds;
    std::vector<float> secondRms;
    float loudest = 0;
    int seconds = 0;
    while (player.mode() == MusicPlayer::Mode::Playing && seconds < 200) {
        const auto s = pull(mixer, Rate);
        secondRms.push_back(rms(s));
        loudest = std::max(loudest, peak(s));
        ++seconds;
    }
    EXPECT_EQ(player.mode(), MusicPlayer::Mode::Stopped);
    EXPECT_NEAR(seconds, expected, 1.5);
    EXPECT_LT(loudest, 1.0f) << "clips at full music gain";
    EXPECT_GT(20 * std::log10(loudest), -12.0);
    // Every second but the first and the last two has sound.
    for (int i = 1; i + 2 < seconds; ++i)
        EXPECT_GT(20 * std::log10(secondRms[size_t(i)] + 1e-9f), -50.0) << "second " << i;
    // Nothing hangs on after the end.
    pull(mixer, 3 * Rate);
    EXPECT_LT(peak(pull(mixer, Rate)), 1e-3f);
}

INSTANTIATE_TEST_SUITE_P(EachTune, TuneRendering, ::testing::Range(0, 5), [](const auto& info) {
    return std::string(Tunes[size_t(info.param)].resource);
});
