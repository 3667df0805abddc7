#pragma once
// The "Replay" banner over a board played back: the speed (1x, 2x, 4x or step by step) or the
// end, and the keys that change it. A single game's replay and a match's share it.

#include <QString>

class QLabel;
class QWidget;

namespace kp {

QLabel* newReplayBanner(QWidget* parent);
// Its text at `speed` (0 step by step), or once the replay ended on the boards it recorded.
QString replayBannerText(int speed, bool atEnd);

} // namespace kp
