#include "commands/RecycleBinMessage.h"

#include <gtest/gtest.h>

TEST(RecycleBinMessage, SizeTableBoundariesAndTheSingular) {
    const struct {
        long long bytes;
        int count;
        const char* text;
    } cases[] = {
        {1024, 3, "Deleted: 3 elements..\r\nReleased: 1024 Bytes."},
        {1025, 3, "Deleted: 3 elements.\r\nReleased: 1 KB."},
        {2047, 3, "Deleted: 3 elements.\r\nReleased: 1 KB."},
        {1048576, 3, "Deleted: 3 elements.\r\nReleased: 1024 KB."},
        {1048577, 3, "Deleted: 3 elements.\r\nReleased about: 1 MB."},
        {1073741823, 3, "Deleted: 3 elements.\r\nReleased about: 1023 MB."},
        {1073741824, 3, "Deleted: 3 elements.\r\nReleased about: 1024 MB."},
        {1073741825, 3, "Deleted: 3 elements.\r\nReleased about: 1 GB."},
        {5LL << 40, 3, "Deleted: 3 elements.\r\nReleased about: 5120 GB."},
        {500, 0, "Deleted: 0 elements..\r\nReleased: 500 Bytes."},
        {500, 1, "Deleted: 1 element.\r\nReleased: 500 Bytes."},
        {500, 2, "Deleted: 2 elements..\r\nReleased: 500 Bytes."},
        {4096, 1, "Deleted: 1 element.\r\nReleased: 4 KB."},
        {3LL << 20, 1, "Deleted: 1 element.\r\nReleased about: 3 MB."},
        {3LL << 30, 1, "Deleted: 1 element.\r\nReleased about: 3 GB."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(commands::RecycleBinReleasedText(c.bytes, c.count), c.text) << c.bytes;
    }
    // Only the size decides whether the bin is empty.
    EXPECT_TRUE(commands::RecycleBinIsEmpty(0));
    EXPECT_FALSE(commands::RecycleBinIsEmpty(1));
}
