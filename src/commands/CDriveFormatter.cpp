#include "commands/CDriveFormatter.h"

#include "commands/DriveNumber.h"
#include "framework/Handles.h"
#include "framework/SystemLibrary.h"

#include <cstring>

namespace {

// The hook procedure receives no context of its own; both values belong to the
// user-interface thread and the label is valid only while FormatDrive runs.
fw::Hook activateHook;
const char* prefillLabel = "";

using FormatFunction = DWORD(WINAPI*)(HWND, UINT, UINT, UINT);

constexpr UINT FormatIdDefault = 0xFFFF;
constexpr UINT FormatOptionFull = 1;

} // namespace

void CDriveFormatter::FormatVolume(HWND owner, const drives::DriveInventory& inventory,
                                   const std::string& root) {
    const std::string label = inventory.VolumeLabel(root);
    const int drive = commands::ShellDriveNumber(root);
    if (drive >= 0) {
        FormatDrive(owner, static_cast<UINT>(drive), false, label.c_str());
    }
}

int CDriveFormatter::FormatDrive(HWND owner, UINT drive, bool fullOption, const char* label) {
    fw::Library shell(fw::LoadSystemLibrary("shell32.dll"));
    if (!shell) {
        return 0;
    }
    const auto format = reinterpret_cast<FormatFunction>(
        reinterpret_cast<void*>(GetProcAddress(shell.Get(), "SHFormatDrive")));
    if (format == nullptr) {
        return 0;
    }
    InstallHook(label);
    const DWORD result = format(owner, drive, FormatIdDefault, fullOption ? FormatOptionFull : 0);
    // The shell may return without ever showing its dialog.
    RemoveHook();
    prefillLabel = "";
    return result != 0 ? 2 : 1;
}

void CDriveFormatter::InstallHook(const char* label) {
    RemoveHook();
    prefillLabel = label != nullptr ? label : "";
    // A hook of this thread needs no module: its procedure is called in place.
    activateHook.Reset(SetWindowsHookExA(WH_CBT, ActivateHookProc, nullptr, GetCurrentThreadId()));
}

void CDriveFormatter::RemoveHook() {
    activateHook.Reset();
}

bool CDriveFormatter::HookInstalled() {
    return static_cast<bool>(activateHook);
}

LRESULT CALLBACK CDriveFormatter::ActivateHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HCBT_ACTIVATE) {
        return CallNextHookEx(activateHook.Get(), code, wParam, lParam);
    }
    EnumChildWindows(reinterpret_cast<HWND>(wParam), PrefillEditProc, 0);
    RemoveHook();
    return 0;
}

BOOL CALLBACK CDriveFormatter::PrefillEditProc(HWND child, LPARAM) {
    char className[256] = {};
    GetClassNameA(child, className, 255);
    if (std::strcmp(className, "Edit") != 0) {
        return TRUE;
    }
    SetWindowTextA(child, prefillLabel);
    return FALSE;
}
