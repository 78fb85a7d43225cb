// The main window's dialog template with nothing of the program behind it, as
// the floor for the program's own start-up. Both variants show the texts a
// start-up measurement waits for: the volume name (1001) and the summary's
// free text (1013).
//
//   bare_dialog          the template and the two texts, nothing else
//   bare_dialog floor    first what any program of this kind must do: the
//                        common controls, OLE, the system libraries the
//                        program uses (shell32, comdlg32, winmm, shlwapi,
//                        uxtheme) and one pass over the drives that exist
//                        (type, and the space of each fixed drive) with the
//                        volume query of the first fixed drive
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "resource.h"

namespace {

bool floorMode = false;

struct Readiness {
    std::string volumeName = "Volume Name: ";
    std::string freeTotal = ". Free: 0 GB";
};

// One pass over the letters that exist, as a refresh must make it.
Readiness AskTheDrives() {
    Readiness texts;
    const DWORD letters = GetLogicalDrives();
    unsigned long long freeGB = 0;
    bool first = true;
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        if ((letters & (1u << (letter - 'A'))) == 0) {
            continue;
        }
        const char root[] = {letter, ':', '\\', '\0'};
        ULARGE_INTEGER available{}, total{}, free{};
        if (GetDriveTypeA(root) != DRIVE_FIXED ||
            !GetDiskFreeSpaceExA(root, &available, &total, &free)) {
            continue;
        }
        freeGB += free.QuadPart >> 30;
        if (first) {
            first = false;
            char name[256] = {};
            char fileSystem[256] = {};
            DWORD serial = 0, length = 0, flags = 0;
            GetVolumeInformationA(root, name, sizeof name, &serial, &length, &flags, fileSystem,
                                  sizeof fileSystem);
            texts.volumeName += name;
        }
    }
    texts.freeTotal = ". Free: " + std::to_string(freeGB) + " GB";
    return texts;
}

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        const Readiness texts = floorMode ? AskTheDrives() : Readiness{};
        SetDlgItemTextA(dialog, IDC_VOLUME_NAME, texts.volumeName.c_str());
        SetDlgItemTextA(dialog, IDC_TOTAL_FREE, texts.freeTotal.c_str());
        return TRUE;
    }
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
    floorMode = std::strstr(commandLine, "floor") != nullptr;
    if (floorMode) {
        InitCommonControls();
        if (FAILED(OleInitialize(nullptr))) {
            return 1;
        }
        for (const char* library :
             {"shell32.dll", "comdlg32.dll", "winmm.dll", "shlwapi.dll", "uxtheme.dll"}) {
            LoadLibraryA(library);
        }
    }
    const INT_PTR result =
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, BareDialogProc, 0);
    return result == -1 ? 1 : 0;
}
