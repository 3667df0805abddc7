#include "gamepad.h"

#include "sdl_library.h"

#include <algorithm>
#include <fstream>
#include <string>

namespace kp {

static_assert(Gamepad::ButtonCount == SDL_CONTROLLER_BUTTON_MAX);

namespace {

// A bitmap as the kernel prints it (words of the system's long in hexadecimal, the highest
// first), as its words from the lowest; empty when a word is not one.
std::vector<unsigned long> readBitmap(std::istream& in) {
    constexpr size_t Digits = 2 * sizeof(unsigned long);
    std::vector<unsigned long> words;
    for (std::string word; in >> word;) {
        if (word.size() > Digits ||
            word.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
            return {};
        words.insert(words.begin(), std::stoul(word, nullptr, 16)); // lowest word first
    }
    return words;
}

bool anyBitIn(const std::vector<unsigned long>& words, int first, int last) {
    constexpr int WordBits = 8 * sizeof(unsigned long);
    for (int bit = first; bit <= last && size_t(bit / WordBits) < words.size(); ++bit)
        if ((words[size_t(bit / WordBits)] >> (bit % WordBits)) & 1) return true;
    return false;
}

} // namespace

bool controllerPluggedIn(const std::filesystem::path& classFolder) {
    // The buttons that make a joystick or a gamepad to the kernel: BTN_JOYSTICK to the last
    // BTN_GAMEPAD button (0x120-0x13f), and the extra BTN_TRIGGER_HAPPY ones (0x2c0-0x2e7).
    std::error_code error;
    std::filesystem::directory_iterator it(classFolder, error);
    if (error) return true;
    for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (it->path().filename().string().rfind("event", 0) != 0) continue;
        std::ifstream file(it->path() / "device" / "capabilities" / "key");
        const std::vector<unsigned long> keys = readBitmap(file);
        if (anyBitIn(keys, 0x120, 0x13f) || anyBitIn(keys, 0x2c0, 0x2e7)) return true;
    }
    return false;
}

Gamepad::~Gamepad() {
    if (!started_) return;
    for (Pad& p : pads_) sdl_->SDL_GameControllerClose(p.controller);
    sdl_->SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool Gamepad::start() {
    if (started_) return true;
    sdl_ = SdlLibrary::get();
    if (!sdl_) return false;
    // Input only: no signal handlers of SDL's own (Qt's quit stays as it is), and the events
    // of a controller count although SDL has no window of its own to be in front.
    sdl_->SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl_->SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    sdl_->SDL_SetMainReady();
    started_ = sdl_->SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    return started_;
}

Gamepad::Pad* Gamepad::find(int id) {
    const auto it =
        std::find_if(pads_.begin(), pads_.end(), [id](const Pad& p) { return p.id == id; });
    return it == pads_.end() ? nullptr : &*it;
}

void Gamepad::add(int deviceIndex) {
    if (!sdl_->SDL_IsGameController(deviceIndex)) return;
    SDL_GameController* c = sdl_->SDL_GameControllerOpen(deviceIndex);
    if (!c) return;
    const int id = sdl_->SDL_JoystickInstanceID(sdl_->SDL_GameControllerGetJoystick(c));
    if (find(id)) {
        sdl_->SDL_GameControllerClose(
            c); // already open: SDL reports controllers present at start twice
        return;
    }
    Pad pad;
    pad.controller = c;
    pad.id = id;
    // What is already down when it arrives is not a press.
    pads_.push_back(pad);
}

void Gamepad::remove(int id, const Listener& listener) {
    const auto it =
        std::find_if(pads_.begin(), pads_.end(), [id](const Pad& p) { return p.id == id; });
    if (it == pads_.end()) return;
    // A controller unplugged lets go of what it held.
    for (int b = 0; b < ButtonCount; ++b)
        if (it->reported[b] && listener) listener(static_cast<int>(it - pads_.begin()), b, false);
    sdl_->SDL_GameControllerClose(it->controller);
    pads_.erase(it);
}

// Each controller's buttons apart: in a match, each may play its own board.
void Gamepad::report(const Listener& listener) {
    for (size_t i = 0; i < pads_.size(); ++i) {
        Pad& p = pads_[i];
        for (int b = 0; b < ButtonCount; ++b) {
            const bool now = reading_ && (p.down[b] || p.stick[b]);
            if (now == p.reported[b]) continue;
            p.reported[b] = now;
            if (listener) listener(static_cast<int>(i), b, now);
        }
    }
}

void Gamepad::poll(const Listener& listener, bool reading) {
    if (!started_) return;
    if (reading && !reading_) {
        // Buttons held while nobody was reading wait for their next press.
        for (Pad& p : pads_) p.down = p.stick = {};
        sdl_->SDL_FlushEvents(SDL_CONTROLLERAXISMOTION, SDL_CONTROLLERBUTTONUP);
    }
    reading_ = reading;
    SDL_Event e;
    while (sdl_->SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            add(e.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            remove(e.cdevice.which, listener);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (Pad* p = find(e.cbutton.which); p && reading && e.cbutton.button < ButtonCount)
                p->down[e.cbutton.button] = e.cbutton.state == SDL_PRESSED;
            break;
        case SDL_CONTROLLERAXISMOTION: {
            Pad* p = find(e.caxis.which);
            if (!p || !reading) break;
            const int v = e.caxis.value;
            auto lean = [&](int button, bool towards) {
                bool& d = p->stick[button];
                if (towards && std::abs(v) >= StickPress)
                    d = true;
                else if (!towards || std::abs(v) < StickRelease)
                    d = false;
            };
            if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                lean(SDL_CONTROLLER_BUTTON_DPAD_LEFT, v < 0);
                lean(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, v > 0);
            } else if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
                lean(SDL_CONTROLLER_BUTTON_DPAD_DOWN, v > 0);
            }
            break;
        }
        default:
            break;
        }
    }
    report(listener);
}

std::vector<std::string> Gamepad::devicePaths() const {
    std::vector<std::string> paths;
    for (const Pad& p : pads_) {
        const char* path = sdl_->SDL_GameControllerPath(p.controller);
        paths.emplace_back(path ? path : "");
    }
    return paths;
}

std::string Gamepad::name() const {
    const std::vector<std::string> all = names();
    return all.empty() ? std::string() : all.front();
}

std::vector<std::string> Gamepad::names() const {
    std::vector<std::string> all;
    for (const Pad& pad : pads_) {
        const char* n = sdl_->SDL_GameControllerName(pad.controller);
        all.emplace_back(n ? n : "");
    }
    return all;
}

} // namespace kp
