#pragma once
// The main window's context menu: the owner-drawn "Options" submenu of drive
// commands for the selected root, then "Reduce", "Exit" and "About...".
#include <windows.h>

#include <string>

class CContextMenu {
  public:
    // Shows the menu at the screen point, sized for `dpi` (the owner's); the
    // chosen command reaches `owner` as WM_COMMAND.
    static void Track(HWND owner, POINT at, const std::string& root, int dpi);
};
