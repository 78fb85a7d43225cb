#pragma once
// Makes a window layered and sets its opacity; the layered-window function is
// looked up at run time, so its absence is tolerated.
#include "framework/Handles.h"

#include <windows.h>

class CLayeredWindow {
  public:
    CLayeredWindow();

    static void MakeLayered(HWND window);
    BOOL SetLayeredAttributes(HWND window, COLORREF colorKey, BYTE alpha, DWORD flags);
    // percent is clamped to 100; 75 gives alpha 191.
    BOOL SetTransparency(HWND window, BYTE percent);

  private:
    fw::Library userLibrary;
};
