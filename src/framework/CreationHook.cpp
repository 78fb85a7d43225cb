#include "framework/CreationHook.h"

#include "framework/Handles.h"

#include <cstring>

namespace fw {
namespace {

Hook creationHook;
Window* pendingWindow = nullptr;
const char* pendingClass = nullptr;

LRESULT CALLBACK CreationHookProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HCBT_CREATEWND && pendingWindow != nullptr) {
        HWND created = reinterpret_cast<HWND>(wParam);
        char className[256] = {};
        GetClassNameA(created, className, sizeof className - 1);
        // Input-method windows are created on the side; they never are ours.
        const bool isIme = lstrcmpiA(className, "IME") == 0;
        const bool wanted = pendingClass == nullptr || std::strcmp(className, pendingClass) == 0;
        if (!isIme && wanted) {
            Window* window = pendingWindow;
            UnhookWindowCreate();
            window->Subclass(created);
            return 0;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

bool HookNextWindowCreate(Window& window, const char* className) noexcept {
    UnhookWindowCreate();
    creationHook.Reset(SetWindowsHookExA(WH_CBT, &CreationHookProc, nullptr, GetCurrentThreadId()));
    if (!creationHook) {
        return false;
    }
    pendingWindow = &window;
    pendingClass = className;
    return true;
}

void UnhookWindowCreate() noexcept {
    creationHook.Reset();
    pendingWindow = nullptr;
    pendingClass = nullptr;
}

bool IsWindowCreateHooked() noexcept {
    return static_cast<bool>(creationHook);
}

} // namespace fw
