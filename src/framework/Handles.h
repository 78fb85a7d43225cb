#pragma once
// Move-only owners of Windows handles. Each owner releases its handle with the
// matching API call when it goes out of scope; copying is not allowed.
#include <windows.h>
#include <objbase.h>

#include <utility>

namespace fw {

template <typename Traits> class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Handle(); }
    Handle Release() noexcept { return std::exchange(handle_, Handle()); }
    void Reset(Handle handle = Handle()) noexcept {
        if (handle_ != Handle() && handle_ != handle) {
            Traits::Close(handle_);
        }
        handle_ = handle;
    }

  private:
    Handle handle_ = Handle();
};

template <typename H> struct GdiObjectTraits {
    using Handle = H;
    static void Close(H handle) noexcept { DeleteObject(handle); }
};
struct IconTraits {
    using Handle = HICON;
    static void Close(HICON handle) noexcept { DestroyIcon(handle); }
};
struct MenuTraits {
    using Handle = HMENU;
    static void Close(HMENU handle) noexcept { DestroyMenu(handle); }
};
struct MemoryDcTraits {
    using Handle = HDC;
    static void Close(HDC handle) noexcept { DeleteDC(handle); }
};
struct LibraryTraits {
    using Handle = HMODULE;
    static void Close(HMODULE handle) noexcept { FreeLibrary(handle); }
};
struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static void Close(HGLOBAL handle) noexcept { GlobalFree(handle); }
};
struct KernelHandleTraits {
    using Handle = HANDLE;
    static void Close(HANDLE handle) noexcept {
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
};
struct HookTraits {
    using Handle = HHOOK;
    static void Close(HHOOK handle) noexcept { UnhookWindowsHookEx(handle); }
};
template <typename T> struct CoTaskMemTraits {
    using Handle = T*;
    static void Close(T* memory) noexcept { CoTaskMemFree(memory); }
};

using Font = UniqueHandle<GdiObjectTraits<HFONT>>;
using Pen = UniqueHandle<GdiObjectTraits<HPEN>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using Bitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using Region = UniqueHandle<GdiObjectTraits<HRGN>>;
using Icon = UniqueHandle<IconTraits>;
using MenuHandle = UniqueHandle<MenuTraits>;
using MemoryDc = UniqueHandle<MemoryDcTraits>;
using Library = UniqueHandle<LibraryTraits>;
using GlobalMemory = UniqueHandle<GlobalMemoryTraits>;
using KernelHandle = UniqueHandle<KernelHandleTraits>;
using Hook = UniqueHandle<HookTraits>;
template <typename T> using CoTaskMem = UniqueHandle<CoTaskMemTraits<T>>;

// A COM interface pointer, released when it goes out of scope.
template <typename Interface> class ComPtr {
  public:
    ComPtr() noexcept = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ~ComPtr() { Reset(); }

    Interface* Get() const noexcept { return pointer_; }
    Interface* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }
    // For the out-parameter of CoCreateInstance and QueryInterface.
    void** PutVoid() noexcept {
        Reset();
        return reinterpret_cast<void**>(&pointer_);
    }
    void Reset() noexcept {
        if (pointer_ != nullptr) {
            pointer_->Release();
            pointer_ = nullptr;
        }
    }

  private:
    Interface* pointer_ = nullptr;
};

