#pragma once
#include <string>

namespace commands {

// The shell's number of a drive root: 2 for "C:\" up to 25 for "Z:\", compared
// exactly and with case; -1 for any other text.
int ShellDriveNumber(const std::string& root);

} // namespace commands
