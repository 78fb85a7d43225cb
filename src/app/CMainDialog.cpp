#include "app/CMainDialog.h"

#include "base/Dpi.h"
#include "commands/CContextMenu.h"
#include "commands/CDriveFormatter.h"
#include "commands/CRecycleBin.h"
#include "commands/CVolumeRename.h"
#include "commands/ShellActions.h"
#include "controls/CAboutDialog.h"
#include "controls/CColorScheme.h"
#include "export/CWindowCapture.h"
#include "framework/Application.h"
#include "framework/Dpi.h"
#include "framework/SystemLibrary.h"
#include "settings/IniPath.h"
#include "Version.h"
#include "resource.h"

#include <algorithm>
#include <dbt.h>
#include <mmsystem.h>
#include <shlwapi.h>
#include <windowsx.h>

namespace {

const char* const StartupSound = "C:\\WINDOWS\\Media\\Windows XP Infobulle.wav";
constexpr DWORD SoundFlags = SND_FILENAME | SND_ASYNC | SND_NOSTOP | SND_NOWAIT;
constexpr UINT AfterInitMessage = WM_APP + 1;

} // namespace

CMainDialog::CMainDialog(HWND parent) : CTrayIconDialog(IDD_MAIN, parent) {
    // The window opens at the system DPI; WM_DPICHANGED brings another.
    appIconImage.Reset(fw::LoadScaledIcon(IDI_APP, 32, fw::SystemDpi()));
    appIcon = appIconImage.Get();
}

CMainDialog::~CMainDialog() = default;

const fw::MessageMap& CMainDialog::Messages() {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<&CMainDialog::OnSysCommand>(WM_SYSCOMMAND),
        fw::OnMessage<&CMainDialog::OnPaint>(WM_PAINT),
        fw::OnMessage<&CMainDialog::OnDpiChanged>(WM_DPICHANGED),
        fw::OnMessage<&CMainDialog::OnQueryDragIcon>(WM_QUERYDRAGICON),
        fw::OnMessage<&CMainDialog::OnEraseBkgnd>(WM_ERASEBKGND),
        fw::OnMessageRange<&CMainDialog::OnCtlColor>(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC),
        fw::OnNotify<&CMainDialog::ShowSelectedDrive>(CBN_SELCHANGE, IDC_DRIVE_COMBO),
        fw::OnMessage<&CMainDialog::OnContextMenu>(WM_CONTEXTMENU),
        fw::OnCommand<&CMainDialog::OnAbout>(ID_ABOUT),
        fw::OnCommand<&CMainDialog::OnRefresh>(ID_REFRESH),
        fw::OnCommand<&CMainDialog::OnSaveReport>(ID_SAVE_REPORT),
        fw::OnCommand<&CMainDialog::OnExplore>(ID_EXPLORE),
        fw::OnCommand<&CMainDialog::OnTakeScreenShot>(ID_SCREENSHOT),
        fw::OnCommand<&CMainDialog::OnProperties>(ID_PROPERTIES),
        fw::OnCommand<&CMainDialog::OnFormat>(ID_FORMAT),
        fw::OnCommand<&CMainDialog::OnSearch>(ID_SEARCH),
        fw::OnCommand<&CMainDialog::OnRenameVolume>(ID_RENAME_VOLUME),
        fw::OnCommand<&CMainDialog::OnDefrag>(ID_DEFRAG),
        fw::OnCommand<&CMainDialog::OnClean>(ID_CLEAN),
        fw::OnCommand<&CMainDialog::OnToggleTransparency>(ID_TOGGLE_TRANSPARENCY),
        fw::OnCommand<&CMainDialog::OnCopyToClipboard>(ID_COPY_TO_CLIPBOARD),
        fw::OnCommand<&CMainDialog::OnShortcutOnDesktop>(ID_SHORTCUT),
        fw::OnCommand<&CMainDialog::OnEmptyRecycleBin>(ID_EMPTY_RECYCLE_BIN),
        fw::OnCommand<&CMainDialog::OnReduce>(ID_REDUCE),
        fw::OnCommand<&CMainDialog::OnTrayRestore>(ID_TRAY_RESTORE),
        fw::OnCommand<&CMainDialog::OnTrayExit>(ID_TRAY_EXIT),
        fw::OnMessage<&CMainDialog::OnAfterInit>(AfterInitMessage),
        fw::OnMessage<&CMainDialog::OnDeviceChange>(WM_DEVICECHANGE),
        fw::OnMessage<&CMainDialog::OnColorsChanged>(WM_SYSCOLORCHANGE),
        fw::OnMessage<&CMainDialog::OnColorsChanged>(WM_SETTINGCHANGE),
    };
    static const fw::MessageMap map(entries, &CTrayIconDialog::Messages());
    return map;
}

