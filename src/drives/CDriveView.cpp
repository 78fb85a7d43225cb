#include "drives/CDriveView.h"

#include "base/Color.h"
#include "base/Dpi.h"
#include "framework/Application.h"
#include "framework/Dpi.h"
#include "resource.h"

#include <commctrl.h>

#include <algorithm>

namespace drives {
namespace {

// `height` is the cell height, as the fonts have always been made: at 96 DPI
// the characters are as tall as before, at other DPIs in proportion.
HFONT CreateBoldFont(const char* face, int height) {
    return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

// A label beside a bar is widened to its text when the text no longer fits
// (figures of more digits, or a font larger than its control at a high DPI),
// as far as `gap` pixels before the bar.
void WidenToText(const CColorLabel& label, HWND bar, int gap) {
    HWND window = label.GetHwnd();
    std::string text = label.GetText();
    text.erase(text.find_last_not_of(' ') + 1);
    SIZE extent{};
    {
        const fw::WindowDc dc = fw::WindowDc::Client(window);
        fw::SelectGuard font(dc.Get(), reinterpret_cast<HFONT>(label.Send(WM_GETFONT)));
        GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    RECT own{};
    RECT limit{};
    GetWindowRect(window, &own);
    GetWindowRect(bar, &limit);
    const LONG width = std::min(extent.cx, limit.left - gap - own.left);
    if (width > own.right - own.left) {
        SetWindowPos(window, nullptr, 0, 0, width, own.bottom - own.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
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

    CreateFonts();

    for (CGradientTextBar* bar : {&freeBar_, &usedBar_, &totalFreeBar_, &totalUsedBar_}) {
        bar->bkColor = GetSysColor(COLOR_WINDOW);
        bar->SetTextFormat("%d%%", TGB_TEXT_PERCENT);
        bar->ModifyStyle(0, TGB_GRADIENT_ON_BAR, SWP_FRAMECHANGED);
        bar->SetGradientColors(base::colors::BarStart, base::colors::BarEnd);
        bar->Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    }

    for (const LabelStyle& entry : LabelStyles()) {
        entry.label.SubclassDlgItem(entry.id, dialog_);
        if (entry.textColor != CColorLabel::SystemColor) {
            entry.label.SetLabelTextColor(entry.textColor);
        }
        entry.label.Send(WM_SETFONT, reinterpret_cast<WPARAM>(entry.font.Get()), TRUE);
        entry.label.SetLabelBkColor(GetSysColor(COLOR_WINDOW));
    }
    summaryGroupLabel_.SetText("Summary");

    summaryBitmap_.Reset(LoadBitmapA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDB_SUMMARY)));
    summaryPicture_.Send(STM_SETIMAGE, IMAGE_BITMAP,
                         reinterpret_cast<LPARAM>(summaryBitmap_.Get()));
}

std::array<CDriveView::LabelStyle, 14> CDriveView::LabelStyles() {
    constexpr COLORREF Unset = CColorLabel::SystemColor;
    const COLORREF windowText = GetSysColor(COLOR_WINDOWTEXT);
    return {{
        {driveGroupLabel_, IDC_DRIVE_GROUP, base::colors::DarkBlue, groupFont_},
        {volumeNameLabel_, IDC_VOLUME_NAME, base::colors::BrickRed, titleFont_},
        {systemDriveLabel_, IDC_SYSTEM_DRIVE, Unset, labelFont_},
        {summaryGroupLabel_, IDC_SUMMARY_GROUP, base::colors::DarkBlue, titleFont_},
        {driveCountLabel_, IDC_DRIVE_COUNT, windowText, labelFont_},
        {totalCapacityLabel_, IDC_TOTAL_CAPACITY, base::colors::BrickRed, labelFont_},
        {totalFreeLabel_, IDC_TOTAL_FREE, Unset, labelFont_},
        {totalUsedLabel_, IDC_TOTAL_USED, Unset, labelFont_},
        {freeLabel_, IDC_FREE, Unset, labelFont_},
        {usedLabel_, IDC_USED, windowText, labelFont_},
        {capacityLabel_, IDC_CAPACITY, windowText, labelFont_},
        {maxNameLengthLabel_, IDC_MAX_NAME_LENGTH, windowText, labelFont_},
        {fileSystemLabel_, IDC_FILE_SYSTEM, windowText, labelFont_},
        {serialLabel_, IDC_SERIAL, windowText, labelFont_},
    }};
}

int CDriveView::CurrentDpi() const {
    return dpi_ != 0 ? dpi_ : fw::WindowDpi(dialog_);
}

void CDriveView::CreateFonts() {
    const int dpi = CurrentDpi();
    labelFont_.Reset(CreateBoldFont("Tahoma", base::Scale(12, dpi)));
    titleFont_.Reset(CreateBoldFont("Tahoma", base::Scale(16, dpi)));
    groupFont_.Reset(CreateBoldFont("Comic Sans MS", base::Scale(22, dpi)));
}

void CDriveView::SetDpi(int dpi) {
    dpi_ = dpi;
    // The fonts of the previous DPI go once no label uses them any more.
    const fw::Font previous[] = {std::move(labelFont_), std::move(titleFont_),
                                 std::move(groupFont_)};
    CreateFonts();
    for (const LabelStyle& entry : LabelStyles()) {
        entry.label.Send(WM_SETFONT, reinterpret_cast<WPARAM>(entry.font.Get()), TRUE);
    }
    driveCombo_.SetDpi(dpi);
    WidenLabelsBesideBars();
}

void CDriveView::WidenLabelsBesideBars() {
    const int gap = base::Scale(2, CurrentDpi());
    WidenToText(usedLabel_, usedBar_.GetHwnd(), gap);
    WidenToText(freeLabel_, freeBar_.GetHwnd(), gap);
    WidenToText(totalUsedLabel_, totalUsedBar_.GetHwnd(), gap);
    WidenToText(totalFreeLabel_, totalFreeBar_.GetHwnd(), gap);
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
    bool besideBarsChanged = ShowText(usedLabel_, facts_.usedText);
    besideBarsChanged |= ShowText(freeLabel_, facts_.freeText);
    ShowText(serialLabel_, facts_.serialNumberText);
    ShowText(fileSystemLabel_, facts_.fileSystemText);
    ShowText(maxNameLengthLabel_, facts_.maxNameLengthText);
    ShowText(driveGroupLabel_, LogicalDriveTitle(root));
    ShowText(driveCountLabel_, DriveCountText(fixedDriveList_.size()));
    ShowText(totalCapacityLabel_, CapacityTotalText(totals));
    ShowColor(totalUsedLabel_, UsedTotalLabelColor(totals.usedPercent));
    besideBarsChanged |= ShowText(totalUsedLabel_, UsedTotalText(totals));
    ShowColor(totalFreeLabel_, FreeTotalLabelColor(totals.freeTotalPercent));
    besideBarsChanged |= ShowText(totalFreeLabel_, FreeTotalText(totals));
    if (besideBarsChanged) {
        WidenLabelsBesideBars();
    }

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

bool CDriveView::ShowText(CColorLabel& label, const std::string& text) {
    if (label.GetText() == text) {
        return false;
    }
    label.SetText(text);
    return true;
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
