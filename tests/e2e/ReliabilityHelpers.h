#pragma once
// Shared steps of the reliability scenarios: start the program, choose a
// drive, answer whatever dialogs a command left open, and check that the
// window still answers with the texts it should show.
#include "Driver.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>

namespace reliability {

struct Running {
    e2e::Process process;
    HWND window = nullptr;
};

inline Running StartOrbelune(const std::string& exe = e2e::Env("ORBELUNE_EXE"),
                             const std::string& workingDirectory = "") {
    Running running;
    running.process = e2e::Process::Start(exe, "", workingDirectory);
    if (running.process) {
        running.window = e2e::FindTopWindow(running.process.Id(), "Orbelune");
    }
    return running;
}

inline std::string Scratch(const std::string& name) {
    return e2e::Env("ORBELUNE_SCRATCH") + name;
}

inline void SelectDrive(HWND window, int index) {
    HWND combo = GetDlgItem(window, IDC_DRIVE_COMBO);
    e2e::Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index));
    e2e::Send(window, WM_COMMAND, MAKEWPARAM(IDC_DRIVE_COMBO, CBN_SELCHANGE),
              reinterpret_cast<LPARAM>(combo));
}

// True when the window answers a sent message within five seconds.
inline bool Answers(HWND window) {
    return e2e::Send(window, WM_NULL, 0, 0, 5000).has_value();
}

struct DialogSearch {
    DWORD processId;
    HWND mainWindow;
    HWND found;
};

inline BOOL CALLBACK FindOtherDialog(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<DialogSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == search.processId && window != search.mainWindow && IsWindowVisible(window) &&
        std::string(className) == "#32770") {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// Closes every dialog and message box of the program but its main window
// ("No" where a box asks, "OK" or the close box otherwise) until none has
// appeared for `quietMs`; returns the titles and texts of those it closed.
inline std::string DismissDialogs(const Running& app, DWORD quietMs = 1500) {
    std::string closedTexts;
    int closed = 0;
    DWORD lastSeen = GetTickCount();
    while (GetTickCount() - lastSeen < quietMs && closed < 20) {
        DialogSearch search{app.process.Id(), app.window, nullptr};
        EnumWindows(FindOtherDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            Sleep(50);
            continue;
        }
        closedTexts += "[" + e2e::WindowText(search.found) + ": " +
                       e2e::ControlText(search.found, 0xFFFF) + "] ";
        if (GetDlgItem(search.found, IDNO) != nullptr) {
            e2e::ClickButton(search.found, IDNO);
        } else if (GetDlgItem(search.found, 0xFFFF) != nullptr && GetDlgItem(search.found, IDOK)) {
            e2e::ClickButton(search.found, IDOK);
        } else {
            e2e::Post(search.found, WM_COMMAND, IDCANCEL, 0);
            e2e::Post(search.found, WM_CLOSE);
        }
        HWND gone = search.found;
        e2e::WaitUntil([&] { return !IsWindow(gone) || !IsWindowVisible(gone); }, 3000);
        ++closed;
        lastSeen = GetTickCount();
    }
    return closedTexts;
}

inline void Quit(Running& app) {
    e2e::Post(app.window, WM_CLOSE);
    EXPECT_TRUE(app.process.WaitForExit(10000)) << "the program did not end";
    EXPECT_EQ(app.process.ExitCode().value_or(99), 0u);
}

inline bool StartsWith(const std::string& text, const std::string& head) {
    return text.rfind(head, 0) == 0;
}

inline bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// A bitmap file whose header's size field matches the bytes on disk.
inline bool IsCompleteBitmapFile(const std::string& path) {
    const std::string bytes = e2e::ReadFileBytes(path).value_or("");
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M') {
        return false;
    }
    const auto byte = [&](int i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned size = byte(2) | byte(3) << 8 | byte(4) << 16 | unsigned(byte(5)) << 24;
    return size == bytes.size();
}

} // namespace reliability
