#pragma once
// Orbelune driven from outside as a user would, and what it left read back.
// Every wait has a timeout: a hung program fails a test instead of blocking it.
#include "resource.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kTimeoutMs = 10000;
// Windows and controls of the system's dialogs and menus.
constexpr const char* kDialogClass = "#32770";
constexpr const char* kMenuClass = "#32768";
constexpr int kSaveDialogFileName = 0x47C; // the file-name box (a ComboBoxEx32 in Wine)
constexpr int kMessageBoxText = 0xFFFF;
// What the notification area sends to the program for its icon.
constexpr UINT kTrayMessage = WM_USER + 1;
constexpr WPARAM kTrayIconId = 1;
constexpr const char* kSystemFacts = "C:\\\r\nVolume Name: SYSTEM\r\n";
constexpr const char* kWritten = "File correctly written.\nDo you want to open it ?";

// The driver keeps texts and paths in UTF-8, whatever its own code page, and
// talks to the program and the files through the system's UTF-16 functions.
inline std::wstring Wide(const std::string& utf8) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(std::size_t(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}
inline std::string Utf8(const std::wstring& wide) {
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(std::size_t(length > 0 ? length : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], length, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
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
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs,
                             &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

inline bool Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return PostMessageA(window, message, wParam, lParam) != FALSE;
}

inline std::string ItemText(HWND dialog, int controlId) {
    wchar_t text[4096] = L"";
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(GetDlgItem(dialog, controlId), WM_GETTEXT, 4096, LPARAM(text),
                        SMTO_ABORTIFHUNG, kTimeoutMs, &copied);
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

// Key presses, posted to the focus window of the window's thread, where real
// ones arrive (a menu loop of that thread reads them too).
inline void PressKeys(HWND window, const std::vector<WORD>& keys) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus)
        target = info.hwndFocus;
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

// Presses the button of the next message box and waits until the box has
// gone; its text, or "" when no box came in time.
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
                reinterpret_cast<LPARAM>(fileName.c_str())) &&
           Post(dialog, WM_COMMAND, IDOK);
}

// The clipboard's text, in UTF-8 from its UTF-16 format, or as the bytes of
// CF_TEXT (in this program's code page); "" when there is none.
inline std::string ClipboardText(UINT format = CF_UNICODETEXT) {
    std::string text;
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000))
        return text;
    if (HANDLE data = GetClipboardData(format)) {
        if (const void* chars = GlobalLock(data)) {
            if (format == CF_UNICODETEXT)
                text = Utf8(static_cast<const wchar_t*>(chars));
            else
                text = static_cast<const char*>(chars);
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Runs `during` while the clipboard is held open with a text on it, as
// another program would hold it.
inline void WithClipboardHeld(const std::string& text, const std::function<void()>& during) {
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    during();
    CloseClipboard();
}

// The file's bytes; "<none>" when it cannot be read.
inline std::string ReadFileBytes(const std::string& path) {
    std::FILE* file = _wfopen(Wide(path).c_str(), L"rb");
    if (file == nullptr)
        return "<none>";
    std::string bytes;
    char block[4096];
    for (std::size_t read; (read = std::fread(block, 1, sizeof block, file)) > 0;)
        bytes.append(block, read);
    std::fclose(file);
    return bytes;
}

inline std::string Env(const char* name) {
    char value[MAX_PATH] = "";
    GetEnvironmentVariableA(name, value, sizeof value);
    return value;
}
inline std::string Scratch(const std::string& name) {
    return Env("ORBELUNE_SCRATCH") + name;
}

// The host's path of a file: the harness names the folder of every drive letter.
inline std::string HostPath(const std::string& file) {
    std::string path =
        Env(("ORBELUNE_DRIVE_" + file.substr(0, 1) + "_DIR").c_str()) + file.substr(2);
    std::replace(path.begin(), path.end(), '\\', '/');
    return "'" + path + "'";
}

// What a shell command of the host system prints.
inline std::string RunOnHost(const std::string& command) {
    const std::string output = Scratch("host-output.txt");
    DeleteFileA(output.c_str());
    // Wine cannot wait for a host process: a line after the output marks its end.
    std::string commandLine = "\\\\?\\unix\\bin\\sh -c \"" + command + " >" + HostPath(output) +
                              " 2>&1; echo @end >>" + HostPath(output) + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    std::string text;
    WaitUntil([&] { return (text = ReadFileBytes(output)).find("@end\n") != text.npos; }, 20000);
    return text.substr(0, text.find("@end\n"));
}

// True when no file can be made in the folder.
inline bool NothingCanBeWrittenIn(const std::string& folder) {
    HANDLE file = CreateFileA((folder + "\\probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return file == INVALID_HANDLE_VALUE || !CloseHandle(file);
}

// A folder made read-only as the harness makes one (immutable, so that root is
// held too) with what it holds, until the object goes.
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
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Real key presses through the X server to a window of the program, as a user
// types them ("Tab", "shift+F10"): the keyboard state goes with them.
inline void TypeKeys(const std::string& keys, const std::string& title = "Orbelune") {
    RunOnHost("xdotool search --onlyvisible --name '^" + title +
              "$' windowfocus --sync key --delay 100 " + keys);
}

// Runs a command line and waits for it; its exit code, or -1 when it could not
// start or did not end in time (it is ended then). `shown` is handed each
// window the program shows meanwhile.
inline DWORD RunProgram(const std::string& commandLine, DWORD timeoutMs = kTimeoutMs,
                        const std::function<void(HWND)>& shown = nullptr) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD code = DWORD(-1);
    std::wstring wide = Wide(commandLine);
    if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return code;
    const DWORD start = GetTickCount();
    while (WaitForSingleObject(process.hProcess, 5) == WAIT_TIMEOUT) {
        if (GetTickCount() - start > timeoutMs) {
            TerminateProcess(process.hProcess, code);
            break;
        }
        if (HWND window = FindWindowOf(
                process.dwProcessId, [](HWND) { return true; }, 0);
            window && shown)
            shown(window);
    }
    WaitForSingleObject(process.hProcess, 5000);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// Orbelune.exe started, its main window, and the steps of a user on it. The
// program is ended, if it still runs, with the object.
struct App {
    explicit App(const std::string& exe = Env("ORBELUNE_EXE"), const std::string& cwd = "") {
        std::wstring commandLine = L"\"" + Wide(exe) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (CreateProcessW(Wide(exe).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                           nullptr, cwd.empty() ? nullptr : Wide(cwd).c_str(), &startup, &process))
            CloseHandle(process.hThread);
        window = FindWindowOf(Id(), kDialogClass, "Orbelune");
    }
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
        DWORD flags = 0;
        return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) ? alpha : -1;
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
