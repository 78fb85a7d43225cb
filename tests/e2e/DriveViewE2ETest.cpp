// The drive view seen from outside: Orbelune.exe is started in a prefix whose
// fixed drives are C: (label ORBC, serial 1A2B3C4D) and E: (label ORBE,
// serial 12345678), or, with ORBELUNE_E2E_NO_FIXED_DRIVES set, none at all.
#include "resource.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

struct FoundWindow {
    DWORD process;
    HWND window;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<FoundWindow*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (process == found->process && std::string(className) == "#32770" &&
        IsWindowVisible(window)) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// Starts the program beside this test and waits for its visible main window.
class RunningProgram {
  public:
    RunningProgram() {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, sizeof path);
        std::string program(path);
        program = program.substr(0, program.find_last_of('\\') + 1) + "Orbelune.exe";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &info_)) {
            return;
        }
        WaitForInputIdle(info_.hProcess, 10000);
        FoundWindow found{info_.dwProcessId, nullptr};
        for (int i = 0; i < 200 && found.window == nullptr; ++i) {
            EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&found));
            if (found.window == nullptr) {
                Sleep(50);
            }
        }
        window_ = found.window;
    }
    ~RunningProgram() {
        if (info_.hProcess == nullptr) {
            return;
        }
        if (window_ != nullptr) {
            PostMessageA(window_, WM_COMMAND, IDOK, 0);
        }
        if (WaitForSingleObject(info_.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(info_.hProcess, 1);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }

    HWND Window() const { return window_; }
    std::string Text(int id) const {
        char text[256] = {};
        DWORD_PTR unused = 0;
        SendMessageTimeoutA(GetDlgItem(window_, id), WM_GETTEXT, sizeof text,
                            reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &unused);
        return text;
    }
    LRESULT Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(target, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
        return static_cast<LRESULT>(result);
    }
    LRESULT SendItem(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return Send(GetDlgItem(window_, id), message, wParam, lParam);
    }
    void SelectDrive(int index) const {
        SendItem(IDC_DRIVE_COMBO, CB_SETCURSEL, static_cast<WPARAM>(index));
        Send(window_, WM_COMMAND, MAKEWPARAM(IDC_DRIVE_COMBO, CBN_SELCHANGE),
             reinterpret_cast<LPARAM>(GetDlgItem(window_, IDC_DRIVE_COMBO)));
    }
    // A key as the user types it: posted to the focused window, then a round trip.
    void PressKey(WPARAM key) const {
        GUITHREADINFO gui{};
        gui.cbSize = sizeof gui;
        GetGUIThreadInfo(info_.dwThreadId, &gui);
        HWND target = gui.hwndFocus != nullptr ? gui.hwndFocus : window_;
        PostMessageA(target, WM_KEYDOWN, key, 1);
        PostMessageA(target, WM_KEYUP, key, 0xC0000001);
        Send(window_, WM_NULL, 0, 0);
    }
    bool StillRunning() const { return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

  private:
    PROCESS_INFORMATION info_{};
    HWND window_ = nullptr;
};

bool NoFixedDrivesProfile() {
    return GetEnvironmentVariableA("ORBELUNE_E2E_NO_FIXED_DRIVES", nullptr, 0) != 0;
}

// Every text of the drive part that depends on the selected drive.
std::string DriveTexts(const RunningProgram& program) {
    std::string all;
    for (int id : {IDC_DRIVE_GROUP, IDC_VOLUME_NAME, IDC_CAPACITY, IDC_USED, IDC_FREE, IDC_SERIAL,
                   IDC_FILE_SYSTEM, IDC_MAX_NAME_LENGTH, IDC_SYSTEM_DRIVE}) {
        all += program.Text(id) + "|";
    }
    return all;
}

} // namespace

TEST(DriveViewE2E, StartShowsTheFirstDriveAndSelectionShowsTheSecond) {
    if (NoFixedDrivesProfile()) {
        GTEST_SKIP() << "needs the two-drive profile";
    }
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);

    EXPECT_EQ(program.Text(IDC_DRIVE_GROUP), "Logical Drive C:\\");
    EXPECT_EQ(program.Text(IDC_VOLUME_NAME), "Volume Name: ORBC");
    EXPECT_EQ(program.Text(IDC_SERIAL), "Serial Number: 1A2B-3C4D");
    EXPECT_EQ(program.Text(IDC_SYSTEM_DRIVE), "System drive: yes");
    EXPECT_EQ(program.Text(IDC_MAX_NAME_LENGTH), "Max Filename Length Support: 255");
    EXPECT_EQ(program.Text(IDC_FILE_SYSTEM).rfind("File System: ", 0), 0u);
    EXPECT_EQ(program.Text(IDC_CAPACITY).rfind("Capacity: ", 0), 0u);
    EXPECT_EQ(program.Text(IDC_USED).rfind("Used: ", 0), 0u);
    EXPECT_EQ(program.Text(IDC_FREE).rfind("Free: ", 0), 0u);
    EXPECT_EQ(program.Text(IDC_SUMMARY_GROUP), "Summary");
    EXPECT_EQ(program.Text(IDC_DRIVE_COUNT), ". Number Of Logical Drives: 2");
    EXPECT_EQ(program.Text(IDC_TOTAL_CAPACITY).rfind(". Storage Capacity: ", 0), 0u);
    EXPECT_EQ(program.Text(IDC_TOTAL_USED).rfind(". Used: ", 0), 0u);
    EXPECT_EQ(program.Text(IDC_TOTAL_FREE).rfind(". Free: ", 0), 0u);
    EXPECT_EQ(program.SendItem(IDC_DRIVE_COMBO, CB_GETCOUNT), 2);
    EXPECT_EQ(program.SendItem(IDC_DRIVE_COMBO, CB_GETCURSEL), 0);
    const LRESULT freeBar = program.SendItem(IDC_FREE_BAR, PBM_GETPOS);
    const LRESULT usedBar = program.SendItem(IDC_USED_BAR, PBM_GETPOS);
    EXPECT_GE(freeBar + usedBar, 100) << "the used bar carries the extra 1";
    EXPECT_LE(freeBar + usedBar, 101);

    program.SelectDrive(1);
    EXPECT_EQ(program.Text(IDC_DRIVE_GROUP), "Logical Drive E:\\");
    EXPECT_EQ(program.Text(IDC_VOLUME_NAME), "Volume Name: ORBE");
    EXPECT_EQ(program.Text(IDC_SERIAL), "Serial Number: 1234-5678");
    EXPECT_EQ(program.Text(IDC_SYSTEM_DRIVE), "System drive: no");
    EXPECT_EQ(program.Text(IDC_DRIVE_COUNT), ". Number Of Logical Drives: 2");
    const std::string second = DriveTexts(program);

    // F5 refreshes the same drive: the texts are rewritten unchanged.
    SetDlgItemTextA(program.Window(), IDC_VOLUME_NAME, "stale");
    SetDlgItemTextA(program.Window(), IDC_TOTAL_USED, "stale");
    program.SendItem(IDC_FREE_BAR, PBM_SETPOS, 3);
    program.PressKey(VK_F5);
    EXPECT_EQ(DriveTexts(program), second);
    EXPECT_EQ(program.Text(IDC_TOTAL_USED).rfind(". Used: ", 0), 0u);
    EXPECT_NE(program.SendItem(IDC_FREE_BAR, PBM_GETPOS), 3);

    program.SelectDrive(0);
    EXPECT_EQ(program.Text(IDC_DRIVE_GROUP), "Logical Drive C:\\");
    EXPECT_EQ(program.Text(IDC_VOLUME_NAME), "Volume Name: ORBC");
    EXPECT_TRUE(program.StillRunning());
}

TEST(DriveViewE2E, WithoutFixedDrivesTheViewShowsACountOfZero) {
    if (!NoFixedDrivesProfile()) {
        GTEST_SKIP() << "needs the profile without fixed drives";
    }
    RunningProgram program;
    ASSERT_NE(program.Window(), nullptr);
    EXPECT_EQ(program.SendItem(IDC_DRIVE_COMBO, CB_GETCOUNT), 0);
    EXPECT_EQ(program.Text(IDC_DRIVE_COUNT), ". Number Of Logical Drives: 0");
    EXPECT_EQ(program.Text(IDC_TOTAL_CAPACITY), ". Storage Capacity: 0 GB");
    program.PressKey(VK_F5);
    EXPECT_EQ(program.Text(IDC_DRIVE_COUNT), ". Number Of Logical Drives: 0");
    EXPECT_TRUE(program.StillRunning());
}
