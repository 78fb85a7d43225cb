#pragma once
// The main window: a fixed-size dialog showing the fixed drives, with the
// context menu of drive commands, the notification-area icon and the
// transparency setting. It owns the controls and the feature objects, wires
// them together and hands each command to the feature that carries it out.
#include "commands/CRecycleBin.h"
#include "commands/CShellLauncher.h"
#include "commands/CShortcut.h"
#include "controls/CBalloonTip.h"
#include "controls/CImageButton.h"
#include "controls/CWindowBackground.h"
#include "drives/CDriveView.h"
#include "drives/CWin32VolumeSystem.h"
#include "drives/DriveInventory.h"
#include "export/CDriveFactsClipboard.h"
#include "export/CReportFile.h"
#include "export/CScreenshotFile.h"
#include "settings/CTransparencySettings.h"
#include "tray/CTrayIconDialog.h"

#include <functional>
#include <string>

class CMainDialog : public CTrayIconDialog {
  public:
    explicit CMainDialog(HWND parent = nullptr);
    ~CMainDialog() override;

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    bool PreTranslateMessage(MSG& message) override;

    // Benchmarks measure the running window through these: the first is told
    // the name of each start-up step as it ends, the second is called once the
    // window is initialised, from inside its modal loop.
    std::function<void(const char* step)> startupStepDone;
    std::function<void(CMainDialog&)> afterInitDialog;

    // ---- Drive information and view ----
    std::string SelectedDriveRoot() { return driveView.SelectedDriveRoot(); }
    void ShowSelectedDrive() { driveView.ShowSelectedDrive(); }
    const drives::VolumeFacts& QueryVolumeFacts(const std::string& root) {
        return driveView.QueryVolumeFacts(root);
    }
    std::string FindSystemDriveRoot() { return inventory.FindSystemDriveRoot(); }
    bool IsSystemDrive(const std::string& root) const { return inventory.IsSystemDrive(root); }

    // ---- Commands (context menu, buttons, tray menu) ----
    void OnAbout();
    void OnRefresh();
    void OnSaveReport();
    void OnExplore();
    void OnTakeScreenShot();
    void OnProperties();
    void OnFormat();
    void OnSearch();
    void OnRenameVolume();
    void OnDefrag();
    void OnClean();
    void OnToggleTransparency();
    void OnCopyToClipboard();
    void OnShortcutOnDesktop();
    void OnEmptyRecycleBin();
    void OnReduce();
    void OnTrayRestore();
    void OnTrayExit();

    // ---- Exports ----
    void WriteDriveReport(const std::string& path) { reportFile.Write(path); }
    void CopyTextToClipboard(const std::string& text);

  protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void DoDataExchange() override;

    // Paints the whole client area in the window colour.
    virtual BOOL PaintBackground(HDC dc);
    // Writes a captured picture as a bitmap file; true when written completely.
    virtual bool SaveBitmapFile(HDC deviceContext, HBITMAP bitmap, std::string path);

  private:
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnCtlColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnAfterInit(WPARAM wParam, LPARAM lParam);
    LRESULT OnDeviceChange(WPARAM wParam, LPARAM lParam);
    // The system's colours changed (high contrast switched on or off).
    LRESULT OnColorsChanged(WPARAM wParam, LPARAM lParam);
    // Where the context menu opens when the keyboard asked for it.
    POINT KeyboardMenuPoint() const;
    // The window moved to a monitor of another DPI (wParam) and is to take the
    // rectangle the system suggests (lParam).
    LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
    int CurrentDpi() const;

    // Start-up steps of the window's initialisation.
    void AddAboutToSystemMenu();
    void PlayStartupSound();
    void SetUpControls();
    void RunAboutBox();
    void StepDone(const char* step) const;

    HICON appIcon = nullptr; // appIconImage's handle
    fw::Icon appIconImage;   // 32 x 32 pixels at the window's DPI
    int dpi = 0;             // the window's DPI, once told of a change
    // Drives came or went: the list is built again once the window is done
    // with what it was doing (a command's dialog may be open).
    bool driveListStale = false;
    bool settingNotKeptTold = false; // the setting could not be stored, and the user knows
    int messageDepth = 0;

    CWin32VolumeSystem volumeSystem;
    drives::DriveInventory inventory{volumeSystem};
    CShellLauncher shellLauncher;

    drives::CDriveView driveView{inventory};
    CImageButton exitButton;
    CImageButton transparencyButton;
    CBalloonTip balloonTip;
    CWindowBackground background;

    CTransparencySettings settings;
    CReportFile reportFile{*this, driveView, shellLauncher};
    CScreenshotFile screenshotFile{*this};
    CDriveFactsClipboard driveFactsClipboard{*this, driveView};
    CShortcut shortcut;
    CRecycleBin recycleBin;
};
