#pragma once
// Game controllers through SDL's game-controller layer, for input only (SDL opens no window and
// no audio here). Any controller SDL knows works; the left stick reads as the d-pad's left,
// right and down. Controllers come and go while the game runs.

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

struct _SDL_GameController;

namespace kp {

struct SdlLibrary;

// Whether the kernel shows an input device with a joystick's or a gamepad's buttons, from each
// device's key capabilities under `classFolder`; true when it cannot tell (no such folder to
// read). Cheap enough to ask whenever the device folder changes: SDL, and the libraries it
// brings, wait for its answer.
bool controllerPluggedIn(const std::filesystem::path& classFolder = "/sys/class/input");

class Gamepad {
  public:
    // A button of SDL's game-controller layout (SDL_GameControllerButton) pressed or let go on
    // controller `pad` (0 for the first plugged in of those connected, 1 for the next...).
    using Listener = std::function<void(int pad, int button, bool pressed)>;
    // Past this share of its travel the stick presses a direction; back under the lower share
    // it lets go (so a stick resting near the edge does not flicker).
    static constexpr int StickPress = 16384, StickRelease = 11000;
    static constexpr int ButtonCount = 21; // SDL_CONTROLLER_BUTTON_MAX in SDL 2.26

    Gamepad() = default;
    ~Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // Starts SDL's controller support; false when it cannot (the game then has no gamepad).
    bool start();
    bool started() const { return started_; }

    // Takes in what SDL saw since the last call: controllers plugged and unplugged, buttons, the
    // stick. `listener` hears each button whose state changed; a controller unplugged lets go of
    // what it held. With `reading` false the buttons are not read (the window is not active):
    // what was held is let go, and a button still down when reading starts again counts only
    // once it is pressed anew.
    void poll(const Listener& listener, bool reading = true);

    int controllers() const { return static_cast<int>(pads_.size()); }
    // The first controller's name, empty when none is connected.
    std::string name() const;
    // Every connected controller's name, in the order `pad` numbers them.
    std::vector<std::string> names() const;
    // Each connected controller's device file; empty for one that has none (a virtual one).
    std::vector<std::string> devicePaths() const;

  private:
    struct Pad {
        _SDL_GameController* controller = nullptr;
        int id = -1; // SDL_JoystickID
        std::array<bool, ButtonCount> down{};
        std::array<bool, ButtonCount> stick{};    // the d-pad buttons the left stick leans to
        std::array<bool, ButtonCount> reported{}; // what the listener was last told
    };
    void add(int deviceIndex);
    void remove(int id, const Listener& listener);
    Pad* find(int id);
    void report(const Listener& listener);

    const SdlLibrary* sdl_ = nullptr;
    bool started_ = false;
    bool reading_ = false;
    std::vector<Pad> pads_;
};

} // namespace kp
