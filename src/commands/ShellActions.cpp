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

std::string SystemToolPath(const std::string& systemDirectory, const char* tool) {
    std::string path = systemDirectory;
    if (path.empty() || path.back() != '\\') {
        path += '\\';
    }
    return path + tool;
}

void Defragment(ShellLauncher& launcher) {
    const std::string folder = launcher.SystemDirectory();
    const std::string console = SystemToolPath(folder, "dfrg.msc");
    if (launcher.FileExists(console) && launcher.Execute("open", console, base::ShowDefault)) {
        return;
    }
    const std::string current = SystemToolPath(folder, "dfrgui.exe");
    if (launcher.FileExists(current)) {
        launcher.Execute("open", current, base::ShowDefault);
    } else {
        launcher.ReportMissingTool(current);
    }
}

std::string CleanUpCommandLine(const std::string& tool, const std::string& root) {
    // The tool's path is quoted: the system folder's may hold a blank.
    return "\"" + tool + "\" /d" + root;
}

void CleanUp(ShellLauncher& launcher, const std::string& root) {
    const std::string tool = SystemToolPath(launcher.SystemDirectory(), "cleanmgr.exe");
    if (launcher.FileExists(tool)) {
        launcher.RunCommandLine(CleanUpCommandLine(tool, root), base::ShowDefault);
    } else {
        launcher.ReportMissingTool(tool);
    }
}

std::string MissingToolText(const std::string& path) {
    return base::Format("%s could not be found.", path.c_str());
}

} // namespace commands