void CMainDialog::DoDataExchange() {
    driveView.Bind(GetHwnd());
    Bind(IDOK, exitButton);
    Bind(IDC_TRANSPARENCY, transparencyButton);
}

LRESULT CMainDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    ++messageDepth;
    const LRESULT result = CTrayIconDialog::WindowProc(message, wParam, lParam);
    --messageDepth;
    if (driveListStale && messageDepth == 0 && IsAttached()) {
        driveListStale = false;
        driveView.RebuildList();
        ShowSelectedDrive();
    }
    return result;
}

LRESULT CMainDialog::OnDeviceChange(WPARAM wParam, LPARAM lParam) {
    const auto* device = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    if ((wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE) && device != nullptr &&
        device->dbch_devicetype == DBT_DEVTYP_VOLUME) {
        driveListStale = true;
    }
    return TRUE;
}

void CMainDialog::StepDone(const char* step) const {
    if (startupStepDone) {
        startupStepDone(step);
    }
}

BOOL CMainDialog::OnInitDialog() {
    StepDone("window created");
    AddAboutToSystemMenu();
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon));
    StepDone("system menu and icons");

    SetTrayIcon(IDI_APP);
    SetTrayTip("Orbelune v" ORBELUNE_VERSION);
    SetTrayMenu(IDR_TRAY_MENU, 0);
    StepDone("notification-area record");

    settings.Load();
    StepDone("settings file");
    PlayStartupSound();
    StepDone("start-up sound");
    FindSystemDriveRoot();
    StepDone("system drive");
    SetUpControls();
    StepDone("buttons and balloon tip");
    ShowSelectedDrive();
    StepDone("first refresh");
    settings.Apply(GetHwnd());
    StepDone("transparency");
    if (afterInitDialog) {
        PostMessageA(GetHwnd(), AfterInitMessage, 0, 0);
    }
    return TRUE;
}

void CMainDialog::AddAboutToSystemMenu() {
    HMENU systemMenu = GetSystemMenu(GetHwnd(), FALSE);
    if (systemMenu == nullptr) {
        return;
    }
    char aboutText[256] = {};
    LoadStringA(fw::ResourceInstance(), IDS_ABOUTBOX, aboutText, sizeof aboutText);
    if (aboutText[0] != '\0') {
        AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText);
    }
}

void CMainDialog::PlayStartupSound() {
    if (PathFileExistsA(StartupSound)) {
        using PlaySoundFunction = BOOL(WINAPI*)(LPCSTR, HMODULE, DWORD);
        if (const auto playSound =
                fw::SystemFunction<PlaySoundFunction>("winmm.dll", "PlaySoundA")) {
            playSound(StartupSound, nullptr, SoundFlags);
        }
    }
}

void CMainDialog::SetUpControls() {
    driveView.SetUp();
    StepDone("drive view: snapshot, list, fonts, bars, labels");

    exitButton.EnableTheme(true);
    exitButton.SetText("Exit");
    exitButton.SetIcon(IDI_EXIT, 1);
    transparencyButton.SetIcon(IDI_TRANSPARENCY, 0);
    transparencyButton.SetAccessibleName("Transparency");
    transparencyButton.EnableTheme(true);

    balloonTip.Create(GetHwnd());
    balloonTip.delay = 700;
    balloonTip.AddTool(transparencyButton.GetHwnd(), "Make the window transparent...", nullptr);
}

