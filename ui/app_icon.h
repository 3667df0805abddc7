#pragma once
// The game's own icon, for its windows and the task switcher.

#include <QIcon>

namespace kp {

// Read at the size asked for each time it is asked: the window system takes every size once,
// as the icon is set, and nothing need keep the pictures after that.
QIcon appIcon();

} // namespace kp
