#include "app/CMainApp.h"

#include "app/CMainDialog.h"

#include <commctrl.h>
#include <ole2.h>

bool CMainApp::InitInstance() {
    InitCommonControls();
    if (FAILED(OleInitialize(nullptr))) {
        fw::AppMessageBox("Unable to initialize OLE.\nTerminating application!", MB_OK | MB_ICONWARNING);
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
