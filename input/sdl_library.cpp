#include "sdl_library.h"

namespace kp {

KP_LIBRARY_GET(SdlLibrary, "libSDL2-2.0.so.0", KP_SDL_FUNCTIONS)

} // namespace kp