bool CMainDialog::PreTranslateMessage(MSG& message) {
    balloonTip.RelayEvent(message);
    if (message.message == WM_KEYDOWN) {
        if (message.wParam == VK_F5) {
            ShowSelectedDrive();
        } else if (message.wParam == VK_F3) {
            OnCopyToClipboard();
        }
    }
    // Shift+F10 opens the menu from every control: a drop-down list keeps
    // its system keys to itself on some systems.
    if (message.message == WM_SYSKEYDOWN && message.wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0 &&
        (HIWORD(message.lParam) & KF_ALTDOWN) == 0) {
        SendMessageA(GetHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(message.hwnd),
                     MAKELPARAM(-1, -1));
        return true;
    }
    // Of the dialog manager's keys only Tab is taken: Escape does not close
    // the window, and Enter and Space reach the focused control only.
    return MoveFocusOnTab(message);
}

LRESULT CMainDialog::OnSysCommand(WPARAM wParam, LPARAM lParam) {
    if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
        RunAboutBox();
        return 0;
    }
    return CTrayIconDialog::OnSysCommand(wParam, lParam);
}

LRESULT CMainDialog::OnPaint(WPARAM, LPARAM) {
    if (!IsIconic(GetHwnd())) {
        return Default();
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(GetHwnd(), &paint);
    Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(GetHwnd(), &client);
    const int width = fw::SystemMetric(SM_CXICON, CurrentDpi());
    const int height = fw::SystemMetric(SM_CYICON, CurrentDpi());
    const int x = (client.right - client.left - width + 1) / 2;
    const int y = (client.bottom - client.top - height + 1) / 2;
    DrawIconEx(dc, x, y, appIcon, width, height, 0, nullptr, DI_NORMAL);
    EndPaint(GetHwnd(), &paint);
    return 0;
}

LRESULT CMainDialog::OnAfterInit(WPARAM, LPARAM) {
    if (afterInitDialog) {
        afterInitDialog(*this);
    }
    return 0;
}

int CMainDialog::CurrentDpi() const {
    return dpi != 0 ? dpi : fw::WindowDpi(GetHwnd());
}

LRESULT CMainDialog::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    dpi = HIWORD(wParam);
    driveView.SetDpi(dpi);
    exitButton.SetDpi(dpi);
    transparencyButton.SetDpi(dpi);
    balloonTip.SetDpi(dpi);
    // The window lets go of the previous icon before it is destroyed.
    fw::Icon previous = std::move(appIconImage);
    appIconImage.Reset(fw::LoadScaledIcon(IDI_APP, 32, dpi));
    appIcon = appIconImage.Get();
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(appIcon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(appIcon));

    if (const auto* suggested = reinterpret_cast<const RECT*>(lParam)) {
        SetWindowPos(GetHwnd(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RedrawWindow(GetHwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return 0;
}

LRESULT CMainDialog::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(appIcon);
}

LRESULT CMainDialog::OnEraseBkgnd(WPARAM wParam, LPARAM) {
    return PaintBackground(reinterpret_cast<HDC>(wParam));
}

BOOL CMainDialog::PaintBackground(HDC dc) {
    return background.Paint(GetHwnd(), dc, controls::ColorOf(base::ColorUse::Background),
                            CurrentDpi());
}

LRESULT CMainDialog::OnCtlColor(WPARAM, LPARAM) {
    return Default();
}

LRESULT CMainDialog::OnContextMenu(WPARAM, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1) {
        at = KeyboardMenuPoint();
    }
    CContextMenu::Track(GetHwnd(), at, SelectedDriveRoot(), CurrentDpi());
    return 0;
}

POINT CMainDialog::KeyboardMenuPoint() const {
    // The lower-left corner of the control that has the focus, or the
    // client area's top-left corner; on the window in either case.
    HWND self = GetHwnd();
    HWND focus = GetFocus();
    POINT at{0, 0};
    if (focus != nullptr && IsChild(self, focus)) {
        RECT control{};
        GetWindowRect(focus, &control);
        at = POINT{control.left, control.bottom};
    } else {
        ClientToScreen(self, &at);
    }
    RECT window{};
    GetWindowRect(self, &window);
    at.x = std::max(window.left, std::min(at.x, window.right - 1));
    at.y = std::max(window.top, std::min(at.y, window.bottom - 1));
    return at;
}

LRESULT CMainDialog::OnColorsChanged(WPARAM, LPARAM) {
    driveView.ApplyColorScheme();
    ShowSelectedDrive();
    RedrawWindow(GetHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return Default();
}

void CMainDialog::RunAboutBox() {
    CAboutDialog about(shellLauncher);
    about.DoModal();
}

bool CMainDialog::SaveBitmapFile(HDC deviceContext, HBITMAP bitmap, std::string path) {
    return CWindowCapture::SaveBitmapFile(deviceContext, bitmap, path);
}

void CMainDialog::CopyTextToClipboard(const std::string& text) {
    CDriveFactsClipboard::CopyText(GetHwnd(), text);
}

void CMainDialog::OnAbout() {
    RunAboutBox();
}
void CMainDialog::OnRefresh() {
    ShowSelectedDrive();
}
void CMainDialog::OnSaveReport() {
    reportFile.Save();
}
void CMainDialog::OnTakeScreenShot() {
    screenshotFile.Take();
}
void CMainDialog::OnCopyToClipboard() {
    driveFactsClipboard.Copy();
}
void CMainDialog::OnToggleTransparency() {
    if (!settings.Toggle(GetHwnd()) && !settingNotKeptTold) {
        settingNotKeptTold = true;
        fw::AppMessageBox(::settings::SettingNotKeptMessage(settings.IniFile().FilePath()),
                          MB_OK | MB_ICONWARNING);
    }
}

void CMainDialog::OnExplore() {
    commands::Explore(shellLauncher, SelectedDriveRoot());
}
void CMainDialog::OnSearch() {
    commands::Search(shellLauncher, SelectedDriveRoot());
}
void CMainDialog::OnDefrag() {
    commands::Defragment(shellLauncher);
}
void CMainDialog::OnClean() {
    commands::CleanUp(shellLauncher, SelectedDriveRoot());
}
void CMainDialog::OnProperties() {
    commands::ShowProperties(shellLauncher, SelectedDriveRoot(),
                             reinterpret_cast<std::uintptr_t>(GetHwnd()));
}

void CMainDialog::OnFormat() {
    CDriveFormatter::FormatVolume(GetHwnd(), inventory, SelectedDriveRoot());
}
void CMainDialog::OnRenameVolume() {
    if (CVolumeRename::Run(GetHwnd(), SelectedDriveRoot())) {
        ShowSelectedDrive();
    }
}
void CMainDialog::OnShortcutOnDesktop() {
    shortcut.CreateDriveShortcut(GetHwnd(), inventory, SelectedDriveRoot());
}
void CMainDialog::OnEmptyRecycleBin() {
    CRecycleBin::EmptyAndTell(GetHwnd(), recycleBin);
}

void CMainDialog::OnReduce() {
    AddTrayIcon();
    // Without an icon there would be no way back to a hidden window.
    if (IsTrayIconVisible()) {
        ShowWindow(GetHwnd(), SW_HIDE);
    }
}

void CMainDialog::OnTrayRestore() {
    RemoveTrayIcon();
    ShowWindow(GetHwnd(), SW_SHOW);
}

void CMainDialog::OnTrayExit() {
    PostQuitMessage(0);
}
