#pragma once
// Drives a Windows program from outside, the way a user's keys and clicks do:
// start it, find its windows, answer its dialogs, and read what it left on the
// clipboard and on disk. Every wait has a timeout and every message sent to the
// program goes through SendMessageTimeout, so a hung program fails a test
// instead of blocking it.
#include <windows.h>
#include <shlobj.h>

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

// A started program; the destructor kills it if it is still running.
class Process {
  public:
    explicit Process(const std::string& path, const std::string& workingDirectory) {
        std::string commandLine = "\"" + path + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        if (CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                           &info_))
            CloseHandle(info_.hThread);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process() {
        if (info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 1);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        if (info_.hProcess)
            CloseHandle(info_.hProcess);
    }
    DWORD Id() const { return info_.dwProcessId; }
    // True when the process ends within the time with exit code 0.
    bool EndsCleanly() const {
        DWORD code = 1;
        return info_.hProcess && WaitForSingleObject(info_.hProcess, kTimeoutMs) == WAIT_OBJECT_0 &&
               GetExitCodeProcess(info_.hProcess, &code) && code == 0;
    }

  private:
    PROCESS_INFORMATION info_{};
};

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

inline std::string Text(HWND window) {
    char text[4096] = "";
    Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

inline std::string ItemText(HWND dialog, int controlId) {
    return Text(GetDlgItem(dialog, controlId));
}

inline std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
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
    return FindWindowOf(
        processId,
        [&](HWND w) { return ClassName(w) == className && (!title || Text(w) == title); },
        timeoutMs);
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
    HWND box = FindWindowOf(
        processId,
        [](HWND w) {
            return ClassName(w) == kDialogClass && GetDlgItem(w, kMessageBoxText) &&
                   !GetDlgItem(w, kSaveDialogFileName);
        },
        timeoutMs);
    const std::string text = ItemText(box, kMessageBoxText);
    const bool gone =
        box && ClickButton(box, buttonId) && WaitUntil([&] { return !IsWindow(box); }, 5000);
    return gone ? text : "";
}

inline HWND FindSaveDialog(DWORD processId, DWORD timeoutMs = kTimeoutMs) {
    return FindWindowOf(
        processId, [](HWND w) { return GetDlgItem(w, kSaveDialogFileName) != nullptr; }, timeoutMs);
}

// Types the name into the save dialog and confirms it; true when the dialog closed.
inline bool SaveFileAs(DWORD processId, const std::string& fileName) {
    HWND dialog = FindSaveDialog(processId);
    return dialog &&
           Send(GetDlgItem(dialog, kSaveDialogFileName), WM_SETTEXT, 0,
                reinterpret_cast<LPARAM>(fileName.c_str())) &&
           Post(dialog, WM_COMMAND, IDOK) && WaitUntil([&] { return !IsWindow(dialog); });
}

// CF_TEXT on the clipboard; "" when there is none or it cannot be opened.
inline std::string ClipboardText() {
    std::string text;
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000))
        return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data)))
            text.assign(chars, strnlen(chars, GlobalSize(data)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Runs `during` while the clipboard is held open with a text on it, as
// another program would hold it; false when it could not be opened.
inline bool WithClipboardHeld(const std::string& text, const std::function<void()>& during) {
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    during();
    CloseClipboard();
    return true;
}

// The file's bytes; "<none>" when it cannot be read.
inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<none>";
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline std::string DesktopFile(const std::string& name) {
    char desktop[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
    return std::string(desktop) + "\\" + name;
}

// An environment variable set by the test harness ("" when missing).
inline std::string Env(const char* name) {
    char value[MAX_PATH] = "";
    GetEnvironmentVariableA(name, value, sizeof value);
    return value;
}

// What a command of the host system prints about a file, given to it last.
inline std::string RunHostTool(const std::string& command, const std::string& windowsPath) {
    // The host's path: the harness names the folder of every drive letter.
    std::string path = Env(("ORBELUNE_DRIVE_" + windowsPath.substr(0, 1) + "_DIR").c_str()) +
                       windowsPath.substr(2);
    std::replace(path.begin(), path.end(), '\\', '/');
    // Wine cannot wait for a host process: a line after the tool's output marks its end.
    std::string commandLine =
        "\\\\?\\unix\\bin\\sh -c \"" + command + " '" + path + "'; echo @end\"";
    const std::string outputPath = Env("ORBELUNE_SCRATCH") + "tool-output.txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = output;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(output);
    std::string text;
    WaitUntil([&] { return (text = ReadFileBytes(outputPath)).find("@end\n") != text.npos; },
              20000);
    return text.substr(0, text.find("@end\n"));
}

} // namespace e2e
