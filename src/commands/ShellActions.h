#pragma once
// The drive commands that hand a drive to the system's own tools, written
// against a small launcher interface so that tests can record the calls.
#include <cstdint>
#include <string>

namespace commands {

constexpr int ShowDefault = 10;                  // SW_SHOWDEFAULT
constexpr int Show = 5;                          // SW_SHOW
constexpr std::uint32_t InvokeIdListMask = 0x0C; // SEE_MASK_INVOKEIDLIST

// A properties request as the shell's execute record carries it.
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
};

void Explore(ShellLauncher& launcher, const std::string& root);
void ShowProperties(ShellLauncher& launcher, const std::string& root, std::uintptr_t ownerWindow);
void Search(ShellLauncher& launcher, const std::string& root);
// The defragmenter console, or the current defragmenter where the console no
// longer exists; the same for every drive.
void Defragment(ShellLauncher& launcher);
void CleanUp(ShellLauncher& launcher, const std::string& root);

std::string CleanUpCommandLine(const std::string& root);

} // namespace commands
