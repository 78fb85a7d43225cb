#pragma once
// Orbelune driven from outside as a user would, and what it left read back.
// Every wait has a timeout: a hung program fails a test instead of blocking it.
#include "resource.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kTimeoutMs = 10000;
constexpr const char* kDialogClass = "#32770";
constexpr const char* kMenuClass = "#32768";
constexpr int kSaveDialogFileName = 0x47C; // the file-name box (a ComboBoxEx32 in Wine)
constexpr int kMessageBoxText = 0xFFFF;
constexpr UINT kTrayMessage = WM_USER + 1; // what the notification area sends for the icon 1
constexpr const char* kWritten = "File correctly written.\nDo you want to open it ?";

// Texts and paths are UTF-8 here, whatever the driver's code page; the system gets UTF-16.
inline std::wstring Wide(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &wide[0], int(wide.size())));
    return wide;
}
inline std::string Utf8(const std::wstring& wide) {
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), &utf8[0],
                                    int(utf8.size()), nullptr, nullptr));
    return utf8;
}

// Polls the condition every 20 ms until it holds or the time is up.
inline bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(20);
    }
    return true;
}

// SendMessageTimeout; nothing when the window did not answer in time.
inline std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam = 0,
                                   LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    const bool answered =
        SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result);
    return answered ? std::optional<LRESULT>(result) : std::nullopt;
}
inline bool Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return PostMessageA(window, message, wParam, lParam) != FALSE;
}

inline std::string ItemText(HWND dialog, int controlId) {
    wchar_t text[4096] = L"";
    Send(GetDlgItem(dialog, controlId), WM_GETTEXT, 4096, LPARAM(text));
    return Utf8(text);
}

// A visible top-level window of the process that `accept` takes.
inline HWND FindWindowOf(DWORD processId, const std::function<bool(HWND)>& accept,
                         DWORD timeoutMs = kTimeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (found = GetTopWindow(nullptr); found; found = GetWindow(found, GW_HWNDNEXT)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(found, &owner);
                if (owner == processId && IsWindowVisible(found) && accept(found))
                    return true;
            }
            return false;
        },
        timeoutMs);
    return found;
}
inline HWND FindWindowOf(DWORD processId, const char* className, const char* title = nullptr,
                         DWORD timeoutMs = kTimeoutMs) {
    const auto accept = [&](HWND w) {
        char name[256] = "", text[256] = "";
        GetClassNameA(w, name, sizeof name);
        GetWindowTextA(w, text, sizeof text);
        return std::string(name) == className && (!title || std::string(text) == title);
    };
    return FindWindowOf(processId, accept, timeoutMs);
}

// The control with the keyboard focus in the window's thread.
inline HWND Focus(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// Key presses, posted to the focus, where real ones arrive (a menu loop of that thread reads them).
inline void PressKeys(HWND window, const std::vector<WORD>& keys) {
    HWND target = Focus(window) ? Focus(window) : window;
    for (const WORD key : keys) {
        Post(target, WM_KEYDOWN, key, 1);
        Post(target, WM_KEYUP, key, 0xC0000001);
    }
}

// BM_CLICK, posted: the click may open a modal dialog that the test answers next.
inline bool ClickButton(HWND dialog, int buttonId) {
    HWND button = GetDlgItem(dialog, buttonId);
    return button && Post(button, BM_CLICK);
}

// Presses a button of the next message box; its text once it has gone, "" when none came in time.
inline std::string AnswerMessageBox(DWORD processId, int buttonId, DWORD timeoutMs = kTimeoutMs) {
    const auto isBox = [](HWND w) {
        return GetDlgItem(w, kMessageBoxText) && !GetDlgItem(w, kSaveDialogFileName);
    };
    HWND box = FindWindowOf(processId, isBox, timeoutMs);
    const std::string text = ItemText(box, kMessageBoxText);
    const bool gone =
        box && ClickButton(box, buttonId) && WaitUntil([&] { return !IsWindow(box); }, 5000);
    return gone ? text : "";
}

inline HWND FindSaveDialog(DWORD processId, DWORD timeoutMs = kTimeoutMs) {
    return FindWindowOf(
        processId, [](HWND w) { return GetDlgItem(w, kSaveDialogFileName) != nullptr; }, timeoutMs);
}

// Types the name into the next save dialog and confirms it.
inline bool SaveFileAs(DWORD processId, const std::string& fileName) {
    HWND dialog = FindSaveDialog(processId);
    return Send(GetDlgItem(dialog, kSaveDialogFileName), WM_SETTEXT, 0,
                reinterpret_cast<LPARAM>(Wide(fileName).c_str())) &&
           Post(dialog, WM_COMMAND, IDOK);
}

// The clipboard's text in UTF-8; "" when there is none.
inline std::string ClipboardText() {
    std::string text;
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000))
        return text;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (const void* chars = data ? GlobalLock(data) : nullptr) {
        text = Utf8(static_cast<const wchar_t*>(chars));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The file's bytes; "<none>" when it cannot be read.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(Wide(path).c_str(), std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<none>";
}

inline std::string Env(const char* name) {
    char value[MAX_PATH] = "";
    GetEnvironmentVariableA(name, value, sizeof value);
    return value;
}
inline std::string Scratch(const std::string& name) {
    return Env("ORBELUNE_SCRATCH") + name;
}

// The host's path of a file, quoted: the harness names the folder of every drive letter.
inline std::string HostPath(const std::string& file) {
    std::string path =
        Env(("ORBELUNE_DRIVE_" + file.substr(0, 1) + "_DIR").c_str()) + file.substr(2);
    std::replace(path.begin(), path.end(), '\\', '/');
    return "'" + path + "'";
}

