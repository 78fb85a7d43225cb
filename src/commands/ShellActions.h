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
// The defragmenter console, or the current defragmenter where the console no
// longer exists; the same for every drive.
void Defragment(ShellLauncher& launcher);
void CleanUp(ShellLauncher& launcher, const std::string& root);

std::string CleanUpCommandLine(const std::string& root);

} // namespace commands
