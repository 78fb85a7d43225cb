#pragma once
#include "commands/ShellActions.h"

// Starts the system's tools through the shell and WinExec.
class CShellLauncher : public commands::ShellLauncher {
  public:
    bool Execute(const std::string& verb, const std::string& file, int show) override;
    bool ExecuteEx(const commands::ShellExecuteRequest& request) override;
    bool RunCommandLine(const std::string& commandLine, int show) override;
};
