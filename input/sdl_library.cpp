#include "sdl_library.h"

namespace kp {

const SdlLibrary* SdlLibrary::get() {
    static SdlLibrary functions;
#define KP_SDL_ENTRY(name) KP_LIBRARY_FUNCTION(functions, name)
    static const bool opened = openLibrary("libSDL2-2.0.so.0", {KP_SDL_FUNCTIONS(KP_SDL_ENTRY)});
#undef KP_SDL_ENTRY
    return opened ? &functions : nullptr;
}

} // namespace kp
