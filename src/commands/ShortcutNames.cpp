#include "commands/ShortcutNames.h"

#include "base/Format.h"

#include <cctype>
#include <cstring>

namespace commands {

namespace {

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, in any case, alone or
// before an extension (trailing blanks of the name do not count).
bool IsReservedDeviceName(const std::string& name) {
    std::string device = name.substr(0, name.find('.'));
    device.erase(device.find_last_not_of(' ') + 1);
    for (char& c : device) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (device == "CON" || device == "PRN" || device == "AUX" || device == "NUL") {
        return true;
    }
    return device.size() == 4 &&
           (device.compare(0, 3, "COM") == 0 || device.compare(0, 3, "LPT") == 0) &&
           device[3] >= '1' && device[3] <= '9';
}

} // namespace

std::string ShortcutName(const std::string& label, const std::string& root) {
    std::string name = label;
    for (char& c : name) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || std::strchr("\\/:*?\"<>|", c) != nullptr) {
            c = '_';
        }
    }
    if (name.empty() || IsReservedDeviceName(name)) {
        name = "Drive";
        if (!root.empty()) {
            name += ' ';
            name += root[0];
        }
    }
    return name;
}

std::string ShortcutNotWrittenMessage(const std::string& path) {
    return "The shortcut could not be written to\n" + path;
}

std::string DateText(const std::tm* time) {
    if (time == nullptr) {
        return std::string();
    }
    char buffer[128];
    const std::size_t length = std::strftime(buffer, sizeof buffer, "%m/%d/%y %H:%M:%S", time);
    return std::string(buffer, length);
}

std::string ShortcutDescription(const std::tm* time) {
    return base::Format("Shortcut created on %s", DateText(time).c_str());
}

} // namespace commands
