#pragma once
// The main window's view of the drives: the list of fixed drives, the selected
// drive's labels and bars, and the summary over all fixed drives. It owns those
// controls and their fonts, asks the inventory for one snapshot per refresh,
// and writes a text, a bar position or a colour only when it changed.
#include "base/Color.h"
#include "controls/CColorLabel.h"
#include "controls/CGradientTextBar.h"
#include "drives/CDriveComboBox.h"
#include "drives/DriveInventory.h"
#include "drives/DriveView.h"
#include "framework/Handles.h"
#include "framework/Window.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace drives {

class CDriveView {
  public:
    explicit CDriveView(DriveInventory& inventory) noexcept : inventory(inventory) {}
    CDriveView(const CDriveView&) = delete;
    CDriveView& operator=(const CDriveView&) = delete;

    // Binds the list, the four bars and the summary picture to the dialog's controls.
    void Bind(HWND dialog);
    // Builds the list from one snapshot (kept for the first refresh), then the
    // fonts (at the dialog's DPI), the bars, the labels and the summary picture.
    void SetUp();
    // Makes the fonts and the list's icons anew for `dpi`, for a window moved
    // to a monitor of another DPI.
    void SetDpi(int dpi);
    // Takes the colours of the system's scheme now (high contrast or not) for
    // the labels and bars; the labels that follow a rule take theirs at the
    // next refresh.
    void ApplyColorScheme();
    // The selected item's root ("C:\"); the root read last when nothing is selected.
    std::string SelectedDriveRoot();
    // Rewrites the view from one snapshot of the drives.
    void ShowSelectedDrive();
    // The facts of `root` asked afresh; the free-space label takes their colour.
    const VolumeFacts& QueryVolumeFacts(const std::string& root);
    // The two summary labels that follow a rule take the colours of `totals`.
    void ColorTotals(const FixedDriveTotals& totals);
    // Builds the list again from a new snapshot (kept for the next refresh),
    // after drives came or went: the selected root stays selected while it is
    // listed, otherwise the first drive is; without any, the view starts over.
    void RebuildList();

    const std::vector<std::string>& FixedDriveList() const noexcept { return fixedDriveList; }
    const DriveInventory& Inventory() const noexcept { return inventory; }

  private:
    // A label: its dialog item, its colour (SystemColor: left as it is) and font.
    struct LabelStyle {
        CColorLabel& label;
        int id;
        std::optional<base::ColorUse> color; // none: the label follows a rule
        const fw::Font& font;
    };
    std::array<LabelStyle, 14> LabelStyles();
    std::array<CGradientTextBar*, 4> Bars();
    int CurrentDpi() const;
    void CreateFonts();
    void FillList(const std::vector<std::string>& roots);
    void Show(const std::string& root, const DriveSnapshot& snapshot);
    // True when the text changed.
    static bool ShowText(CColorLabel& label, const std::string& text);
    void WidenLabelsBesideBars();
    static void ShowPosition(CGradientTextBar& bar, int position);
    // Sets the label's colour when it changed.
    void ShowColor(CColorLabel& label, base::ColorUse color);

    DriveInventory& inventory;
    std::optional<DriveSnapshot> pendingSnapshot;
    std::vector<std::string> fixedDriveList;
    VolumeFacts facts;
    int selectedIndex = -1;
    std::string selectedRootText;
    HWND dialog = nullptr;

    // The controls, bound to their dialog items by Bind and SetUp.
    CDriveComboBox driveCombo;
    CGradientTextBar freeBar;
    CGradientTextBar usedBar;
    CGradientTextBar totalUsedBar;
    CGradientTextBar totalFreeBar;
    fw::Window summaryPicture;
    CColorLabel driveGroupLabel;
    CColorLabel volumeNameLabel;
    CColorLabel systemDriveLabel;
    CColorLabel summaryGroupLabel;
    CColorLabel driveCountLabel;
    CColorLabel totalCapacityLabel;
    CColorLabel totalFreeLabel;
    CColorLabel totalUsedLabel;
    CColorLabel freeLabel;
    CColorLabel usedLabel;
    CColorLabel capacityLabel;
    CColorLabel maxNameLengthLabel;
    CColorLabel fileSystemLabel;
    CColorLabel serialLabel;
    fw::Font labelFont;
    fw::Font titleFont;
    fw::Font groupFont;
    fw::Bitmap summaryBitmap;
    int dpi = 0;
    base::ColorScheme scheme;
};

} // namespace drives
