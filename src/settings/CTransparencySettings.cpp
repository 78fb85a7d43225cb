#include "settings/CTransparencySettings.h"

#include "settings/IniPath.h"

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
