#pragma once
// A dialog that can shrink to an icon in the notification area and come back.
#include "framework/Dialog.h"
#include "framework/Menu.h"

#include <windows.h>
#include <shellapi.h>

class CTrayIconDialog : public fw::Dialog {
  public:
    static constexpr UINT TrayCallbackMessage = WM_USER + 1;
    static constexpr UINT TrayIconId = 1;

    CTrayIconDialog(UINT templateId, HWND parent) noexcept;
    ~CTrayIconDialog() override;

    HICON SetTrayIcon(UINT iconId);
    void SetTrayTip(const char* text);
    void SetTrayMenu(UINT menuId, UINT defaultItem);
    bool AddTrayIcon();
    bool RemoveTrayIcon();

    bool IsTrayIconVisible() const noexcept { return trayIconVisible; }
    const NOTIFYICONDATAA& GetIconData() const noexcept { return iconData; }

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

  protected:
    virtual void OnTrayLeftDown(POINT) {}
    virtual void OnTrayLeftDoubleClick(POINT);
    virtual void OnTrayRightDown(POINT);
    virtual void OnTrayRightDoubleClick(POINT) {}
    virtual void OnTrayMouseMove(POINT) {}

    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnTrayNotification(WPARAM wParam, LPARAM lParam);
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);

    // The shell's notification-icon calls; tests replace them.
    virtual BOOL NotifyIcon(DWORD action, NOTIFYICONDATAA& data) {
        return Shell_NotifyIconA(action, &data);
    }

    bool minimizeToTray = true;
    bool trayIconVisible = false;
    NOTIFYICONDATAA iconData{};
    fw::Menu trayMenu;
    UINT trayMenuDefaultItem = 0;
};
