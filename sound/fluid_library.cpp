#include "fluid_library.h"

namespace kp::sound {

const FluidLibrary* FluidLibrary::get() {
    static FluidLibrary functions;
#define KP_FLUID_ENTRY(name) KP_LIBRARY_FUNCTION(functions, name)
    static const bool opened =
        openLibrary("libfluidsynth.so.3", {KP_FLUID_FUNCTIONS(KP_FLUID_ENTRY)});
#undef KP_FLUID_ENTRY
    return opened ? &functions : nullptr;
}

} // namespace kp::sound
