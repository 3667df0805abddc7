#pragma once
// The languages of the captions and messages, which only the window words. The settings file
// stores them as numbers ("Langue": 0 French, 1 English).

namespace kp {

enum class Language { French, English };

} // namespace kp
