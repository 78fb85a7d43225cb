#include "drives/CDriveView.h"

#include "base/Color.h"
#include "framework/Application.h"
#include "resource.h"

#include <commctrl.h>

#include <algorithm>

namespace drives {
namespace {

HFONT CreateBoldFont(const char* face, int height) {
    return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

} // namespace

void CDriveView::Bind(HWND dialog) {
    dialog_ = dialog;
    driveCombo_.SubclassDlgItem(IDC_DRIVE_COMBO, dialog);
    freeBar_.SubclassDlgItem(IDC_FREE_BAR, dialog);
    usedBar_.SubclassDlgItem(IDC_USED_BAR, dialog);
    totalUsedBar_.SubclassDlgItem(IDC_TOTAL_USED_BAR, dialog);
    totalFreeBar_.SubclassDlgItem(IDC_TOTAL_FREE_BAR, dialog);
    summaryPicture_.SubclassDlgItem(IDC_SUMMARY_PICTURE, dialog);
}

void CDriveView::SetUp() {
    pendingSnapshot_ = inventory_.TakeSnapshot();
    FillList(pendingSnapshot_->Roots());

    labelFont_.Reset(CreateBoldFont("Tahoma", 12));
    titleFont_.Reset(CreateBoldFont("Tahoma", 16));
    groupFont_.Reset(CreateBoldFont("Comic Sans MS", 22));

    for (CGradientTextBar* bar : {&freeBar_, &usedBar_, &totalFreeBar_, &totalUsedBar_}) {
        bar->bkColor = GetSysColor(COLOR_WINDOW);
        bar->SetTextFormat("%d%%", TGB_TEXT_PERCENT);
        bar->ModifyStyle(0, TGB_GRADIENT_ON_BAR, SWP_FRAMECHANGED);
        bar->SetGradientColors(base::colors::BarStart, base::colors::BarEnd);
        bar->Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    }

    constexpr COLORREF Unset = CColorLabel::SystemColor;
    const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
    const struct {
        CColorLabel& label;
        int id;
        COLORREF textColor;
        HFONT font;
    } labels[] = {
        {driveGroupLabel_, IDC_DRIVE_GROUP, base::colors::DarkBlue, groupFont_.Get()},
        {volumeNameLabel_, IDC_VOLUME_NAME, base::colors::BrickRed, titleFont_.Get()},
        {systemDriveLabel_, IDC_SYSTEM_DRIVE, Unset, labelFont_.Get()},
        {summaryGroupLabel_, IDC_SUMMARY_GROUP, base::colors::DarkBlue, titleFont_.Get()},
        {driveCountLabel_, IDC_DRIVE_COUNT, windowText, labelFont_.Get()},
        {totalCapacityLabel_, IDC_TOTAL_CAPACITY, base::colors::BrickRed, labelFont_.Get()},
        {totalFreeLabel_, IDC_TOTAL_FREE, Unset, labelFont_.Get()},
        {totalUsedLabel_, IDC_TOTAL_USED, Unset, labelFont_.Get()},
        {freeLabel_, IDC_FREE, Unset, labelFont_.Get()},
        {usedLabel_, IDC_USED, windowText, labelFont_.Get()},
        {capacityLabel_, IDC_CAPACITY, windowText, labelFont_.Get()},
        {maxNameLengthLabel_, IDC_MAX_NAME_LENGTH, windowText, labelFont_.Get()},
        {fileSystemLabel_, IDC_FILE_SYSTEM, windowText, labelFont_.Get()},
        {serialLabel_, IDC_SERIAL, windowText, labelFont_.Get()},
    };
    for (const auto& entry : labels) {
        entry.label.SubclassDlgItem(entry.id, dialog_);
        if (entry.textColor != Unset) {
            entry.label.SetLabelTextColor(entry.textColor);
        }
        entry.label.Send(WM_SETFONT, reinterpret_cast<WPARAM>(entry.font), TRUE);
        entry.label.SetLabelBkColor(GetSysColor(COLOR_WINDOW));
    }
    summaryGroupLabel_.SetText("Summary");

    summaryBitmap_.Reset(LoadBitmapA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDB_SUMMARY)));
    summaryPicture_.Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(summaryBitmap_.Get()));
}

void CDriveView::FillList(const std::vector<std::string>& roots) {
    fixedDriveList_ = roots;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        driveCombo_.Send(CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(roots[i].c_str()));
        driveCombo_.SetItemIcon(static_cast<int>(i), IDI_APP);
    }
    driveCombo_.Send(CB_SETCURSEL, 0);
}

