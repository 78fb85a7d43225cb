#pragma once
// Orbelune driven from outside: started, its drives chosen, its menus walked,
// its report saved, F3 pressed.
#include "Driver.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace e2e {

// What the notification area sends to the program for its icon.
constexpr UINT kTrayMessage = WM_USER + 1;
constexpr WPARAM kTrayIconId = 1;
constexpr const char* kSystemFacts = "C:\\\r\nVolume Name: SYSTEM\r\n";
constexpr const char* kWritten = "File correctly written.\nDo you want to open it ?";

inline std::string Scratch(const std::string& name) {
    return Env("ORBELUNE_SCRATCH") + name;
}

inline bool StartsWith(const std::string& text, const std::string& head) {
    return text.rfind(head, 0) == 0;
}

// Orbelune.exe started, its main window, and the steps of a user on it.
struct App {
    explicit App(const std::string& exe = Env("ORBELUNE_EXE"), const std::string& cwd = "")
        : process(exe, cwd), window(FindWindowOf(process.Id(), kDialogClass, "Orbelune")) {}
    DWORD Id() const { return process.Id(); }
    std::string Item(int id) const { return ItemText(window, id); }
    LRESULT DriveList(UINT message) const {
        return Send(GetDlgItem(window, IDC_DRIVE_COMBO), message).value_or(-1);
    }
    bool WaitVisible(bool visible = true) const {
        return WaitUntil([&] { return (IsWindowVisible(window) != FALSE) == visible; }, 5000);
    }

    // Closes the window as its close box does; the program must end cleanly.
    void Quit() const {
        Post(window, WM_SYSCOMMAND, SC_CLOSE);
        EXPECT_TRUE(process.EndsCleanly()) << "the program did not end, or not with code 0";
    }

    void SelectDrive(int index) const {
        Send(GetDlgItem(window, IDC_DRIVE_COMBO), CB_SETCURSEL, WPARAM(index));
        Send(window, WM_COMMAND, MAKEWPARAM(IDC_DRIVE_COMBO, CBN_SELCHANGE),
             LPARAM(GetDlgItem(window, IDC_DRIVE_COMBO)));
    }

    // Opens the context menu by a right click in the window, or the menu of the
    // notification-area icon, and walks it with keys. In the context menu Down
    // first reaches "Options", whose submenu Right opens; separators are skipped.
    bool UseMenu(bool tray, const std::vector<WORD>& keys) const {
        if (tray)
            Post(window, kTrayMessage, kTrayIconId, WM_RBUTTONDOWN);
        else
            Post(window, WM_RBUTTONUP, 0, MAKELPARAM(60, 60));
        if (!FindWindowOf(Id(), kMenuClass, nullptr, 5000))
            return false;
        PressKeys(window, keys);
        return true;
    }

    // Saves the report as S:\<name>.txt, a new file, chosen from the context menu
    // (Options, then the tenth item of its submenu), and declines to open it; its bytes.
    std::string SaveReport(const std::string& name) const {
        DeleteFileA(Scratch(name + ".txt").c_str());
        if (!UseMenu(false, {VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN,
                             VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}) ||
            !SaveFileAs(Id(), Scratch(name)))
            return "<no save dialog>";
        EXPECT_EQ(AnswerMessageBox(Id(), IDNO), kWritten);
        EXPECT_TRUE(WaitVisible());
        return ReadFileBytes(Scratch(name + ".txt"));
    }

    // True when an image tool reads the file as a picture of the whole window.
    bool IsPictureOfTheWindow(const std::string& path) const {
        RECT r{};
        GetWindowRect(window, &r);
        return RunHostTool("identify -format '%w,%h\\n'", path) ==
               std::to_string(r.right - r.left) + "," + std::to_string(r.bottom - r.top) + "\n";
    }

    // Presses F3; the text it copied, once the program has let go of the clipboard.
    std::string CopyWithF3() const {
        const DWORD before = GetClipboardSequenceNumber();
        PressKeys(window, {VK_F3});
        WaitUntil([&] { return GetClipboardSequenceNumber() != before; }, 5000);
        return ClipboardText();
    }

    Process process;
    HWND window;
};

} // namespace e2e
