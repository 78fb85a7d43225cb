#include "export/ClipboardText.h"

namespace exports {

std::string ClipboardTextFor(const std::string& root, const drives::VolumeFacts& facts) {
    std::string text = root + "\r\n";
    if (!facts.Readable()) {
        return text + drives::UnreadableDriveText;
    }
    for (const std::string* line :
         {&facts.volumeNameText, &facts.capacityText, &facts.usedText, &facts.freeText,
          &facts.serialNumberText, &facts.maxNameLengthText}) {
        text += *line + "\r\n";
    }
    text += facts.fileSystemText;
    return text;
}

} // namespace exports
