#include "ProcessResources.h"

#include <psapi.h>

#include <cstdio>

namespace bench {

namespace {

// GetGuiResources is not implemented everywhere (Wine answers 0). Then the
// objects are counted by asking about every handle value the process could
// hold: GDI and USER handles are a 16-bit table index in the low word, and a
// handle whose high word is 0 names the table entry whatever its generation.
int CountGdiObjects() {
    int count = 0;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) {
            ++count;
        }
    }
    return count;
}

int CountMenus() {
    int count = 0;
    for (UINT_PTR index = 0x20; index <= 0xFFFE; index += 2) {
        if (IsMenu(reinterpret_cast<HMENU>(index))) {
            ++count;
        }
    }
    return count;
}

int CountIcons() {
    int count = 0;
    for (UINT_PTR index = 0x20; index <= 0xFFFE; index += 2) {
        ICONINFO info{};
        if (GetIconInfo(reinterpret_cast<HICON>(index), &info)) {
            ++count;
            if (info.hbmMask != nullptr) {
                DeleteObject(info.hbmMask);
            }
            if (info.hbmColor != nullptr) {
                DeleteObject(info.hbmColor);
            }
        }
    }
    return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++*reinterpret_cast<int*>(data);
    return TRUE;
}

BOOL CALLBACK CountTopWindow(HWND window, LPARAM data) {
    ++*reinterpret_cast<int*>(data);
    EnumChildWindows(window, CountChild, data);
    return TRUE;
}

int CountWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTopWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

void AddLine(std::string& text, const char* stage, const char* name, double before, double after,
             bool percent) {
    char line[200];
    if (percent) {
        const double growth = before > 0 ? (after - before) * 100.0 / before : 0.0;
        std::snprintf(line, sizeof line, "steady %s %s %.0f %.0f %+.2f%%\n", stage, name, before,
                      after, growth);
    } else {
        std::snprintf(line, sizeof line, "steady %s %s %.0f %.0f %+.0f\n", stage, name, before,
                      after, after - before);
    }
    text += line;
}

} // namespace

ResourceSnapshot TakeSnapshot() {
    ResourceSnapshot snapshot;
    snapshot.gdiObjects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    snapshot.userObjects = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    snapshot.liveGdiObjects = CountGdiObjects();
    snapshot.liveWindows = CountWindows();
    snapshot.liveMenus = CountMenus();
    snapshot.liveIcons = CountIcons();
    // Memory last, so that what the counting itself needs is already there.
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        snapshot.workingSetBytes = memory.WorkingSetSize;
        snapshot.privateBytes =
            memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
    }

    return snapshot;
}

std::string CompareSnapshots(const char* stage, const ResourceSnapshot& before,
                             const ResourceSnapshot& after) {
    std::string text;
    AddLine(text, stage, "working-set-KiB", before.workingSetBytes / 1024.0,
            after.workingSetBytes / 1024.0, true);
    AddLine(text, stage, "private-KiB", before.privateBytes / 1024.0, after.privateBytes / 1024.0,
            true);
    AddLine(text, stage, "GetGuiResources-GDI", before.gdiObjects, after.gdiObjects, false);
    AddLine(text, stage, "GetGuiResources-USER", before.userObjects, after.userObjects, false);
    AddLine(text, stage, "live-GDI-objects", before.liveGdiObjects, after.liveGdiObjects, false);
    AddLine(text, stage, "live-windows", before.liveWindows, after.liveWindows, false);
    AddLine(text, stage, "live-menus", before.liveMenus, after.liveMenus, false);
    AddLine(text, stage, "live-icons", before.liveIcons, after.liveIcons, false);
    return text;
}

} // namespace bench
