#pragma once
// SDL, opened when the controllers are first looked for (after the first frame) rather than
// linked: the game starts without mapping it, nor the dozens of libraries SDL brings.

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
#define KP_SDL_POINTER(name) decltype(&::name) name = nullptr;
    KP_SDL_FUNCTIONS(KP_SDL_POINTER)
#undef KP_SDL_POINTER

    // The library, opened the first time; null when the system has none (or an SDL without
    // one of these functions).
    static const SdlLibrary* get();
};

} // namespace kp
