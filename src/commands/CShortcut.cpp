#include "commands/CShortcut.h"

#include "commands/ShortcutNames.h"
#include "framework/Application.h"
#include "framework/Handles.h"
#include "framework/SystemScopes.h"
#include "framework/Text.h"

#include <objidl.h>
#include <shlobj.h>

#include <ctime>

int CShortcut::CreateDriveShortcut(HWND owner, const drives::DriveInventory& inventory,
                                   const std::string& root) {
    const std::string name = commands::ShortcutName(inventory.VolumeLabel(root), root);
    std::string desktop;
    GetSpecialFolderPath(CSIDL_DESKTOP, desktop);
    const std::string path = desktop + name + ".lnk";
    if (!fw::MayReplaceFile(owner, path)) {
        return 0;
    }
    const std::time_t now = std::time(nullptr);
    const std::string description = commands::ShortcutDescription(std::localtime(&now));
    const int written = CreateShortcut(root, name, CSIDL_DESKTOP, description, "", 0);
    if (written == 0) {
        MessageBoxA(owner, commands::ShortcutNotWrittenMessage(path).c_str(), fw::AppName().c_str(),
                    MB_OK | MB_ICONERROR);
    }
    return written;
}

bool CShortcut::GetSpecialFolderPath(int folder, std::string& path) {
    LPITEMIDLIST itemList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &itemList))) {
        return false;
    }
    const fw::CoTaskMem<ITEMIDLIST> itemListOwner(itemList);
    char buffer[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(itemList, buffer)) {
        return false;
    }
    path = buffer;
    path += '\\';
    return true;
}

int CShortcut::CreateShortcut(const std::string& target, const std::string& name, int folder,
                              const std::string& description, const std::string& iconPath,
                              int iconIndex) {
    const std::string targetPath = target == "_this" ? fw::ModuleFileName() : target;
    std::string linkPath;
    if (!GetSpecialFolderPath(folder, linkPath)) {
        return 0;
    }
    linkPath += name + ".lnk";
    const std::wstring wideLinkPath = fw::Widen(linkPath);
    if (wideLinkPath.empty()) {
        return 0;
    }

    const fw::ComInitialization com;
    fw::ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.PutVoid()))) {
        return 0;
    }
    link->SetPath(targetPath.c_str());
    link->SetDescription(description.c_str());
    if (!arguments.empty()) {
        link->SetArguments(arguments.c_str());
    }
    if (!iconPath.empty()) {
        link->SetIconLocation(iconPath.c_str(), iconIndex);
    }
    fw::ComPtr<IPersistFile> file;
    return SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.PutVoid())) &&
                   SUCCEEDED(file->Save(wideLinkPath.c_str(), TRUE))
               ? 1
               : 0;
}
