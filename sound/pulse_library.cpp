#include "pulse_library.h"

namespace kp::sound {

KP_LIBRARY_GET(PulseLibrary, "libpulse.so.0", KP_PULSE_FUNCTIONS)

} // namespace kp::sound
