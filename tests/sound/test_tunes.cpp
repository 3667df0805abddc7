// The five tunes: well-formed General MIDI files with every note closed before the loop point,
// which FluidSynth renders balanced and loops without a gap.
#include "sound/loudness.h"
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
        // The loop starts again at once: no rest at the start, and at the end no more than the
        // notes' own short breath, which their release fills.
        EXPECT_EQ(s.firstNote, 0.0);
        EXPECT_LT(s.seconds - s.lastNoteOff, 0.15);
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

// Each tune through FluidSynth, looping, at the loudest music level: sound all through and
// round the seam with no gap a player could hear, at MusicLoudness whatever the bank, and with
// the headroom the effects need above it.
class TuneRendering : public ::testing::TestWithParam<int> {};

TEST_P(TuneRendering, isBalancedAndLoopsWithoutAGap) {
    const TuneInfo& t = Tunes[size_t(GetParam())];

    constexpr int Rate = 22050;
    Mixer mixer(Rate);
    MusicPlayer player(Rate);
    mixer.setMusic(&player);
    mixer.setMusicGain(1.0f);
    player.setTune(tuneResource(t.resource));
    player.setEnabled(true);
    player.setLooping(true);
    if (!player.open()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    ASSERT_TRUE(player.play());

    const double length = summarise(standardMidi(tuneResource(t.resource))).seconds;
    const auto once = pull(mixer, int(length * Rate));
    const int end = player.position();
    const auto seam = pull(mixer, Rate / 2);
    EXPECT_EQ(player.mode(), MusicPlayer::Mode::Playing);
    EXPECT_LT(player.position(), end) << "round the end and back at the start";

    LoudnessMeter meter(Rate);
    meter.add(once.data(), once.size() / 2);
    EXPECT_NEAR(meter.integrated(), MusicLoudness, 1.0) << player.soundFontPath();
    EXPECT_LT(20 * std::log10(peak(once)), MusicLoudness + 16);
    // Half a second either side of the seam: the rests the music writes elsewhere are its own.
    std::vector<float> round(once.end() - Rate, once.end());
    round.insert(round.end(), seam.begin(), seam.end());
    EXPECT_LT(longestSilence(round, Rate).seconds, 0.05);
}

INSTANTIATE_TEST_SUITE_P(EachTune, TuneRendering, ::testing::Range(0, 5), [](const auto& info) {
    return std::string(Tunes[size_t(info.param)].resource);
});
