#pragma once
// The little show of the about page: three smileys sit on the title, drop one after the other,
// bounce down to the clown's corner and, once all three rest there, the clown appears, they
// pull faces, go back up to the title and pull a few more. Pure arithmetic, one tick at a time.

#include <array>
#include <functional>

namespace kp {

class AboutShow {
  public:
    // A random draw in 0..n-1.
    using RandomPick = std::function<int(int n)>;

    struct Smiley {
        int left = 0, top = 0;
        int v = 0;            // vertical speed, pixels per tick, downwards positive
        int a = 1;            // acceleration
        bool started = false; // has left the title line
        bool pose = false;    // rests on the landing spot
        int colour = 0;       // the smiley colour its picture is taken from
        int phase = 1;        // its picture: 1 glance left, 2 glance right, 3 grin, 4 blink
    };

    static constexpr int Period = 75; // ms
    static constexpr std::array<int, 3> Starts{227, 158, 317};
    static constexpr int StartChances = 25; // one chance in 25 per tick to start falling

    explicit AboutShow(RandomPick pick);

    // Back to the start: smileys on the title line (titleTop - 1), the clown hidden, one of
    // the three brought to the front; they will land on (spotLeft, spotTop).
    void start(int titleTop, int spotLeft, int spotTop);
    void tick();

    const std::array<Smiley, 3>& smileys() const { return s_; }
    bool clownVisible() const { return clown_; }
    int front() const { return front_; }       // index of the smiley in front
    int sequence() const { return sequence_; } // 0 until all three have landed
    bool allLanded() const;

  private:
    void stepSmiley(int k);
    void nextStep();
    void faces(std::array<int, 3> phases);

    RandomPick pick_;
    std::array<Smiley, 3> s_{};
    int titleLine_ = 0, spotLeft_ = 0, spotTop_ = 0;
    bool clown_ = false;
    int front_ = 0;
    int sequence_ = 0;
};

} // namespace kp
