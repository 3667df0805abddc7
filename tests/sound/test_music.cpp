// The media player's modes and the "Musique" procedures: handing tunes over, failures, the
// clock's music step (pause in the background, restart, stop at the end), looping in the player
// itself, and which General MIDI bank is loaded, when, and until when.
#include "sound/fluid_library.h"
#include "sound/music_controller.h"
#include "sound/sound_system.h"
#include "sound/tunes.h"
#include "support.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kp::sound;
using namespace kp::sound::test;
using Mode = MusicPlayer::Mode;
using Watch = MusicController::Watch;

namespace {

constexpr int Rate = 22050;

bool soundFontInstalled() {
    return !installedSoundFonts().empty();
}

// A player, its mixer and a controller.
// The test program, as the game, must not end under a tune still opening on its own thread.
struct TunesOpenedAtTheEnd : ::testing::Environment {
    void TearDown() override { EXPECT_TRUE(waitForTunesOpened(30000)); }
};
[[maybe_unused]] const auto* const tunesOpened =
    ::testing::AddGlobalTestEnvironment(new TunesOpenedAtTheEnd);

struct Rig {
    Mixer mixer{Rate};
    std::shared_ptr<MusicPlayer> shared;
    MusicPlayer& player;
    MusicController music;
    explicit Rig(std::vector<std::string> fonts = installedSoundFonts())
        : shared(std::make_shared<MusicPlayer>(Rate, std::move(fonts))), player(*shared),
          music(shared) {
        mixer.setMusic(&player);
    }
    ~Rig() { mixer.setMusic(nullptr); }
    std::optional<QString> play(int n) { return playTune(music, n); }
    // Pulls until the tune ends, a minute and a half at most.
    void playToEnd() {
        for (int s = 0; s < 90 && player.mode() == Mode::Playing; ++s) pull(mixer, Rate);
    }
};

} // namespace

TEST(MusicPlayer, modesFollowOpenPlayPauseStopClose) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    MusicPlayer p(Rate);
    EXPECT_EQ(p.mode(), Mode::NotReady);
    EXPECT_FALSE(p.play());
    EXPECT_FALSE(p.stop()); // nothing open: the release sequence ends here
    p.setTune(tinyMidi(4));
    EXPECT_FALSE(p.open()) << "a disabled player opens nothing";
    p.setEnabled(true);
    ASSERT_TRUE(p.open());
    EXPECT_EQ(p.mode(), Mode::Stopped);
    ASSERT_TRUE(p.play());
    EXPECT_EQ(p.mode(), Mode::Playing);
    EXPECT_TRUE(p.pause());
    EXPECT_EQ(p.mode(), Mode::Paused);
    EXPECT_TRUE(p.pause());
    EXPECT_EQ(p.mode(), Mode::Playing);
    EXPECT_TRUE(p.stop());
    EXPECT_EQ(p.mode(), Mode::Stopped);
    EXPECT_TRUE(p.close());
    EXPECT_EQ(p.mode(), Mode::NotReady);
    EXPECT_FALSE(p.close());
}

TEST(MusicPlayer, stopsAtTheEndAndPlayRewinds) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    Mixer mixer(Rate);
    MusicPlayer p(Rate);
    mixer.setMusic(&p);
    p.setTune(tinyMidi(4)); // two seconds
    p.setEnabled(true);
    ASSERT_TRUE(p.open() && p.play());
    pull(mixer, Rate);
    EXPECT_EQ(p.mode(), Mode::Playing);
    EXPECT_GT(p.position(), 0);
    pull(mixer, Rate + Rate / 5);
    EXPECT_EQ(p.mode(), Mode::Stopped);
    ASSERT_TRUE(p.play());
    EXPECT_EQ(p.position(), 0);
    EXPECT_GT(rms(pull(mixer, Rate / 2)), 0.001f) << "plays again from the start";
}

