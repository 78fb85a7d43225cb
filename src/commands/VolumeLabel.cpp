#include "commands/VolumeLabel.h"

namespace commands {

std::string RereadVolumeLabel(drives::DriveInventory& inventory, const std::string& root) {
    drives::VolumeInformation info;
    if (!inventory.System().QueryVolumeInformation(root, info)) {
        return std::string();
    }
    drives::VolumeFacts& facts = inventory.facts;
    facts.volumeName = info.volumeName;
    facts.serialNumber = info.serialNumber;
    facts.maxComponentLength = info.maxComponentLength;
    facts.fileSystemFlags = info.fileSystemFlags;
    facts.fileSystemName = info.fileSystemName;
    return info.volumeName;
}

} // namespace commands
