#include "commands/ShellActions.h"

#include "base/Format.h"

namespace commands {

void Explore(ShellLauncher& launcher, const std::string& root) {
    launcher.Execute("open", root, base::ShowDefault);
}

void ShowProperties(ShellLauncher& launcher, const std::string& root, std::uintptr_t ownerWindow) {
    base::ShellExecuteRequest request;
    request.mask = base::InvokeIdListMask;
    request.ownerWindow = ownerWindow;
    request.verb = "properties";
    request.file = root;
    request.show = base::Show;
    launcher.ExecuteEx(request);
}

void Search(ShellLauncher& launcher, const std::string& root) {
    launcher.Execute("find", root, base::ShowDefault);
}

void Defragment(ShellLauncher& launcher) {
    if (!launcher.Execute("open", "dfrg.msc", base::ShowDefault)) {
        launcher.Execute("open", "dfrgui.exe", base::ShowDefault);
    }
}

std::string CleanUpCommandLine(const std::string& root) {
    constexpr std::size_t commandLineCapacity = 72;
    std::string line = base::Format("cleanmgr.exe /d%s", root.c_str());
    if (line.size() > commandLineCapacity - 1) {
        line.resize(commandLineCapacity - 1);
    }
    return line;
}

void CleanUp(ShellLauncher& launcher, const std::string& root) {
    launcher.RunCommandLine(CleanUpCommandLine(root), base::ShowDefault);
}

} // namespace commands
