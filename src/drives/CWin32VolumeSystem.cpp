#include "drives/CWin32VolumeSystem.h"

#include "framework/Handles.h"

#include <windows.h>

using drives::DriveType;

std::uint32_t CWin32VolumeSystem::LogicalDrives() {
    return GetLogicalDrives();
}

DriveType CWin32VolumeSystem::QueryDriveType(const std::string& root) {
    switch (GetDriveTypeA(root.c_str())) {
    case DRIVE_NO_ROOT_DIR:
        return DriveType::NoRootDir;
    case DRIVE_REMOVABLE:
        return DriveType::Removable;
    case DRIVE_FIXED:
        return DriveType::Fixed;
    case DRIVE_REMOTE:
        return DriveType::Remote;
    case DRIVE_CDROM:
        return DriveType::CdRom;
    case DRIVE_RAMDISK:
        return DriveType::RamDisk;
    default:
        return DriveType::Unknown;
    }
}

bool CWin32VolumeSystem::QueryDiskFreeSpace(const std::string& root, drives::DiskSpace& space) {
    ULARGE_INTEGER available{}, total{}, totalFree{};
    if (!GetDiskFreeSpaceExA(root.c_str(), &available, &total, &totalFree)) {
        return false;
    }
    space.freeBytesAvailable = available.QuadPart;
    space.totalBytes = total.QuadPart;
    space.totalFreeBytes = totalFree.QuadPart;
    return true;
}

bool CWin32VolumeSystem::QueryVolumeInformation(const std::string& root,
                                                drives::VolumeInformation& info) {
    char volumeName[256] = {};
    char fileSystemName[256] = {};
    DWORD serial = 0, maxComponent = 0, flags = 0;
    if (!GetVolumeInformationA(root.c_str(), volumeName, sizeof volumeName, &serial, &maxComponent,
                               &flags, fileSystemName, sizeof fileSystemName)) {
        return false;
    }
    info.volumeName = volumeName;
    info.fileSystemName = fileSystemName;
    info.serialNumber = serial;
    info.maxComponentLength = maxComponent;
    info.fileSystemFlags = flags;
    return true;
}

bool CWin32VolumeSystem::QueryWindowsDirectory(std::string& directory) {
    // Asked for its length first: in UTF-8 a folder's name may take more bytes
    // than it has characters.
    const UINT needed = GetWindowsDirectoryA(nullptr, 0);
    if (needed == 0) {
        return false;
    }
    std::string buffer(needed, '\0');
    const UINT length = GetWindowsDirectoryA(&buffer[0], needed);
    if (length == 0 || length >= needed) {
        return false;
    }
    directory = buffer.substr(0, length);
    return true;
}

bool CWin32VolumeSystem::PathExists(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    const fw::FileSearch searchOwner(search);
    return true;
}
