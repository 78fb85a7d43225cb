#include "Driver.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace e2e {

namespace {

constexpr int kSaveDialogFileName = 0x47C; // a ComboBoxEx32 in the save dialog
constexpr int kMessageBoxText = 0xFFFF;

struct WindowSearch {
    DWORD processId;
    const std::function<bool(HWND)>* accept;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK TestTopWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || (search.visibleOnly && !IsWindowVisible(window)))
        return TRUE;
    if (!(*search.accept)(window))
        return TRUE;
    search.found = window;
    return FALSE;
}

HWND FindTopWindowIf(DWORD processId, const std::function<bool(HWND)>& accept, DWORD timeoutMs,
                     bool visibleOnly = true) {
    WindowSearch search{processId, &accept, visibleOnly, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(TestTopWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    return search.found;
}

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool IsDialog(HWND window) {
    return ClassName(window) == "#32770";
}

bool IsMessageBox(HWND window) {
    return IsDialog(window) && GetDlgItem(window, kMessageBoxText) &&
           !GetDlgItem(window, kSaveDialogFileName);
}

bool IsExtendedKey(WORD key) {
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
    case VK_APPS:
        return true;
    }
    return false;
}

} // namespace

Process Process::Start(const std::string& path, const std::string& arguments,
                       const std::string& workingDirectory) {
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    Process process;
    if (!CreateProcessA(path.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                        &info)) {
        process.startError_ = GetLastError();
        return process;
    }
    CloseHandle(info.hThread);
    process.handle_ = info.hProcess;
    process.id_ = info.dwProcessId;
    return process;
}

Process::Process(Process&& other) noexcept
    : handle_(other.handle_), id_(other.id_), startError_(other.startError_) {
    other.handle_ = nullptr;
}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Kill();
        if (handle_)
            CloseHandle(handle_);
        handle_ = other.handle_;
        id_ = other.id_;
        startError_ = other.startError_;
        other.handle_ = nullptr;
    }
    return *this;
}

Process::~Process() {
    Kill();
    if (handle_)
        CloseHandle(handle_);
}

bool Process::IsRunning() const {
    return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(DWORD timeoutMs) const {
    return handle_ && WaitForSingleObject(handle_, timeoutMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
    DWORD code = 0;
    if (!handle_ || IsRunning() || !GetExitCodeProcess(handle_, &code))
        return std::nullopt;
    return code;
}

void Process::Kill() {
    if (IsRunning()) {
        TerminateProcess(handle_, 1);
        WaitForSingleObject(handle_, 5000);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(20);
    }
}

HWND FindTopWindow(DWORD processId, const char* title, const char* className, DWORD timeoutMs,
                   bool visibleOnly) {
    return FindTopWindowIf(
        processId,
        [&](HWND window) {
            return (!className || ClassName(window) == className) &&
                   (!title || WindowText(window) == title);
        },
        timeoutMs, visibleOnly);
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

std::string WindowText(HWND window) {
    const auto length = Send(window, WM_GETTEXTLENGTH);
    if (!window || !length)
        return "";
    std::string text(static_cast<size_t>(*length) + 1, '\0');
    const auto copied =
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied ? static_cast<size_t>(*copied) : 0);
    return text;
}

std::string ControlText(HWND dialog, int controlId) {
    return WindowText(GetDlgItem(dialog, controlId));
}

std::string DlgItemText(HWND dialog, int controlId) {
    char text[4096] = "";
    GetDlgItemTextA(dialog, controlId, text, sizeof text);
    return text;
}

bool SetWindowTextTimeout(HWND window, const std::string& text) {
    const auto result = Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return result && *result;
}

bool PressKey(HWND window, WORD virtualKey) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        target = info.hwndFocus ? info.hwndFocus : info.hwndActive ? info.hwndActive : window;

    const bool system = virtualKey == VK_F10 || virtualKey == VK_MENU;
    const LPARAM scanCode = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (scanCode << 16) | (IsExtendedKey(virtualKey) ? 1 << 24 : 0);
    const LPARAM up = down | (1 << 30) | (1u << 31);
    return Post(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, down) &&
           Post(target, system ? WM_SYSKEYUP : WM_KEYUP, virtualKey, up);
}

bool ClickButton(HWND dialog, int buttonId) {
    HWND button = GetDlgItem(dialog, buttonId);
    return button && Post(button, BM_CLICK);
}

std::optional<std::string> AnswerMessageBox(DWORD processId, int buttonId, DWORD timeoutMs) {
    HWND box = FindTopWindowIf(processId, IsMessageBox, timeoutMs);
    if (!box)
        return std::nullopt;
    std::string text = ControlText(box, kMessageBoxText);
    if (!ClickButton(box, buttonId))
        return std::nullopt;
    return text;
}

bool SaveFileAs(DWORD processId, const std::string& fileName, DWORD timeoutMs) {
    HWND dialog = FindTopWindowIf(
        processId,
        [](HWND window) { return IsDialog(window) && GetDlgItem(window, kSaveDialogFileName); },
        timeoutMs);
    if (!dialog || !SetWindowTextTimeout(GetDlgItem(dialog, kSaveDialogFileName), fileName))
        return false;
    Post(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return WaitUntil(
        [&] {
            if (!IsWindow(dialog))
                return true;
            HWND prompt = FindTopWindowIf(processId, IsMessageBox, 0);
            if (prompt &&
                ControlText(prompt, kMessageBoxText).find("already exists") != std::string::npos)
                ClickButton(prompt, IDYES);
            return false;
        },
        timeoutMs);
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

std::optional<std::string> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Env(const char* name) {
    const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0)
        return "";
    std::string value(size, '\0');
    value.resize(GetEnvironmentVariableA(name, value.data(), size));
    return value;
}

} // namespace e2e
