#pragma once
// The main window: a fixed-size dialog showing the fixed drives, with the
// context menu of drive commands, the notification-area icon and the
// transparency setting. It owns every control, every drive fact and every
// command handler of the program.
#include "commands/CShellLauncher.h"
#include "commands/CShortcut.h"
#include "controls/CBalloonTip.h"
#include "controls/CImageButton.h"
#include "controls/CColorLabel.h"
#include "controls/CGradientTextBar.h"
#include "drives/CDriveComboBox.h"
#include "drives/CWin32VolumeSystem.h"
#include "drives/DriveInventory.h"
#include "tray/CTrayIconDialog.h"
#include "resource.h"
#include "settings/CIniFile.h"
#include "settings/CLayeredWindow.h"
#include "settings/CTransparencySettings.h"

#include <string>
#include <vector>

class CMainDialog : public CTrayIconDialog {
public:
    explicit CMainDialog(HWND parent = nullptr);
    ~CMainDialog() override;

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

    bool PreTranslateMessage(MSG& message) override;

    // ---- Drive information (the inventory does the work) ----
    void BuildFixedDriveList();
    void QueryVolumeFacts(std::string root);
    std::string CapacityTotalText();
    std::string UsedTotalText();
    std::string FreeTotalText();
    std::string FindSystemDriveRoot();
    bool IsSystemDrive(const std::string& root) const;
    drives::DriveInventory& Inventory() noexcept { return inventory; }

    // ---- Drive view ----
    std::string SelectedDriveRoot();
    void ShowSelectedDrive();

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

    // ---- Drive commands and exports: menu, shell, recycle bin, report, clipboard ----
    // The shell actions and the opening of the report go through `launcher`.
    void SetShellLauncher(commands::ShellLauncher& launcher) noexcept { shellLauncher = &launcher; }
    void WriteDriveReport();
    std::string ComputerNameText();
    std::string UserNameText();
    void CopyTextToClipboard(std::string text);
    const std::string& ReportPath() const noexcept { return reportPath; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;

    // Paints the whole client area in the window colour.
    virtual BOOL PaintBackground(HDC dc);
    // Writes a captured picture as a bitmap file; true when written completely.
    virtual bool SaveBitmapFile(HDC deviceContext, HBITMAP bitmap, std::string path);

    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    LRESULT OnCtlColor(WPARAM wParam, LPARAM lParam);
    LRESULT OnContextMenu(WPARAM wParam, LPARAM lParam);
    void OnDriveSelectionChange() { ShowSelectedDrive(); }

    // Start-up steps of the window's initialisation.
    void SetUpControls();
    void LoadSettings();
    void ApplyTransparency();
    void RunAboutBox();
    // Hands every message to the tooltips before anything else sees it.
    void RelayToTips(MSG& message);

    HICON appIcon = nullptr;

    CWin32VolumeSystem volumeSystem;
    drives::DriveInventory inventory{volumeSystem};

    int selectedIndex = -1;
    std::string selectedRootText;
    std::string logicalDriveTitle;
    std::string driveCountText;

    // ---- Drive view and presentation: controls, fonts, pictures ----
    CDriveComboBox driveCombo;
    CGradientTextBar freeBar;      // 1014
    CGradientTextBar usedBar;      // 1015
    CGradientTextBar totalUsedBar; // 1050
    CGradientTextBar totalFreeBar; // 1051
    fw::Window summaryPicture;
    CColorLabel driveGroupLabel;    // 1008
    CColorLabel volumeNameLabel;    // 1001
    CColorLabel systemDriveLabel;   // 1009
    CColorLabel summaryGroupLabel;  // 1010
    CColorLabel driveCountLabel;    // 1011
    CColorLabel totalCapacityLabel; // 1012
    CColorLabel totalFreeLabel;     // 1013
    CColorLabel totalUsedLabel;     // 1016
    CColorLabel freeLabel;          // 1007
    CColorLabel usedLabel;          // 1006
    CColorLabel capacityLabel;      // 1002
    CColorLabel maxNameLengthLabel; // 1005
    CColorLabel fileSystemLabel;    // 1004
    CColorLabel serialLabel;        // 1003
    fw::Font labelFont;
    fw::Font titleFont;
    fw::Font groupFont;
    fw::Bitmap summaryBitmap;
    fw::Pen backgroundPen;
    RECT clientRect{};

    // ---- Settings, image buttons and tip ----
    void SetUpButtonsAndTip();
    CImageButton exitButton;
    CImageButton transparencyButton;
    CBalloonTip balloonTip;
    CLayeredWindow layeredWindow;
    CTransparencySettings settings;
    CIniFile settingsWriter;
    std::string currentDirectory;
    std::string settingsPath;

    // Drive commands and exports.
    CShellLauncher win32ShellLauncher;
    commands::ShellLauncher* shellLauncher = &win32ShellLauncher;
    char reportFileName[MAX_PATH] = {};
    std::string reportPath;
    // Set while the report's or the screenshot's file dialog is open: the
    // platform's file dialog must not be opened again inside its own loop.
    bool fileDialogOpen = false;

    // Drive tools: writes the desktop shortcuts.
    CShortcut shortcut;
};
