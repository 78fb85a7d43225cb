#pragma once
// The screen's DPI as the system reports it: the process's declaration of DPI
// awareness, the DPI of a window, system metrics and fonts at a DPI, and icons
// loaded at the size a DPI asks for. The functions of newer systems are looked
// up at run time; older ones get the system DPI.
#include <windows.h>

namespace fw {

// The declaration of DPI awareness that took effect.
enum class DpiAwareness { PerMonitorV2, PerMonitor, System, None };

// The user32 functions the declaration uses; null where the system lacks one.
struct DpiAwarenessFunctions {
    BOOL(WINAPI* setContext)(HANDLE context) = nullptr; // SetProcessDpiAwarenessContext
    BOOL(WINAPI* setAware)() = nullptr;                 // SetProcessDPIAware
};

// Declares per-monitor awareness (version 2); when that is missing or fails,
// version 1, then system awareness, then nothing. Call before any window exists.
DpiAwareness DeclareDpiAwareness();
DpiAwareness DeclareDpiAwareness(const DpiAwarenessFunctions& functions);

// The DPI of the screen as a whole (LOGPIXELSY of the screen).
int SystemDpi();
// The DPI of the monitor the window is on (GetDpiForWindow), or the system DPI.
int WindowDpi(HWND window);

// GetSystemMetrics at `dpi`; at the system DPI exactly GetSystemMetrics.
int SystemMetric(int index, int dpi);
// A font description of the system DPI with its height at `dpi`.
LOGFONTA FontAtDpi(LOGFONTA font, int dpi);

// Icon resource `id` of the program at `size` pixels (the size at 96 DPI)
// scaled to `dpi`; the caller destroys it.
HICON LoadScaledIcon(unsigned id, int size, int dpi);

} // namespace fw
