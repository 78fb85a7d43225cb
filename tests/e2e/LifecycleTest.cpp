// Start-up and the ways to end the program, driven from outside.
#include "Orbelune.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

using e2e::Running;
using e2e::StartOrbelune;

LRESULT SendOr(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return e2e::Send(window, message, wParam, lParam).value_or(-12345);
}

void ExpectCleanExit(e2e::Process& process) {
    ASSERT_TRUE(process.WaitForExit(5000)) << "the program did not end";
    EXPECT_EQ(process.ExitCode().value_or(99), 0u);
}

} // namespace

TEST(TwoDrives_Lifecycle, StartsShowingTheFirstFixedDrive) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr) << "no window titled Orbelune";
    HWND combo = GetDlgItem(app.window, IDC_DRIVE_COMBO);
    EXPECT_EQ(SendOr(combo, CB_GETCOUNT), 2);
    EXPECT_EQ(SendOr(combo, CB_GETCURSEL), 0);
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_DRIVE_GROUP), "Logical Drive C:\\");
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_DRIVE_COUNT), ". Number Of Logical Drives: 2");
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_VOLUME_NAME), "Volume Name: SYSTEM");
    EXPECT_TRUE(IsWindowVisible(app.window));
    // The system menu ends with the about entry.
    ASSERT_TRUE(e2e::Post(app.window, WM_CLOSE));
    ExpectCleanExit(app.process);
}

TEST(TwoDrives_Lifecycle, MinimiseGoesToTheNotificationAreaAndRestoreComesBack) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    SendOr(app.window, WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(app.window); }, 3000));
    EXPECT_FALSE(IsIconic(app.window));
    SendOr(app.window, WM_COMMAND, ID_TRAY_RESTORE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));
    // Reduce from the context menu hides it the same way.
    SendOr(app.window, WM_COMMAND, ID_REDUCE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(app.window); }, 3000));
    SendOr(app.window, WM_COMMAND, ID_TRAY_RESTORE);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(app.window) != FALSE; }, 3000));
    ASSERT_TRUE(e2e::ClickButton(app.window, IDOK));
    ExpectCleanExit(app.process);
}

TEST(TwoDrives_Lifecycle, TrayExitEndsTheProgramWhileReduced) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    SendOr(app.window, WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(e2e::Post(app.window, WM_COMMAND, ID_TRAY_EXIT));
    ExpectCleanExit(app.process);
}

TEST(TwoDrives_Lifecycle, ContextMenuExitCommandEndsTheProgram) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    ASSERT_TRUE(e2e::Post(app.window, WM_COMMAND, IDOK));
    ExpectCleanExit(app.process);
}

TEST(TwoDrives_Lifecycle, KeysRefreshAndEscapeDoesNotClose) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    e2e::PressKey(app.window, VK_F5);
    e2e::PressKey(app.window, VK_ESCAPE);
    e2e::PressKey(app.window, VK_TAB);
    Sleep(300);
    EXPECT_TRUE(app.process.IsRunning());
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_DRIVE_GROUP), "Logical Drive C:\\");
    e2e::Post(app.window, WM_CLOSE);
    ExpectCleanExit(app.process);
}

TEST(NoFixedDrive_Lifecycle, StartsWithAnEmptyListAndEndsCleanly) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    HWND combo = GetDlgItem(app.window, IDC_DRIVE_COMBO);
    EXPECT_EQ(SendOr(combo, CB_GETCOUNT), 0);
    EXPECT_EQ(SendOr(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(e2e::DlgItemText(app.window, IDC_DRIVE_COUNT), ". Number Of Logical Drives: 0");
    e2e::PressKey(app.window, VK_F5);
    Sleep(200);
    EXPECT_TRUE(app.process.IsRunning());
    e2e::Post(app.window, WM_CLOSE);
    ExpectCleanExit(app.process);
}
