#pragma once
// SDL, opened when the controllers are first looked for (after the first frame) rather than
// linked: the game starts without mapping it, nor the dozens of libraries SDL brings.

#include "runtime/library.h"

#include <SDL2/SDL.h>

namespace kp {

#define KP_SDL_FUNCTIONS(X)                                                                        \
    X(SDL_SetHint)                                                                                 \
    X(SDL_SetMainReady)                                                                            \
    X(SDL_InitSubSystem)                                                                           \
    X(SDL_QuitSubSystem)                                                                           \
    X(SDL_IsGameController)                                                                        \
    X(SDL_GameControllerOpen)                                                                      \
    X(SDL_GameControllerClose)                                                                     \
    X(SDL_GameControllerGetJoystick)                                                               \
    X(SDL_GameControllerName)                                                                      \
    X(SDL_GameControllerPath)                                                                      \
    X(SDL_JoystickInstanceID)                                                                      \
    X(SDL_FlushEvents)                                                                             \
    X(SDL_PollEvent)

struct SdlLibrary {
    KP_SDL_FUNCTIONS(KP_LIBRARY_POINTER)

    // The library, opened the first time; null when the system has none (or an SDL without
    // one of these functions).
    static const SdlLibrary* get();
};

} // namespace kp
