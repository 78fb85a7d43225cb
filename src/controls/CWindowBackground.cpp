#include "controls/CWindowBackground.h"

#include "base/Dpi.h"

BOOL CWindowBackground::Paint(HWND window, HDC dc, COLORREF color, int dpi) {
    // The previous call's pen is no longer selected anywhere, so it can go now.
    backgroundPen.Reset(CreatePen(PS_SOLID, base::Scale(1, dpi), color));
    fw::SelectGuard pen(dc, backgroundPen.Get());
    GetClientRect(window, &clientRect);
    for (LONG y = 0; y <= clientRect.bottom; ++y) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, clientRect.right, y);
    }
    return TRUE;
}
