#pragma once
// Drives a Windows program from outside, the way a user's keys and clicks do:
// start it, find its windows, answer its dialogs, and read what it left on the
// clipboard and on disk. Every wait has a timeout and every message sent to the
// program goes through SendMessageTimeout, so a hung program fails a test
// instead of blocking it.
#include <windows.h>

#include <functional>
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
    explicit Process(const std::string& path, const std::string& workingDirectory = "");
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    DWORD Id() const { return info_.dwProcessId; }
    // True when the process ends within the time with exit code 0.
    bool EndsCleanly(DWORD timeoutMs = kTimeoutMs) const;

  private:
    PROCESS_INFORMATION info_{};
};

// Polls the condition every 20 ms until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs);

// A visible top-level window of the process that `accept` takes; the second
// form takes a class and, where given, an exact title.
HWND FindWindowOf(DWORD processId, const std::function<bool(HWND)>& accept,
                  DWORD timeoutMs = kTimeoutMs);
HWND FindWindowOf(DWORD processId, const char* className, const char* title = nullptr,
                  DWORD timeoutMs = kTimeoutMs);

// SendMessageTimeout; nothing when the window did not answer in time.
std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                            DWORD timeoutMs = kTimeoutMs);
bool Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// True when the window answers within five seconds.
bool Answers(HWND window);
std::string Text(HWND window);
std::string ItemText(HWND dialog, int controlId);
bool SetText(HWND window, const std::string& text);

// Key presses, posted to the focus window of the window's thread, where real
// ones arrive (a menu loop of that thread reads them too).
void PressKeys(HWND window, const std::vector<WORD>& keys);
// BM_CLICK, posted: the click may open a modal dialog that the test answers next.
bool ClickButton(HWND dialog, int buttonId);

// Presses the button of the next message box and waits until the box has
// gone; its text, or nothing when no box came in time.
std::optional<std::string> AnswerMessageBox(DWORD processId, int buttonId,
                                            DWORD timeoutMs = kTimeoutMs);
HWND FindSaveDialog(DWORD processId, DWORD timeoutMs = kTimeoutMs);
// Types the name into the save dialog and confirms it, answering Yes to the
// dialog's own "already exists" prompt; true when the dialog closed.
bool SaveFileAs(DWORD processId, const std::string& fileName, DWORD timeoutMs = kTimeoutMs);
// Closes every dialog of the process but `keep` ("No" where a box asks, "OK"
// or cancel otherwise) until none has come for `quietMs`; their texts.
std::string DismissDialogs(DWORD processId, HWND keep, DWORD quietMs = 1500);

// CF_TEXT on the clipboard; nothing when there is none or it cannot be opened.
std::optional<std::string> ClipboardText();
bool ClipboardIsEmpty();
void EmptyTheClipboard();

// Runs `during` while the clipboard is held open with a text on it, as
// another program would hold it; false when it could not be opened.
bool WithClipboardHeld(const std::string& text, const std::function<void()>& during);

std::optional<std::string> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// A file that a bitmap's header describes completely: its size field matches the bytes.
bool IsCompleteBitmap(const std::string& path);
// The path of a file on the desktop.
std::string DesktopFile(const std::string& name);
// An environment variable set by the test harness ("" when missing).
std::string Env(const char* name);
// What /usr/bin/<tool> of the host system prints about a file.
std::string RunHostTool(const std::string& tool, const std::string& options,
                        const std::string& windowsPath);

} // namespace e2e
