// The main window's dialog template shown with nothing behind it: the time this
// takes is the floor for the program's own start-up. With the argument
// "imports" it first loads the system libraries the program imports and
// initialises OLE, as the program must: the floor for a program of that kind.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstring>
#include <initializer_list>
#include "resource.h"

namespace {

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    InitCommonControls();
    if (std::strstr(commandLine, "imports") != nullptr) {
        for (const char* library : {"advapi32.dll", "comdlg32.dll", "gdi32.dll", "ole32.dll",
                                    "shell32.dll", "shlwapi.dll", "winmm.dll"}) {
            LoadLibraryA(library);
        }
        OleInitialize(nullptr);
    }
    const INT_PTR result =
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, BareDialogProc, 0);
    return result == -1 ? 1 : 0;
}
