// The settings file, the transparency button, the balloon tip and the about box,
// seen from outside the running program.
#include "Driver.h"
#include "resource.h"

#include <fstream>
#include <string>

#include <gtest/gtest.h>

using namespace e2e;

namespace {

constexpr const char* DefaultSettings = "[Orbelune]\r\nWnd_Transparency=0\r\n";

// A copy of the program in a folder of its own, so that its settings file is private.
class ProgramCopy {
  public:
    explicit ProgramCopy(const std::string& name) {
        folder = Env("ORBELUNE_SCRATCH") + "settings-" + name;
        CreateDirectoryA(folder.c_str(), nullptr);
        exe = folder + "\\Orbelune.exe";
        ini = folder + "\\Orbelune.ini";
        CopyFileA(Env("ORBELUNE_EXE").c_str(), exe.c_str(), FALSE);
        RemoveDirectoryA(ini.c_str());
        DeleteFileA(ini.c_str());
    }

    Process Start(const std::string& workingDirectory = "") const {
        Process process =
            Process::Start(exe, "", workingDirectory.empty() ? folder : workingDirectory);
        EXPECT_TRUE(process) << "error " << process.StartError();
        return process;
    }
    void StoreSettings(const std::string& bytes) const {
        std::ofstream(ini, std::ios::binary) << bytes;
    }
    std::string Settings() const { return ReadFileBytes(ini).value_or("<missing>"); }

    std::string folder;
    std::string exe;
    std::string ini;
};

int Alpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!GetLayeredWindowAttributes(window, nullptr, &alpha, &flags))
        return -1;
    return alpha;
}

HWND MainWindow(const Process& process) {
    return FindTopWindow(process.Id(), "Orbelune", "#32770");
}

// Starts the copy and answers the opacity it shows, then closes it.
int StartedAlpha(const ProgramCopy& copy, const std::string& workingDirectory = "") {
    Process process = copy.Start(workingDirectory);
    HWND window = MainWindow(process);
    if (window == nullptr)
        return -2;
    const int alpha = Alpha(window);
    Post(window, WM_CLOSE);
    EXPECT_TRUE(process.WaitForExit());
    return alpha;
}

void Toggle(HWND window) {
    Send(window, WM_COMMAND, MAKEWPARAM(IDC_TRANSPARENCY, BN_CLICKED),
         LPARAM(GetDlgItem(window, IDC_TRANSPARENCY)));
}

} // namespace

TEST(TwoDrives_Settings, FirstStartCreatesTheFileAndTheButtonTogglesAndStores) {
    ProgramCopy copy("toggle");
    Process process = copy.Start();
    HWND window = MainWindow(process);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(copy.Settings(), DefaultSettings);
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(Alpha(window), 255);

    Toggle(window);
    EXPECT_EQ(Alpha(window), 191);
    EXPECT_EQ(copy.Settings(), "[Orbelune]\r\nWnd_Transparency=1\r\n");
    Toggle(window);
    EXPECT_EQ(Alpha(window), 255);
    EXPECT_EQ(copy.Settings(), DefaultSettings);
    Toggle(window);
    Post(window, WM_CLOSE);
    ASSERT_TRUE(process.WaitForExit());

    EXPECT_EQ(StartedAlpha(copy), 191) << "the next start restores the last state";
}

TEST(TwoDrives_Settings, HandEditedAndDamagedFiles) {
    ProgramCopy copy("edited");
    copy.StoreSettings("[Orbelune]\r\nWnd_Transparency=5\r\n");
    EXPECT_EQ(StartedAlpha(copy), 191);
    copy.StoreSettings("[Orbelune]\r\nWnd_Transparency=yes\r\n");
    EXPECT_EQ(StartedAlpha(copy), 255);

    std::string garbage(65536, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 2654435761u) >> 13);
    copy.StoreSettings(garbage);
    EXPECT_EQ(StartedAlpha(copy), 255);

    std::string huge(6u << 20, 'x');
    for (std::size_t i = 100; i < huge.size(); i += 100)
        huge[i] = '\n';
    copy.StoreSettings("[Orbelune]\r\nWnd_Transparency=1\r\n" + huge);
    EXPECT_EQ(StartedAlpha(copy), 191);
}

TEST(TwoDrives_Settings, AnotherWorkingFolderKeepsTheStoredSetting) {
    ProgramCopy copy("elsewhere");
    copy.StoreSettings("[Orbelune]\r\nWnd_Transparency=1\r\n");
    const std::string other = copy.folder + "-cwd";
    CreateDirectoryA(other.c_str(), nullptr);
    EXPECT_EQ(StartedAlpha(copy, other), 191);
    EXPECT_EQ(StartedAlpha(copy, other), 191);
    EXPECT_EQ(copy.Settings(), "[Orbelune]\r\nWnd_Transparency=1\r\n");
    EXPECT_EQ(ReadFileBytes(other + "\\Orbelune.ini"), std::nullopt);
}

