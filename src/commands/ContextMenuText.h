#pragma once
// Content of the context menu: texts, command ids and icons of both levels.
#include <string>
#include <vector>

namespace commands {

struct MenuEntry {
    bool isSeparator = false;
    std::string text;
    unsigned commandId = 0;
    unsigned iconId = 0;
};

// Formats a drive item's text with the root and removes one backslash at the
// very end of the whole text: "Explore C:", but "... C:\     (F3)".
std::string DriveItemText(const char* format, const std::string& root);

// The "Options" submenu for the selected root, in menu order.
std::vector<MenuEntry> OptionsMenuEntries(const std::string& root);

// The top popup after the "Options" item, in menu order.
std::vector<MenuEntry> TopMenuEntries();

constexpr const char* OptionsMenuText = "Options";

} // namespace commands
