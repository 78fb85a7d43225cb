#pragma once
// Starts the system's tools through the shell and WinExec.
#include "base/ShellLauncher.h"

class CShellLauncher : public base::ShellLauncher {
  public:
    bool Execute(const std::string& verb, const std::string& file, int show) override;
    bool ExecuteEx(const base::ShellExecuteRequest& request) override;
    bool RunCommandLine(const std::string& commandLine, int show) override;
    std::string SystemDirectory() override;
    bool FileExists(const std::string& path) override;
    // A message box owned by the program's active window.
    void ReportMissingTool(const std::string& path) override;
};
