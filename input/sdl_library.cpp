#include "sdl_library.h"

#include <dlfcn.h>

namespace kp {

const SdlLibrary* SdlLibrary::get() {
    static const SdlLibrary* library = []() -> const SdlLibrary* {
        void* handle = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!handle) return nullptr;
        static SdlLibrary functions;
        bool complete = true;
#define KP_SDL_LOOK_UP(name)                                                                       \
    functions.name = reinterpret_cast<decltype(functions.name)>(dlsym(handle, #name));             \
    complete = complete && functions.name;
        KP_SDL_FUNCTIONS(KP_SDL_LOOK_UP)
#undef KP_SDL_LOOK_UP
        return complete ? &functions : nullptr;
    }();
    return library;
}

} // namespace kp
