#include "commands/CShellLauncher.h"

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
