#include "window_layout.h"

#include <algorithm>

namespace kp {

int cellSizeFor(int smileySize) {
    static constexpr int sizes[] = {16, 8, 12, 24, 32, 48};
    return sizes[std::clamp(smileySize, 0, 5)];
}

namespace {

// The counters' and the preview's bands, and where the board starts below them.
void layOutBands(const LayoutInput& in, WindowLayout& l) {
    // Both bands shown.
    l.CounterBandTop = 0;
    l.CounterBandBottom = 25;
    l.PreviewBandTop = 26;
    l.PreviewBandBottom = 51;
    l.BoardTop = 52;
    l.CounterY = 6;
    l.PreviewY = 31;
    if (!in.counters) {
        l.PreviewBandTop = 0;
        l.PreviewBandBottom = 25;
        l.PreviewY = 6;
        l.BoardTop = 26;
        l.CounterBandTop = l.CounterBandBottom = l.CounterY = Hidden;
    }
    if (!in.preview) {
        l.BoardTop = l.PreviewBandTop;
        l.PreviewBandTop = l.PreviewBandBottom = l.PreviewY = Hidden;
    }
    // Cells above 16 pixels need a taller preview band, with equal margins.
    if (in.cellSize > 16 && in.preview) {
        l.PreviewBandBottom = l.PreviewY + in.cellSize + (l.PreviewY - l.PreviewBandTop);
        l.BoardTop = l.PreviewBandBottom + 1;
    }
    if (in.replayBand > 0) {
        l.ReplayBandBottom = in.replayBand;
        for (int* y : {&l.CounterBandTop, &l.CounterBandBottom, &l.CounterY, &l.PreviewBandTop,
                       &l.PreviewBandBottom, &l.PreviewY})
            if (*y != Hidden) *y += in.replayBand;
        l.BoardTop += in.replayBand;
    }
}

// The digits of the counters across a client area `w` wide.
void layOutCounters(const LayoutInput& in, int w, WindowLayout& l) {
    const int d = in.digitWidth, s = in.separatorWidth;
    l.LevelTensX = 5;
    l.LevelUnitsX = d + 6;
    l.SmileysHundredsX = w - 3 * d - 7;
    l.SmileysTensX = w - 2 * d - 6;
    l.SmileysUnitsX = w - d - 5;
    const int m = w / 2 - d / 2;
    l.HoursX = m - 2 * d - s - 3;
    l.Sep1X = m - d - s - 2;
    l.MinutesTensX = m - d - 1;
    l.MinutesUnitsX = m;
    l.Sep2X = w / 2 + d - d / 2 + 1;
    l.SecondsTensX = w / 2 + d + s - d / 2 + 2;
    l.SecondsUnitsX = w / 2 + 2 * d + s - d / 2 + 3;
}

} // namespace

WindowLayout layOutWindow(const LayoutInput& in) {
    WindowLayout l;
    layOutBands(in, l);
    const int w = in.columns * in.cellSize + 2;
    l.clientWidth = w;
    l.clientHeight = in.rows * in.cellSize + l.BoardTop + 2;

    const int frameWidth = l.clientWidth + in.besideWidth + in.frameLeft + in.frameRight;
    const int frameHeight = l.clientHeight + in.menuHeight + in.frameTop + in.frameBottom;
    l.windowX = in.screenX + (in.screenWidth - frameWidth) / 2;
    l.windowY = in.screenY + (in.screenHeight - frameHeight) / 2;
    if (in.screenWidth - 4 < in.cellSize * in.columns + in.besideWidth) l.windowX = in.screenX;
    if (in.screenHeight - 50 < in.cellSize * in.rows + l.BoardTop) l.windowY = in.screenY;

    l.PinupY = l.clientHeight - 81;

    layOutCounters(in, w, l);

    l.messageTop = l.BoardTop;
    l.messageLeft = 1;
    l.messageWidth = w - 2;
    return l;
}

} // namespace kp
