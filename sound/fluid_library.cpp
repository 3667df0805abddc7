#include "fluid_library.h"

#include <dlfcn.h>

#include <utility>

namespace kp::sound {

const FluidLibrary* FluidLibrary::get() {
    static FluidLibrary functions;
    static const bool opened = [] {
        void* library = dlopen("libfluidsynth.so.3", RTLD_NOW | RTLD_LOCAL);
        if (!library) return false;
        // Every function by its name, or none at all.
        const std::pair<const char*, void**> wanted[] = {
#define KP_FLUID_WANTED(name) {#name, reinterpret_cast<void**>(&functions.name)},
            KP_FLUID_FUNCTIONS(KP_FLUID_WANTED)
#undef KP_FLUID_WANTED
        };
        for (const auto& [name, slot] : wanted)
            if (!(*slot = dlsym(library, name))) return false;
        return true;
    }();
    return opened ? &functions : nullptr;
}

} // namespace kp::sound
