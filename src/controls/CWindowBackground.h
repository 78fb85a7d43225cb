#pragma once
// A dialog's background, painted in one colour line by line, with a pen one
// pixel wide at the window's DPI. The main window and the about box paint
// theirs with it when the system asks them to erase.
#include "framework/Handles.h"

#include <windows.h>

class CWindowBackground {
  public:
    // Paints the whole client area of `window` on `dc`; true: erased.
    BOOL Paint(HWND window, HDC dc, COLORREF color, int dpi);

  private:
    fw::Pen backgroundPen; // the last paint's; released at the next
    RECT clientRect{};
};
