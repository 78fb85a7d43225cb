#pragma once
// The selected drive's facts as the text put on the clipboard.
#include "drives/DriveInventory.h"

#include <string>

namespace exports {

// Queries `root` afresh and returns its root and seven fact lines, separated
// by CR LF, without a line end after the last.
std::string ClipboardTextFor(drives::DriveInventory& inventory, const std::string& root);

} // namespace exports
