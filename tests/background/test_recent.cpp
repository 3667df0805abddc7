#include "background/recent.h"

#include <gtest/gtest.h>

namespace kp {
namespace {

RecentPictures Numbered() {
    RecentPictures list;
    for (int i = 0; i < RecentCount; ++i)
        list[static_cast<size_t>(i)] = "/p/" + std::to_string(i + 1);
    return list;
}

TEST(RecentPictures, thirdEntryMovesToTheTopAndTheRestStay) {
    RecentPictures list = Numbered();
    PushRecentPicture(list, "/p/3");
    EXPECT_EQ(list[0], "/p/3");
    EXPECT_EQ(list[1], "/p/1");
    EXPECT_EQ(list[2], "/p/2");
    for (int i = 3; i < RecentCount; ++i)
        EXPECT_EQ(list[static_cast<size_t>(i)], "/p/" + std::to_string(i + 1));
}

TEST(RecentPictures, eleventhPictureDropsTheTenth) {
    RecentPictures list = Numbered();
    PushRecentPicture(list, "/p/new");
    EXPECT_EQ(list[0], "/p/new");
    for (int i = 1; i < RecentCount; ++i)
        EXPECT_EQ(list[static_cast<size_t>(i)], "/p/" + std::to_string(i));
}

TEST(RecentPictures, firstEntryStaysAndMatchingIsCaseSensitive) {
    RecentPictures list = Numbered();
    PushRecentPicture(list, "/p/1");
    EXPECT_EQ(list, Numbered());
    list[1] = "/p/Pic.bmp";
    PushRecentPicture(list, "/p/pic.bmp");
    EXPECT_EQ(list[0], "/p/pic.bmp");
    EXPECT_EQ(list[2], "/p/Pic.bmp");
}

TEST(RecentPictures, fillingAnEmptyList) {
    RecentPictures list;
    PushRecentPicture(list, "a.bmp");
    PushRecentPicture(list, "b.jpg");
    EXPECT_EQ(list[0], "b.jpg");
    EXPECT_EQ(list[1], "a.bmp");
    EXPECT_EQ(list[2], "");
}

TEST(RecentCaption, digitThreeBlanksAndFileName) {
    EXPECT_EQ(RecentCaption(3, "/home/me/pics/pic.bmp"), "&3   pic.bmp");
    EXPECT_EQ(RecentCaption(10, "/x/y.jpg"), "&0   y.jpg");
    EXPECT_EQ(RecentCaption(1, "plain.jpg"), "&1   plain.jpg");
}

TEST(RecentCaption, entriesWithoutAFileNameAreHidden) {
    EXPECT_FALSE(RecentCaptionVisible(RecentCaption(2, "")));
    EXPECT_FALSE(RecentCaptionVisible(RecentCaption(2, "/some/folder/")));
    EXPECT_TRUE(RecentCaptionVisible(RecentCaption(2, "/a/b")));
}

} // namespace
} // namespace kp
