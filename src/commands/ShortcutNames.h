#pragma once
// Names and texts of the desktop shortcut to a drive.
#include <ctime>
#include <string>

namespace commands {

// The link's name on the desktop: the volume label, each character Windows
// forbids in file names (\ / : * ? " < > | and the control characters)
// replaced by "_"; "Drive C" for a drive without a label (a bare ".lnk" would be
// a hidden, nameless file) or whose label is a name Windows keeps for a device
// (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9).
std::string ShortcutName(const std::string& label, const std::string& root);
std::string ShortcutNotWrittenMessage(const std::string& path);

// "%m/%d/%y %H:%M:%S"; empty when no time is known.
std::string DateText(const std::tm* time);

std::string ShortcutDescription(const std::tm* time);

} // namespace commands
