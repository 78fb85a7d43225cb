#include "drives/CDriveView.h"

#include "base/Color.h"
#include "controls/CColorScheme.h"
#include "base/Dpi.h"
#include "framework/Application.h"
#include "framework/Dpi.h"
#include "resource.h"

#include <commctrl.h>

#include <algorithm>

namespace drives {
namespace {

// `height` is the cell height in pixels at the view's DPI.
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

void CDriveView::Bind(HWND dialogWindow) {
    dialog = dialogWindow;
    driveCombo.SubclassDlgItem(IDC_DRIVE_COMBO, dialog);
    freeBar.SubclassDlgItem(IDC_FREE_BAR, dialog);
    usedBar.SubclassDlgItem(IDC_USED_BAR, dialog);
    totalUsedBar.SubclassDlgItem(IDC_TOTAL_USED_BAR, dialog);
    totalFreeBar.SubclassDlgItem(IDC_TOTAL_FREE_BAR, dialog);
    summaryPicture.SubclassDlgItem(IDC_SUMMARY_PICTURE, dialog);
}

void CDriveView::SetUp() {
    pendingSnapshot = inventory.TakeSnapshot();
    FillList(pendingSnapshot->Roots());

    CreateFonts();

    for (CGradientTextBar* bar : Bars()) {
        bar->SetTextFormat("%d%%", TGB_TEXT_PERCENT);
        bar->ModifyStyle(0, TGB_GRADIENT_ON_BAR, SWP_FRAMECHANGED);
        bar->Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    }
    for (const LabelStyle& entry : LabelStyles()) {
        entry.label.SubclassDlgItem(entry.id, dialog);
        entry.label.Send(WM_SETFONT, reinterpret_cast<WPARAM>(entry.font.Get()), TRUE);
    }
    ApplyColorScheme();
    summaryGroupLabel.SetText("Summary");

    summaryBitmap.Reset(LoadBitmapA(fw::ResourceInstance(), MAKEINTRESOURCEA(IDB_SUMMARY)));
    summaryPicture.Send(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(summaryBitmap.Get()));
}

std::array<CDriveView::LabelStyle, 14> CDriveView::LabelStyles() {
    using base::ColorUse;
    const std::optional<ColorUse> byRule; // coloured by ShowSelectedDrive
    return {{
        {driveGroupLabel, IDC_DRIVE_GROUP, ColorUse::Title, groupFont},
        {volumeNameLabel, IDC_VOLUME_NAME, ColorUse::Figure, titleFont},
        {systemDriveLabel, IDC_SYSTEM_DRIVE, byRule, labelFont},
        {summaryGroupLabel, IDC_SUMMARY_GROUP, ColorUse::Title, titleFont},
        {driveCountLabel, IDC_DRIVE_COUNT, ColorUse::Text, labelFont},
        {totalCapacityLabel, IDC_TOTAL_CAPACITY, ColorUse::Figure, labelFont},
        {totalFreeLabel, IDC_TOTAL_FREE, byRule, labelFont},
        {totalUsedLabel, IDC_TOTAL_USED, byRule, labelFont},
        {freeLabel, IDC_FREE, byRule, labelFont},
        {usedLabel, IDC_USED, ColorUse::Text, labelFont},
        {capacityLabel, IDC_CAPACITY, ColorUse::Text, labelFont},
        {maxNameLengthLabel, IDC_MAX_NAME_LENGTH, ColorUse::Text, labelFont},
        {fileSystemLabel, IDC_FILE_SYSTEM, ColorUse::Text, labelFont},
        {serialLabel, IDC_SERIAL, ColorUse::Text, labelFont},
    }};
}

std::array<CGradientTextBar*, 4> CDriveView::Bars() {
    return {&freeBar, &usedBar, &totalFreeBar, &totalUsedBar};
}

void CDriveView::ApplyColorScheme() {
    using base::ColorUse;
    scheme = controls::CurrentColorScheme();
    for (CGradientTextBar* bar : Bars()) {
        bar->bkColor = base::ColorFor(ColorUse::Background, scheme);
        bar->SetGradientColors(base::ColorFor(ColorUse::BarStart, scheme),
                               base::ColorFor(ColorUse::BarEnd, scheme));
        bar->textColorOnBar = base::ColorFor(ColorUse::BarTextOnBar, scheme);
        bar->textColorOnBk = base::ColorFor(ColorUse::BarTextOnBackground, scheme);
        if (bar->IsAttached()) {
            InvalidateRect(bar->GetHwnd(), nullptr, FALSE);
        }
    }
    for (const LabelStyle& entry : LabelStyles()) {
        if (entry.color) {
            entry.label.SetLabelTextColor(base::ColorFor(*entry.color, scheme));
        }
        entry.label.SetLabelBkColor(base::ColorFor(ColorUse::Background, scheme));
    }
}

int CDriveView::CurrentDpi() const {
    return dpi != 0 ? dpi : fw::WindowDpi(dialog);
}

void CDriveView::CreateFonts() {
    const int fontDpi = CurrentDpi();
    labelFont.Reset(CreateBoldFont("Tahoma", base::Scale(12, fontDpi)));
    titleFont.Reset(CreateBoldFont("Tahoma", base::Scale(16, fontDpi)));
    groupFont.Reset(CreateBoldFont("Comic Sans MS", base::Scale(22, fontDpi)));
}

void CDriveView::SetDpi(int newDpi) {
    dpi = newDpi;
    // The fonts of the previous DPI go once no label uses them any more.
    const fw::Font previous[] = {std::move(labelFont), std::move(titleFont), std::move(groupFont)};
    CreateFonts();
    for (const LabelStyle& entry : LabelStyles()) {
        entry.label.Send(WM_SETFONT, reinterpret_cast<WPARAM>(entry.font.Get()), TRUE);
    }
    driveCombo.SetDpi(dpi);
    WidenLabelsBesideBars();
}

void CDriveView::WidenLabelsBesideBars() {
    const int gap = base::Scale(2, CurrentDpi());
    WidenToText(usedLabel, usedBar.GetHwnd(), gap);
    WidenToText(freeLabel, freeBar.GetHwnd(), gap);
    WidenToText(totalUsedLabel, totalUsedBar.GetHwnd(), gap);
    WidenToText(totalFreeLabel, totalFreeBar.GetHwnd(), gap);
}

void CDriveView::FillList(const std::vector<std::string>& roots) {
    fixedDriveList = roots;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        driveCombo.Send(CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(roots[i].c_str()));
        driveCombo.SetItemIcon(static_cast<int>(i), IDI_APP);
    }
    driveCombo.Send(CB_SETCURSEL, 0);
}

std::string CDriveView::SelectedDriveRoot() {
    selectedIndex = static_cast<int>(driveCombo.Send(CB_GETCURSEL));
    if (selectedIndex != CB_ERR) {
        selectedRootText = driveCombo.GetLBText(selectedIndex);
    }
    return selectedRootText;
}

const VolumeFacts& CDriveView::QueryVolumeFacts(const std::string& root) {
    facts = inventory.Query(root, std::move(facts));
    ShowColor(freeLabel, FreeLabelColor(facts.freePercent));
    return facts;
}

void CDriveView::ShowSelectedDrive() {
    for (int i = 0; i < driveCombo.GetCount(); ++i) {
        driveCombo.SetItemBold(i, false);
    }
    selectedIndex = static_cast<int>(driveCombo.Send(CB_GETCURSEL));
    driveCombo.SetItemBold(selectedIndex, true);

    // The snapshot the list was built from serves the refresh that follows.
    DriveSnapshot snapshot =
        pendingSnapshot ? std::move(*pendingSnapshot) : inventory.TakeSnapshot();
    pendingSnapshot.reset();
    const std::string root = SelectedDriveRoot();
    facts = inventory.Query(root, std::move(facts), snapshot);
    ShowColor(freeLabel, FreeLabelColor(facts.freePercent));
    Show(root, snapshot);
}

void CDriveView::Show(const std::string& root, const DriveSnapshot& snapshot) {
    const FixedDriveTotals& totals = snapshot.totals;
    const bool systemDrive = inventory.IsSystemDrive(root);
    const DriveLabels labels = DriveLabelsOf(root, facts, systemDrive);
    ShowText(volumeNameLabel, labels.volumeName);
    ShowText(capacityLabel, labels.capacity);
    bool besideBarsChanged = ShowText(usedLabel, labels.used);
    besideBarsChanged |= ShowText(freeLabel, labels.free);
    ShowText(serialLabel, labels.serialNumber);
    ShowText(fileSystemLabel, labels.fileSystem);
    ShowText(maxNameLengthLabel, labels.maxNameLength);
    ShowText(driveGroupLabel, LogicalDriveTitle(root));
    ShowText(driveCountLabel, DriveCountText(fixedDriveList.size()));
    ShowText(totalCapacityLabel, CapacityTotalText(totals));
    ShowColor(totalUsedLabel, UsedTotalLabelColor(totals.usedPercent));
    besideBarsChanged |= ShowText(totalUsedLabel, UsedTotalText(totals));
    ShowColor(totalFreeLabel, FreeTotalLabelColor(totals.freeTotalPercent));
    besideBarsChanged |= ShowText(totalFreeLabel, FreeTotalText(totals));
    if (besideBarsChanged) {
        WidenLabelsBesideBars();
    }

    const BarPositions bars = BarPositionsOf(facts, totals);
    ShowPosition(freeBar, bars.freeBar);
    ShowPosition(usedBar, bars.usedBar);
    ShowPosition(totalUsedBar, bars.totalUsedBar);
    ShowPosition(totalFreeBar, bars.totalFreeBar);

    ShowColor(systemDriveLabel, SystemDriveLabelColor(systemDrive));
    ShowText(systemDriveLabel, labels.systemDrive);
}

void CDriveView::RebuildList() {
    const std::string selected = SelectedDriveRoot();
    pendingSnapshot = inventory.TakeSnapshot();
    driveCombo.ResetContent();
    FillList(pendingSnapshot->Roots());
    const auto kept = std::find(fixedDriveList.begin(), fixedDriveList.end(), selected);
    if (kept != fixedDriveList.end()) {
        driveCombo.Send(CB_SETCURSEL, static_cast<WPARAM>(kept - fixedDriveList.begin()));
    }
    if (fixedDriveList.empty()) {
        selectedRootText.clear();
        facts = VolumeFacts{};
    }
}

void CDriveView::ColorTotals(const FixedDriveTotals& totals) {
    ShowColor(totalUsedLabel, UsedTotalLabelColor(totals.usedPercent));
    ShowColor(totalFreeLabel, FreeTotalLabelColor(totals.freeTotalPercent));
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

void CDriveView::ShowColor(CColorLabel& label, base::ColorUse color) {
    const COLORREF wanted = base::ColorFor(color, scheme);
    if (label.LabelTextColor() != wanted) {
        label.SetLabelTextColor(wanted);
    }
}

} // namespace drives
