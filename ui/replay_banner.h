#pragma once
// The "Replay" banner above a board played back: the speed (1x, 2x, 4x or step by step) or the
// end, and the keys that change it. A single game's replay and a match's share it. It has a band
// of its own at the top of the window, so that the well, the counters and the next capsule all
// stay in view.

#include <QString>

class QLabel;
class QWidget;

namespace kp {

QLabel* newReplayBanner(QWidget* parent);
// Its text at `speed` (0 step by step), or once the replay ended on the boards it recorded.
QString replayBannerText(int speed, bool atEnd);
// The height of the band above boards `width` wide: the tallest of its texts, so that the
// window keeps its size whatever the banner says.
int replayBandHeight(int width);
// `banner` saying `text` in a band `band` high above boards `width` wide.
void showReplayBanner(QLabel* banner, const QString& text, int width, int band);

} // namespace kp
