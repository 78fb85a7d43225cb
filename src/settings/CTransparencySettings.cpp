#include "settings/CTransparencySettings.h"

#include "settings/IniPath.h"

#include <shlwapi.h>

namespace {

BYTE OpacityOf(bool transparent) {
    return BYTE(transparent ? settings::TransparentPercent : settings::OpaquePercent);
}

} // namespace

void CTransparencySettings::Load() {
    // The existence test looks at the very file that is read and written (beside
    // the program), whatever the working folder the program was started in.
    const std::string& path = iniFile.FilePath();
    if (path.empty() || !PathFileExistsA(path.c_str())) {
        CreateDefaultFile();
    }
    LoadTransparency();
}

bool CTransparencySettings::LoadTransparency() {
    windowTransparent = iniFile.GetBool(settings::TransparencyKey, false);
    return windowTransparent;
}

void CTransparencySettings::CreateDefaultFile() {
    // The same file that is read afterwards and written by the toggle, so that the
    // default never lands anywhere else.
    CIniFile defaultFile(iniFile.FilePath(), iniFile.Section());
    defaultFile.SetBool(settings::TransparencyKey, false);
}

void CTransparencySettings::Apply(HWND window) {
    CLayeredWindow::MakeLayered(window);
    layeredWindow.SetTransparency(window, OpacityOf(windowTransparent));
}

void CTransparencySettings::Toggle(HWND window) {
    const bool transparent = !windowTransparent;
    layeredWindow.SetTransparency(window, OpacityOf(transparent));
    iniFile.SetBool(settings::TransparencyKey, transparent);
    windowTransparent = transparent;
}
