#include "commands/ShortcutNames.h"

#include "base/Format.h"

namespace commands {

std::string ShortcutName(const std::string& label, const std::string& root) {
    std::string name = label;
    if (name.empty()) {
        name = "Drive";
        if (!root.empty()) {
            name += ' ';
            name += root[0];
        }
    }
    return name;
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
