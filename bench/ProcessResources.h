#pragma once
// What the running process holds: memory, and GDI and USER objects.
#include <windows.h>

#include <string>

namespace bench {

struct ResourceSnapshot {
    SIZE_T workingSetBytes = 0;
    SIZE_T privateBytes = 0;
    // From GetGuiResources; 0 when the platform does not answer.
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    // Counted by probing the process's own handle tables (see the .cpp).
    int liveGdiObjects = 0;
    int liveWindows = 0;
    int liveMenus = 0;
    int liveIcons = 0;
};

ResourceSnapshot TakeSnapshot();

// "name before after growth" lines for each figure.
std::string CompareSnapshots(const char* stage, const ResourceSnapshot& before,
                             const ResourceSnapshot& after);

} // namespace bench
