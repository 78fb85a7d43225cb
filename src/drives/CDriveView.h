#pragma once
// The main window's view of the drives: the list of fixed drives, the selected
// drive's labels and bars, and the summary over all fixed drives. It owns those
// controls and their fonts, asks the inventory for one snapshot per refresh,
// and writes a text, a bar position or a colour only when it changed.
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
    explicit CDriveView(DriveInventory& inventory) noexcept : inventory_(inventory) {}
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

    const std::vector<std::string>& FixedDriveList() const noexcept { return fixedDriveList_; }
    const DriveInventory& Inventory() const noexcept { return inventory_; }

  private:
    // A label: its dialog item, its colour (SystemColor: left as it is) and font.
    struct LabelStyle {
        CColorLabel& label;
        int id;
        COLORREF textColor;
        const fw::Font& font;
    };
    std::array<LabelStyle, 14> LabelStyles();
    int CurrentDpi() const;
    void CreateFonts();
    void FillList(const std::vector<std::string>& roots);
    void Show(const std::string& root, const DriveSnapshot& snapshot);
    // True when the text changed.
    static bool ShowText(CColorLabel& label, const std::string& text);
    void WidenLabelsBesideBars();
    static void ShowPosition(CGradientTextBar& bar, int position);
    static void ShowColor(CColorLabel& label, const LabelColor& color);

    DriveInventory& inventory_;
    std::optional<DriveSnapshot> pendingSnapshot_;
    std::vector<std::string> fixedDriveList_;
    VolumeFacts facts_;
    int selectedIndex_ = -1;
    std::string selectedRootText_;
    HWND dialog_ = nullptr;

    CDriveComboBox driveCombo_;
    CGradientTextBar freeBar_;      // 1014
    CGradientTextBar usedBar_;      // 1015
    CGradientTextBar totalUsedBar_; // 1050
    CGradientTextBar totalFreeBar_; // 1051
    fw::Window summaryPicture_;
    CColorLabel driveGroupLabel_;    // 1008
    CColorLabel volumeNameLabel_;    // 1001
    CColorLabel systemDriveLabel_;   // 1009
    CColorLabel summaryGroupLabel_;  // 1010
    CColorLabel driveCountLabel_;    // 1011
    CColorLabel totalCapacityLabel_; // 1012
    CColorLabel totalFreeLabel_;     // 1013
    CColorLabel totalUsedLabel_;     // 1016
    CColorLabel freeLabel_;          // 1007
    CColorLabel usedLabel_;          // 1006
    CColorLabel capacityLabel_;      // 1002
    CColorLabel maxNameLengthLabel_; // 1005
    CColorLabel fileSystemLabel_;    // 1004
    CColorLabel serialLabel_;        // 1003
    fw::Font labelFont_;
    fw::Font titleFont_;
    fw::Font groupFont_;
    fw::Bitmap summaryBitmap_;
    int dpi_ = 0;
};

} // namespace drives
