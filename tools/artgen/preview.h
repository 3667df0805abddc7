// Review sheets for a human eye, written outside the repository: every sprite at three
// scales, a board screenshot in colour and in grey, and the pin-up strips frame by frame.
#pragma once

#include <QString>

namespace artgen {

void writePreviews(const QString& dir);

} // namespace artgen
