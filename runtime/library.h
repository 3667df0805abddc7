#pragma once
// Libraries the game opens when it first needs them rather than links: a player who never uses
// them never waits for them at start-up nor keeps them in memory. A library's functions are
// listed once, as an X-macro of their names, and looked up all together.

#include <dlfcn.h>

#include <initializer_list>

namespace kp {

struct LibraryFunction {
    const char* name;
    void** slot;
};

// Opens `soname` and fills every slot with the function of that name. True only when the
// library and all its functions were found; otherwise the library is let go again.
inline bool openLibrary(const char* soname, std::initializer_list<LibraryFunction> functions) {
    void* handle = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle) return false;
    for (const LibraryFunction& f : functions) {
        if (!(*f.slot = dlsym(handle, f.name))) {
            dlclose(handle);
            return false;
        }
    }
    return true;
}

} // namespace kp

// A table's member for the function of that name, and its entry in openLibrary's list.
#define KP_LIBRARY_POINTER(name) decltype(&::name) name = nullptr;
#define KP_LIBRARY_FUNCTION(table, name)                                                           \
    kp::LibraryFunction{#name, reinterpret_cast<void**>(&(table).name)},
