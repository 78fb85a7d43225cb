#pragma once
// What the program asks the operating system about drives and volumes. The
// program talks to Windows through CWin32VolumeSystem; tests use a fake.
#include <cstdint>
#include <string>

namespace drives {

enum class DriveType { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

struct DiskSpace {
    std::uint64_t freeBytesAvailable = 0;
    std::uint64_t totalBytes = 0;
    std::uint64_t totalFreeBytes = 0;
};

struct VolumeInformation {
    std::string volumeName;
    std::string fileSystemName;
    std::uint32_t serialNumber = 0;
    std::uint32_t maxComponentLength = 0;
    std::uint32_t fileSystemFlags = 0;
};

class VolumeSystem {
  public:
    virtual ~VolumeSystem() = default;
    // The drive letters that exist: bit 0 for A, bit 2 for C; 0 when unknown.
    virtual std::uint32_t LogicalDrives() = 0;
    virtual DriveType QueryDriveType(const std::string& root) = 0;
    virtual bool QueryDiskFreeSpace(const std::string& root, DiskSpace& space) = 0;
    virtual bool QueryVolumeInformation(const std::string& root, VolumeInformation& info) = 0;
    virtual bool QueryWindowsDirectory(std::string& directory) = 0;
    // True when a file or folder exists at `path` (used to locate the system drive).
    virtual bool PathExists(const std::string& path) = 0;
};

} // namespace drives
