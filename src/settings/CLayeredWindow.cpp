#include "settings/CLayeredWindow.h"

#include "framework/SystemLibrary.h"
#include "settings/IniPath.h"

CLayeredWindow::CLayeredWindow() : userLibrary(fw::LoadSystemLibrary("USER32.dll")) {}

void CLayeredWindow::MakeLayered(HWND window) {
    const LONG style = GetWindowLongA(window, GWL_EXSTYLE);
    SetWindowLongA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
}

BOOL CLayeredWindow::SetLayeredAttributes(HWND window, COLORREF colorKey, BYTE alpha, DWORD flags) {
    if (!userLibrary)
        return TRUE;
    using SetAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
    const auto setAttributes = reinterpret_cast<SetAttributesFunction>(
        reinterpret_cast<void*>(GetProcAddress(userLibrary.Get(), "SetLayeredWindowAttributes")));
    if (setAttributes == nullptr)
        return FALSE;
    return setAttributes(window, colorKey, alpha, flags);
}

BOOL CLayeredWindow::SetTransparency(HWND window, BYTE percent) {
    const BYTE alpha = BYTE(settings::AlphaFromPercent(percent));
    return SetLayeredAttributes(window, 0, alpha, LWA_ALPHA);
}
