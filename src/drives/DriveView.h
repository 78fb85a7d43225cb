#pragma once
// What the drive view shows besides the inventory's own texts: the titles, the
// bar positions and the colours of the labels that follow a rule.
#include "base/Color.h"
#include "drives/DriveInventory.h"

#include <cstddef>
#include <string>

namespace drives {

// A label colour: a fixed RGB value, or the system's window-text colour read
// when it is applied.
struct LabelColor {
    bool windowText = false;
    base::Color rgb = 0;
};

LabelColor FreeLabelColor(float freePercent);
LabelColor UsedTotalLabelColor(std::uint64_t usedPercent);
LabelColor FreeTotalLabelColor(std::uint64_t freeTotalPercent);
LabelColor SystemDriveLabelColor(bool isSystemDrive);
const char* SystemDriveText(bool isSystemDrive);

std::string LogicalDriveTitle(const std::string& root);
std::string DriveCountText(std::size_t driveCount);

// Positions of the four bars: the selected drive's used bar and the totals'
// free bar carry the extra 1.
struct BarPositions {
    int freeBar = 0;
    int usedBar = 0;
    int totalUsedBar = 0;
    int totalFreeBar = 0;
};
BarPositions BarPositionsOf(const VolumeFacts& facts, const FixedDriveTotals& totals);

} // namespace drives
