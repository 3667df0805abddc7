#pragma once
// Choosing, starting and watching over the tune, as the "Musique" menu and the one-second
// clock ask: the release sequence, the end of a tune that does not loop, pausing while the game
// is in the background. The tunes play from memory: nothing is written to disk. A looping tune
// goes round in the player itself, with no gap; the clock only sees the end of one that does not.
#include "engine/language.h"
#include "music_player.h"

#include <QString>

#include <functional>
#include <optional>

namespace kp::sound {

class MusicController {
  public:
    // What the clock's music step did, for the window to follow up.
    enum class Watch {
        Nothing,
        Restarted, // the game came back to the front: the tune starts again from its beginning
        Paused,    // the game went to the background
        Replayed,  // the tune ended before looping was turned on, and plays again
        Ended,     // the tune ended without looping: no music now ("Musique" is 0)
    };

    explicit MusicController(MusicPlayer& player);
    ~MusicController();

    // Shown around the slow step (opening a tune): true to show, false to close.
    void setLoadingWindow(std::function<void(bool)> show) { loading_ = std::move(show); }

    // Starts tune n (1-5): releases the tune playing, hands the new one to the player and plays
    // it. On failure the text to show in the given language (0 French, 1 English) comes back,
    // and "Musique" stays n, as the menu still shows it.
    std::optional<QString> playTune(int n, Language language);
    // No music: "Musique" 0, the release sequence, and the bank goes too.
    void stopMusic();
    // Stop, close, disable the player, let go of the tune. Also at close.
    void release();
    // "MusiqueEnBoucle".
    void setLooping(bool looping) { player_.setLooping(looping); }

    // The clock's music step, once a second.
    Watch superviseMusic(bool applicationActive, bool windowVisible);

    int tune() const { return tune_; }

    static QString playFailure(Language language);

  private:
    MusicPlayer& player_;
    int tune_ = 0;
    std::function<void(bool)> loading_;
};

} // namespace kp::sound
