#pragma once
// What a recording played again answers to, a single game's as a match's: its speed (1x, 2x,
// 4x or step by step), its steps, its keys and its "Replay" banner. The banner has a band of
// its own at the top of the window, so that the well, the counters and the next capsule all
// stay in view.

#include <QPointer>
#include <QString>

#include <functional>

class QKeyEvent;
class QLabel;
class QWidget;

namespace kp {

class ClockDriver;

// The height of the band above boards `width` wide: the tallest of the banner's texts, so
// that the window keeps its size whatever the banner says.
int replayBandHeight(int width);

class ReplayControls {
  public:
    // `driver` runs the replay's timeline; `step` plays it on up to a player's next input.
    ReplayControls(ClockDriver& driver, std::function<void()> step);

    int speed() const { return speed_; }
    // 1, 2 or 4; 0 holds the replay still, for steps. Anything else is 1.
    void setSpeed(int speed);
    // The replay's keys: 1, 2 and 4 its speed; Space holds it still, then steps. A modifier,
    // or another key held down, does nothing. False for any other key, which ends the replay.
    bool key(const QKeyEvent& key);
    // A replay from its start, at the speed last chosen.
    void restart();
    // The replay came to its end on the boards it recorded.
    void reachEnd();
    bool atEnd() const { return atEnd_; }

    // The banner in `parent`, in the band `band` high above boards `width` wide.
    void placeBanner(QWidget* parent, int width, int band);
    void hideBanner();
    QLabel* banner() const;

  private:
    void showBanner();

    ClockDriver& driver_;
    std::function<void()> step_;
    int speed_ = 1;
    bool atEnd_ = false;
    QPointer<QLabel> banner_;
    int width_ = 0, band_ = 0;
};

} // namespace kp
