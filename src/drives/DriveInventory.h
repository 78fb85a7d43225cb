#pragma once
// What the program knows about drives, as values: the facts of one volume, and
// one snapshot of all fixed drives with their whole-gigabyte totals. The
// inventory asks the volume system and hands back values; it keeps nothing but
// the system drive it found at start-up.
#include "drives/VolumeSystem.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace drives {

// The roots "C:\" to "Z:\"; drives A and B are never looked at.
extern const std::array<const char*, 24> DriveRootTable;

constexpr double BytesPerGigabyte = 1073741824.0;

// The facts of one volume: the answers of the two volume queries (their
// fields: volumeName, serialNumber..., totalBytes, totalFreeBytes...) and what
// the program makes of them.
struct VolumeFacts : VolumeInformation, DiskSpace {
    std::string serialNumberText;
    std::string fileSystemText;
    std::string volumeNameText;
    std::string maxNameLengthText;
    std::string capacityText;
    std::string freeText;
    std::string usedText;
    std::uint64_t usedBytes = 0;
    float freePercent = 0.0f;
    float usedBarValue = 0.0f;
    // Whether the last query's two questions were answered.
    bool spaceRead = false;
    bool volumeRead = false;
    bool Readable() const noexcept { return spaceRead && volumeRead; }
};

// What the view, the clipboard and the report say of a drive whose facts
// could not be read, instead of another drive's facts.
constexpr const char* UnreadableDriveText = "The facts of this drive could not be read.";

// Takes the answers of the two volume queries into the facts with their texts.
void ApplyDiskSpace(VolumeFacts& facts, const DiskSpace& space);
void ApplyVolumeInformation(VolumeFacts& facts, const VolumeInformation& info);

// The summary over the fixed drives: each figure cut once from the sum of
// the drives' bytes, and the percentages of the summed capacity.
struct FixedDriveTotals {
    std::uint64_t capacityGB = 0;
    std::uint64_t freeGB = 0;
    std::uint64_t freeTotalPercent = 0;
    std::uint64_t usedGB = 0;
    std::uint64_t usedPercent = 0;
    std::uint64_t capacityBytes = 0;
    std::uint64_t freeBytes = 0;
    std::uint64_t usedBytes = 0;
};

// A fixed drive whose space could be read.
struct FixedDrive {
    std::string root;
    DiskSpace space;
};

// One pass over the drives: the fixed ones in DriveRootTable order and their totals.
struct DriveSnapshot {
    std::vector<FixedDrive> fixedDrives;
    FixedDriveTotals totals;

    std::vector<std::string> Roots() const;
    // The space read for `root` in this pass, or null when it is not listed.
    const DiskSpace* SpaceOf(const std::string& root) const;
};

// The percentages are 0 when no capacity counts.
FixedDriveTotals TotalsOf(const std::vector<FixedDrive>& drives);
// The summary's free figure: what the used percentage leaves of 100, so that
// the two always add up to 100; 0 without any capacity.
std::uint64_t FreeTotalFigure(const FixedDriveTotals& totals);
std::string CapacityTotalText(const FixedDriveTotals& totals);
std::string UsedTotalText(const FixedDriveTotals& totals);
std::string FreeTotalText(const FixedDriveTotals& totals);

// "Serial Number: " and the serial's two halves of four hexadecimal digits.
std::string SerialNumberText(std::uint32_t serialNumber);
std::string SizeText(const char* format, std::uint64_t bytes);

// Percentages of one volume; a volume reporting 0 bytes gives 0 for both. The
// used figure is what the free one, cut to a whole number, leaves of 100, so
// that the two always add up to 100.
float FreePercentOf(std::uint64_t totalFreeBytes, std::uint64_t totalBytes);
float UsedBarValueOf(float freePercent, std::uint64_t totalBytes);
// part x 100 / whole, cut to a whole number; 0 when whole is 0.
std::uint64_t WholePercent(std::uint64_t part, std::uint64_t whole);
// The free space that texts, percentages, bars and totals show: the volume's
// free bytes, or where they exceed its size (a disk quota makes the size the
// caller's quota, but leaves the free bytes the whole disk's) what the caller
// may use, never more than the size.
std::uint64_t FreeBytesShown(const DiskSpace& space);
// Whole-number percentage as the bars and the report show it (cut toward zero).
int BarPosition(float value);

// Colour rules of the drive view.
bool FreeSpaceIsLow(float freePercent);              // below 10 % (not a number: no)
bool UsedTotalIsHigh(std::uint64_t usedPercent);     // above 89 %
bool FreeTotalIsLow(std::uint64_t freeTotalPercent); // below 10 %

bool IsSystemDrive(const std::string& root, const std::string& systemDriveRoot);

class DriveInventory {
  public:
    explicit DriveInventory(VolumeSystem& system) : system(system) {}

    // Asks which letters exist, the type of each of those, and the space of
    // each fixed drive: once each.
    DriveSnapshot TakeSnapshot() const;

    // The facts of `root`, starting from `held`: what the system answers
    // replaces it; a question that fails leaves its texts and counters as held,
    // and the percentages follow the counters. With a snapshot, its space of
    // the root is taken instead of asking again.
    VolumeFacts Query(const std::string& root, VolumeFacts held = {}) const;
    VolumeFacts Query(const std::string& root, VolumeFacts held,
                      const DriveSnapshot& snapshot) const;

    // The volume label read afresh; empty when the volume cannot be read.
    std::string VolumeLabel(const std::string& root) const;

    // Finds the folder that holds the Windows directory ("C:\") and keeps it;
    // "Not find" when the Windows directory cannot be read.
    std::string FindSystemDriveRoot();
    bool IsSystemDrive(const std::string& root) const {
        return drives::IsSystemDrive(root, systemDriveRoot);
    }
    const std::string& SystemDriveRoot() const noexcept { return systemDriveRoot; }

  private:
    VolumeFacts Complete(const std::string& root, VolumeFacts facts) const;

    VolumeSystem& system;
    std::string systemDriveRoot;
};

} // namespace drives