std::string CDriveView::SelectedDriveRoot() {
    selectedIndex_ = static_cast<int>(driveCombo_.Send(CB_GETCURSEL));
    if (selectedIndex_ != CB_ERR) {
        selectedRootText_ = driveCombo_.GetLBText(selectedIndex_);
    }
    return selectedRootText_;
}

const VolumeFacts& CDriveView::QueryVolumeFacts(const std::string& root) {
    facts_ = inventory_.Query(root, std::move(facts_));
    ShowColor(freeLabel_, FreeLabelColor(facts_.freePercent));
    return facts_;
}

void CDriveView::ShowSelectedDrive() {
    for (int i = 0; i < driveCombo_.GetCount(); ++i) {
        driveCombo_.SetItemBold(i, false);
    }
    selectedIndex_ = static_cast<int>(driveCombo_.Send(CB_GETCURSEL));
    driveCombo_.SetItemBold(selectedIndex_, true);

    // The snapshot the list was built from serves the refresh that follows.
    DriveSnapshot snapshot =
        pendingSnapshot_ ? std::move(*pendingSnapshot_) : inventory_.TakeSnapshot();
    pendingSnapshot_.reset();
    const std::string root = SelectedDriveRoot();
    facts_ = inventory_.Query(root, std::move(facts_), snapshot);
    ShowColor(freeLabel_, FreeLabelColor(facts_.freePercent));
    Show(root, snapshot);
}

void CDriveView::Show(const std::string& root, const DriveSnapshot& snapshot) {
    const FixedDriveTotals& totals = snapshot.totals;
    ShowText(volumeNameLabel_, facts_.volumeNameText);
    ShowText(capacityLabel_, facts_.capacityText);
    ShowText(usedLabel_, facts_.usedText);
    ShowText(freeLabel_, facts_.freeText);
    ShowText(serialLabel_, facts_.serialNumberText);
    ShowText(fileSystemLabel_, facts_.fileSystemText);
    ShowText(maxNameLengthLabel_, facts_.maxNameLengthText);
    ShowText(driveGroupLabel_, LogicalDriveTitle(root));
    ShowText(driveCountLabel_, DriveCountText(fixedDriveList_.size()));
    ShowText(totalCapacityLabel_, CapacityTotalText(totals));
    ShowColor(totalUsedLabel_, UsedTotalLabelColor(totals.usedPercent));
    ShowText(totalUsedLabel_, UsedTotalText(totals));
    ShowColor(totalFreeLabel_, FreeTotalLabelColor(totals.freeTotalPercent));
    ShowText(totalFreeLabel_, FreeTotalText(totals));

    const BarPositions bars = BarPositionsOf(facts_, totals);
    ShowPosition(freeBar_, bars.freeBar);
    ShowPosition(usedBar_, bars.usedBar);
    ShowPosition(totalUsedBar_, bars.totalUsedBar);
    ShowPosition(totalFreeBar_, bars.totalFreeBar);

    const bool systemDrive = inventory_.IsSystemDrive(root);
    ShowColor(systemDriveLabel_, SystemDriveLabelColor(systemDrive));
    ShowText(systemDriveLabel_, SystemDriveText(systemDrive));
}

void CDriveView::RebuildList() {
    const std::string selected = SelectedDriveRoot();
    pendingSnapshot_ = inventory_.TakeSnapshot();
    driveCombo_.ResetContent();
    FillList(pendingSnapshot_->Roots());
    const auto kept = std::find(fixedDriveList_.begin(), fixedDriveList_.end(), selected);
    if (kept != fixedDriveList_.end()) {
        driveCombo_.Send(CB_SETCURSEL, static_cast<WPARAM>(kept - fixedDriveList_.begin()));
    }
    if (fixedDriveList_.empty()) {
        selectedRootText_.clear();
        facts_ = VolumeFacts{};
    }
}

void CDriveView::ColorTotals(const FixedDriveTotals& totals) {
    ShowColor(totalUsedLabel_, UsedTotalLabelColor(totals.usedPercent));
    ShowColor(totalFreeLabel_, FreeTotalLabelColor(totals.freeTotalPercent));
}

void CDriveView::ShowText(CColorLabel& label, const std::string& text) {
    if (label.GetText() != text) {
        label.SetText(text);
    }
}

void CDriveView::ShowPosition(CGradientTextBar& bar, int position) {
    if (bar.Send(PBM_GETPOS) != position) {
        bar.Send(PBM_SETPOS, static_cast<WPARAM>(position));
    }
}

void CDriveView::ShowColor(CColorLabel& label, const LabelColor& color) {
    label.SetLabelTextColor(color.windowText ? GetSysColor(COLOR_WINDOWTEXT) : color.rgb);
}

} // namespace drives
