#pragma once
// Choosing, starting and watching over the tune, as the "Musique" menu and the one-second
// clock ask: the release sequence, the end of a tune that does not loop, pausing while the game
// is in the background. The tunes play from memory: nothing is written to disk. A looping tune
// goes round in the player itself, with no gap; the clock only sees the end of one that does not.
//
// Opening a tune (the synthesiser, its bank, the loudness measure) runs on a thread of its own:
// a bank on a hung network drive or a slow device never holds the window, nor its close. Its
// result comes back to the controller's thread through the event loop; a choice made meanwhile
// wins over the tune that was loading.
#include "music_player.h"

#include <QFutureWatcher>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace kp::sound {

// Waits at most `timeoutMs` for the tunes being opened on their own threads; false when one is
// still at it (a bank that never loads). The program's end asks it before the process tears
// down what such a thread still reads.
bool waitForTunesOpened(int timeoutMs);

class MusicController {
  public:
    // What the clock's music step did, for the window to follow up.
    enum class Watch {
        Nothing,
        Restarted, // the game came back to the front: the tune starts again from its beginning
        Resumed,   // the game came back from hiding: the tune goes on where it stopped
        Paused,    // the game went to the background
        Replayed,  // the tune ended before looping was turned on, and plays again
        Ended,     // the tune ended without looping: no music now ("Musique" is 0)
    };

    explicit MusicController(std::shared_ptr<MusicPlayer> player);
    ~MusicController();
    MusicController(const MusicController&) = delete;
    MusicController& operator=(const MusicController&) = delete;

    // Shown while a tune opens: true to show, false to close.
    void setLoadingWindow(std::function<void(bool)> show) { loading_ = std::move(show); }
    // Called when a tune chosen with playTune could not be played (the window says so).
    void setFailureHandler(std::function<void()> failed) { failed_ = std::move(failed); }

    // Starts tune n (1-5): releases the tune playing, hands the new one to the player and
    // opens it off this thread; it plays when it is open, or the failure handler is called.
    // "Musique" stays n on failure, as the menu still shows it.
    void playTune(int n);
    // No music: "Musique" 0, the release sequence, and the bank goes too.
    void stopMusic();
    // Stop, close, disable the player, let go of the tune. Also at close, where a tune still
    // opening is left to its thread, never waited for.
    void release();
    // "MusiqueEnBoucle".
    void setLooping(bool looping);

    // The clock's music step, once a second.
    Watch superviseMusic(bool applicationActive, bool windowVisible);
    // Panic: while hushed nothing plays, a tune that opens meanwhile included, and the clock's
    // step does nothing. The tune that was playing goes on where it stopped once the game is
    // back in front (the next superviseMusic with the window active and visible).
    void hush(bool hushed);

    int tune() const { return tune_; }
    // A tune is being opened.
    bool loading() const { return opening_; }

  private:
    enum class Asked { Play, Release, Stop };
    void open(bool reportFailure); // the tune tune_, from its beginning
    void opened();                 // back on this thread with the result
    void releaseNow();
    void show(bool shown) {
        if (loading_) loading_(shown);
    }

    std::shared_ptr<MusicPlayer> player_;
    int tune_ = 0;
    bool looping_ = false;
    bool opening_ = false;
    bool reportFailure_ = false;
    bool hushed_ = false;
    bool resume_ = false; // paused by hush(): resumed, not started again, on the way back
    // What was asked while a tune was opening, done once it is open (its result is dropped).
    std::optional<Asked> asked_;
    QFutureWatcher<bool> watcher_;
    std::function<void(bool)> loading_;
    std::function<void()> failed_;
};

} // namespace kp::sound
