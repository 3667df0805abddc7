#pragma once
// Key codes taken by Game::FormKeyDown (the classic virtual-key numbers; the window maps its
// own key events onto them).
namespace kp::vk {
constexpr int Return = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Numpad0 = 96;
constexpr int Numpad2 = 98;
constexpr int Numpad4 = 100;
constexpr int Numpad5 = 101;
constexpr int Numpad6 = 102;
constexpr int Numpad8 = 104;
} // namespace kp::vk