TEST(MusicPlayer, loopingTuneGoesOnFromItsEndWithNoGap) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    Mixer mixer(Rate);
    MusicPlayer p(Rate);
    mixer.setMusic(&p);
    p.setTune(tinyMidi(4)); // two seconds of notes, each held to the next
    p.setEnabled(true);
    p.setLooping(true);
    ASSERT_TRUE(p.open() && p.play());
    const auto sound = pull(mixer, 5 * Rate); // round the end twice
    EXPECT_EQ(p.mode(), Mode::Playing);
    EXPECT_LT(p.position(), 2 * 480);
    EXPECT_LT(longestSilence(sound, Rate).seconds, 0.05);
}

TEST(MusicPlayer, theBankIsLoadedOnlyWhenATuneOpensAndGoesWhenReleased) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    MusicPlayer p(Rate);
    p.setTune(tinyMidi(2));
    p.setEnabled(true);
    EXPECT_TRUE(p.soundFontPath().empty());
    ASSERT_TRUE(p.open() && p.play());
    EXPECT_EQ(p.soundFontPath(), installedSoundFonts().front()) << "the fullest bank";
    p.releaseBank();
    EXPECT_TRUE(p.soundFontPath().empty());
    EXPECT_EQ(p.mode(), Mode::NotReady);
    ASSERT_TRUE(p.open()) << "and comes back when music is asked for again";
}

// "BanqueSons": the player's own bank comes before the system's; one that is missing or broken
// is passed over for them, with nothing said.
TEST(SoundSystem, playersOwnBankComesFirstAndABrokenOneIsPassedOver) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    ensureApp();
    SoundSystem::Options o;
    o.useDevice = false;
    SoundSystem sound(o);
    const std::string smallest = installedSoundFonts().back();
    sound.setPreferredBank(smallest);
    ASSERT_FALSE(playTune(sound.music(), 4));
    EXPECT_EQ(sound.player().soundFontPath(), smallest);
    sound.music().stopMusic();

    QTemporaryDir dir;
    const QString broken = dir.filePath("broken.sf2");
    {
        QFile f(broken);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("RIFF\x10\x00\x00\x00sfbkLIST not a bank at all");
    }
    for (const QString& bank : {broken, dir.filePath("missing.sf2")}) {
        sound.setPreferredBank(bank.toStdString());
        EXPECT_FALSE(playTune(sound.music(), 4));
        EXPECT_EQ(sound.player().soundFontPath(), installedSoundFonts().front());
        sound.music().stopMusic();
    }
}

// A named pipe as the player's bank is never opened (the synthesiser would wait on it for
// ever): it is passed over like a broken bank.
TEST(SoundSystem, aPipeAsThePlayersBankIsPassedOverWithoutWaiting) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    ensureApp();
    SoundSystem::Options o;
    o.useDevice = false;
    SoundSystem sound(o);
    QTemporaryDir dir;
    const std::string pipe = dir.filePath("bank.sf2").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    sound.setPreferredBank(pipe);
    const auto played = playTune(sound.music(), 4);
    if (sound.music().loading()) {
        // Only guards a hang: a writer that comes and goes lets the waiting reader go on.
        const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        ASSERT_TRUE(runUntil([&] { return !sound.music().loading(); }));
        FAIL() << "loading the music waited on the pipe";
    }
    EXPECT_FALSE(played);
    EXPECT_EQ(sound.player().soundFontPath(), installedSoundFonts().front());
}

// The banks of the system, the fullest first, each once however many links lead to it.
TEST(SoundFonts, largestBankFirstAndEachOnce) {
    QTemporaryDir one, two;
    auto make = [](const QString& path, int size) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(size, 'x'));
    };
    make(one.filePath("Small.sf2"), 100);
    make(one.filePath("Full.sf2"), 3000);
    make(two.filePath("Compressed.sf3"), 500);
    make(two.filePath("notes.txt"), 9000);
    ASSERT_TRUE(QFile::link(one.filePath("Full.sf2"), two.filePath("default-GM.sf2")));
    const auto banks =
        soundFontsIn({one.path().toStdString(), two.path().toStdString(), "/nonexistent/folder"});
    ASSERT_EQ(banks.size(), 3u);
    EXPECT_TRUE(banks[0].ends_with("Full.sf2"));
    EXPECT_TRUE(banks[1].ends_with("Compressed.sf3"));
    EXPECT_TRUE(banks[2].ends_with("Small.sf2"));
}

