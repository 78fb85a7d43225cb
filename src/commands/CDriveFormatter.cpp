#include "commands/CDriveFormatter.h"

#include <cstring>

namespace {

// The hook procedure receives no context of its own; both values belong to the
// user-interface thread and the label is valid only while FormatDrive runs.
HHOOK activateHook = nullptr;
const char* prefillLabel = "";

using FormatFunction = DWORD(WINAPI*)(HWND, UINT, UINT, UINT);

constexpr UINT FormatIdDefault = 0xFFFF;
constexpr UINT FormatOptionFull = 1;

} // namespace

int CDriveFormatter::FormatDrive(HWND owner, UINT drive, bool fullOption, const char* label) {
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (shell == nullptr) {
        return 0;
    }
    const auto format = reinterpret_cast<FormatFunction>(
        reinterpret_cast<void*>(GetProcAddress(shell, "SHFormatDrive")));
    if (format == nullptr) {
        FreeLibrary(shell);
        return 0;
    }
    InstallHook(label);
    const DWORD result = format(owner, drive, FormatIdDefault, fullOption ? FormatOptionFull : 0);
    // The shell may return without ever showing its dialog.
    RemoveHook();
    prefillLabel = "";
    FreeLibrary(shell);
    return result != 0 ? 2 : 1;
}

void CDriveFormatter::InstallHook(const char* label) {
    RemoveHook();
    prefillLabel = label != nullptr ? label : "";
    // A hook of this thread needs no module: its procedure is called in place.
    activateHook = SetWindowsHookExA(WH_CBT, ActivateHookProc, nullptr, GetCurrentThreadId());
}

void CDriveFormatter::RemoveHook() {
    if (activateHook != nullptr) {
        UnhookWindowsHookEx(activateHook);
        activateHook = nullptr;
    }
}

bool CDriveFormatter::HookInstalled() {
    return activateHook != nullptr;
}

LRESULT CALLBACK CDriveFormatter::ActivateHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HCBT_ACTIVATE) {
        return CallNextHookEx(activateHook, code, wParam, lParam);
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
