#pragma once
// The drive commands that hand a drive to the system's own tools, written
// against a small launcher interface so that tests can record the calls.
#include "base/ShellLauncher.h"

#include <cstdint>
#include <string>

namespace commands {

using base::ShellLauncher;

void Explore(ShellLauncher& launcher, const std::string& root);
void ShowProperties(ShellLauncher& launcher, const std::string& root, std::uintptr_t ownerWindow);
void Search(ShellLauncher& launcher, const std::string& root);
// The system's tools are started from the system folder only, never found by
// bare name (a file of that name beside the program would be taken first); a
// tool that is not there is reported. The defragmenter is the old console,
// or the current defragmenter where the console is missing or does not open;
// the same for every drive.
void Defragment(ShellLauncher& launcher);
void CleanUp(ShellLauncher& launcher, const std::string& root);

// `tool` in the system folder.
std::string SystemToolPath(const std::string& systemDirectory, const char* tool);
// "C:\...\cleanmgr.exe" /dC:\ with the tool's full path.
std::string CleanUpCommandLine(const std::string& tool, const std::string& root);
// "<path> could not be found."
std::string MissingToolText(const std::string& path);

} // namespace commands