TEST(MusicPlayer, pausedTuneIsSilentAndHoldsItsPlace) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    Mixer mixer(Rate);
    MusicPlayer p(Rate);
    mixer.setMusic(&p);
    p.setTune(tinyMidi(8));
    p.setEnabled(true);
    ASSERT_TRUE(p.open() && p.play());
    pull(mixer, Rate);
    p.pause();
    const int at = p.position();
    pull(mixer, Rate / 2); // release tails
    EXPECT_LT(peak(pull(mixer, Rate)), 1e-3f);
    EXPECT_EQ(p.position(), at);
}

TEST(MusicPlayer, refusesWhatItCannotPlay) {
    MusicPlayer p(Rate);
    p.setEnabled(true);
    EXPECT_FALSE(p.open()) << "no tune";
    p.setTune("not a MIDI file");
    EXPECT_FALSE(p.open());
    MusicPlayer noFont(Rate, {"/nonexistent/a.sf2", "/nonexistent/b.sf2"});
    noFont.setEnabled(true);
    noFont.setTune(tinyMidi(1));
    EXPECT_FALSE(noFont.open());
    EXPECT_EQ(noFont.mode(), Mode::NotReady);
}

TEST(MusicController, playsTheChosenTuneAndLetsItGo) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    Rig r;
    EXPECT_FALSE(r.play(4));
    EXPECT_EQ(r.music.tune(), 4);
    EXPECT_EQ(r.player.mode(), Mode::Playing);
    EXPECT_EQ(r.player.tune(), tuneResource("BOOSTER"));

    // Changing tunes lets the first go; the second plays in its place.
    EXPECT_FALSE(r.play(5));
    EXPECT_EQ(r.player.tune(), tuneResource("POWER_PA"));
    EXPECT_EQ(r.player.mode(), Mode::Playing);

    EXPECT_FALSE(r.player.soundFontPath().empty());

    r.music.stopMusic();
    EXPECT_EQ(r.music.tune(), 0);
    EXPECT_EQ(r.player.mode(), Mode::NotReady);
    EXPECT_FALSE(r.player.enabled());
    EXPECT_TRUE(r.player.tune().isEmpty());
    EXPECT_TRUE(r.player.soundFontPath().empty()) << "the bank is let go with the music";

    // At close too.
    EXPECT_FALSE(r.play(2));
    r.music.release();
    EXPECT_EQ(r.player.mode(), Mode::NotReady);
    EXPECT_TRUE(r.player.tune().isEmpty());
}

TEST(MusicController, outOfRangeTuneMeansNoMusic) {
    Rig r;
    EXPECT_FALSE(r.play(6));
    EXPECT_EQ(r.music.tune(), 0);
    EXPECT_TRUE(r.player.tune().isEmpty());
}

TEST(MusicController, withoutSoundFontTheFailureIsToldEachTime) {
    Rig r({"/nonexistent/none.sf2"});
    std::vector<bool> loading;
    r.music.setLoadingWindow([&](bool shown) { loading.push_back(shown); });
    EXPECT_EQ(r.play(3), QString("the tune could not be played"));
    EXPECT_EQ(r.play(3), QString("the tune could not be played"));
    EXPECT_EQ(r.music.tune(), 3) << "the menu still shows the tune";
    EXPECT_EQ(loading, (std::vector<bool>{true, false, true, false}));
    // The tune that failed to open goes at the next release all the same.
    EXPECT_EQ(r.player.tune(), tuneResource("POP_CORN"));
    r.music.stopMusic();
    EXPECT_TRUE(r.player.tune().isEmpty());
    // The clock's step has nothing to watch.
    EXPECT_EQ(r.music.superviseMusic(true, true), Watch::Nothing);
}

