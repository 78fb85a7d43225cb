#include "commands/ShellActions.h"
#include "RecordingLauncher.h"

#include <gtest/gtest.h>

// The main window's commands send the selected root through the same calls
// (checked under Wine); here the cases that a listed drive never gives.
TEST(ShellActions, TheRootReachesEachToolAndTheCleanUpLineIsCutToItsBuffer) {
    testing_support::RecordingLauncher launcher;
    commands::Explore(launcher, "C:\\");
    commands::Search(launcher, "C:\\");
    commands::CleanUp(launcher, "");
    EXPECT_EQ(launcher.calls, (std::vector<std::string>{"Execute open [C:\\] 10",
                                                        "Execute find [C:\\] 10",
                                                        "Run [cleanmgr.exe /d] 10"}));
    // "cleanmgr.exe /d" is 15 characters; the line holds 71.
    for (const std::size_t root : {55u, 56u, 57u, 100u}) {
        EXPECT_EQ(commands::CleanUpCommandLine(std::string(root, 'x')).size(),
                  std::min<std::size_t>(15 + root, 71u));
    }
}

TEST(ShellActions, PropertiesUseTheInvokeIdListRecordWithOwner) {
    testing_support::RecordingLauncher launcher;
    commands::ShowProperties(launcher, "C:\\", 0x1234);
    EXPECT_EQ(launcher.calls, (std::vector<std::string>{"ExecuteEx properties [C:\\] 5"}));
    EXPECT_EQ(launcher.lastRequest.mask, 0x0Cu);
    EXPECT_EQ(launcher.lastRequest.ownerWindow, 0x1234u);
}

TEST(ShellActions, DefragmenterFallsBackOnlyWhenTheConsoleFails) {
    testing_support::RecordingLauncher launcher;
    commands::Defragment(launcher);
    EXPECT_EQ(launcher.calls, (std::vector<std::string>{"Execute open [dfrg.msc] 10"}));
    launcher.calls.clear();
    launcher.executeSucceeds = false;
    commands::Defragment(launcher);
    EXPECT_EQ(launcher.calls, (std::vector<std::string>{"Execute open [dfrg.msc] 10",
                                                        "Execute open [dfrgui.exe] 10"}));
}
