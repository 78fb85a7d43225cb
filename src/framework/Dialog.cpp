#include "framework/Dialog.h"

#include "framework/Application.h"
#include "framework/CreationHook.h"

namespace fw {

Dialog::Dialog(UINT templateId, HWND parent) noexcept : templateId(templateId), parent(parent) {}

const MessageMap& Dialog::Messages() {
    static const MessageEntry entries[] = {
        OnMessage<&Dialog::OnInitDialogMessage>(WM_INITDIALOG),
        OnCommand<&Dialog::OnOkCommand>(IDOK),
        OnCommand<&Dialog::OnCancelCommand>(IDCANCEL),
    };
    static const MessageMap map(entries, &Window::Messages());
    return map;
}

INT_PTR CALLBACK Dialog::MinimalDialogProc(HWND, UINT message, WPARAM, LPARAM) noexcept {
    // The dialog's window procedure is ours; this only answers the dialog
    // manager's own questions with the defaults.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

LRESULT Dialog::OnInitDialogMessage(WPARAM, LPARAM) {
    DoDataExchange();
    return OnInitDialog();
}

bool Dialog::PreTranslateMessage(MSG& message) {
    return IsDialogMessageA(GetHwnd(), &message) != FALSE;
}

bool Dialog::MoveFocusOnTab(const MSG& message) noexcept {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) {
        return false;
    }
    MSG asked = message;
    if ((SendMessageA(message.hwnd, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&asked)) &
         DLGC_WANTTAB) != 0) {
        return false;
    }
    const bool backwards = GetKeyState(VK_SHIFT) < 0;
    HWND next = GetNextDlgTabItem(GetHwnd(), GetFocus(), backwards);
    if (next != nullptr) {
        SendMessageA(GetHwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
        SetFocus(next);
    }
    return true;
}

void Dialog::EndDialog(INT_PTR dialogResult) noexcept {
    result = dialogResult;
    ended = true;
    if (GetHwnd() != nullptr) {
        PostMessageA(GetHwnd(), WM_NULL, 0, 0);
    }
}

INT_PTR Dialog::DoModal() {
    HWND owner = parent;
    if (owner == nullptr) {
        HWND main = MainWindowHandle();
        if (main != nullptr && main != GetHwnd() && IsWindow(main)) {
            owner = main;
        }
    }
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);

    ended = false;
    result = -1;
    if (!HookNextWindowCreate(*this, "#32770")) {
        return -1;
    }
    HWND created = CreateDialogParamA(ResourceInstance(), MAKEINTRESOURCEA(templateId), owner,
                                      &MinimalDialogProc, 0);
    UnhookWindowCreate();
    if (created == nullptr || GetHwnd() != created) {
        if (created != nullptr) {
            DestroyWindow(created);
        }
        return -1;
    }
    if (disableOwner) {
        EnableWindow(owner, FALSE);
    }
    if (!ended && !IsWindowVisible(created)) {
        ShowWindow(created, SW_SHOWNORMAL);
    }

    MSG message;
    while (!ended && IsWindow(created)) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) {
            break;
        }
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            result = -1;
            break;
        }
        const bool ours = message.hwnd == created || IsChild(created, message.hwnd);
        if (ours && Guarded([&] { return PreTranslateMessage(message); }, false)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }

    if (disableOwner) {
        EnableWindow(owner, TRUE);
    }
    if (IsWindow(created)) {
        if (owner != nullptr && GetActiveWindow() == created) {
            SetActiveWindow(owner);
        }
        SetWindowPos(created, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        DestroyWindow(created);
    }
    return result;
}

} // namespace fw
