#pragma once
// Move-only owners of Windows handles. Each owner releases its handle with the
// matching API call when it goes out of scope; copying is not allowed.
#include <windows.h>
#include <objbase.h>

#include <utility>

namespace fw {

// What an owner does with its handle: calls `CloseFunction` on it.
template <typename H, auto CloseFunction> struct CloseWith {
    using Handle = H;
    static void Close(H handle) noexcept { CloseFunction(handle); }
};

template <typename Traits> class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle owned) noexcept : handle(owned) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Handle Get() const noexcept { return handle; }
    explicit operator bool() const noexcept { return handle != Handle(); }
    Handle Release() noexcept { return std::exchange(handle, Handle()); }
    void Reset(Handle replacement = Handle()) noexcept {
        if (handle != Handle() && handle != replacement) {
            Traits::Close(handle);
        }
        handle = replacement;
    }

  private:
    Handle handle = Handle();
};

// An owner of `H` that releases it with `CloseFunction`.
template <typename H, auto CloseFunction> using Owned = UniqueHandle<CloseWith<H, CloseFunction>>;

using Font = Owned<HFONT, &DeleteObject>;
using Pen = Owned<HPEN, &DeleteObject>;
using Brush = Owned<HBRUSH, &DeleteObject>;
using Bitmap = Owned<HBITMAP, &DeleteObject>;
using Region = Owned<HRGN, &DeleteObject>;
using Icon = Owned<HICON, &DestroyIcon>;
using MemoryDc = Owned<HDC, &DeleteDC>;
using Library = Owned<HMODULE, &FreeLibrary>;
using GlobalMemory = Owned<HGLOBAL, &GlobalFree>;
using Hook = Owned<HHOOK, &UnhookWindowsHookEx>;
// A search of FindFirstFileA; only a search that started (not
// INVALID_HANDLE_VALUE) is handed to it.
using FileSearch = Owned<HANDLE, &FindClose>;
// A file of CreateFileA; only a file that opened (not INVALID_HANDLE_VALUE)
// is handed to it.
using File = Owned<HANDLE, &CloseHandle>;
using LocalMemory = Owned<HLOCAL, &LocalFree>;
template <typename T> using CoTaskMem = Owned<T*, &CoTaskMemFree>;

// A COM interface pointer, released when it goes out of scope.
template <typename Interface> class ComPtr {
  public:
    ComPtr() noexcept = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer(std::exchange(other.pointer, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer = std::exchange(other.pointer, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    Interface* Get() const noexcept { return pointer; }
    Interface* operator->() const noexcept { return pointer; }
    explicit operator bool() const noexcept { return pointer != nullptr; }
    // For the out-parameter of CoCreateInstance and QueryInterface.
    void** PutVoid() noexcept {
        Reset();
        return reinterpret_cast<void**>(&pointer);
    }
    void Reset() noexcept {
        if (pointer != nullptr) {
            pointer->Release();
            pointer = nullptr;
        }
    }

  private:
    Interface* pointer = nullptr;
};

// The two bitmaps GetIconInfo hands out with an icon's description.
class IconInfo {
  public:
    explicit IconInfo(HICON icon) noexcept : valid(icon != nullptr && GetIconInfo(icon, &info)) {}
    IconInfo(const IconInfo&) = delete;
    IconInfo& operator=(const IconInfo&) = delete;
    ~IconInfo() {
        if (valid) {
            if (info.hbmColor != nullptr) {
                DeleteObject(info.hbmColor);
            }
            if (info.hbmMask != nullptr) {
                DeleteObject(info.hbmMask);
            }
        }
    }
    explicit operator bool() const noexcept { return valid; }
    const ICONINFO& Get() const noexcept { return info; }
    // The icon's size from its colour bitmap (its mask for a monochrome icon).
    SIZE Size() const noexcept {
        BITMAP bitmap{};
        if (!valid) {
            return SIZE{0, 0};
        }
        if (info.hbmColor != nullptr && GetObjectA(info.hbmColor, sizeof bitmap, &bitmap) != 0) {
            return SIZE{bitmap.bmWidth, bitmap.bmHeight};
        }
        if (info.hbmMask != nullptr && GetObjectA(info.hbmMask, sizeof bitmap, &bitmap) != 0) {
            return SIZE{bitmap.bmWidth, bitmap.bmHeight / 2};
        }
        return SIZE{0, 0};
    }

  private:
    ICONINFO info{};
    bool valid;
};

// A device context obtained with GetDC or GetWindowDC, released with ReleaseDC.
class WindowDc {
  public:
    WindowDc() noexcept = default;
    WindowDc(HWND window, HDC dc) noexcept : window(window), dc(dc) {}
    static WindowDc Client(HWND window) noexcept { return WindowDc(window, GetDC(window)); }
    static WindowDc Whole(HWND window) noexcept { return WindowDc(window, GetWindowDC(window)); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : window(std::exchange(other.window, nullptr)), dc(std::exchange(other.dc, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
        if (this != &other) {
            Reset();
            window = std::exchange(other.window, nullptr);
            dc = std::exchange(other.dc, nullptr);
        }
        return *this;
    }
    ~WindowDc() { Reset(); }
    HDC Get() const noexcept { return dc; }
    explicit operator bool() const noexcept { return dc != nullptr; }
    void Reset() noexcept {
        if (dc != nullptr) {
            ReleaseDC(window, dc);
        }
        dc = nullptr;
        window = nullptr;
    }

  private:
    HWND window = nullptr;
    HDC dc = nullptr;
};

// Selects a GDI object into a device context and puts the previous one back.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept
        : dc(dc), previous(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (previous != nullptr && previous != HGDI_ERROR) {
            SelectObject(dc, previous);
        }
    }

  private:
    HDC dc;
    HGDIOBJ previous;
};

// Sets one drawing attribute of a device context and puts the previous value
// back on scope exit.
template <typename Value, Value(WINAPI* Set)(HDC, Value)> class DcAttributeGuard {
  public:
    DcAttributeGuard(HDC dc, Value value) noexcept : dc(dc), previous(Set(dc, value)) {}
    DcAttributeGuard(const DcAttributeGuard&) = delete;
    DcAttributeGuard& operator=(const DcAttributeGuard&) = delete;
    ~DcAttributeGuard() { Set(dc, previous); }

  private:
    HDC dc;
    Value previous;
};

using TextColorGuard = DcAttributeGuard<COLORREF, &SetTextColor>;
using BkColorGuard = DcAttributeGuard<COLORREF, &SetBkColor>;
using BkModeGuard = DcAttributeGuard<int, &SetBkMode>;

class TextAlignGuard {
  public:
    TextAlignGuard(HDC dc, UINT align) noexcept : dc(dc), previous(SetTextAlign(dc, align)) {}
    TextAlignGuard(const TextAlignGuard&) = delete;
    TextAlignGuard& operator=(const TextAlignGuard&) = delete;
    ~TextAlignGuard() {
        if (previous != GDI_ERROR) {
            SetTextAlign(dc, previous);
        }
    }

  private:
    HDC dc;
    UINT previous;
};

// Remembers the viewport origin; the owner moves it at will.
class ViewportOriginGuard {
  public:
    explicit ViewportOriginGuard(HDC dc) noexcept : dc(dc) { GetViewportOrgEx(dc, &previous); }
    ViewportOriginGuard(const ViewportOriginGuard&) = delete;
    ViewportOriginGuard& operator=(const ViewportOriginGuard&) = delete;
    ~ViewportOriginGuard() { SetViewportOrgEx(dc, previous.x, previous.y, nullptr); }

  private:
    HDC dc;
    POINT previous{};
};

} // namespace fw
