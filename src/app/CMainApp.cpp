#include "app/CMainApp.h"

#include "app/CMainDialog.h"
#include "app/CommandLine.h"
#include "drives/CWin32VolumeSystem.h"
#include "export/CReportFile.h"
#include "framework/SystemLibrary.h"
#include "framework/SystemScopes.h"
#include "framework/Text.h"

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
    const app::Invocation invocation = app::ParseArguments(fw::CommandLineArguments());
    switch (invocation.request) {
    case app::Request::WriteReport:
        exitCode = WriteReport(invocation.reportPath);
        return false;
    case app::Request::ShowUsage:
        fw::AppMessageBox(app::UsageText, MB_OK | MB_ICONINFORMATION);
        return false;
    case app::Request::Refuse:
        exitCode = app::ExitBadCommandLine;
        return false;
    case app::Request::ShowWindow:
        break;
    }
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

int CMainApp::WriteReport(const std::string& path) {
    // The drives as the window would list them at start, asked afresh.
    CWin32VolumeSystem volumeSystem;
    drives::DriveInventory inventory(volumeSystem);
    inventory.FindSystemDriveRoot();
    const drives::DriveSnapshot snapshot = inventory.TakeSnapshot();
    return CReportFile::WriteReport(inventory, snapshot.Roots(), snapshot.totals, path)
               ? fw::ExitOk
               : app::ExitReportNotWritten;
}
