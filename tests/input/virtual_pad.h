#pragma once
// A game controller plugged in for a test through SDL's virtual joysticks: every button and
// axis of SDL's controller layout, no hardware.
#include <SDL2/SDL.h>

namespace kp::test {

struct VirtualPad {
    int device = -1;
    SDL_Joystick* joystick = nullptr;
    VirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
        desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
        desc.name = "Test pad";
        device = SDL_JoystickAttachVirtualEx(&desc);
        joystick = SDL_JoystickOpen(device);
    }
    ~VirtualPad() { unplug(); }
    void button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick, b, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void axis(SDL_GameControllerAxis a, int value) {
        SDL_JoystickSetVirtualAxis(joystick, a, static_cast<Sint16>(value));
    }
    void unplug() {
        if (!joystick) return;
        SDL_JoystickClose(joystick);
        joystick = nullptr;
        // The device index of a virtual joystick is its place in SDL's list.
        for (int i = SDL_NumJoysticks() - 1; i >= 0; --i)
            if (SDL_JoystickIsVirtual(i)) SDL_JoystickDetachVirtual(i);
    }
};

} // namespace kp::test
