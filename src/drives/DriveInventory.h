#pragma once
// The fixed drives of the machine, the facts of the volume queried last and the
// whole-gigabyte totals over all fixed drives.
#include "drives/VolumeSystem.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace drives {

// The roots "C:\" to "Z:\"; drives A and B are never looked at.
extern const std::array<const char*, 24> DriveRootTable;

constexpr double BytesPerGigabyte = 1073741824.0;

struct VolumeFacts {
    std::string volumeName;
    std::string fileSystemName;
    std::uint32_t serialNumber = 0;
    std::uint32_t maxComponentLength = 0;
    std::uint32_t fileSystemFlags = 0;
    std::string serialNumberText;
    std::string fileSystemText;
    std::string volumeNameText;
    std::string maxNameLengthText;
    std::string capacityText;
    std::string freeText;
    std::string usedText;
    std::uint64_t freeBytesAvailable = 0;
    std::uint64_t totalBytes = 0;
    std::uint64_t totalFreeBytes = 0;
    std::uint64_t usedBytes = 0;
    float freePercent = 0.0f;
    float usedBarValue = 0.0f;
};

// Takes the answers of the two volume queries into the facts with their texts.
// The report words the maximum length differently from the drive view.
constexpr const char* ViewMaxLengthFormat = "Max Filename Length Support: %d";
void ApplyDiskSpace(VolumeFacts& facts, const DiskSpace& space);
void ApplyVolumeInformation(VolumeFacts& facts, const VolumeInformation& info,
                            const char* maxLengthFormat = ViewMaxLengthFormat);

struct FixedDriveTotals {
    std::uint64_t capacityGB = 0;
    std::uint64_t freeGB = 0;
    std::uint64_t freeTotalPercent = 0;
    std::uint64_t usedGB = 0;
    std::uint64_t usedPercent = 0;
};

// "Serial Number: " and the serial's first and last four hexadecimal digits.
std::string SerialNumberText(std::uint32_t serialNumber);
std::string SizeText(const char* format, std::uint64_t bytes);

// Percentages of one volume; a volume reporting 0 bytes gives 0 for both.
float FreePercentOf(std::uint64_t totalFreeBytes, std::uint64_t totalBytes);
float UsedBarValueOf(std::uint64_t usedBytes, std::uint64_t totalBytes);
// Whole-number percentage as the bars and the report show it (cut toward zero).
int BarPosition(float value);

// Colour rules of the drive view.
bool FreeSpaceIsLow(float freePercent);             // below 10 % (not a number: no)
bool UsedTotalIsHigh(std::uint64_t usedPercent);    // above 89 %
bool FreeTotalIsLow(std::uint64_t freeTotalPercent); // below 10 %

bool IsSystemDrive(const std::string& root, const std::string& systemDriveRoot);

class DriveInventory {
public:
    explicit DriveInventory(VolumeSystem& system) : system_(system) {}

    void BuildFixedDriveList();
    void QueryVolumeFacts(std::string root);
    std::string CapacityTotalText();
    std::string UsedTotalText();
    std::string FreeTotalText();
    std::string FindSystemDriveRoot();
    bool IsSystemDrive(const std::string& root) const {
        return drives::IsSystemDrive(root, systemDriveRoot);
    }

    VolumeSystem& System() { return system_; }

    std::vector<std::string> FixedDriveList;
    VolumeFacts facts;
    FixedDriveTotals totals;
    std::string systemDriveRoot;

private:
    bool QueryFixedDrive(const char* root);

    VolumeSystem& system_;
};

} // namespace drives
