#include "app/CMainApp.h"

#include "app/CMainDialog.h"
#include "framework/SystemLibrary.h"
#include "framework/SystemScopes.h"

#include <commctrl.h>

namespace {

// The common controls (the progress bars of the window) come from the
// system's library; the program carries no manifest that would name another
// one. True when their window classes are there to be created.
bool InitializeCommonControls() {
    using InitFunction = void(WINAPI*)();
    if (const auto initCommonControls =
            fw::SystemFunction<InitFunction>("comctl32.dll", "InitCommonControls")) {
        initCommonControls();
    }
    WNDCLASSA progressClass{};
    return GetClassInfoA(fw::ResourceInstance(), PROGRESS_CLASSA, &progressClass) != FALSE;
}

} // namespace

bool CMainApp::InitInstance() {
    if (!InitializeCommonControls()) {
        fw::AppMessageBox("Orbelune cannot start: the system's common controls (comctl32.dll) "
                          "could not be loaded.",
                          MB_OK | MB_ICONERROR);
        exitCode = fw::ExitCannotStart;
        return false;
    }
    const fw::OleInitialization ole;
    if (!ole.Succeeded()) {
        fw::AppMessageBox("Unable to initialize OLE.\nTerminating application!",
                          MB_OK | MB_ICONWARNING);
        exitCode = fw::ExitCannotStart;
        return false;
    }
    CMainDialog dialog;
    mainWindow = &dialog;
    dialog.DoModal();
    mainWindow = nullptr;
    return false;
}
