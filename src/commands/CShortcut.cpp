#include "commands/CShortcut.h"

#include <objidl.h>
#include <shlobj.h>

#include <vector>

namespace {

std::wstring Widen(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text.c_str(), -1, nullptr, 0);
    if (length <= 0) {
        return std::wstring();
    }
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length));
    MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text.c_str(), -1, buffer.data(), length);
    return std::wstring(buffer.data());
}

} // namespace

bool CShortcut::GetSpecialFolderPath(int folder, std::string& path) {
    LPITEMIDLIST itemList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &itemList))) {
        return false;
    }
    char buffer[MAX_PATH] = {};
    const BOOL found = SHGetPathFromIDListA(itemList, buffer);
    CoTaskMemFree(itemList);
    if (!found) {
        return false;
    }
    path = buffer;
    path += '\\';
    return true;
}

int CShortcut::CreateShortcut(const std::string& target, const std::string& name, int folder,
                              const std::string& description, const std::string& iconPath,
                              int iconIndex) {
    std::string targetPath = target;
    if (target == "_this") {
        char own[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, own, MAX_PATH);
        targetPath = own;
    }
    std::string linkPath;
    if (!GetSpecialFolderPath(folder, linkPath)) {
        return 0;
    }
    linkPath += name + ".lnk";
    const std::wstring wideLinkPath = Widen(linkPath);
    if (wideLinkPath.empty()) {
        return 0;
    }

    const HRESULT com = CoInitialize(nullptr);
    int result = 0;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        link->SetPath(targetPath.c_str());
        link->SetDescription(description.c_str());
        if (!arguments.empty()) {
            link->SetArguments(arguments.c_str());
        }
        if (!iconPath.empty()) {
            link->SetIconLocation(iconPath.c_str(), iconIndex);
        }
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Save(wideLinkPath.c_str(), TRUE))) {
                result = 1;
            }
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return result;
}
