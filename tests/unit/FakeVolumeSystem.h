#pragma once
// A machine described in a few lines: which letters exist, their type, sizes
// and volume information, and whether each query succeeds.
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
                   std::uint64_t free, const std::string& label = "", std::uint32_t serial = 0,
                   const std::string& fileSystem = "NTFS") {
        FakeDrive& drive = drives_[root];
        drive.type = type;
        drive.space = {free, total, free};
        drive.info = {label, fileSystem, serial, 255, 0x2F};
        return drive;
    }
    FakeDrive& Fixed(const std::string& root, std::uint64_t total, std::uint64_t free,
                     const std::string& label = "", std::uint32_t serial = 0) {
        return Add(root, drives::DriveType::Fixed, total, free, label, serial);
    }
    FakeDrive& operator[](const std::string& root) { return drives_[root]; }

    std::uint32_t LogicalDrives() override {
        ++logicalDrivesCalls;
        std::uint32_t letters = 0;
        for (const auto& drive : drives_) {
            letters |= 1u << (drive.first[0] - 'A');
        }
        return letters | extraLetters;
    }
    drives::DriveType QueryDriveType(const std::string& root) override {
        typeQueries.push_back(root);
        auto it = drives_.find(root);
        return it == drives_.end() ? drives::DriveType::NoRootDir : it->second.type;
    }
    bool QueryDiskFreeSpace(const std::string& root, drives::DiskSpace& space) override {
        ++spaceQueries;
        auto it = drives_.find(root);
        if (it == drives_.end() || it->second.spaceFails) {
            return false;
        }
        space = it->second.space;
        return true;
    }
    bool QueryVolumeInformation(const std::string& root, drives::VolumeInformation& info) override {
        auto it = drives_.find(root);
        if (it == drives_.end() || it->second.infoFails) {
            return false;
        }
        info = it->second.info;
        return true;
    }
    bool QueryWindowsDirectory(std::string& directory) override {
        if (windowsDirectory.empty()) {
            return false;
        }
        directory = windowsDirectory;
        return true;
    }
    bool PathExists(const std::string& path) override { return path == windowsDirectory; }

    std::string windowsDirectory = "C:\\WINDOWS";
    // Letters reported to exist without a drive behind them (0xFFFFFFFF: all).
    std::uint32_t extraLetters = 0;
    int logicalDrivesCalls = 0;
    int spaceQueries = 0;
    std::vector<std::string> typeQueries;

  private:
    std::map<std::string, FakeDrive> drives_;
};

} // namespace testing_support
