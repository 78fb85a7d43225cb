#pragma once
// Writes shell link files into a special folder such as the desktop.
#include "drives/DriveInventory.h"

#include <windows.h>

#include <string>

class CShortcut {
  public:
    CShortcut() = default;
    virtual ~CShortcut() = default;

    // Writes <folder>\<name>.lnk; `target` "_this" stands for the program's own
    // file. Returns 1 when the link was saved, 0 otherwise.
    int CreateShortcut(const std::string& target, const std::string& name, int folder,
                       const std::string& description, const std::string& iconPath, int iconIndex);

    // A link to the drive on the desktop, named after its volume label read
    // afresh, described with the time it was made. Asks before an existing file
    // is replaced and says when the link could not be written; 1 when written.
    int CreateDriveShortcut(HWND owner, const drives::DriveInventory& inventory,
                            const std::string& root);

    // The folder's file-system path with a backslash appended.
    static bool GetSpecialFolderPath(int folder, std::string& path);

    // Command-line arguments stored in every link; empty unless set.
    std::string arguments;
};
