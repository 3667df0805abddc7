#include "fluid_library.h"

namespace kp::sound {

KP_LIBRARY_GET(FluidLibrary, "libfluidsynth.so.3", KP_FLUID_FUNCTIONS)

} // namespace kp::sound
