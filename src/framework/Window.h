#pragma once
// The base of every window the program drives: dialogs, controls bound to
// dialog items and windows of its own classes. An object is linked to its
// window by subclassing (its window procedure replaces the window's, and the
// previous one does the default processing).
#include "framework/MessageMap.h"

#include <windows.h>

#include <exception>
#include <string>

namespace fw {

// What happens when an exception reaches a window procedure: by default the
// error is written to the debug output and shown in a message box, and the
// process ends. Returns the previous handler (tests install their own).
using FatalErrorHandler = void (*)(const char* what) noexcept;
FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler) noexcept;
void ReportFatalError(const char* what) noexcept;

// Runs `body` where the system called the program (a window procedure, the
// modal loop's pre-translation): an exception is reported, never passed on,
// and `fallback` is returned then.
template <typename Result, typename Body> Result Guarded(Body&& body, Result fallback) noexcept {
    try {
        return body();
    } catch (const std::exception& error) {
        ReportFatalError(error.what());
    } catch (...) {
        ReportFatalError("unknown exception");
    }
    return fallback;
}

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND GetHwnd() const noexcept { return hwnd; }
    bool IsAttached() const noexcept { return hwnd != nullptr; }

    // The object linked to a window, or null.
    static Window* FromHandle(HWND window) noexcept;

    // Links this object to an existing window; fails when either is linked already.
    bool Subclass(HWND window) noexcept;
    bool SubclassDlgItem(int id, HWND parent) noexcept;
    // Gives the window its previous procedure back.
    void Unsubclass() noexcept;

    static const MessageMap& Messages();
    virtual const MessageMap& GetMessageMap() const { return Messages(); }

    // Convenience wrappers.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const noexcept {
        return SendMessageA(hwnd, message, wParam, lParam);
    }
    std::string GetText() const;
    void SetText(const std::string& text) const noexcept { SetWindowTextA(hwnd, text.c_str()); }
    // Adds and removes style bits; with `frameFlags` the frame is recalculated.
    void ModifyStyle(DWORD remove, DWORD add, UINT frameFlags = 0) const noexcept;

  protected:
    // Runs the table of this object; unhandled messages get Default().
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The previous processing of the message being handled, as it came or
    // with other parameters.
    LRESULT Default();
    LRESULT Default(WPARAM wParam, LPARAM lParam);
    // Hands control colours, owner draw and notifications to the control
    // objects (and menu objects) they concern, before this window sees them.
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Called after the window is gone (WM_NCDESTROY) and the link removed.
    virtual void OnWindowGone() {}
    // Called once Subclass has linked the object to its window.
    virtual void PreSubclassWindow() {}

  private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept;
    void Detach() noexcept;

    HWND hwnd = nullptr;
    WNDPROC previous = nullptr;
    const CurrentMessage* current = nullptr;
};

} // namespace fw
