#include "drives/DriveView.h"

#include "base/Format.h"

#include <algorithm>

namespace drives {

namespace {

int ClampedPosition(std::uint64_t value) {
    return static_cast<int>(std::min<std::uint64_t>(value, 0x7FFFFFFF));
}
} // namespace

using base::ColorUse;

ColorUse FreeLabelColor(float freePercent) {
    return FreeSpaceIsLow(freePercent) ? ColorUse::Warning : ColorUse::Fine;
}

ColorUse UsedTotalLabelColor(std::uint64_t usedPercent) {
    return UsedTotalIsHigh(usedPercent) ? ColorUse::Warning : ColorUse::Text;
}

ColorUse FreeTotalLabelColor(std::uint64_t freeTotalPercent) {
    return FreeTotalIsLow(freeTotalPercent) ? ColorUse::Warning : ColorUse::Fine;
}

ColorUse SystemDriveLabelColor(bool isSystemDrive) {
    return isSystemDrive ? ColorUse::Fine : ColorUse::Text;
}

const char* SystemDriveText(bool isSystemDrive) {
    return isSystemDrive ? "System drive: yes" : "System drive: no";
}

DriveLabels DriveLabelsOf(const std::string& root, const VolumeFacts& facts, bool isSystemDrive) {
    if (!root.empty() && !facts.Readable()) {
        return DriveLabels{UnreadableDriveText, "", "", "", "", "", "", ""};
    }
    return DriveLabels{facts.volumeNameText,    facts.capacityText,
                       facts.usedText,          facts.freeText,
                       facts.serialNumberText,  facts.fileSystemText,
                       facts.maxNameLengthText, SystemDriveText(isSystemDrive)};
}

std::string LogicalDriveTitle(const std::string& root) {
    return base::Format("Logical Drive %s", root.c_str());
}

std::string DriveCountText(std::size_t driveCount) {
    return base::Format(". Number Of Logical Drives: %i", static_cast<int>(driveCount));
}

BarPositions BarPositionsOf(const VolumeFacts& facts, const FixedDriveTotals& totals) {
    BarPositions bars;
    if (facts.Readable()) {
        bars.freeBar = BarPosition(facts.freePercent);
        bars.usedBar = BarPosition(facts.usedBarValue);
    }
    bars.totalUsedBar = ClampedPosition(totals.usedPercent);
    bars.totalFreeBar = ClampedPosition(FreeTotalFigure(totals));
    return bars;
}

} // namespace drives
