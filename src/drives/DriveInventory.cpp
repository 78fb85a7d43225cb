#include "drives/DriveInventory.h"

#include "base/Format.h"

#include <cmath>

namespace drives {

const std::array<const char*, 24> DriveRootTable = {
    "C:\\", "D:\\", "E:\\", "F:\\", "G:\\", "H:\\", "I:\\", "J:\\", "K:\\", "L:\\", "M:\\", "N:\\",
    "O:\\", "P:\\", "Q:\\", "R:\\", "S:\\", "T:\\", "U:\\", "V:\\", "W:\\", "X:\\", "Y:\\", "Z:\\"};

std::string SerialNumberText(std::uint32_t serialNumber) {
    return base::Format("Serial Number: %04X-%04X", static_cast<unsigned>(serialNumber >> 16),
                        static_cast<unsigned>(serialNumber & 0xFFFFu));
}

std::string SizeText(const char* format, std::uint64_t bytes) {
    return base::Format(format, static_cast<double>(bytes) / BytesPerGigabyte);
}

float FreePercentOf(std::uint64_t totalFreeBytes, std::uint64_t totalBytes) {
    if (totalBytes == 0) {
        return 0.0f;
    }
    return static_cast<float>(static_cast<double>(totalFreeBytes * 100) /
                              static_cast<double>(totalBytes));
}

float UsedBarValueOf(float freePercent, std::uint64_t totalBytes) {
    return totalBytes == 0 ? 0.0f : static_cast<float>(100 - BarPosition(freePercent));
}

std::uint64_t WholePercent(std::uint64_t part, std::uint64_t whole) {
    if (whole == 0) {
        return 0;
    }
    // part x 100 stays below 2^64 up to 184 petabytes.
    return part <= UINT64_MAX / 100 ? part * 100 / whole : part / (whole / 100);
}

std::uint64_t FreeBytesShown(const DiskSpace& space) {
    if (space.totalFreeBytes <= space.totalBytes) {
        return space.totalFreeBytes;
    }
    return space.freeBytesAvailable < space.totalBytes ? space.freeBytesAvailable
                                                       : space.totalBytes;
}

int BarPosition(float value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<int>(value);
}

bool FreeSpaceIsLow(float freePercent) {
    return freePercent < 10.0f;
}
bool UsedTotalIsHigh(std::uint64_t usedPercent) {
    return usedPercent > 89;
}
bool FreeTotalIsLow(std::uint64_t freeTotalPercent) {
    return freeTotalPercent < 10;
}

bool IsSystemDrive(const std::string& root, const std::string& systemDriveRoot) {
    // An unknown system drive makes no drive the system drive.
    return !systemDriveRoot.empty() && root.find(systemDriveRoot) != std::string::npos;
}

void ApplyDiskSpace(VolumeFacts& facts, const DiskSpace& space) {
    static_cast<DiskSpace&>(facts) = space;
    facts.totalFreeBytes = FreeBytesShown(space);
    facts.usedBytes = facts.totalBytes - facts.totalFreeBytes;
    facts.capacityText = SizeText("Capacity: %.2f GB", facts.totalBytes);
    facts.usedText = SizeText("Used: %.2f GB", facts.usedBytes);
    facts.freeText = SizeText("Free: %.2f GB ", facts.totalFreeBytes);
}

void ApplyVolumeInformation(VolumeFacts& facts, const VolumeInformation& info) {
    static_cast<VolumeInformation&>(facts) = info;
    facts.volumeNameText = base::Format("Volume Name: %s", facts.volumeName.c_str());
    facts.serialNumberText = SerialNumberText(facts.serialNumber);
    facts.maxNameLengthText =
        base::Format("Max Filename Length Support: %d", static_cast<int>(facts.maxComponentLength));
    facts.fileSystemText = base::Format("File System: %s", facts.fileSystemName.c_str());
}

std::vector<std::string> DriveSnapshot::Roots() const {
    std::vector<std::string> roots;
    roots.reserve(fixedDrives.size());
    for (const FixedDrive& drive : fixedDrives) {
        roots.push_back(drive.root);
    }
    return roots;
}

const DiskSpace* DriveSnapshot::SpaceOf(const std::string& root) const {
    for (const FixedDrive& drive : fixedDrives) {
        if (drive.root == root) {
            return &drive.space;
        }
    }
    return nullptr;
}

FixedDriveTotals TotalsOf(const std::vector<FixedDrive>& drives) {
    FixedDriveTotals totals;
    for (const FixedDrive& drive : drives) {
        const std::uint64_t free = FreeBytesShown(drive.space);
        totals.capacityBytes += drive.space.totalBytes;
        totals.freeBytes += free;
        totals.usedBytes += drive.space.totalBytes - free;
    }
    totals.capacityGB = totals.capacityBytes >> 30;
    totals.freeGB = totals.freeBytes >> 30;
    totals.usedGB = totals.usedBytes >> 30;
    totals.usedPercent = WholePercent(totals.usedBytes, totals.capacityBytes);
    totals.freeTotalPercent = WholePercent(totals.freeBytes, totals.capacityBytes);
    return totals;
}

std::uint64_t FreeTotalFigure(const FixedDriveTotals& totals) {
    return totals.capacityBytes == 0 ? 0 : 100 - totals.usedPercent;
}

std::string CapacityTotalText(const FixedDriveTotals& totals) {
    return base::Format(". Storage Capacity: %llu GB",
                        static_cast<unsigned long long>(totals.capacityGB));
}

std::string UsedTotalText(const FixedDriveTotals& totals) {
    return base::Format(". Used: %llu GB", static_cast<unsigned long long>(totals.usedGB));
}

std::string FreeTotalText(const FixedDriveTotals& totals) {
    return base::Format(". Free: %llu GB", static_cast<unsigned long long>(totals.freeGB));
}

DriveSnapshot DriveInventory::TakeSnapshot() const {
    DriveSnapshot snapshot;
    std::uint32_t letters = system.LogicalDrives();
    if (letters == 0) {
        letters = ~std::uint32_t{0}; // unknown: every root is asked
    }
    for (std::size_t i = 0; i < DriveRootTable.size(); ++i) {
        const char* root = DriveRootTable[i];
        if ((letters & (std::uint32_t{1} << (i + 2))) == 0 ||
            system.QueryDriveType(root) != DriveType::Fixed) {
            continue;
        }
        FixedDrive drive{root, {}};
        if (system.QueryDiskFreeSpace(root, drive.space)) {
            snapshot.fixedDrives.push_back(std::move(drive));
        }
    }
    snapshot.totals = TotalsOf(snapshot.fixedDrives);
    return snapshot;
}

VolumeFacts DriveInventory::Complete(const std::string& root, VolumeFacts facts) const {
    facts.freePercent = FreePercentOf(facts.totalFreeBytes, facts.totalBytes);
    facts.usedBarValue = UsedBarValueOf(facts.freePercent, facts.totalBytes);
    VolumeInformation info;
    facts.volumeRead = system.QueryVolumeInformation(root, info);
    if (facts.volumeRead) {
        ApplyVolumeInformation(facts, info);
    }
    return facts;
}

VolumeFacts DriveInventory::Query(const std::string& root, VolumeFacts held) const {
    DiskSpace space;
    held.spaceRead = system.QueryDiskFreeSpace(root, space);
    if (held.spaceRead) {
        ApplyDiskSpace(held, space);
    }
    return Complete(root, std::move(held));
}

VolumeFacts DriveInventory::Query(const std::string& root, VolumeFacts held,
                                  const DriveSnapshot& snapshot) const {
    const DiskSpace* space = snapshot.SpaceOf(root);
    if (space == nullptr) {
        return Query(root, std::move(held));
    }
    held.spaceRead = true;
    ApplyDiskSpace(held, *space);
    return Complete(root, std::move(held));
}

std::string DriveInventory::VolumeLabel(const std::string& root) const {
    VolumeInformation info;
    return system.QueryVolumeInformation(root, info) ? info.volumeName : std::string();
}

std::string DriveInventory::FindSystemDriveRoot() {
    std::string windowsDirectory;
    if (!system.QueryWindowsDirectory(windowsDirectory)) {
        return "Not find";
    }
    // The folder that holds the Windows directory: "C:\" for "C:\WINDOWS".
    const std::size_t slash = windowsDirectory.find_last_of("\\/");
    if (slash == std::string::npos || slash + 1 == windowsDirectory.size() ||
        !system.PathExists(windowsDirectory)) {
        return systemDriveRoot;
    }
    systemDriveRoot = windowsDirectory.substr(0, slash + 1);
    return systemDriveRoot;
}

} // namespace drives
