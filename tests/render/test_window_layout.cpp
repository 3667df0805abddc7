#include "render/window_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace kp {

namespace {
LayoutInput board(int rows, int cols, int cell, bool counters = true, bool preview = true) {
    LayoutInput in;
    in.rows = rows;
    in.columns = cols;
    in.cellSize = cell;
    in.counters = counters;
    in.preview = preview;
    return in;
}
} // namespace

TEST(WindowLayout, bandsStackAboveTheBoardWithAOnePixelLineBetween) {
    const WindowLayout l = layOutWindow(board(20, 10, 16));
    // The board and its one-pixel frame fill the width; its cells start below the bands.
    EXPECT_EQ(l.clientWidth, 10 * 16 + 2);
    EXPECT_EQ(l.clientHeight, l.BoardTop + 20 * 16 + 2);
    // Counters on top, the next capsule below them, each band 25 pixels with a line after it.
    EXPECT_EQ(l.CounterBandTop, 0);
    EXPECT_EQ(l.CounterBandBottom - l.CounterBandTop, 25);
    EXPECT_EQ(l.PreviewBandTop, l.CounterBandBottom + 1);
    EXPECT_EQ(l.PreviewBandBottom - l.PreviewBandTop, 25);
    EXPECT_EQ(l.BoardTop, l.PreviewBandBottom + 1);
    // The digits sit 6 pixels into their band, the next capsule 5 into its own.
    EXPECT_EQ(l.CounterY - l.CounterBandTop, 6);
    EXPECT_EQ(l.PreviewY - l.PreviewBandTop, 5);
    // The message line covers the board's top across its inside; the pin-up strip, 80 pixels
    // high, stands on the frame's bottom line.
    EXPECT_EQ(l.messageTop, l.BoardTop);
    EXPECT_EQ(l.messageWidth, l.clientWidth - 2);
    EXPECT_EQ(l.PinupY + 80, l.clientHeight - 1);
}

TEST(WindowLayout, largerCellsGrowThePreviewBandWithEqualMargins) {
    WindowLayout l = layOutWindow(board(20, 10, 24));
    EXPECT_EQ(l.PreviewBandTop, 26);
    EXPECT_EQ(l.PreviewBandBottom, 60);
    EXPECT_EQ(l.PreviewY, 31);
    EXPECT_EQ(l.BoardTop, 61);
    EXPECT_EQ(l.clientWidth, 242);
    EXPECT_EQ(l.clientHeight, 543);

    l = layOutWindow(board(20, 10, 32, false, true));
    EXPECT_EQ(l.PreviewBandTop, 0);
    EXPECT_EQ(l.PreviewY, 6);
    EXPECT_EQ(l.PreviewBandBottom, 44);
    EXPECT_EQ(l.BoardTop, 45);
    EXPECT_EQ(l.CounterY, Hidden);
    EXPECT_EQ(l.CounterBandTop, Hidden);
}

TEST(WindowLayout, bandsHidden) {
    WindowLayout l = layOutWindow(board(18, 8, 48, false, false));
    EXPECT_EQ(l.BoardTop, 0);
    EXPECT_EQ(l.clientHeight, 18 * 48 + 2);
    EXPECT_EQ(l.PreviewY, Hidden);
    l = layOutWindow(board(18, 8, 16, true, false));
    EXPECT_EQ(l.BoardTop, 26);
    EXPECT_EQ(l.PreviewBandBottom, Hidden);
    EXPECT_EQ(l.CounterY, 6);
}

TEST(WindowLayout, chronoPiecesStandOnePixelApartAroundTheMiddle) {
    const WindowLayout l = layOutWindow(board(18, 8, 16));
    const int half = l.clientWidth / 2;
    EXPECT_EQ(l.HoursX - half, -25);
    EXPECT_EQ(l.Sep1X - half, -16);
    EXPECT_EQ(l.MinutesTensX - half, -13);
    EXPECT_EQ(l.MinutesUnitsX - half, -4);
    EXPECT_EQ(l.Sep2X - half, 5);
    EXPECT_EQ(l.SecondsTensX - half, 8);
    EXPECT_EQ(l.SecondsUnitsX - half, 17);
    EXPECT_EQ(l.LevelTensX, 5);
    EXPECT_EQ(l.LevelUnitsX, 14);
    EXPECT_EQ(l.SmileysUnitsX, l.clientWidth - 13);
    EXPECT_EQ(l.SmileysHundredsX, l.clientWidth - 31);
}

TEST(WindowLayout, boardsLargerThanTheScreenSitAgainstItsEdges) {
    LayoutInput in = board(99, 99, 48);
    in.screenWidth = 1024;
    in.screenHeight = 768;
    WindowLayout l = layOutWindow(in);
    EXPECT_EQ(l.windowX, 0);
    EXPECT_EQ(l.windowY, 0);
    EXPECT_EQ(l.clientWidth, 99 * 48 + 2); // not shrunk
    in = board(18, 8, 16);
    in.screenWidth = 1024;
    in.screenHeight = 768;
    l = layOutWindow(in);
    EXPECT_EQ(l.windowX, (1024 - 130) / 2);
    EXPECT_EQ(l.windowY, (768 - l.clientHeight) / 2);
}

TEST(WindowLayout, theWholeFrameIsCentredOnTheFreePartOfTheScreen) {
    LayoutInput in = board(18, 8, 16);
    in.screenX = 0;
    in.screenY = 30; // a panel along the top
    in.screenWidth = 1024;
    in.screenHeight = 738;
    in.menuHeight = 42; // two rows of menu titles
    in.frameLeft = in.frameRight = in.frameBottom = 4;
    in.frameTop = 20;
    const WindowLayout l = layOutWindow(in);
    const int frameHeight = 20 + 42 + l.clientHeight + 4;
    EXPECT_EQ(l.windowX, (1024 - (130 + 8)) / 2);
    EXPECT_EQ(l.windowY - 30, 738 - (l.windowY - 30 + frameHeight)); // equal space above, below
    in = board(99, 99, 48);
    in.screenX = 10;
    in.screenY = 30;
    EXPECT_EQ(layOutWindow(in).windowX, 10);
    EXPECT_EQ(layOutWindow(in).windowY, 30);
}

TEST(WindowLayout, everySizeSettingEvenOutOfRangeGivesOneOfTheSixCellSizes) {
    const std::set<int> sizes{8, 12, 16, 24, 32, 48};
    std::set<int> seen;
    for (int setting = -3; setting <= 9; ++setting) {
        const int size = cellSizeFor(setting);
        EXPECT_TRUE(sizes.count(size)) << setting;
        if (setting >= 0 && setting <= 5) seen.insert(size);
    }
    EXPECT_EQ(seen, sizes);        // each of the six settings has its own size
    EXPECT_EQ(cellSizeFor(0), 16); // the default is the sprites' own size
}

} // namespace kp
