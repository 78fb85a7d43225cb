#include "commands/ShellActions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct RecordingLauncher : commands::ShellLauncher {
    std::vector<std::string> calls;
    commands::ShellExecuteRequest lastRequest;
    bool executeSucceeds = true;

    bool Execute(const std::string& verb, const std::string& file, int show) override {
        calls.push_back("Execute " + verb + " [" + file + "] " + std::to_string(show));
        return executeSucceeds;
    }
    bool ExecuteEx(const commands::ShellExecuteRequest& request) override {
        lastRequest = request;
        calls.push_back("ExecuteEx " + request.verb + " [" + request.file + "]");
        return true;
    }
    bool RunCommandLine(const std::string& commandLine, int show) override {
        calls.push_back("Run [" + commandLine + "] " + std::to_string(show));
        return true;
    }
};

} // namespace

TEST(ShellActions, ExploreSearchAndCleanUpNameTheRoot) {
    RecordingLauncher launcher;
    commands::Explore(launcher, "C:\\");
    commands::Search(launcher, "D:\\");
    commands::CleanUp(launcher, "E:\\");
    EXPECT_EQ(launcher.calls,
              (std::vector<std::string>{"Execute open [C:\\] 10", "Execute find [D:\\] 10",
                                        "Run [cleanmgr.exe /dE:\\] 10"}));
}

TEST(ShellActions, EmptyRootIsPassedAsIs) {
    RecordingLauncher launcher;
    commands::Explore(launcher, "");
    commands::CleanUp(launcher, "");
    EXPECT_EQ(launcher.calls,
              (std::vector<std::string>{"Execute open [] 10", "Run [cleanmgr.exe /d] 10"}));
    EXPECT_EQ(commands::CleanUpCommandLine(std::string(100, 'x')).size(), 71u);
}

TEST(ShellActions, PropertiesUseTheInvokeIdListRecordWithOwner) {
    RecordingLauncher launcher;
    commands::ShowProperties(launcher, "C:\\", 0x1234);
    EXPECT_EQ(launcher.lastRequest.mask, 0x0Cu);
    EXPECT_EQ(launcher.lastRequest.ownerWindow, 0x1234u);
    EXPECT_EQ(launcher.lastRequest.verb, "properties");
    EXPECT_EQ(launcher.lastRequest.file, "C:\\");
    EXPECT_EQ(launcher.lastRequest.show, 5);
}

TEST(ShellActions, DefragmenterFallsBackOnlyWhenTheConsoleFails) {
    RecordingLauncher launcher;
    commands::Defragment(launcher);
    EXPECT_EQ(launcher.calls, (std::vector<std::string>{"Execute open [dfrg.msc] 10"}));
    launcher.calls.clear();
    launcher.executeSucceeds = false;
    commands::Defragment(launcher);
    EXPECT_EQ(launcher.calls, (std::vector<std::string>{"Execute open [dfrg.msc] 10",
                                                        "Execute open [dfrgui.exe] 10"}));
}
