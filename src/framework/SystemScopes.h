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

// COM initialised on this thread for the scope (CoInitialize); uninitialised on
// scope exit when the call succeeded, S_FALSE (already initialised) included.
class ComInitialization {
  public:
    ComInitialization() noexcept : result(CoInitialize(nullptr)) {}
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;
    ~ComInitialization() {
        if (SUCCEEDED(result)) {
            CoUninitialize();
        }
    }
    bool Succeeded() const noexcept { return SUCCEEDED(result); }

  private:
    HRESULT result;
};

// OLE initialised on this thread for the scope; uninitialised on scope exit
// when the call succeeded.
class OleInitialization {
  public:
    OleInitialization() noexcept : result(OleInitialize(nullptr)) {}
    OleInitialization(const OleInitialization&) = delete;
    OleInitialization& operator=(const OleInitialization&) = delete;
    ~OleInitialization() {
        if (SUCCEEDED(result)) {
            OleUninitialize();
        }
    }
    bool Succeeded() const noexcept { return SUCCEEDED(result); }

  private:
    HRESULT result;
};

} // namespace fw
