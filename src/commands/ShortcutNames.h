#pragma once
// Names and texts of the desktop shortcut to a drive.
#include <ctime>
#include <string>

namespace commands {

// The link's name on the desktop: the volume label, or "Drive C" for a drive
// without one (a bare ".lnk" would be a hidden, nameless file).
std::string ShortcutName(const std::string& label, const std::string& root);

// "%m/%d/%y %H:%M:%S"; empty when no time is known.
std::string DateText(const std::tm* time);

std::string ShortcutDescription(const std::tm* time);

} // namespace commands
