#include "framework/Dpi.h"

#include "base/Dpi.h"
#include "framework/Application.h"
#include "framework/Handles.h"

namespace fw {
namespace {

template <typename Function> Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

const HANDLE PerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE PerMonitorAware = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));

} // namespace

DpiAwareness DeclareDpiAwareness() {
    DpiAwarenessFunctions functions;
    functions.setContext = User32Function<BOOL(WINAPI*)(HANDLE)>("SetProcessDpiAwarenessContext");
    functions.setAware = User32Function<BOOL(WINAPI*)()>("SetProcessDPIAware");
    return DeclareDpiAwareness(functions);
}

DpiAwareness DeclareDpiAwareness(const DpiAwarenessFunctions& functions) {
    // A system that already counts the process as aware refuses every
    // declaration (invalid parameter for a context it does not know, access
    // denied once one is set): the next step is tried each time.
    if (functions.setContext != nullptr) {
        if (functions.setContext(PerMonitorAwareV2)) {
            return DpiAwareness::PerMonitorV2;
        }
        if (functions.setContext(PerMonitorAware)) {
            return DpiAwareness::PerMonitor;
        }
    }
    if (functions.setAware != nullptr && functions.setAware()) {
        return DpiAwareness::System;
    }
    return DpiAwareness::None;
}

int SystemDpi() {
    // Fixed for the life of the process.
    static const int dpi = [] {
        const WindowDc screen = WindowDc::Client(nullptr);
        const int logPixels = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
        return logPixels > 0 ? logPixels : base::DefaultDpi;
    }();
    return dpi;
}

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    if (window != nullptr && getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

int SystemMetric(int index, int dpi) {
    const int systemDpi = SystemDpi();
    if (dpi == systemDpi) {
        return GetSystemMetrics(index);
    }
    static const auto forDpi = User32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    if (forDpi != nullptr) {
        return forDpi(index, static_cast<UINT>(dpi));
    }
    return MulDiv(GetSystemMetrics(index), dpi, systemDpi);
}

LOGFONTA FontAtDpi(LOGFONTA font, int dpi) {
    const int systemDpi = SystemDpi();
    if (dpi != systemDpi) {
        font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi);
    }
    return font;
}

HICON LoadScaledIcon(unsigned id, int size, int dpi) {
    const int scaled = base::Scale(size, dpi);
    return static_cast<HICON>(LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         scaled, scaled, LR_DEFAULTCOLOR));
}

} // namespace fw
