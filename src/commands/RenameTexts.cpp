#include "commands/RenameTexts.h"

#include "base/Format.h"

namespace commands {

std::string RenamePrompt(const std::string& root) {
    return base::Format("New volume name for %s", root.c_str());
}

std::string RenameConfirmation(const std::string& newName, const std::string& root) {
    return base::Format("Volume Name \"%s\" will be apply to %s\nConfirm ?", newName.c_str(),
                        root.c_str());
}

std::string RenameFailure(const std::string& root) {
    return base::Format("The volume name of %s could not be changed.", root.c_str());
}

bool IsWritableVolumeLabel(const std::string& label) {
    for (const char c : label) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F) {
            return false;
        }
    }
    return true;
}

} // namespace commands