TEST(MusicController, backgroundPausesAndForegroundRestartsFromTheBeginning) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    Rig r;
    int loadingShown = 0;
    r.music.setLoadingWindow([&](bool shown) { loadingShown += shown; });
    ASSERT_FALSE(r.play(1));
    pull(r.mixer, 3 * Rate);
    EXPECT_EQ(r.music.superviseMusic(true, true), Watch::Nothing);
    EXPECT_EQ(r.music.superviseMusic(false, true), Watch::Paused);
    EXPECT_EQ(r.player.mode(), Mode::Paused);
    EXPECT_EQ(r.music.superviseMusic(false, true), Watch::Nothing);
    EXPECT_EQ(r.music.superviseMusic(true, false), Watch::Nothing) << "window hidden";
    EXPECT_GT(r.player.position(), 0);
    EXPECT_EQ(r.music.superviseMusic(true, true), Watch::Restarted);
    ASSERT_TRUE(runUntil([&] { return !r.music.loading(); }));
    EXPECT_EQ(r.player.mode(), Mode::Playing);
    EXPECT_EQ(r.player.position(), 0);
    EXPECT_EQ(loadingShown, 2);
}

TEST(MusicController, hushedTuneWaitsSilentAndGoesOnWhereItStopped) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    Rig r;
    ASSERT_FALSE(r.play(1));
    pull(r.mixer, 3 * Rate);
    r.music.hush(true);
    EXPECT_EQ(r.player.mode(), Mode::Paused);
    const int at = r.player.position();
    EXPECT_GT(at, 0);
    // Hidden yet still on screen and in front: the clock leaves the tune alone.
    EXPECT_EQ(r.music.superviseMusic(true, true), Watch::Nothing);
    EXPECT_EQ(r.music.superviseMusic(false, true), Watch::Nothing);
    r.music.hush(false);
    EXPECT_EQ(r.music.superviseMusic(false, true), Watch::Nothing) << "not in front yet";
    EXPECT_EQ(r.music.superviseMusic(true, true), Watch::Resumed);
    EXPECT_EQ(r.player.mode(), Mode::Playing);
    EXPECT_EQ(r.player.position(), at);
    // Going to the background afterwards restarts the tune on the way back, as ever.
    EXPECT_EQ(r.music.superviseMusic(false, true), Watch::Paused);
    EXPECT_EQ(r.music.superviseMusic(true, true), Watch::Restarted);
}

TEST(MusicController, loopingTuneGoesRoundByItselfAndOneThatDoesNotEnds) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    Rig r;
    r.music.setLooping(true);
    ASSERT_FALSE(r.play(1));
    r.playToEnd(); // never: a minute and a half goes by, past the end of the tune
    EXPECT_EQ(r.player.mode(), Mode::Playing);
    EXPECT_EQ(r.music.superviseMusic(true, true), Watch::Nothing);

    r.music.setLooping(false);
    r.playToEnd();
    ASSERT_EQ(r.player.mode(), Mode::Stopped);
    // Looping turned on again before the clock saw the end: played again from the start.
    r.music.setLooping(true);
    EXPECT_EQ(r.music.superviseMusic(true, true), Watch::Replayed);
    EXPECT_EQ(r.player.mode(), Mode::Playing);
    EXPECT_GT(rms(pull(r.mixer, Rate)), 0.001f);
    EXPECT_EQ(r.music.tune(), 1);

    r.music.setLooping(false);
    r.playToEnd();
    ASSERT_EQ(r.player.mode(), Mode::Stopped);
    EXPECT_EQ(r.music.superviseMusic(false, true), Watch::Ended);
    EXPECT_EQ(r.music.tune(), 0);
    EXPECT_EQ(r.player.mode(), Mode::NotReady);
    EXPECT_TRUE(r.player.tune().isEmpty());
    EXPECT_TRUE(r.player.soundFontPath().empty()) << "no music, no bank";
}

