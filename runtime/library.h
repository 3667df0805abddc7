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

// A table's member for the function of that name.
#define KP_LIBRARY_POINTER(name) decltype(&::name) name = nullptr;
// The definition of `Table::get()`, for a table of the functions FUNCTIONS lists from `soname`:
// the library opened the first time it is asked for; null when the system has no such library,
// or one without all of them.
#define KP_LIBRARY_GET(Table, soname, FUNCTIONS)                                                   \
    const Table* Table::get() {                                                                    \
        static Table functions;                                                                    \
        static const bool opened = kp::openLibrary(soname, {FUNCTIONS(KP_LIBRARY_SLOT)});          \
        return opened ? &functions : nullptr;                                                      \
    }
#define KP_LIBRARY_SLOT(name) kp::LibraryFunction{#name, reinterpret_cast<void**>(&functions.name)},
