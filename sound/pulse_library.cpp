#include "pulse_library.h"

namespace kp::sound {

const PulseLibrary* PulseLibrary::get() {
    static PulseLibrary functions;
#define KP_PULSE_ENTRY(name) KP_LIBRARY_FUNCTION(functions, name)
    static const bool opened = openLibrary("libpulse.so.0", {KP_PULSE_FUNCTIONS(KP_PULSE_ENTRY)});
#undef KP_PULSE_ENTRY
    return opened ? &functions : nullptr;
}

} // namespace kp::sound
