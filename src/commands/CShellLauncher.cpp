#include "commands/CShellLauncher.h"

#include "commands/ShellActions.h"
#include "framework/Application.h"

#include <windows.h>
#include <shellapi.h>

bool CShellLauncher::Execute(const std::string& verb, const std::string& file, int show) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, verb.c_str(), file.c_str(), nullptr, nullptr, show));
    return result > 32;
}

bool CShellLauncher::ExecuteEx(const base::ShellExecuteRequest& request) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = request.mask;
    info.hwnd = reinterpret_cast<HWND>(request.ownerWindow);
    info.lpVerb = request.verb.c_str();
    info.lpFile = request.file.c_str();
    info.nShow = request.show;
    return ShellExecuteExA(&info) != FALSE;
}

bool CShellLauncher::RunCommandLine(const std::string& commandLine, int show) {
    return WinExec(commandLine.c_str(), static_cast<UINT>(show)) > 31;
}

std::string CShellLauncher::SystemDirectory() {
    std::string folder(MAX_PATH, '\0');
    UINT length = GetSystemDirectoryA(&folder[0], static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        folder.resize(length);
        length = GetSystemDirectoryA(&folder[0], static_cast<UINT>(folder.size()));
    }
    folder.resize(length < folder.size() ? length : 0);
    return folder;
}

bool CShellLauncher::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void CShellLauncher::ReportMissingTool(const std::string& path) {
    fw::AppMessageBox(commands::MissingToolText(path), MB_OK | MB_ICONEXCLAMATION);
}
