#pragma once
// The two languages of every caption and message. The settings file stores them as 0 and 1.

namespace kp {

enum class Language { French, English };

} // namespace kp
