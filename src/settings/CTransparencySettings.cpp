#include "settings/CTransparencySettings.h"

#include "framework/Handles.h"
#include "settings/IniPath.h"

#include <shlobj.h>
#include <shlwapi.h>

namespace {

BYTE OpacityOf(bool transparent) {
    return BYTE(transparent ? settings::TransparentPercent : settings::OpaquePercent);
}

std::string LocalAppDataFolder() {
    char folder[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return std::string();
    return folder;
}

bool Exists(const std::string& path) {
    return !path.empty() && PathFileExistsA(path.c_str());
}

// Whether an existing file may be written (its attributes, its rights, a
// read-only medium): it is opened for writing and closed again, unchanged.
bool OpensForWriting(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const fw::File opened(file);
    return true;
}

} // namespace

CTransparencySettings::CTransparencySettings()
    : CTransparencySettings(CIniFile(), settings::ProfileFilePath(LocalAppDataFolder())) {}

CTransparencySettings::CTransparencySettings(const CIniFile& programFile, std::string profileFile)
    : iniFile(programFile), sourceFile(programFile), profileFile(std::move(profileFile)) {}

void CTransparencySettings::Load() {
    // The existence test looks at the very file that is read and written (beside
    // the program), whatever the working folder the program was started in.
    const std::string& programFile = iniFile.FilePath();
    const bool writable = Exists(programFile) ? OpensForWriting(programFile) : CreateDefaultFile();
    const settings::SettingsFiles files =
        settings::ChooseSettingsFiles(programFile, writable, profileFile, Exists(profileFile));
    sourceFile = CIniFile(files.readFrom, iniFile.Section());
    iniFile = CIniFile(files.writeTo, iniFile.Section());
    LoadTransparency();
}

bool CTransparencySettings::LoadTransparency() {
    windowTransparent = sourceFile.GetBool(settings::TransparencyKey, false);
    return windowTransparent;
}

bool CTransparencySettings::CreateDefaultFile() {
    // The same file that is read afterwards and written by the toggle, so that the
    // default never lands anywhere else.
    CIniFile defaultFile(iniFile.FilePath(), iniFile.Section());
    return defaultFile.SetBool(settings::TransparencyKey, false) != FALSE;
}

void CTransparencySettings::Apply(HWND window) {
    CLayeredWindow::MakeLayered(window);
    layeredWindow.SetTransparency(window, OpacityOf(windowTransparent));
}

bool CTransparencySettings::Toggle(HWND window) {
    const bool transparent = !windowTransparent;
    layeredWindow.SetTransparency(window, OpacityOf(transparent));
    windowTransparent = transparent;
    // The profile's folder is made with the first setting stored there.
    const std::string& path = iniFile.FilePath();
    CreateDirectoryA(path.substr(0, path.find_last_of('\\')).c_str(), nullptr);
    return iniFile.SetBool(settings::TransparencyKey, transparent) != FALSE;
}
