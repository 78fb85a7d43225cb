#include "commands/RecycleBinMessage.h"

#include <gtest/gtest.h>

using commands::RecycleBinReleasedText;

TEST(RecycleBinMessage, SizeTableBoundaries) {
    EXPECT_EQ(RecycleBinReleasedText(1024, 3), "Deleted: 3 elements..\r\nReleased: 1024 Bytes.");
    EXPECT_EQ(RecycleBinReleasedText(1025, 3), "Deleted: 3 elements.\r\nReleased: 1 KB.");
    EXPECT_EQ(RecycleBinReleasedText(1048576, 3), "Deleted: 3 elements.\r\nReleased: 1024 KB.");
    EXPECT_EQ(RecycleBinReleasedText(1048577, 3), "Deleted: 3 elements.\r\nReleased about: 1 MB.");
    EXPECT_EQ(RecycleBinReleasedText(1073741824, 3),
              "Deleted: 3 elements.\r\nReleased about: 1024 MB.");
    EXPECT_EQ(RecycleBinReleasedText(1073741825, 3),
              "Deleted: 3 elements.\r\nReleased about: 1 GB.");
    EXPECT_EQ(RecycleBinReleasedText(2047, 3), "Deleted: 3 elements.\r\nReleased: 1 KB.");
    EXPECT_EQ(RecycleBinReleasedText(1073741823, 3),
              "Deleted: 3 elements.\r\nReleased about: 1023 MB.");
    EXPECT_EQ(RecycleBinReleasedText(5LL << 40, 3),
              "Deleted: 3 elements.\r\nReleased about: 5120 GB.");
}

TEST(RecycleBinMessage, SingularOnlyForExactlyOneElement) {
    EXPECT_EQ(RecycleBinReleasedText(500, 1), "Deleted: 1 element.\r\nReleased: 500 Bytes.");
    EXPECT_EQ(RecycleBinReleasedText(500, 2), "Deleted: 2 elements..\r\nReleased: 500 Bytes.");
    EXPECT_EQ(RecycleBinReleasedText(500, 0), "Deleted: 0 elements..\r\nReleased: 500 Bytes.");
    EXPECT_EQ(RecycleBinReleasedText(4096, 1), "Deleted: 1 element.\r\nReleased: 4 KB.");
    EXPECT_EQ(RecycleBinReleasedText(3LL << 20, 1), "Deleted: 1 element.\r\nReleased about: 3 MB.");
    EXPECT_EQ(RecycleBinReleasedText(3LL << 30, 1), "Deleted: 1 element.\r\nReleased about: 3 GB.");
}

TEST(RecycleBinMessage, EmptyMeansZeroBytesWhateverTheCount) {
    EXPECT_TRUE(commands::RecycleBinIsEmpty(0));
    EXPECT_FALSE(commands::RecycleBinIsEmpty(1));
    EXPECT_STREQ(commands::RecycleBinEmptyText, "Your Recycle Bin is empty.");
}
