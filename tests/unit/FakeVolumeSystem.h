#pragma once
// A machine's drives described in a few lines, each query able to fail; it counts questions.
#include "drives/VolumeSystem.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

constexpr std::uint64_t GiB = 1ull << 30;

struct FakeDrive {
    drives::DriveType type = drives::DriveType::Fixed;
    drives::DiskSpace space;
    drives::VolumeInformation info;
    bool spaceFails = false;
    bool infoFails = false;
};

class FakeVolumeSystem : public drives::VolumeSystem {
  public:
    FakeDrive& Add(const std::string& root, drives::DriveType type, std::uint64_t total,
                   std::uint64_t free, const std::string& label = "", std::uint32_t serial = 0) {
        drives[root] = {type, {free, total, free}, {label, "NTFS", serial, 255, 0x2F}};
        return drives[root];
    }
    FakeDrive& Fixed(const std::string& root, std::uint64_t total, std::uint64_t free,
                     const std::string& label = "", std::uint32_t serial = 0) {
        return Add(root, drives::DriveType::Fixed, total, free, label, serial);
    }
    FakeDrive& operator[](const std::string& root) { return drives[root]; }

    std::uint32_t LogicalDrives() override {
        ++logicalDrivesCalls;
        std::uint32_t letters = 0;
        for (const auto& drive : drives)
            letters |= 1u << (drive.first[0] - 'A');
        return letters;
    }
    drives::DriveType QueryDriveType(const std::string& root) override {
        typeQueries.push_back(root);
        const FakeDrive* drive = Find(root);
        return drive ? drive->type : drives::DriveType::NoRootDir;
    }
    bool QueryDiskFreeSpace(const std::string& root, drives::DiskSpace& space) override {
        ++spaceQueries;
        const FakeDrive* drive = Find(root);
        return drive && !drive->spaceFails && (space = drive->space, true);
    }
    bool QueryVolumeInformation(const std::string& root, drives::VolumeInformation& info) override {
        const FakeDrive* drive = Find(root);
        return drive && !drive->infoFails && (info = drive->info, true);
    }
    bool QueryWindowsDirectory(std::string& directory) override {
        directory = windowsDirectory;
        return !windowsDirectory.empty();
    }
    bool PathExists(const std::string& path) override { return path == windowsDirectory; }

    std::string windowsDirectory = "C:\\WINDOWS";
    int logicalDrivesCalls = 0;
    int spaceQueries = 0;
    std::vector<std::string> typeQueries;

  private:
    const FakeDrive* Find(const std::string& root) const {
        const auto it = drives.find(root);
        return it == drives.end() ? nullptr : &it->second;
    }
    std::map<std::string, FakeDrive> drives;
};

} // namespace testing_support