// The two bitmaps GetIconInfo hands out with an icon's description.
class IconInfo {
  public:
    explicit IconInfo(HICON icon) noexcept : valid_(icon != nullptr && GetIconInfo(icon, &info_)) {}
    IconInfo(const IconInfo&) = delete;
    IconInfo& operator=(const IconInfo&) = delete;
    ~IconInfo() {
        if (valid_) {
            if (info_.hbmColor != nullptr) {
                DeleteObject(info_.hbmColor);
            }
            if (info_.hbmMask != nullptr) {
                DeleteObject(info_.hbmMask);
            }
        }
    }
    explicit operator bool() const noexcept { return valid_; }
    const ICONINFO& Get() const noexcept { return info_; }
    // The icon's size from its colour bitmap (its mask for a monochrome icon).
    SIZE Size() const noexcept {
        BITMAP bitmap{};
        if (!valid_) {
            return SIZE{0, 0};
        }
        if (info_.hbmColor != nullptr && GetObjectA(info_.hbmColor, sizeof bitmap, &bitmap) != 0) {
            return SIZE{bitmap.bmWidth, bitmap.bmHeight};
        }
        if (info_.hbmMask != nullptr && GetObjectA(info_.hbmMask, sizeof bitmap, &bitmap) != 0) {
            return SIZE{bitmap.bmWidth, bitmap.bmHeight / 2};
        }
        return SIZE{0, 0};
    }

  private:
    ICONINFO info_{};
    bool valid_;
};

// A device context obtained with GetDC or GetWindowDC, released with ReleaseDC.
class WindowDc {
  public:
    WindowDc() noexcept = default;
    WindowDc(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {}
    static WindowDc Client(HWND window) noexcept { return WindowDc(window, GetDC(window)); }
    static WindowDc Whole(HWND window) noexcept { return WindowDc(window, GetWindowDC(window)); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
        if (this != &other) {
            Reset();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    ~WindowDc() { Reset(); }
    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }
    void Reset() noexcept {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
        dc_ = nullptr;
        window_ = nullptr;
    }

  private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects a GDI object into a device context and puts the previous one back.
class SelectGuard {
  public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves the whole state of a device context and restores it on scope exit.
class SaveDcGuard {
  public:
    explicit SaveDcGuard(HDC dc) noexcept : dc_(dc), saved_(SaveDC(dc)) {}
    SaveDcGuard(const SaveDcGuard&) = delete;
    SaveDcGuard& operator=(const SaveDcGuard&) = delete;
    ~SaveDcGuard() {
        if (saved_ != 0) {
            RestoreDC(dc_, saved_);
        }
    }

  private:
    HDC dc_;
    int saved_;
};

// Sets one drawing attribute of a device context and puts the previous value
// back on scope exit.
template <typename Value, Value(WINAPI* Set)(HDC, Value)> class DcAttributeGuard {
  public:
    DcAttributeGuard(HDC dc, Value value) noexcept : dc_(dc), previous_(Set(dc, value)) {}
    DcAttributeGuard(const DcAttributeGuard&) = delete;
    DcAttributeGuard& operator=(const DcAttributeGuard&) = delete;
    ~DcAttributeGuard() { Set(dc_, previous_); }

  private:
    HDC dc_;
    Value previous_;
};

using TextColorGuard = DcAttributeGuard<COLORREF, &SetTextColor>;
using BkColorGuard = DcAttributeGuard<COLORREF, &SetBkColor>;
using BkModeGuard = DcAttributeGuard<int, &SetBkMode>;

class TextAlignGuard {
  public:
    TextAlignGuard(HDC dc, UINT align) noexcept : dc_(dc), previous_(SetTextAlign(dc, align)) {}
    TextAlignGuard(const TextAlignGuard&) = delete;
    TextAlignGuard& operator=(const TextAlignGuard&) = delete;
    ~TextAlignGuard() {
        if (previous_ != GDI_ERROR) {
            SetTextAlign(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    UINT previous_;
};

// Remembers the viewport origin; the owner moves it at will.
class ViewportOriginGuard {
  public:
    explicit ViewportOriginGuard(HDC dc) noexcept : dc_(dc) { GetViewportOrgEx(dc, &previous_); }
    ViewportOriginGuard(const ViewportOriginGuard&) = delete;
    ViewportOriginGuard& operator=(const ViewportOriginGuard&) = delete;
    ~ViewportOriginGuard() { SetViewportOrgEx(dc_, previous_.x, previous_.y, nullptr); }

  private:
    HDC dc_;
    POINT previous_{};
};

} // namespace fw
