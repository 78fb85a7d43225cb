#include "app/CMainDialog.h"

#include "settings/IniPath.h"

#include <shlwapi.h>

void CMainDialog::LoadSettings() {
    currentDirectory = CIniFile::CurrentDirectoryPath();
    // The existence test looks at the very file that is read and written (beside the
    // program), whatever the working folder the program was started in.
    settingsPath = settings.IniFile().FilePath();
    if (settingsPath.empty() || !PathFileExistsA(settingsPath.c_str()))
        settings.CreateDefaultFile();
    settings.LoadTransparency();
}

void CMainDialog::ApplyTransparency() {
    CLayeredWindow::MakeLayered(GetHwnd());
    layeredWindow.SetTransparency(
        GetHwnd(),
        BYTE(settings.windowTransparent ? settings::TransparentPercent : settings::OpaquePercent));
}

void CMainDialog::OnToggleTransparency() {
    const bool transparent = !settings.windowTransparent;
    layeredWindow.SetTransparency(
        GetHwnd(), BYTE(transparent ? settings::TransparentPercent : settings::OpaquePercent));
    settingsWriter.SetBool(settings::TransparencyKey, transparent);
    settings.windowTransparent = transparent;
}
