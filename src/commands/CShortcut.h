#pragma once
// Writes shell link files into a special folder such as the desktop.
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

    // The folder's file-system path with a backslash appended.
    static bool GetSpecialFolderPath(int folder, std::string& path);

    // Command-line arguments stored in every link; empty unless set.
    std::string arguments;
};
