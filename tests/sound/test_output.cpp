// With no sound server and no device: silence, no crash, no hang, one warning at most, and
// effects and tunes still keep their timing. (ctest runs these with no PulseAudio server.)
#include "sound/sound_system.h"
#include "support.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kp::sound;
using namespace kp::sound::test;

namespace {

int soundWarnings = 0;

void countSoundWarnings(QtMsgType, const QMessageLogContext&, const QString& msg) {
    if (msg.startsWith("Sound:")) ++soundWarnings;
}

} // namespace

TEST(NoSoundDevice, DeviceOutputFallsBackToSilenceQuickly) {
    ensureApp();
    Mixer mixer;
    QElapsedTimer t;
    t.start();
    DeviceOutput out(mixer);
    EXPECT_LT(t.elapsed(), 5000);
    spinEventLoop(200);
    EXPECT_FALSE(out.audible());
}

TEST(NoSoundDevice, SilentOutputPullsAtTheRealPace) {
    ensureApp();
    Mixer mixer;
    SilentOutput out(mixer, 10);
    const Tone tones[] = {{450, 100}, {550, 50}, {450, 100}};
    mixer.playTones(tones);
    spinEventLoop(120);
    EXPECT_GT(mixer.toneFramesPending(), 0) << "the sequence is still sounding";
    spinEventLoop(280);
    EXPECT_EQ(mixer.toneFramesPending(), 0);
    EXPECT_NEAR(double(out.framesPulled()), 0.4 * mixer.sampleRate(), 0.1 * mixer.sampleRate());
}

TEST(NoSoundDevice, TheWholeSoundSystemRunsSilently) {
    ensureApp();
    soundWarnings = 0;
    const auto previous = qInstallMessageHandler(countSoundWarnings);
    {
        QTemporaryDir dir;
        SoundSystem::Options o;
        o.programFile = "/opt/game";
        o.tempDir = dir.path();
        SoundSystem sound(o);
        EXPECT_FALSE(sound.output().audible());
        sound.effects().setSon(1);
        sound.effects().SonnerNiveau();
        const auto failure = sound.music().MenuMusique_Go(2, 0);
        spinEventLoop(1300);
        EXPECT_FALSE(sound.mixer().effectSounding()) << "the 1.15 s clip played out in time";
        if (!failure) {
            EXPECT_EQ(sound.player().mode(), MusicPlayer::Mode::Playing);
            EXPECT_GT(sound.player().position(), 0) << "the tune moves on without a device";
        }
        sound.effects().setSon(2);
        sound.effects().SonnerEffacement();
        spinEventLoop(400);
        EXPECT_EQ(sound.mixer().toneFramesPending(), 0);
    }
    qInstallMessageHandler(previous);
    EXPECT_LE(soundWarnings, 1);
}

TEST(SoundSystem, VolumesAreMixerGainsAndClosingDeletesTheTuneFile) {
    ensureApp();
    QTemporaryDir dir;
    {
        SoundSystem::Options o;
        o.useDevice = false;
        o.programFile = "/opt/game";
        o.tempDir = dir.path();
        SoundSystem sound(o);
        sound.ModifierWaveVolume(1);
        sound.ModifierMidiVolume(2);
        EXPECT_FLOAT_EQ(sound.mixer().effectGain(), waveGain(1));
        EXPECT_FLOAT_EQ(sound.mixer().musicGain(), midiGain(2));
        sound.music().MenuMusique_Go(3, 0);
        EXPECT_TRUE(QFile::exists(dir.filePath("game_Pop-Corn.Mid")));
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("game_Pop-Corn.Mid")));
}
