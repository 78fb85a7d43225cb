#pragma once
// The volume queries answered by Windows.
#include "drives/VolumeSystem.h"

class CWin32VolumeSystem : public drives::VolumeSystem {
  public:
    std::uint32_t LogicalDrives() override;
    drives::DriveType QueryDriveType(const std::string& root) override;
    bool QueryDiskFreeSpace(const std::string& root, drives::DiskSpace& space) override;
    bool QueryVolumeInformation(const std::string& root, drives::VolumeInformation& info) override;
    bool QueryWindowsDirectory(std::string& directory) override;
    bool PathExists(const std::string& path) override;
};
