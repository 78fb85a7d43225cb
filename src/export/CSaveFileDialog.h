#pragma once
// The system's save dialog, from its library loaded at the first save.
#include <windows.h>
#include <commdlg.h>

class CSaveFileDialog {
  public:
    // GetSaveFileNameA with the caller's record; false when cancelled or
    // when the dialog cannot be shown.
    static bool Ask(OPENFILENAMEA& dialog) noexcept;
};
