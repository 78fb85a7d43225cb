#include "commands/RecycleBinMessage.h"
#include "commands/ShellActions.h"
#include "RecordingLauncher.h"

#include <gtest/gtest.h>

TEST(ShellActions, EachToolGetsTheRootAndTheDefragmenterFallsBackOnlyWhenNeeded) {
    testing_support::RecordingLauncher launcher;
    commands::Explore(launcher, "C:\\");
    commands::Search(launcher, "C:\\");
    commands::CleanUp(launcher, "");
    commands::ShowProperties(launcher, "C:\\", 0x1234);
    commands::Defragment(launcher);
    launcher.executeSucceeds = false;
    commands::Defragment(launcher);
    EXPECT_EQ(launcher.calls,
              (std::vector<std::string>{"Execute open [C:\\] 10", "Execute find [C:\\] 10",
                                        "Run [cleanmgr.exe /d] 10", "ExecuteEx properties [C:\\] 5",
                                        "Execute open [dfrg.msc] 10", "Execute open [dfrg.msc] 10",
                                        "Execute open [dfrgui.exe] 10"}));
    EXPECT_EQ(launcher.lastRequest.mask, 0x0Cu);
    EXPECT_EQ(launcher.lastRequest.ownerWindow, 0x1234u);
    // "cleanmgr.exe /d" is 15 characters; the line holds 71.
    for (const std::size_t root : {55u, 56u, 57u, 100u}) {
        EXPECT_EQ(commands::CleanUpCommandLine(std::string(root, 'x')).size(),
                  std::min<std::size_t>(15 + root, 71u));
    }
}

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
        {1073741824, 3, "Deleted: 3 elements.\r\nReleased about: 1024 MB."},
        {1073741825, 3, "Deleted: 3 elements.\r\nReleased about: 1 GB."},
        {5LL << 40, 3, "Deleted: 3 elements.\r\nReleased about: 5120 GB."},
        {500, 0, "Deleted: 0 elements..\r\nReleased: 500 Bytes."},
        {500, 1, "Deleted: 1 element.\r\nReleased: 500 Bytes."},
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
