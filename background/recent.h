#pragma once
// The ten most recent background pictures ("CheminFond1" ... "CheminFond10"), most recent
// first, and the captions of their menu entries.

#include <array>
#include <string>

namespace kp {

constexpr int RecentCount = 10;
using RecentPictures = std::array<std::string, RecentCount>; // [0] is "CheminFond1"

// Moves `path` to the top. A path already listed (exact, case-sensitive match) leaves its
// old place and the entries above it move down one; a new path pushes the tenth out.
void PushRecentPicture(RecentPictures& list, const std::string& path);

// Entry n (1..10): "&n   " (the digit 0 for 10) followed by the file name without its folder.
std::string RecentCaption(int n, const std::string& path);
// An entry whose caption has no file name (shorter than 6 characters) is hidden.
bool RecentCaptionVisible(const std::string& caption);

} // namespace kp
