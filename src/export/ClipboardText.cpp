#include "export/ClipboardText.h"

namespace exports {

std::string ClipboardTextFor(drives::DriveInventory& inventory, const std::string& root) {
    std::string text = root + "\r\n";
    inventory.QueryVolumeFacts(root);
    const drives::VolumeFacts& facts = inventory.facts;
    for (const std::string* line :
         {&facts.volumeNameText, &facts.capacityText, &facts.usedText, &facts.freeText,
          &facts.serialNumberText, &facts.maxNameLengthText}) {
        text += *line + "\r\n";
    }
    text += facts.fileSystemText;
    return text;
}

} // namespace exports
