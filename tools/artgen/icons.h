// The panic-mode notification icon, the application icon and the two cursors.
#pragma once

#include <QImage>

namespace artgen {

class AssetWriter;

QImage panicIcon(int size);
QImage applicationIcon(int size);

void writeIcons(AssetWriter& writer);

} // namespace artgen
