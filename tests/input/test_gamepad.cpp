// The gamepad reader against SDL's virtual controllers: no hardware needed.
#include "input/gamepad.h"
#include "virtual_pad.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <tuple>
#include <utility>
#include <vector>

namespace kp {

using test::VirtualPad;

namespace {

struct Heard {
    std::vector<std::pair<int, bool>> events;
    Gamepad::Listener listener() {
        return [this](int, int b, bool pressed) { events.emplace_back(b, pressed); };
    }
    std::vector<std::pair<int, bool>> take() { return std::exchange(events, {}); }
};

using Events = std::vector<std::pair<int, bool>>;

} // namespace

TEST(Gamepad, buttonsAndTheStickPressAndLetGoAndAnUnplugLetsGoOfAll) {
    Gamepad pad;
    ASSERT_TRUE(pad.start()) << SDL_GetError();
    Heard heard;
    pad.poll(heard.listener());
    EXPECT_EQ(pad.controllers(), 0);
    VirtualPad v;
    ASSERT_GE(v.device, 0) << SDL_GetError();
    pad.poll(heard.listener());
    ASSERT_EQ(pad.controllers(), 1);
    EXPECT_EQ(pad.name(), "Test pad");
    EXPECT_TRUE(heard.take().empty());

    v.button(SDL_CONTROLLER_BUTTON_A, true);
    pad.poll(heard.listener());
    v.button(SDL_CONTROLLER_BUTTON_A, false);
    pad.poll(heard.listener());
    EXPECT_EQ(heard.take(),
              (Events{{SDL_CONTROLLER_BUTTON_A, true}, {SDL_CONTROLLER_BUTTON_A, false}}));

    // The stick leans past its dead zone, and lets go only well inside it.
    v.axis(SDL_CONTROLLER_AXIS_LEFTX, -8000);
    pad.poll(heard.listener());
    EXPECT_TRUE(heard.take().empty());
    v.axis(SDL_CONTROLLER_AXIS_LEFTX, -20000);
    pad.poll(heard.listener());
    v.axis(SDL_CONTROLLER_AXIS_LEFTX, -14000);
    pad.poll(heard.listener());
    EXPECT_EQ(heard.take(), (Events{{SDL_CONTROLLER_BUTTON_DPAD_LEFT, true}}));
    // The d-pad's left held with the stick's: letting go of one keeps the direction held.
    v.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    v.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pad.poll(heard.listener());
    EXPECT_TRUE(heard.take().empty());
    v.axis(SDL_CONTROLLER_AXIS_LEFTY, 32767);
    pad.poll(heard.listener());
    EXPECT_EQ(heard.take(), (Events{{SDL_CONTROLLER_BUTTON_DPAD_DOWN, true}}));

    // Unplugged with two directions held: both are let go.
    v.unplug();
    pad.poll(heard.listener());
    EXPECT_EQ(pad.controllers(), 0);
    EXPECT_EQ(heard.take(), (Events{{SDL_CONTROLLER_BUTTON_DPAD_DOWN, false},
                                    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, false}}));
}

TEST(Gamepad, nothingIsReadWhileTheWindowIsNotActive) {
    Gamepad pad;
    ASSERT_TRUE(pad.start()) << SDL_GetError();
    VirtualPad v;
    Heard heard;
    pad.poll(heard.listener());
    v.button(SDL_CONTROLLER_BUTTON_B, true);
    pad.poll(heard.listener());
    EXPECT_EQ(heard.take(), (Events{{SDL_CONTROLLER_BUTTON_B, true}}));
    pad.poll(heard.listener(), false); // the window was left: B is let go
    v.button(SDL_CONTROLLER_BUTTON_X, true);
    pad.poll(heard.listener(), false);
    EXPECT_EQ(heard.take(), (Events{{SDL_CONTROLLER_BUTTON_B, false}}));
    // Back in the window: X and B, still down, wait for a new press.
    pad.poll(heard.listener());
    EXPECT_TRUE(heard.take().empty());
    v.button(SDL_CONTROLLER_BUTTON_X, false);
    pad.poll(heard.listener());
    v.button(SDL_CONTROLLER_BUTTON_X, true);
    pad.poll(heard.listener());
    EXPECT_EQ(heard.take(), (Events{{SDL_CONTROLLER_BUTTON_X, true}}));
}

// SDL loads only once the kernel shows a controller: read from what it prints for real devices.
TEST(ControllerPluggedIn, readsTheKernelsKeyCapabilities) {
    namespace fs = std::filesystem;
    const fs::path sys = fs::temp_directory_path() / ("kp-input-" + std::to_string(::getpid()));
    fs::remove_all(sys);
    const auto device = [&](const std::string& event, const std::string& keys) {
        fs::create_directories(sys / event / "device" / "capabilities");
        std::ofstream(sys / event / "device" / "capabilities" / "key") << keys << "\n";
    };
    EXPECT_TRUE(controllerPluggedIn(sys)) << "no folder to read: SDL decides";
    device("event0", "1000000000007 ff9f207ac14057ff febeffdfffefffff fffffffffffffffe"); // keys
    device("event1", "1f0000 0 0 0 0");                                                   // mouse
    fs::create_directories(sys / "mouse0");
    EXPECT_FALSE(controllerPluggedIn(sys));
    device("event2", "7cdb000000000000 0 0 0 0"); // a gamepad: A, B, X, Y, shoulders, start...
    EXPECT_TRUE(controllerPluggedIn(sys));
    fs::remove_all(sys / "event2");
    device("event3", "ffff00000000 0 0 0 0"); // a joystick: trigger, thumb and base buttons
    EXPECT_TRUE(controllerPluggedIn(sys));
    fs::remove_all(sys);
}

} // namespace kp

namespace kp {

// Two controllers are told apart, in the order they came (each plays its own board in a match),
// and the second one unplugged lets go of its own buttons only.
TEST(Gamepad, eachControllerIsToldApartAndLetsGoOfItsOwnButtons) {
    Gamepad pad;
    ASSERT_TRUE(pad.start()) << SDL_GetError();
    std::vector<std::tuple<int, int, bool>> heard;
    auto listener = [&](int p, int b, bool pressed) { heard.emplace_back(p, b, pressed); };
    VirtualPad first;
    pad.poll(listener);
    VirtualPad second;
    pad.poll(listener);
    ASSERT_EQ(pad.controllers(), 2);
    first.button(SDL_CONTROLLER_BUTTON_A, true);
    second.button(SDL_CONTROLLER_BUTTON_A, true);
    pad.poll(listener);
    using Heard = std::vector<std::tuple<int, int, bool>>;
    EXPECT_EQ(heard,
              (Heard{{0, SDL_CONTROLLER_BUTTON_A, true}, {1, SDL_CONTROLLER_BUTTON_A, true}}));
    heard.clear();
    SDL_JoystickClose(second.joystick);
    second.joystick = nullptr;
    SDL_JoystickDetachVirtual(second.device);
    pad.poll(listener);
    EXPECT_EQ(pad.controllers(), 1);
    EXPECT_EQ(heard, (Heard{{1, SDL_CONTROLLER_BUTTON_A, false}}));
}

} // namespace kp
