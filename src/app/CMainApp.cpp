#include "app/CMainApp.h"

#include "app/CMainDialog.h"
#include "framework/SystemLibrary.h"

#include <ole2.h>

bool CMainApp::InitInstance() {
    // The common controls (the progress bars) come from the system's library;
    // the program carries no manifest that would name another one.
    using InitFunction = void(WINAPI*)();
    if (const auto initCommonControls =
            fw::SystemFunction<InitFunction>("comctl32.dll", "InitCommonControls")) {
        initCommonControls();
    }
    if (FAILED(OleInitialize(nullptr))) {
        fw::AppMessageBox("Unable to initialize OLE.\nTerminating application!",
                          MB_OK | MB_ICONWARNING);
        return false;
    }
    {
        CMainDialog dialog;
        mainWindow = &dialog;
        dialog.DoModal();
        mainWindow = nullptr;
    }
    OleUninitialize();
    return false;
}
