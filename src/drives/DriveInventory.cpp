#include "drives/DriveInventory.h"

#include "base/Format.h"

#include <cmath>

namespace drives {

const std::array<const char*, 24> DriveRootTable = {
    "C:\\", "D:\\", "E:\\", "F:\\", "G:\\", "H:\\", "I:\\", "J:\\", "K:\\", "L:\\", "M:\\", "N:\\",
    "O:\\", "P:\\", "Q:\\", "R:\\", "S:\\", "T:\\", "U:\\", "V:\\", "W:\\", "X:\\", "Y:\\", "Z:\\"};

std::string SerialNumberText(std::uint32_t serialNumber) {
    const std::string hex = base::Format("%X", serialNumber);
    const std::string head = hex.substr(0, 4);
    const std::string tail = hex.size() > 4 ? hex.substr(hex.size() - 4) : hex;
    return "Serial Number: " + head + "-" + tail;
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

float UsedBarValueOf(std::uint64_t usedBytes, std::uint64_t totalBytes) {
    if (totalBytes == 0) {
        return 0.0f;
    }
    const float divisor = static_cast<float>(totalBytes);
    return static_cast<float>(static_cast<double>(usedBytes * 100) / divisor + 1.0);
}

int BarPosition(float value) {
    if (!std::isfinite(value)) {
        return 0;
    }
    return static_cast<int>(value);
}

bool FreeSpaceIsLow(float freePercent) { return freePercent < 10.0f; }
bool UsedTotalIsHigh(std::uint64_t usedPercent) { return usedPercent > 89; }
bool FreeTotalIsLow(std::uint64_t freeTotalPercent) { return freeTotalPercent < 10; }

bool IsSystemDrive(const std::string& root, const std::string& systemDriveRoot) {
    // An unknown system drive makes no drive the system drive.
    return !systemDriveRoot.empty() && root.find(systemDriveRoot) != std::string::npos;
}

void ApplyDiskSpace(VolumeFacts& facts, const DiskSpace& space) {
    facts.freeBytesAvailable = space.freeBytesAvailable;
    facts.totalBytes = space.totalBytes;
    facts.totalFreeBytes = space.totalFreeBytes;
    facts.usedBytes = facts.totalBytes - facts.totalFreeBytes;
    facts.capacityText = SizeText("Capacity: %.2f GB", facts.totalBytes);
    facts.usedText = SizeText("Used: %.2f GB", facts.usedBytes);
    facts.freeText = SizeText("Free: %.2f GB ", facts.totalFreeBytes);
}

void ApplyVolumeInformation(VolumeFacts& facts, const VolumeInformation& info,
                            const char* maxLengthFormat) {
    facts.volumeName = info.volumeName;
    facts.fileSystemName = info.fileSystemName;
    facts.serialNumber = info.serialNumber;
    facts.maxComponentLength = info.maxComponentLength;
    facts.fileSystemFlags = info.fileSystemFlags;
    facts.volumeNameText = base::Format("Volume Name: %s", facts.volumeName.c_str());
    facts.serialNumberText = SerialNumberText(facts.serialNumber);
    facts.maxNameLengthText = base::Format(maxLengthFormat, static_cast<int>(facts.maxComponentLength));
    facts.fileSystemText = base::Format("File System: %s", facts.fileSystemName.c_str());
}

bool DriveInventory::QueryFixedDrive(const char* root) {
    if (system_.QueryDriveType(root) != DriveType::Fixed) {
        return false;
    }
    DiskSpace space;
    if (!system_.QueryDiskFreeSpace(root, space)) {
        return false;
    }
    facts.freeBytesAvailable = space.freeBytesAvailable;
    facts.totalBytes = space.totalBytes;
    facts.totalFreeBytes = space.totalFreeBytes;
    return true;
}

void DriveInventory::BuildFixedDriveList() {
    FixedDriveList.clear();
    for (const char* root : DriveRootTable) {
        if (QueryFixedDrive(root)) {
            FixedDriveList.push_back(base::Format("%s", root));
        }
    }
}

void DriveInventory::QueryVolumeFacts(std::string root) {
    facts.freePercent = 0.0f;
    facts.usedBarValue = 0.0f;

    DiskSpace space;
    if (system_.QueryDiskFreeSpace(root, space)) {
        ApplyDiskSpace(facts, space);
    }
    // A failed query keeps the texts; the percentages follow the counters held.
    facts.freePercent = FreePercentOf(facts.totalFreeBytes, facts.totalBytes);
    facts.usedBarValue = UsedBarValueOf(facts.usedBytes, facts.totalBytes);

    VolumeInformation info;
    if (system_.QueryVolumeInformation(root, info)) {
        ApplyVolumeInformation(facts, info);
    }
}

std::string DriveInventory::CapacityTotalText() {
    totals.capacityGB = 0;
    for (const char* root : DriveRootTable) {
        if (QueryFixedDrive(root)) {
            totals.capacityGB += facts.totalBytes >> 30;
        }
    }
    return base::Format(". Storage Capacity: %llu GB", static_cast<unsigned long long>(totals.capacityGB));
}

std::string DriveInventory::UsedTotalText() {
    totals.usedGB = 0;
    totals.capacityGB = 0;
    for (const char* root : DriveRootTable) {
        if (QueryFixedDrive(root)) {
            facts.usedBytes = facts.totalBytes - facts.totalFreeBytes;
            totals.usedGB += facts.usedBytes >> 30;
            totals.capacityGB += facts.totalBytes >> 30;
        }
    }
    totals.usedPercent = totals.capacityGB == 0 ? 0 : totals.usedGB * 100 / totals.capacityGB;
    return base::Format(". Used: %llu GB", static_cast<unsigned long long>(totals.usedGB));
}

std::string DriveInventory::FreeTotalText() {
    totals.freeGB = 0;
    totals.capacityGB = 0;
    for (const char* root : DriveRootTable) {
        if (QueryFixedDrive(root)) {
            totals.freeGB += facts.totalFreeBytes >> 30;
            totals.capacityGB += facts.totalBytes >> 30;
        }
    }
    totals.freeTotalPercent = totals.capacityGB == 0 ? 0 : totals.freeGB * 100 / totals.capacityGB;
    return base::Format(". Free: %llu GB", static_cast<unsigned long long>(totals.freeGB));
}

std::string DriveInventory::FindSystemDriveRoot() {
    std::string windowsDirectory;
    if (!system_.QueryWindowsDirectory(windowsDirectory)) {
        return "Not find";
    }
    // The folder that holds the Windows directory: "C:\" for "C:\WINDOWS".
    const std::size_t slash = windowsDirectory.find_last_of("\\/");
    if (slash == std::string::npos || slash + 1 == windowsDirectory.size() ||
        !system_.PathExists(windowsDirectory)) {
        return systemDriveRoot;
    }
    systemDriveRoot = windowsDirectory.substr(0, slash + 1);
    return systemDriveRoot;
}

} // namespace drives