TEST(TwoDrives_Settings, UnwritableSettingsStillToggleTheOpacityForTheRun) {
    ProgramCopy copy("unwritable");
    // A folder where the file belongs: nothing can be written there.
    ASSERT_TRUE(CreateDirectoryA(copy.ini.c_str(), nullptr));
    Process process = copy.Start();
    HWND window = MainWindow(process);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Alpha(window), 255);
    Toggle(window);
    EXPECT_EQ(Alpha(window), 191);
    Toggle(window);
    EXPECT_EQ(Alpha(window), 255);
    Post(window, WM_CLOSE);
    EXPECT_TRUE(process.WaitForExit());
    RemoveDirectoryA(copy.ini.c_str());
}

TEST(TwoDrives_Buttons, DoubleClickOnTheTransparencyButtonTogglesTwice) {
    ProgramCopy copy("buttons");
    Process process = copy.Start();
    HWND window = MainWindow(process);
    ASSERT_NE(window, nullptr);
    HWND button = GetDlgItem(window, IDC_TRANSPARENCY);
    const LPARAM inside = MAKELPARAM(3, 3);
    // Click, double-click and click: three toggles end transparent.
    for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
                         WM_LBUTTONDOWN, WM_LBUTTONUP})
        Send(button, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, inside);
    EXPECT_EQ(Alpha(window), 191);
    EXPECT_EQ(copy.Settings(), "[Orbelune]\r\nWnd_Transparency=1\r\n");

    Post(window, WM_CLOSE);
    EXPECT_TRUE(process.WaitForExit());
}

TEST(TwoDrives_Buttons, EnterOnTheFocusedExitButtonEndsTheProgram) {
    ProgramCopy copy("enter");
    Process process = copy.Start();
    HWND window = MainWindow(process);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PressKey(window, VK_RETURN));
    EXPECT_TRUE(process.WaitForExit());
    EXPECT_EQ(copy.Settings(), DefaultSettings) << "nothing else ran";
}

TEST(TwoDrives_Balloon, HoveringTheTransparencyButtonShowsTheTipAndLeavingHidesIt) {
    ProgramCopy copy("balloon");
    Process process = copy.Start();
    HWND window = MainWindow(process);
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    RECT button{};
    GetWindowRect(GetDlgItem(window, IDC_TRANSPARENCY), &button);
    SetCursorPos(button.left + 4, button.top + 4);
    Sleep(100);
    SetCursorPos(button.left + 6, button.top + 5);
    const DWORD moved = GetTickCount();
    HWND balloon = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            balloon = FindTopWindow(process.Id(), nullptr, "OrbeluneBalloonTip", 0);
            return balloon != nullptr;
        },
        3000));
    EXPECT_GE(GetTickCount() - moved, 600u) << "shown after the pointer rested 700 ms";

    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT text{0, 0, 0, 0};
    DrawTextA(dc, "Make the window transparent...", -1, &text, DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    RECT shown{};
    GetWindowRect(balloon, &shown);
    EXPECT_EQ(shown.right - shown.left, text.right + 24);
    EXPECT_EQ(shown.bottom - shown.top, text.bottom + 20 + 25);
    EXPECT_EQ(shown.right - 12, button.left + 6) << "stem tip on the pointer";
    EXPECT_EQ(shown.bottom - 10, button.top + 5);

    SetCursorPos(button.left - 200, button.top - 60);
    const DWORD left = GetTickCount();
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(balloon); }, 2000));
    EXPECT_LE(GetTickCount() - left, 600u);
    Post(window, WM_CLOSE);
    EXPECT_TRUE(process.WaitForExit());
}

TEST(TwoDrives_About, OpensFromTheSystemMenuAndTheContextMenuCommandAndBlocksTheMainWindow) {
    ProgramCopy copy("about");
    Process process = copy.Start();
    HWND window = MainWindow(process);
    ASSERT_NE(window, nullptr);

    for (const bool fromSystemMenu : {true, false}) {
        if (fromSystemMenu)
            Post(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        else
            Post(window, WM_COMMAND, ID_ABOUT, 0);
        HWND about = FindTopWindow(process.Id(), "About...", "#32770");
        ASSERT_NE(about, nullptr) << fromSystemMenu;
        EXPECT_FALSE(IsWindowEnabled(window)) << "the main window does not react";
        EXPECT_NE(DlgItemText(about, IDC_ABOUT_TEXT).find("Version 1.0.2"), std::string::npos);
        PressKey(about, VK_ESCAPE);
        Sleep(200);
        EXPECT_TRUE(IsWindow(about)) << "Escape does not close the box";
        Post(about, WM_CLOSE);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }));
    }
    Post(window, WM_CLOSE);
    EXPECT_TRUE(process.WaitForExit());
}
