#include "Driver.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <shlobj.h>
#include <iterator>

namespace e2e {

namespace {

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool IsMessageBox(HWND window) {
    return ClassName(window) == kDialogClass && GetDlgItem(window, kMessageBoxText) &&
           !GetDlgItem(window, kSaveDialogFileName);
}

} // namespace

Process::Process(const std::string& path, const std::string& workingDirectory) {
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                       &info_))
        CloseHandle(info_.hThread);
}

Process::~Process() {
    if (info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    if (info_.hProcess)
        CloseHandle(info_.hProcess);
}

bool Process::EndsCleanly(DWORD timeoutMs) const {
    DWORD code = 1;
    return info_.hProcess && WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(info_.hProcess, &code) && code == 0;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(20);
    }
    return true;
}

HWND FindWindowOf(DWORD processId, const std::function<bool(HWND)>& accept, DWORD timeoutMs) {
    HWND found = nullptr;
    auto test = [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window) && accept(window))
            found = window;
        return found == nullptr;
    };
    WaitUntil(
        [&] {
            EnumWindows(
                [](HWND window, LPARAM t) -> BOOL {
                    return (*reinterpret_cast<decltype(test)*>(t))(window);
                },
                LPARAM(&test));
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

HWND FindWindowOf(DWORD processId, const char* className, const char* title, DWORD timeoutMs) {
    return FindWindowOf(
        processId,
        [&](HWND window) {
            return ClassName(window) == className && (!title || Text(window) == title);
        },
        timeoutMs);
}

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            DWORD timeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, timeoutMs, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

bool Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PostMessageA(window, message, wParam, lParam) != FALSE;
}

bool Answers(HWND window) {
    return Send(window, WM_NULL, 0, 0, 5000).has_value();
}

std::string Text(HWND window) {
    const auto length = Send(window, WM_GETTEXTLENGTH);
    if (!window || !length)
        return "";
    std::string text(static_cast<size_t>(*length) + 1, '\0');
    const auto copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied ? static_cast<size_t>(*copied) : 0);
    return text;
}

std::string ItemText(HWND dialog, int controlId) {
    return Text(GetDlgItem(dialog, controlId));
}

bool SetText(HWND window, const std::string& text) {
    return Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())).value_or(0) != 0;
}

void PressKeys(HWND window, const std::vector<WORD>& keys) {
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

bool ClickButton(HWND dialog, int buttonId) {
    HWND button = GetDlgItem(dialog, buttonId);
    return button && Post(button, BM_CLICK);
}

std::optional<std::string> AnswerMessageBox(DWORD processId, int buttonId, DWORD timeoutMs) {
    HWND box = FindWindowOf(processId, IsMessageBox, timeoutMs);
    if (!box)
        return std::nullopt;
    std::string text = ItemText(box, kMessageBoxText);
    if (!ClickButton(box, buttonId) || !WaitUntil([&] { return !IsWindow(box); }, 5000))
        return std::nullopt;
    return text;
}

HWND FindSaveDialog(DWORD processId, DWORD timeoutMs) {
    return FindWindowOf(
        processId, [](HWND window) { return GetDlgItem(window, kSaveDialogFileName) != nullptr; },
        timeoutMs);
}

bool SaveFileAs(DWORD processId, const std::string& fileName, DWORD timeoutMs) {
    HWND dialog = FindSaveDialog(processId, timeoutMs);
    if (!dialog || !SetText(GetDlgItem(dialog, kSaveDialogFileName), fileName))
        return false;
    Post(dialog, WM_COMMAND, IDOK);
    return WaitUntil(
        [&] {
            if (!IsWindow(dialog))
                return true;
            HWND prompt = FindWindowOf(processId, IsMessageBox, 0);
            if (prompt &&
                ItemText(prompt, kMessageBoxText).find("already exists") != std::string::npos)
                ClickButton(prompt, IDYES);
            return false;
        },
        timeoutMs);
}

std::string DismissDialogs(DWORD processId, HWND keep, DWORD quietMs) {
    std::string texts;
    ULONGLONG lastSeen = GetTickCount64();
    for (int closed = 0; GetTickCount64() - lastSeen < quietMs && closed < 20;) {
        HWND dialog = FindWindowOf(
            processId,
            [&](HWND window) { return window != keep && ClassName(window) == kDialogClass; }, 0);
        if (!dialog) {
            Sleep(50);
            continue;
        }
        texts += "[" + Text(dialog) + ": " + ItemText(dialog, kMessageBoxText) + "] ";
        if (!ClickButton(dialog, IDNO) &&
            !(GetDlgItem(dialog, kMessageBoxText) && ClickButton(dialog, IDOK)))
            Post(dialog, WM_COMMAND, IDCANCEL);
        WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 3000);
        ++closed;
        lastSeen = GetTickCount64();
    }
    return texts;
}

std::optional<std::string> ClipboardText() {
    if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000))
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
            text = std::string(chars, strnlen(chars, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool ClipboardIsEmpty() {
    return CountClipboardFormats() == 0;
}

void EmptyTheClipboard() {
    if (WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, 2000)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

bool WithClipboardHeld(const std::string& text, const std::function<void()>& during) {
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

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsCompleteBitmap(const std::string& path) {
    const std::string bytes = ReadFileBytes(path).value_or("");
    const auto byte = [&](int i) { return unsigned(static_cast<unsigned char>(bytes[i])); };
    return bytes.size() >= 54 && bytes.compare(0, 2, "BM") == 0 &&
           (byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24) == bytes.size();
}

std::string DesktopFile(const std::string& name) {
    char desktop[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
    return std::string(desktop) + "\\" + name;
}

std::string Env(const char* name) {
    char value[MAX_PATH] = "";
    GetEnvironmentVariableA(name, value, sizeof value);
    return value;
}

std::string RunHostTool(const std::string& tool, const std::string& options,
                        const std::string& windowsPath) {
    // The host's path: the harness names the folder of every drive letter.
    std::string path = Env(("ORBELUNE_DRIVE_" + windowsPath.substr(0, 1) + "_DIR").c_str()) +
                       windowsPath.substr(2);
    std::replace(path.begin(), path.end(), '\\', '/');
    std::string commandLine =
        "\\\\?\\unix\\usr\\bin\\" + tool + " " + options + " \"" + path + "\"";
    const std::string outputPath = Env("ORBELUNE_SCRATCH") + "tool-output.txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = output;
    PROCESS_INFORMATION process = {};
    const bool started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(output);
    if (!started)
        return "";
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // Wine cannot wait for a host process: the output is complete when it ends
    // in a line feed and stops growing.
    std::string text;
    WaitUntil(
        [&] {
            const std::string now = ReadFileBytes(outputPath).value_or("");
            const bool settled = !now.empty() && now == text && now.back() == '\n';
            text = now;
            return settled;
        },
        20000);
    return text;
}

} // namespace e2e
