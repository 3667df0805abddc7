#include "about_animation.h"

#include <cstdlib>
#include <utility>

namespace kp {

namespace {
// The faces they make at rest on the title: the middle one grins, the outer ones look at it.
constexpr std::array<int, 3> StartFaces{3, 2, 1};
constexpr std::array<int, 3> Trio{3, 3, 3};
} // namespace

AboutShow::AboutShow(RandomPick pick) : pick_(std::move(pick)) {}

void AboutShow::start(int titleTop, int spotLeft, int spotTop) {
    titleLine_ = titleTop - 1;
    spotLeft_ = spotLeft;
    spotTop_ = spotTop;
    clown_ = false;
    sequence_ = 0;
    for (int k = 0; k < 3; ++k) {
        Smiley& s = s_[k];
        s = Smiley{};
        s.left = Starts[k];
        s.top = titleLine_;
        s.a = 1 + pick_(k == 1 ? 2 : 3); // the second one falls more gently
        s.colour = k;
        s.phase = StartFaces[k];
    }
    front_ = pick_(3);
}

bool AboutShow::allLanded() const {
    return s_[0].pose && s_[1].pose && s_[2].pose;
}

void AboutShow::tick() {
    for (int k = 0; k < 3; ++k) stepSmiley(k);
    if (allLanded()) nextStep();
}

void AboutShow::stepSmiley(int k) {
    Smiley& s = s_[k];
    if (clown_) return;
    if (!s.started && pick_(StartChances) != 0) return;
    s.started = true;
    s.v += s.a;
    s.top += s.v;
    if (s.left > spotLeft_)
        --s.left;
    else if (s.left < spotLeft_)
        s.left += std::min(k == 1 ? 2 : 1, spotLeft_ - s.left);
    if (s.top + s.v + s.a > spotTop_) { // the next step would pass the spot: bounce
        s.top = spotTop_;
        s.v = -s.v + 1;
    }
    // At rest once it stands on the spot and its bounce can no longer lift it off: v = 0,
    // or the small two-tick rocking (v between -a and 1) that whole-pixel steps can settle in.
    if (s.top == spotTop_ && s.left == spotLeft_ && s.v >= -s.a && s.v <= 1) s.pose = true;
}

void AboutShow::faces(std::array<int, 3> phases) {
    for (int k = 0; k < 3; ++k) s_[k].phase = phases[k];
}

void AboutShow::nextStep() {
    ++sequence_;
    switch (sequence_) {
    case 5:
        clown_ = true;
        break;
    case 6:
    case 10:
        faces({4, 4, 4}); // a blink of relief
        break;
    case 7:
    case 13:
        faces({1, 1, 1});
        break;
    case 8:
    case 14:
        faces({2, 2, 2});
        break;
    case 9:
    case 12:
        faces(Trio);
        break;
    case 11:
        for (int k = 0; k < 3; ++k) {
            s_[k].left = Starts[k];
            s_[k].top = titleLine_;
            s_[k].v = 0;
            s_[k].started = false;
        }
        break;
    case 15:
        faces(StartFaces);
        break;
    case 16:
        sequence_ = 0;
        for (Smiley& s : s_) s.pose = false;
        break;
    default: // 1 to 4: a short wait
        break;
    }
}

} // namespace kp
