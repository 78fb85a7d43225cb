#pragma once
// Steps of the scenarios that know Orbelune: start it, choose a drive, walk its
// context and notification-area menus, save a report, copy with F3.
#include "Driver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {

// What the notification area sends to the program for its icon.
constexpr UINT kTrayMessage = WM_USER + 1;
constexpr WPARAM kTrayIconId = 1;
constexpr const char* kSystemFacts = "C:\\\r\nVolume Name: SYSTEM\r\n";
constexpr const char* kWritten = "File correctly written.\nDo you want to open it ?";

// Orbelune.exe started, and its main window.
struct App {
    explicit App(const std::string& exe, const std::string& workingDirectory)
        : process(exe, workingDirectory),
          window(FindWindowOf(process.Id(), kDialogClass, "Orbelune")) {}
    DWORD Id() const { return process.Id(); }

    Process process;
    HWND window;
};

inline App StartOrbelune(const std::string& exe = Env("ORBELUNE_EXE"),
                         const std::string& workingDirectory = "") {
    return App(exe, workingDirectory);
}

// Closes the window as its close box does; the program must end cleanly.
inline void Quit(App& app) {
    Post(app.window, WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(app.process.EndsCleanly()) << "the program did not end, or not with code 0";
}

inline std::string Scratch(const std::string& name) {
    return Env("ORBELUNE_SCRATCH") + name;
}

inline bool StartsWith(const std::string& text, const std::string& head) {
    return text.rfind(head, 0) == 0;
}

inline bool WaitVisible(HWND window, bool visible = true) {
    return WaitUntil([&] { return (IsWindowVisible(window) != FALSE) == visible; }, 5000);
}

inline void SelectDrive(HWND window, int index) {
    HWND combo = GetDlgItem(window, IDC_DRIVE_COMBO);
    Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    Send(window, WM_COMMAND, MAKEWPARAM(IDC_DRIVE_COMBO, CBN_SELCHANGE), LPARAM(combo));
}

inline bool MenuIsOpen(const App& app, DWORD timeoutMs = 5000) {
    return FindWindowOf(app.Id(), kMenuClass, nullptr, timeoutMs) != nullptr;
}

// Opens the context menu by a right click in the window, or the menu of the
// notification-area icon, and walks it with keys. In the context menu Down
// first reaches "Options", whose submenu Right opens; separators are skipped.
inline bool UseMenu(App& app, bool tray, const std::vector<WORD>& keys) {
    if (tray)
        Post(app.window, kTrayMessage, kTrayIconId, WM_RBUTTONDOWN);
    else
        Post(app.window, WM_RBUTTONUP, 0, MAKELPARAM(60, 60));
    if (!MenuIsOpen(app))
        return false;
    PressKeys(app.window, keys);
    return true;
}

// Saves the report as S:\<name>.txt, a new file, declines to open it; its bytes.
inline std::string SaveReport(App& app, const std::string& name) {
    DeleteFileA(Scratch(name + ".txt").c_str());
    Post(app.window, WM_COMMAND, ID_SAVE_REPORT);
    if (!SaveFileAs(app.Id(), Scratch(name)))
        return "<no save dialog>";
    EXPECT_EQ(AnswerMessageBox(app.Id(), IDNO).value_or(""), kWritten);
    WaitVisible(app.window);
    return ReadFileBytes(Scratch(name + ".txt")).value_or("<missing>");
}

// F3 with an empty clipboard; the text it copied.
inline std::string CopyWithF3(App& app) {
    EmptyTheClipboard();
    PressKeys(app.window, {VK_F3});
    WaitUntil([] { return !ClipboardIsEmpty(); }, 5000);
    return ClipboardText().value_or("");
}

} // namespace e2e
