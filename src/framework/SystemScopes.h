#pragma once
// Scopes of the system services that are opened and must be closed again: the
// clipboard, COM and OLE. Each closes what it opened when it goes out of scope,
// and only that.
#include <windows.h>
#include <ole2.h>

namespace fw {

// The clipboard opened for `owner` (null: for no window); closed on scope exit
// when the open succeeded. Another program may hold it: test the object.
class ClipboardSession {
  public:
    explicit ClipboardSession(HWND owner) noexcept : open(OpenClipboard(owner) != FALSE) {}
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    ~ClipboardSession() {
        if (open) {
            CloseClipboard();
        }
    }
    explicit operator bool() const noexcept { return open; }

  private:
    bool open;
};

// A library of the system initialised on this thread for the scope, and
// uninitialised on scope exit when the call succeeded (S_FALSE, already
// initialised, included).
template <HRESULT(WINAPI* Initialize)(LPVOID), void(WINAPI* Uninitialize)()> class Initialization {
  public:
    Initialization() noexcept : result(Initialize(nullptr)) {}
    Initialization(const Initialization&) = delete;
    Initialization& operator=(const Initialization&) = delete;
    ~Initialization() {
        if (SUCCEEDED(result)) {
            Uninitialize();
        }
    }
    bool Succeeded() const noexcept { return SUCCEEDED(result); }

  private:
    HRESULT result;
};

using ComInitialization = Initialization<&CoInitialize, &CoUninitialize>;
using OleInitialization = Initialization<&OleInitialize, &OleUninitialize>;

} // namespace fw
