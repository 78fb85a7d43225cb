#include "tray/CTrayIconDialog.h"

#include "base/Format.h"
#include "framework/Application.h"

#include <cstring>

namespace {

// The first version of the notification-icon record: window, id, flags,
// callback message, icon and a tip of 64 characters.
constexpr DWORD FirstVersionRecordSize = NOTIFYICONDATAA_V1_SIZE;

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

} // namespace

CTrayIconDialog::CTrayIconDialog(UINT templateId, HWND parent) noexcept
    : fw::Dialog(templateId, parent) {
    iconData.cbSize = FirstVersionRecordSize;
    iconData.hWnd = nullptr;
    iconData.uID = TrayIconId;
    iconData.uFlags = NIF_MESSAGE;
    iconData.uCallbackMessage = TrayCallbackMessage;
}

CTrayIconDialog::~CTrayIconDialog() = default;

const fw::MessageMap& CTrayIconDialog::Messages() {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<&CTrayIconDialog::OnCreate>(WM_CREATE),
        fw::OnMessage<&CTrayIconDialog::OnDestroy>(WM_DESTROY),
        fw::OnMessage<&CTrayIconDialog::OnSysCommand>(WM_SYSCOMMAND),
        fw::OnMessage<&CTrayIconDialog::OnTrayNotification>(TrayCallbackMessage),
        // When the shell restarts, a shown icon is added again; without it a
        // reduced window could never come back.
        fw::OnMessage<&CTrayIconDialog::OnTaskbarCreated>(TaskbarCreatedMessage()),
    };
    static const fw::MessageMap map(entries, &fw::Dialog::Messages());
    return map;
}

HICON CTrayIconDialog::SetTrayIcon(UINT iconId) {
    HICON icon = fw::App() != nullptr ? fw::App()->LoadIcon(iconId)
                                      : LoadIconA(fw::ResourceInstance(), MAKEINTRESOURCEA(iconId));
    if (icon != nullptr) {
        iconData.uFlags |= NIF_ICON;
        iconData.hIcon = icon;
    }
    return icon;
}

void CTrayIconDialog::SetTrayTip(const char* text) {
    // The first version of the record holds 63 bytes of tip, never part of a character.
    const std::string tip = base::Utf8Prefix(text, sizeof iconData.szTip - 1);
    std::memcpy(iconData.szTip, tip.c_str(), tip.size() + 1);
    iconData.uFlags |= NIF_TIP;
}

void CTrayIconDialog::SetTrayMenu(UINT menuId, UINT) {
    trayMenu.Attach(LoadMenuA(fw::ResourceInstance(), MAKEINTRESOURCEA(menuId)));
}

bool CTrayIconDialog::AddTrayIcon() {
    if (trayIconVisible) {
        return false;
    }
    const BOOL added = NotifyIcon(NIM_ADD, iconData);
    if (added) {
        trayIconVisible = true;
    }
    return added != FALSE;
}

bool CTrayIconDialog::RemoveTrayIcon() {
    if (!trayIconVisible) {
        return false;
    }
    const BOOL removed = NotifyIcon(NIM_DELETE, iconData);
    if (removed) {
        trayIconVisible = false;
    }
    return removed != FALSE;
}

LRESULT CTrayIconDialog::OnCreate(WPARAM, LPARAM) {
    if (Default() == -1) {
        return -1;
    }
    iconData.hWnd = GetHwnd();
    iconData.uID = TrayIconId;
    return 0;
}

LRESULT CTrayIconDialog::OnDestroy(WPARAM, LPARAM) {
    const LRESULT result = Default();
    if (iconData.hWnd != nullptr && iconData.uID > 0 && trayIconVisible) {
        NotifyIcon(NIM_DELETE, iconData);
        trayIconVisible = false;
    }
    return result;
}

LRESULT CTrayIconDialog::OnSysCommand(WPARAM wParam, LPARAM) {
    if (minimizeToTray && (wParam & 0xFFF0) == SC_MINIMIZE) {
        if (AddTrayIcon()) {
            ShowWindow(GetHwnd(), SW_HIDE);
        }
        return 0;
    }
    return Default();
}

LRESULT CTrayIconDialog::OnTrayNotification(WPARAM wParam, LPARAM lParam) {
    if (wParam != TrayIconId) {
        return 0;
    }
    POINT position{};
    GetCursorPos(&position);
    switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONDOWN:
        OnTrayLeftDown(position);
        break;
    case WM_LBUTTONDBLCLK:
        OnTrayLeftDoubleClick(position);
        break;
    case WM_RBUTTONDOWN:
    case WM_CONTEXTMENU:
        OnTrayRightDown(position);
        break;
    case WM_RBUTTONDBLCLK:
        OnTrayRightDoubleClick(position);
        break;
    case WM_MOUSEMOVE:
        OnTrayMouseMove(position);
        break;
    default:
        break;
    }
    return 1;
}

LRESULT CTrayIconDialog::OnTaskbarCreated(WPARAM, LPARAM) {
    if (trayIconVisible) {
        trayIconVisible = false;
        AddTrayIcon();
    }
    return 0;
}

void CTrayIconDialog::OnTrayLeftDoubleClick(POINT) {
    if (minimizeToTray && RemoveTrayIcon()) {
        ShowWindow(GetHwnd(), SW_SHOW);
    }
}

void CTrayIconDialog::OnTrayRightDown(POINT position) {
    SetForegroundWindow(GetHwnd());
    HMENU popup = GetSubMenu(trayMenu.GetHandle(), 0);
    if (popup != nullptr) {
        TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | TPM_LEFTALIGN, position.x,
                       position.y, 0, GetHwnd(), nullptr);
        SetMenuDefaultItem(popup, trayMenuDefaultItem, TRUE);
    }
    PostMessageA(GetHwnd(), WM_NULL, 0, 0);
}
