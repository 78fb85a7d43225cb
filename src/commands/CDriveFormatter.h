#pragma once
// Opens the shell's format dialog for a drive and prefills its volume-label
// field through a one-shot hook on the first window activated afterwards.
#include "drives/DriveInventory.h"

#include <windows.h>

#include <string>

class CDriveFormatter {
  public:
    // The format dialog for `root` with its current label; nothing for a root
    // outside "C:\" to "Z:\".
    static void FormatVolume(HWND owner, const drives::DriveInventory& inventory,
                             const std::string& root);

    // 0: shell32.dll or its format entry point is missing, 1: the shell
    // returned 0, 2: it returned anything else.
    static int FormatDrive(HWND owner, UINT drive, bool fullOption, const char* label);

    // Arms the prefill hook for the next window activated on this thread.
    static void InstallHook(const char* label);
    // Removes the hook if it is still armed; harmless when it is not.
    static void RemoveHook();
    static bool HookInstalled();

  private:
    static LRESULT CALLBACK ActivateHookProc(int code, WPARAM wParam, LPARAM lParam);
    static BOOL CALLBACK PrefillEditProc(HWND child, LPARAM);
};
