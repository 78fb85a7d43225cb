#include "commands/ShellActions.h"
#include "RecordingLauncher.h"

#include <gtest/gtest.h>

// The main window's commands send the selected root through the same calls
// (checked under Wine); here the cases that a listed drive never gives.
TEST(ShellActions, EmptyOrLongRootsArePassedAsIs) {
    testing_support::RecordingLauncher launcher;
    commands::Explore(launcher, "");
    commands::CleanUp(launcher, "");
    EXPECT_EQ(launcher.calls,
              (std::vector<std::string>{"Execute open [] 10", "Run [cleanmgr.exe /d] 10"}));
    EXPECT_EQ(commands::CleanUpCommandLine(std::string(100, 'x')).size(), 71u);
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