namespace {

// A bank whose reading does not end until the test lets it (a bank on a hung network drive).
struct StuckBank {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    bool done = false;
    int reads = 0;
    decltype(&::fluid_synth_sfload) real = nullptr;
    bool isOpen() {
        std::lock_guard lock(mutex);
        return open;
    }
    void set(bool& flag, bool value) {
        std::lock_guard lock(mutex);
        flag = value;
        changed.notify_all();
    }
} stuck;

int stuckSfload(fluid_synth_t* synth, const char* file, int reset) {
    {
        std::unique_lock lock(stuck.mutex);
        ++stuck.reads;
        stuck.changed.notify_all();
        stuck.changed.wait(lock, [] { return stuck.open; });
    }
    return stuck.real(synth, file, reset);
}

} // namespace

// Opening a tune never holds the window's thread nor the audio: the menu returns while the bank
// is read, the sound goes on being pulled, a tune chosen meanwhile is the one that plays, and
// the music goes at close without waiting for a bank still being read.
TEST(MusicController, aBankThatIsNeverReadHoldsNeitherTheWindowNorTheAudioNorTheClose) {
    if (!soundFontInstalled()) GTEST_SKIP() << "no SoundFont";
    ensureApp();
    // The library's table is ours to change: the synthesiser reads its banks through it.
    auto* fluid = const_cast<FluidLibrary*>(FluidLibrary::get());
    ASSERT_NE(fluid, nullptr);
    stuck.real = std::exchange(fluid->fluid_synth_sfload, &stuckSfload);
    // Only guards a hang: a bank the window waits on is let go after a minute.
    std::thread guard([] {
        std::unique_lock lock(stuck.mutex);
        while (!stuck.done) {
            if (!stuck.changed.wait_for(lock, std::chrono::seconds(60),
                                        [] { return stuck.done || stuck.open; })) {
                stuck.open = true;
                stuck.changed.notify_all();
            }
            stuck.changed.wait(lock, [] { return stuck.done || !stuck.open; });
        }
    });
    auto readsReach = [](int n) {
        std::unique_lock lock(stuck.mutex);
        stuck.changed.wait(lock, [n] { return stuck.reads >= n || stuck.open; });
    };

    auto rig = std::make_unique<Rig>();
    std::vector<bool> loading;
    rig->music.setLoadingWindow([&](bool shown) { loading.push_back(shown); });
    rig->music.playTune(4);
    readsReach(1);
    pull(rig->mixer, Rate);
    rig->music.playTune(5);
    EXPECT_FALSE(stuck.isOpen()) << "the window or the audio waited on the bank";
    EXPECT_TRUE(rig->music.loading());
    EXPECT_EQ(rig->music.superviseMusic(true, true), Watch::Nothing);

    stuck.set(stuck.open, true);
    EXPECT_TRUE(runUntil([&] { return !rig->music.loading(); }));
    EXPECT_EQ(rig->player.tune(), tuneResource("POWER_PA")) << "the newer choice";
    EXPECT_EQ(rig->player.mode(), Mode::Playing);
    EXPECT_EQ(loading.back(), false);

    // Once more, and the music goes while the bank is being read.
    rig->music.stopMusic();
    stuck.set(stuck.open, false);
    rig->music.playTune(2);
    readsReach(2);
    const std::weak_ptr<MusicPlayer> player = rig->shared;
    rig.reset();
    EXPECT_FALSE(stuck.isOpen()) << "the close waited on the bank";
    EXPECT_FALSE(player.expired()) << "the player stays with the thread reading its bank";

    stuck.set(stuck.open, true);
    stuck.set(stuck.done, true);
    guard.join();
    // The thread lets the player go once the bank is read.
    ASSERT_TRUE(runUntil([&] { return player.expired(); }));
    fluid->fluid_synth_sfload = stuck.real;
}
