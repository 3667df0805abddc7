// With no sound server and no device: silence, no crash, no hang, one warning at most, and
// effects and tunes still keep their timing. (ctest runs these with no PulseAudio server.)
#include "sound/sound_system.h"
#include "support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kp::sound;
using namespace kp::sound::test;

namespace {

int soundWarnings = 0;

void countSoundWarnings(QtMsgType, const QMessageLogContext&, const QString& msg) {
    if (msg.startsWith("Sound:")) ++soundWarnings;
}

// Points the system's temporary folder somewhere else for as long as it lives.
class TempPathRedirect {
  public:
    explicit TempPathRedirect(const QString& dir) : had_(qEnvironmentVariableIsSet("TMPDIR")) {
        previous_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(dir));
    }
    ~TempPathRedirect() {
        if (had_)
            qputenv("TMPDIR", previous_);
        else
            qunsetenv("TMPDIR");
    }
    TempPathRedirect(const TempPathRedirect&) = delete;
    TempPathRedirect& operator=(const TempPathRedirect&) = delete;

  private:
    bool had_;
    QByteArray previous_;
};

} // namespace

TEST(NoSoundDevice, deviceOutputFallsBackToSilenceWithOneWarning) {
    ensureApp();
    soundWarnings = 0;
    const auto previous = qInstallMessageHandler(countSoundWarnings);
    {
        Mixer mixer;
        DeviceOutput out(mixer);
        EXPECT_TRUE(runUntil([] { return soundWarnings > 0; })) << "it says it plays silently";
        EXPECT_FALSE(out.audible());
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(soundWarnings, 1);
}

TEST(NoSoundDevice, silentOutputPullsAtTheRealPace) {
    ensureApp();
    Mixer mixer;
    SilentOutput out(mixer, 10);
    // Longer than the second a pull may catch up at most: however late the first pull comes,
    // it leaves some of the sequence to sound.
    const Tone tones[] = {{450, 400}, {550, 400}, {450, 400}};
    const int64_t sequence = int64_t(1.2 * mixer.sampleRate());
    mixer.playTones(tones);
    ASSERT_TRUE(runUntil([&] { return out.framesPulled() > 0; }));
    EXPECT_GT(mixer.toneFramesPending(), 0) << "the sequence is still sounding";
    ASSERT_TRUE(runUntil([&] { return mixer.toneFramesPending() == 0; }));
    // It pulled what sounded, then stopped: a silent game does not wake for nothing.
    const int64_t pulled = out.framesPulled();
    EXPECT_GE(pulled, sequence);
    spinEventLoop(200);
    EXPECT_EQ(out.framesPulled(), pulled);
    // A new sound wakes it, and plays from its start: the time asleep is passed over, not
    // rendered at once.
    mixer.playTones(tones);
    EXPECT_GE(out.framesPulled(), pulled + mixer.sampleRate() / 5);
    const int64_t woken = out.framesPulled();
    ASSERT_TRUE(runUntil([&] { return out.framesPulled() > woken; }));
    EXPECT_GT(mixer.toneFramesPending(), 0);
}

TEST(NoSoundDevice, theWholeSoundSystemRunsSilently) {
    ensureApp();
    soundWarnings = 0;
    const auto previous = qInstallMessageHandler(countSoundWarnings);
    {
        SoundSystem sound;
        EXPECT_FALSE(sound.output().audible());
        sound.effects().setOutput(1);
        sound.effects().playLevelWon();
        const auto failure = playTune(sound.music(), 2);
        EXPECT_TRUE(runUntil([&] { return !sound.mixer().effectSounding(); }))
            << "the 1.15 s clip plays out";
        if (!failure) {
            EXPECT_EQ(sound.player().mode(), MusicPlayer::Mode::Playing);
            EXPECT_GT(sound.player().position(), 0) << "the tune moves on without a device";
        }
        sound.effects().setOutput(2);
        sound.effects().playRemoval();
        EXPECT_TRUE(runUntil([&] { return sound.mixer().toneFramesPending() == 0; }));
    }
    qInstallMessageHandler(previous);
    EXPECT_LE(soundWarnings, 1);
}

TEST(SoundSystem, volumesAreMixerGains) {
    ensureApp();
    SoundSystem::Options o;
    o.useDevice = false;
    SoundSystem sound(o);
    sound.setEffectsVolume(1);
    sound.setMusicVolume(2);
    EXPECT_FLOAT_EQ(sound.mixer().effectGain(), levelGain(1));
    EXPECT_FLOAT_EQ(sound.mixer().musicGain(), levelGain(2));
}

// Anyone sharing the temporary folder can plant links there. Choosing tunes must write through
// none of them, and write nothing at all: the tunes play from memory.
TEST(SoundSystem, choosingTunesWritesNoFileEvenThroughPlantedLinks) {
    ensureApp();
    QTemporaryDir victimDir, shared;
    const QString victim = victimDir.filePath("precious.txt");
    const QByteArray precious = "the player's own file";
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(precious);
    }
    const TempPathRedirect redirect(shared.path());
    ASSERT_EQ(QDir::tempPath(), QDir(shared.path()).canonicalPath());
    // Where a tune file would be expected: the program's base name, then the tune's name.
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QStringList links;
    for (const char* tune : {"_Lettre-a-Elise.Mid", "_Bolero.Mid", "_Pop-Corn.Mid", "_Booster.Mid",
                             "_Power-Pads.Mid"}) {
        links << program + QString::fromLatin1(tune);
        ASSERT_TRUE(QFile::link(victim, QDir::tempPath() + "/" + links.back()));
    }
    links.sort();
    {
        SoundSystem::Options o;
        o.useDevice = false;
        SoundSystem sound(o);
        for (int n = 1; n <= 5; ++n) playTune(sound.music(), n);
        playTune(sound.music(), 4); // left playing until the game closes
    }
    QFile f(victim);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), precious);
    const auto all = QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot;
    QStringList left = QDir(shared.path()).entryList(all);
    left.sort();
    EXPECT_EQ(left.join(' ').toStdString(), links.join(' ').toStdString()) << "only the links";
    EXPECT_EQ(QDir(victimDir.path()).entryList(all).join(' ').toStdString(), "precious.txt");
}
