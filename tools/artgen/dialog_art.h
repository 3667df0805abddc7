// The pictures of the configuration, help and about dialog: the two flag icons (each with a
// pressed version), the mail link, the four preset glyphs, the clown and the seven portraits
// of the beta-testers panel.
#pragma once

#include <QImage>

namespace artgen {

class AssetWriter;

inline constexpr int kFlagWidth = 27, kFlagHeight = 19;
inline constexpr int kClownWidth = 76, kClownHeight = 104;
inline constexpr int kTesterCount = 7;

// A waving flag, French or English; the pressed one sits a pixel lower and is a little darker.
QImage flagPicture(bool english, bool pressed);
// A letter with a smiley stamp, 32 x 24.
QImage mailPicture();
// Preset 1..4: one to four smileys, 32 x 32, the harder the more.
QImage presetGlyph(int preset);
// A juggling clown whose raised hand holds the top-left 32 x 32 corner free for a smiley.
QImage clownPicture();
// Portrait 1..7 of the beta-testers panel, 32 x 32.
QImage testerPicture(int tester);

void writeDialogArt(AssetWriter& writer);

} // namespace artgen
