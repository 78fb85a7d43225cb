#pragma once
// Empties the recycle bins of all drives and tells the user what was released.
#include <windows.h>

class CRecycleBin {
  public:
    // The message boxes are owned by `owner`.
    static void Empty(HWND owner);
};
