#pragma once
// Drives a Windows program from outside, the way a user's keys and clicks do:
// start it, find its windows, send messages, answer its dialogs, and read what
// it left on the clipboard and on disk. Every wait has a timeout and every
// message to another process goes through SendMessageTimeout, so a hung program
// fails a test instead of blocking it.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace e2e {

constexpr DWORD kDefaultTimeoutMs = 10000;

// A started process; the destructor kills it if it is still running.
class Process {
  public:
    // path: the program; arguments: the command line after the program's name.
    static Process Start(const std::string& path, const std::string& arguments = "",
                         const std::string& workingDirectory = "");

    Process() = default;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    explicit operator bool() const { return handle_ != nullptr; }
    DWORD Id() const { return id_; }
    DWORD StartError() const { return startError_; }

    bool IsRunning() const;
    // True when the process ended within the timeout.
    bool WaitForExit(DWORD timeoutMs = kDefaultTimeoutMs) const;
    // The exit code once the process has ended.
    std::optional<DWORD> ExitCode() const;
    void Kill();

  private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
    DWORD startError_ = 0;
};

// Polls the condition every 20 ms until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDefaultTimeoutMs);

// A top-level window of the process: title and class must match exactly where
// given (nullptr: any). Hidden windows count only when visibleOnly is false.
HWND FindTopWindow(DWORD processId, const char* title, const char* className = "#32770",
                   DWORD timeoutMs = kDefaultTimeoutMs, bool visibleOnly = true);

// SendMessageTimeout; nothing when the window did not answer in time.
std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                            DWORD timeoutMs = kDefaultTimeoutMs);
bool Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// A window's text by WM_GETTEXT (with a timeout).
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int controlId);
// The same through GetDlgItemTextA, which a program's own code would use.
std::string DlgItemText(HWND dialog, int controlId);
bool SetWindowTextTimeout(HWND window, const std::string& text);

// Posts WM_KEYDOWN and WM_KEYUP (WM_SYSKEY* for F10 and Alt keys) to the focus
// window of the window's thread, where a real key press would arrive.
bool PressKey(HWND window, WORD virtualKey);

// BM_CLICK, posted: the click may open a modal dialog that the test answers next.
bool ClickButton(HWND dialog, int buttonId);

// Finds a message box of the process, presses the button (IDOK, IDYES, IDNO,
// ...) and returns the box's text; nothing when no box appeared in time.
std::optional<std::string> AnswerMessageBox(DWORD processId, int buttonId,
                                            DWORD timeoutMs = kDefaultTimeoutMs);

// Types the file name into the process's save dialog and confirms it; answers
// "Yes" to a "File already exists" prompt. True when the dialog closed.
bool SaveFileAs(DWORD processId, const std::string& fileName, DWORD timeoutMs = kDefaultTimeoutMs);

// CF_TEXT on the clipboard; nothing when there is none or it cannot be opened.
std::optional<std::string> ClipboardText();
bool ClipboardIsEmpty();

// The whole file; nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// An environment variable set by the test harness ("" when missing).
std::string Env(const char* name);

} // namespace e2e
