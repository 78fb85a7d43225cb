#pragma once
// The seam through which the program hands files, folders and addresses to the
// system's shell. The program uses the shell itself; tests record the calls.
#include <cstdint>
#include <string>

namespace base {

constexpr int ShowDefault = 10;                  // SW_SHOWDEFAULT
constexpr int Show = 5;                          // SW_SHOW
constexpr std::uint32_t InvokeIdListMask = 0x0C; // SEE_MASK_INVOKEIDLIST

// A request as the shell's execute record carries it.
struct ShellExecuteRequest {
    std::uint32_t mask = 0;
    std::uintptr_t ownerWindow = 0;
    std::string verb;
    std::string file;
    int show = 0;
};

class ShellLauncher {
  public:
    virtual ~ShellLauncher() = default;
    // ShellExecuteA without owner, parameters or directory; true when started.
    virtual bool Execute(const std::string& verb, const std::string& file, int show) = 0;
    // ShellExecuteExA with the request's fields, all others zero.
    virtual bool ExecuteEx(const ShellExecuteRequest& request) = 0;
    // WinExec of a command line.
    virtual bool RunCommandLine(const std::string& commandLine, int show) = 0;
    // The system folder ("C:\Windows\System32"), where the system's tools are.
    virtual std::string SystemDirectory() = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Tells the user that a tool a command starts is not there.
    virtual void ReportMissingTool(const std::string& path) = 0;
};

} // namespace base
