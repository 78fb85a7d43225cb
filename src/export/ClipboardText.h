#pragma once
// The selected drive's facts as the text put on the clipboard.
#include "drives/DriveInventory.h"

#include <string>

namespace exports { // the folder's name, "export", is a keyword of C++

// The root and seven fact lines, separated by CR LF, without a line end after
// the last; for a drive whose facts could not be read, the root and the
// sentence that says so.
std::string ClipboardTextFor(const std::string& root, const drives::VolumeFacts& facts);

} // namespace exports
