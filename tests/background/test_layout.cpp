#include "background/compose.h"
#include "background/layout.h"

#include <gtest/gtest.h>

namespace kp {
namespace {

TEST(ScaledSize, everySizeFromAPictureAndAClient) {
    const Size64 pic{300, 200}, client{450, 340};
    EXPECT_EQ(ScaledSize(NormalSize, pic, client), (Size64{300, 200}));
    EXPECT_EQ(ScaledSize(Stretched, pic, client), (Size64{450, 340}));
    EXPECT_EQ(ScaledSize(FitWidth, pic, client), (Size64{450, 300}));
    EXPECT_EQ(ScaledSize(FitHeight, pic, client), (Size64{510, 340}));
    EXPECT_EQ(ScaledSize(Size25, pic, client), (Size64{75, 50}));
    EXPECT_EQ(ScaledSize(Size50, pic, client), (Size64{150, 100}));
    EXPECT_EQ(ScaledSize(Size75, pic, client), (Size64{225, 150}));
    EXPECT_EQ(ScaledSize(Size150, pic, client), (Size64{450, 300}));
    EXPECT_EQ(ScaledSize(Size200, pic, client), (Size64{600, 400}));
}

TEST(ScaledSize, divisionsTruncate) {
    const Size64 pic{301, 203}, client{450, 340};
    EXPECT_EQ(ScaledSize(FitWidth, pic, client), (Size64{450, 303}));  // 303.5
    EXPECT_EQ(ScaledSize(FitHeight, pic, client), (Size64{504, 340})); // 504.1
    EXPECT_EQ(ScaledSize(Size25, pic, client), (Size64{75, 50}));
    EXPECT_EQ(ScaledSize(Size75, pic, client), (Size64{225, 152}));
    EXPECT_EQ(ScaledSize(Size150, pic, client), (Size64{451, 304}));
    EXPECT_EQ(ScaledSize(Size25, Size64{3, 3}, client), (Size64{0, 0}));
}

TEST(ScaledSize, noPictureOrUnknownSizeGivesNothing) {
    EXPECT_TRUE(ScaledSize(FitWidth, Size64{0, 0}, Size64{130, 340}).empty());
    EXPECT_TRUE(ScaledSize(9, Size64{10, 10}, Size64{130, 340}).empty());
}

TEST(ScaledSize, veryThinPicturesDoNotOverflow) {
    const Size64 s = ScaledSize(FitWidth, Size64{1, 100'000'000}, Size64{65'000, 10});
    EXPECT_EQ(s.height, 6'500'000'000'000);
}

TEST(PlacedSize, tilingCoversTheClientWithWholeTiles) {
    EXPECT_EQ(PlacedSize(true, Size64{40, 30}, Size64{130, 340}), (Size64{160, 360}));
    EXPECT_EQ(PlacedSize(true, Size64{65, 340}, Size64{130, 340}), (Size64{130, 340}));
    EXPECT_EQ(PlacedSize(true, Size64{500, 400}, Size64{130, 340}), (Size64{500, 400}));
    EXPECT_EQ(PlacedSize(false, Size64{40, 30}, Size64{130, 340}), (Size64{40, 30}));
}

TEST(PlacedSize, tileWithoutAreaPlacesNothing) {
    EXPECT_TRUE(PlacedSize(true, Size64{0, 30}, Size64{130, 340}).empty());
    EXPECT_TRUE(PlacedSize(true, Size64{40, 0}, Size64{130, 340}).empty());
}

TEST(Offset, leftCentredRightWithTruncationTowardZero) {
    EXPECT_EQ(Offset(AlignStart, 130, 100), 0);
    EXPECT_EQ(Offset(AlignCentre, 130, 100), 15);
    EXPECT_EQ(Offset(AlignEnd, 130, 100), 30);
    EXPECT_EQ(Offset(AlignCentre, 130, 230), -50); // 100 wider than the client
    EXPECT_EQ(Offset(AlignCentre, 130, 231), -50); // -50.5 truncates toward zero
    EXPECT_EQ(Offset(AlignEnd, 130, 231), -101);
    EXPECT_EQ(PlacedOrigin(AlignEnd, AlignStart, Size64{130, 340}, Size64{100, 300}),
              (Point64{30, 0}));
}

TEST(VisibleTiles, smallTilesShowWhole) {
    // 40-pixel tiles placed 160 wide and centred in 130: origin -15, tiles 0..3 show.
    EXPECT_EQ(VisibleTiles(-15, 160, 40, 130), (TileSpan{0, 4, 0, 40}));
    EXPECT_EQ(VisibleTiles(0, 360, 30, 340), (TileSpan{0, 12, 0, 30}));
}

TEST(VisibleTiles, oneLargeTileShowsOnlyItsCroppedPart) {
    EXPECT_EQ(VisibleTiles(-85, 300, 300, 130), (TileSpan{0, 1, 85, 215}));
    EXPECT_EQ(VisibleTiles(20, 50, 50, 130), (TileSpan{0, 1, 0, 50}));
    EXPECT_EQ(VisibleTiles(100, 50, 50, 130), (TileSpan{0, 1, 0, 30}));
}

TEST(VisibleTiles, nothingShowsOutsideTheClientOrWithoutATile) {
    EXPECT_EQ(VisibleTiles(130, 50, 50, 130), TileSpan{});
    EXPECT_EQ(VisibleTiles(-50, 50, 50, 130), TileSpan{});
    EXPECT_EQ(VisibleTiles(0, 0, 0, 130), TileSpan{});
}

TEST(BorderVisible, onlyWhenThePlacedPictureLeavesSomeClientUncovered) {
    EXPECT_FALSE(BorderVisible(Size64{130, 340}, Size64{130, 340}));
    EXPECT_FALSE(BorderVisible(Size64{500, 400}, Size64{130, 340}));
    EXPECT_TRUE(BorderVisible(Size64{129, 340}, Size64{130, 340}));
    EXPECT_TRUE(BorderVisible(Size64{130, 339}, Size64{130, 340}));
    EXPECT_TRUE(BorderVisible(Size64{}, Size64{130, 340}));
}

TEST(LayOutPicture, tilingAlwaysCoversSoNoBorderShows) {
    PictureOptions o;
    o.sizeChoice = Size25;
    o.tiled = true;
    for (int64_t w : {4, 7, 40, 123, 999}) {
        const PictureLayout l = LayOutPicture(o, Size64{w, w + 3}, Size64{130, 340});
        EXPECT_FALSE(BorderVisible(l.placed, Size64{130, 340})) << w;
    }
}

TEST(ChooseReduction, largestDivisorThatStillGivesEnoughPixels) {
    const Size64 pic{6000, 4000};
    EXPECT_EQ(ChooseReduction(pic, Size64{130, 340}), 8);
    EXPECT_EQ(ChooseReduction(pic, Size64{750, 500}), 8);
    EXPECT_EQ(ChooseReduction(pic, Size64{1500, 1000}), 4);
    EXPECT_EQ(ChooseReduction(pic, Size64{1501, 1000}), 2);
    EXPECT_EQ(ChooseReduction(pic, Size64{6000, 4000}), 1);
    EXPECT_EQ(ChooseReduction(pic, Size64{12000, 8000}), 1);
    EXPECT_EQ(ChooseReduction(Size64{6001, 4001}, Size64{751, 501}), 8); // rounded up
}

} // namespace
} // namespace kp