// Starts a command line in the folder given; the process's handle and id, none when it did not.
inline PROCESS_INFORMATION Launch(const std::string& commandLine, const std::string& cwd = "") {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring wide = Wide(commandLine);
    if (CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       cwd.empty() ? nullptr : Wide(cwd).c_str(), &startup, &process))
        CloseHandle(process.hThread);
    return process;
}

// What a shell command of the host system prints.
inline std::string RunOnHost(const std::string& command) {
    const std::string output = Scratch("host-output.txt");
    DeleteFileA(output.c_str());
    // Wine cannot wait for a host process: a line after the output marks its end.
    CloseHandle(Launch("\\\\?\\unix\\bin\\sh -c \"" + command + " >" + HostPath(output) +
                       " 2>&1; echo @end >>" + HostPath(output) + "\"")
                    .hProcess);
    std::string text;
    WaitUntil([&] { return (text = ReadFileBytes(output)).find("@end\n") != text.npos; }, 20000);
    return text.substr(0, text.find("@end\n"));
}

// A field of a shortcut ("Local path") as the host's link parser reads it; "" when it has none.
inline std::string LinkField(const std::string& link, const std::string& field) {
    const std::string info = RunOnHost("lnkinfo " + HostPath(link)), name = field + "\t\t\t: ";
    const size_t at = info.find(name);
    return at == info.npos ? ""
                           : info.substr(at + name.size(), info.find('\n', at) - at - name.size());
}

// A folder locked as the harness locks one (immutable, so that root is held too) while it lives.
struct LockedFolder {
    explicit LockedFolder(std::string path) : path(std::move(path)) {
        RunOnHost("chattr -R +i " + HostPath(this->path));
    }
    ~LockedFolder() { RunOnHost("chattr -R -i " + HostPath(path)); }
    std::string path;
};

inline std::string KnownFolder(int csidl) {
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

inline bool Exists(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Real key presses ("Tab", "shift+F10") through the X server to the program's main window.
inline void TypeKeys(const std::string& keys) {
    RunOnHost(
        "xdotool search --onlyvisible --name '^Orbelune$' windowfocus --sync key --delay 100 " +
        keys);
}

// Runs a command line to its end; its exit code, or -1 when it could not start or did not end
// in time (it is ended then). `shown` is handed each window the program shows meanwhile.
inline DWORD RunProgram(const std::string& commandLine, DWORD timeoutMs = kTimeoutMs,
                        const std::function<void(HWND)>& shown = nullptr) {
    const PROCESS_INFORMATION process = Launch(commandLine);
    DWORD code = DWORD(-1);
    WaitUntil(
        [&] {
            HWND window = FindWindowOf(
                process.dwProcessId, [](HWND) { return true; }, 0);
            if (window && shown)
                shown(window);
            return WaitForSingleObject(process.hProcess, 0) != WAIT_TIMEOUT; // or no process
        },
        timeoutMs);
    TerminateProcess(process.hProcess, code); // when it did not end in time
    WaitForSingleObject(process.hProcess, 5000);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return code;
}

// Orbelune.exe started, its main window and a user's steps; ended, if it runs, with the object.
struct App {
    explicit App(const std::string& exe = Env("ORBELUNE_EXE"), const std::string& cwd = "")
        : process(Launch("\"" + exe + "\"", cwd)),
          window(FindWindowOf(Id(), kDialogClass, "Orbelune")) {}
    ~App() {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hProcess);
    }
    DWORD Id() const { return process.dwProcessId; }
    std::string Item(int id) const { return ItemText(window, id); }
    LRESULT DriveList(UINT message) const {
        return Send(GetDlgItem(window, IDC_DRIVE_COMBO), message).value_or(-1);
    }
    bool WaitVisible(bool visible = true) const {
        return WaitUntil([&] { return (IsWindowVisible(window) != FALSE) == visible; }, 5000);
    }
    // True when the program ends in time with exit code 0.
    bool EndsCleanly() const {
        DWORD code = 1;
        return WaitForSingleObject(process.hProcess, kTimeoutMs) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(process.hProcess, &code) && code == 0;
    }
    // Closes the window as its close box does; the program must end cleanly.
    void Quit() const {
        Post(window, WM_SYSCOMMAND, SC_CLOSE);
        EXPECT_TRUE(EndsCleanly()) << "the program did not end, or not with code 0";
    }
    // The window's opacity: 255 opaque, 191 transparent; -1 when not layered.
    int Alpha() const {
        BYTE alpha = 0;
        return GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr) ? alpha : -1;
    }
    void SelectDrive(int index) const {
        HWND list = GetDlgItem(window, IDC_DRIVE_COMBO);
        Send(list, CB_SETCURSEL, WPARAM(index));
        Send(window, WM_COMMAND, MAKEWPARAM(IDC_DRIVE_COMBO, CBN_SELCHANGE), LPARAM(list));
    }
    // Opens the context menu by a right click, or the tray icon's menu, and walks it with keys.
    // In the context menu Down first reaches "Options", whose submenu Right opens.
    bool UseMenu(bool tray, const std::vector<WORD>& keys) const {
        tray ? Post(window, kTrayMessage, 1, WM_RBUTTONDOWN)
             : Post(window, WM_RBUTTONUP, 0, MAKELPARAM(60, 60));
        const bool opened = FindWindowOf(Id(), kMenuClass, nullptr, 5000);
        if (opened)
            PressKeys(window, keys);
        return opened;
    }
    // Presses F3; the text it copied, once the program let go of the clipboard, or "".
    std::string CopyWithF3() const {
        const DWORD before = GetClipboardSequenceNumber();
        PressKeys(window, {VK_F3});
        const bool copied = WaitUntil([&] { return GetClipboardSequenceNumber() != before; }, 5000);
        return copied ? ClipboardText() : "";
    }

    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

} // namespace e2e
