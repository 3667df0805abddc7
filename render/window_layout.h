#pragma once
// Where everything stands in the main window's client area: the counter band, the next-capsule
// band, the board, the counters' digits and the pin-up strip. Pure arithmetic, so every number
// can be checked without a window.

#include <array>

namespace kp {

constexpr int Hidden = -100; // a hidden element's coordinate, outside the window

struct LayoutInput {
    int cellSize = 16;
    int rows = 18;
    int columns = 8;
    bool counters = true;   // the counter band is shown
    bool preview = true;    // the next-capsule band is shown
    int digitWidth = 8;     // d: width of a counter digit picture
    int separatorWidth = 2; // s: width of the chrono's separator picture
    // The part of the screen windows may take (without the desktop's panels).
    int screenX = 0;
    int screenY = 0;
    int screenWidth = 1920;
    int screenHeight = 1080;
    // What the window adds around the client area: the menu rows above it, and the window
    // manager's frame (title bar and borders) once it is known.
    int menuHeight = 0;
    int frameLeft = 0, frameTop = 0, frameRight = 0, frameBottom = 0;
    // What the window holds beside this board: in a match, the middle strip and the other
    // board. The window is placed with it; the board's own layout does not change.
    int besideWidth = 0;
    // A band at the very top for a replay's banner: everything else moves down under it.
    int replayBand = 0;
};

struct WindowLayout {
    int ReplayBandBottom = 0; // the replay banner's band, from the top; 0 without one
    int CounterBandTop = 0, CounterBandBottom = 0;
    int PreviewBandTop = 0, PreviewBandBottom = 0;
    int BoardTop = 0;
    int CounterY = 0;
    int PreviewY = 0;
    int clientWidth = 0, clientHeight = 0;
    // Where the window's frame goes on the screen: centred, or against the left or top edge
    // when the board is wider or taller than the screen (the window is not shrunk).
    int windowX = 0, windowY = 0;
    int LevelTensX = 0, LevelUnitsX = 0;
    int SmileysHundredsX = 0, SmileysTensX = 0, SmileysUnitsX = 0;
    int HoursX = 0, Sep1X = 0, MinutesTensX = 0, MinutesUnitsX = 0, Sep2X = 0;
    int SecondsTensX = 0, SecondsUnitsX = 0;
    int PinupY = 0;
    // The message line over the top of the board.
    int messageLeft = 1, messageTop = 0, messageWidth = 0;

    // x of the chrono's five digits, hours first.
    std::array<int, 5> chronoDigitsX() const {
        return {HoursX, MinutesTensX, MinutesUnitsX, SecondsTensX, SecondsUnitsX};
    }
};

// The cell edge in pixels for each smiley size setting (default, 50, 75, 150, 200, 300 %).
int cellSizeFor(int smileySize);

WindowLayout layOutWindow(const LayoutInput& in);

} // namespace kp
