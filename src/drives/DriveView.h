#pragma once
// What the drive view shows besides the inventory's own texts: the titles, the
// bar positions and the colours of the labels that follow a rule.
#include "base/Color.h"
#include "drives/DriveInventory.h"

#include <cstddef>
#include <string>

namespace drives {

// The colours of the labels that follow a rule.
base::ColorUse FreeLabelColor(float freePercent);
base::ColorUse UsedTotalLabelColor(std::uint64_t usedPercent);
base::ColorUse FreeTotalLabelColor(std::uint64_t freeTotalPercent);
base::ColorUse SystemDriveLabelColor(bool isSystemDrive);
const char* SystemDriveText(bool isSystemDrive);

// The texts of the drive labels: the facts' own, or for a listed drive whose
// facts could not be read the one sentence saying so in the volume name's
// place and nothing in the others.
struct DriveLabels {
    std::string volumeName, capacity, used, free, serialNumber, fileSystem, maxNameLength,
        systemDrive;
};
DriveLabels DriveLabelsOf(const std::string& root, const VolumeFacts& facts, bool isSystemDrive);

std::string LogicalDriveTitle(const std::string& root);
std::string DriveCountText(std::size_t driveCount);

// Positions of the four bars: each pair adds up to 100, the selected drive's
// used bar and the totals' free bar taking what the other leaves; a drive
// whose facts could not be read shows both of its bars empty.
struct BarPositions {
    int freeBar = 0;
    int usedBar = 0;
    int totalUsedBar = 0;
    int totalFreeBar = 0;
};
BarPositions BarPositionsOf(const VolumeFacts& facts, const FixedDriveTotals& totals);

} // namespace drives
