// The drive view seen from outside: every label and bar after start, after
// choosing the other drive and after F5, and on a machine without fixed drives.
#include "Orbelune.h"
#include "resource.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using e2e::Running;
using e2e::StartOrbelune;

LRESULT SendItem(HWND window, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return e2e::Send(GetDlgItem(window, id), message, wParam, lParam).value_or(-12345);
}

void SelectDrive(HWND window, int index) {
    SendItem(window, IDC_DRIVE_COMBO, CB_SETCURSEL, static_cast<WPARAM>(index));
    e2e::Send(window, WM_COMMAND, MAKEWPARAM(IDC_DRIVE_COMBO, CBN_SELCHANGE),
              reinterpret_cast<LPARAM>(GetDlgItem(window, IDC_DRIVE_COMBO)));
}

bool StartsWith(const std::string& text, const std::string& head) {
    return text.rfind(head, 0) == 0;
}

// Every text that depends on the selected drive, and the four bars.
std::string ViewState(HWND window) {
    std::string all;
    for (int id : {IDC_DRIVE_GROUP, IDC_VOLUME_NAME, IDC_CAPACITY, IDC_USED, IDC_FREE, IDC_SERIAL,
                   IDC_FILE_SYSTEM, IDC_MAX_NAME_LENGTH, IDC_SYSTEM_DRIVE, IDC_DRIVE_COUNT,
                   IDC_TOTAL_CAPACITY, IDC_TOTAL_USED, IDC_TOTAL_FREE}) {
        all += e2e::DlgItemText(window, id) + "|";
    }
    for (int id : {IDC_FREE_BAR, IDC_USED_BAR, IDC_TOTAL_USED_BAR, IDC_TOTAL_FREE_BAR}) {
        all += std::to_string(SendItem(window, id, PBM_GETPOS)) + "|";
    }
    return all;
}

} // namespace

TEST(TwoDrives_DriveView, ShowsTheFirstDriveThenTheChosenOneAndRefreshesOnF5) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    HWND w = app.window;

    EXPECT_EQ(e2e::DlgItemText(w, IDC_DRIVE_GROUP), "Logical Drive C:\\");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_VOLUME_NAME), "Volume Name: SYSTEM");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_SERIAL), "Serial Number: 5EED-0C01");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_SYSTEM_DRIVE), "System drive: yes");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_MAX_NAME_LENGTH), "Max Filename Length Support: 255");
    EXPECT_TRUE(StartsWith(e2e::DlgItemText(w, IDC_FILE_SYSTEM), "File System: "));
    EXPECT_TRUE(StartsWith(e2e::DlgItemText(w, IDC_CAPACITY), "Capacity: "));
    EXPECT_TRUE(StartsWith(e2e::DlgItemText(w, IDC_USED), "Used: "));
    EXPECT_TRUE(StartsWith(e2e::DlgItemText(w, IDC_FREE), "Free: "));
    EXPECT_EQ(e2e::DlgItemText(w, IDC_SUMMARY_GROUP), "Summary");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_DRIVE_COUNT), ". Number Of Logical Drives: 2");
    EXPECT_TRUE(StartsWith(e2e::DlgItemText(w, IDC_TOTAL_CAPACITY), ". Storage Capacity: "));
    EXPECT_TRUE(StartsWith(e2e::DlgItemText(w, IDC_TOTAL_USED), ". Used: "));
    EXPECT_TRUE(StartsWith(e2e::DlgItemText(w, IDC_TOTAL_FREE), ". Free: "));
    const LRESULT freeBar = SendItem(w, IDC_FREE_BAR, PBM_GETPOS);
    const LRESULT usedBar = SendItem(w, IDC_USED_BAR, PBM_GETPOS);
    EXPECT_TRUE(freeBar + usedBar == 100 || freeBar + usedBar == 101)
        << "the used bar carries the extra 1: " << freeBar << " + " << usedBar;
    const std::string first = ViewState(w);

    SelectDrive(w, 1);
    EXPECT_EQ(e2e::DlgItemText(w, IDC_DRIVE_GROUP), "Logical Drive E:\\");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_VOLUME_NAME), "Volume Name: DATA");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_SERIAL), "Serial Number: 1A2B-3C4D");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_SYSTEM_DRIVE), "System drive: no");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_DRIVE_COUNT), ". Number Of Logical Drives: 2");
    const std::string second = ViewState(w);

    // F5 rewrites every label and bar, here for the same drive.
    for (int id : {IDC_VOLUME_NAME, IDC_SERIAL, IDC_DRIVE_COUNT, IDC_TOTAL_USED}) {
        e2e::SetWindowTextTimeout(GetDlgItem(w, id), "stale");
    }
    SendItem(w, IDC_FREE_BAR, PBM_SETPOS, 3);
    SendItem(w, IDC_TOTAL_FREE_BAR, PBM_SETPOS, 3);
    ASSERT_TRUE(e2e::PressKey(w, VK_F5));
    EXPECT_TRUE(e2e::WaitUntil([&] { return ViewState(w) == second; }, 3000)) << ViewState(w);

    SelectDrive(w, 0);
    EXPECT_EQ(ViewState(w), first);
    ASSERT_TRUE(e2e::Post(w, WM_CLOSE));
    EXPECT_TRUE(app.process.WaitForExit(5000));
}

TEST(NoFixedDrive_DriveView, AnEmptyListShowsACountOfZeroAndSurvivesRefresh) {
    Running app = StartOrbelune();
    ASSERT_NE(app.window, nullptr);
    HWND w = app.window;
    EXPECT_EQ(SendItem(w, IDC_DRIVE_COMBO, CB_GETCOUNT), 0);
    EXPECT_EQ(e2e::DlgItemText(w, IDC_DRIVE_COUNT), ". Number Of Logical Drives: 0");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_DRIVE_GROUP), "Logical Drive ");
    EXPECT_EQ(e2e::DlgItemText(w, IDC_TOTAL_CAPACITY), ". Storage Capacity: 0 GB");
    ASSERT_TRUE(e2e::PressKey(w, VK_F5));
    e2e::Send(w, WM_NULL);
    EXPECT_EQ(e2e::DlgItemText(w, IDC_DRIVE_COUNT), ". Number Of Logical Drives: 0");
    EXPECT_TRUE(app.process.IsRunning());
    ASSERT_TRUE(e2e::Post(w, WM_CLOSE));
    EXPECT_TRUE(app.process.WaitForExit(5000));
}
