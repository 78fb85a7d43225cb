#include "app/CMainDialog.h"

#include "base/Format.h"
#include "drives/DriveView.h"

#include <commctrl.h>

namespace {

COLORREF ColorOf(const drives::LabelColor& color) {
    return color.windowText ? GetSysColor(COLOR_WINDOWTEXT) : color.rgb;
}

} // namespace

std::string CMainDialog::SelectedDriveRoot() {
    selectedIndex = static_cast<int>(driveCombo.Send(CB_GETCURSEL));
    if (selectedIndex != CB_ERR) {
        selectedRootText = base::Format("%s", driveCombo.GetLBText(selectedIndex).c_str());
    }
    return selectedRootText;
}

void CMainDialog::ShowSelectedDrive() {
    for (int i = 0; i < driveCombo.GetCount(); ++i) {
        driveCombo.SetItemBold(i, false);
    }
    selectedIndex = static_cast<int>(driveCombo.Send(CB_GETCURSEL));
    driveCombo.SetItemBold(selectedIndex, true);

    QueryVolumeFacts(SelectedDriveRoot());
    logicalDriveTitle = drives::LogicalDriveTitle(SelectedDriveRoot());
    driveCountText = drives::DriveCountText(inventory.FixedDriveList.size());

    const drives::VolumeFacts& facts = inventory.facts;
    HWND window = GetHwnd();
    SetDlgItemTextA(window, IDC_VOLUME_NAME, facts.volumeNameText.c_str());
    SetDlgItemTextA(window, IDC_CAPACITY, facts.capacityText.c_str());
    SetDlgItemTextA(window, IDC_USED, facts.usedText.c_str());
    SetDlgItemTextA(window, IDC_FREE, facts.freeText.c_str());
    SetDlgItemTextA(window, IDC_SERIAL, facts.serialNumberText.c_str());
    SetDlgItemTextA(window, IDC_FILE_SYSTEM, facts.fileSystemText.c_str());
    SetDlgItemTextA(window, IDC_MAX_NAME_LENGTH, facts.maxNameLengthText.c_str());
    SetDlgItemTextA(window, IDC_DRIVE_GROUP, logicalDriveTitle.c_str());
    SetDlgItemTextA(window, IDC_DRIVE_COUNT, driveCountText.c_str());
    SetDlgItemTextA(window, IDC_TOTAL_CAPACITY, CapacityTotalText().c_str());
    SetDlgItemTextA(window, IDC_TOTAL_USED, UsedTotalText().c_str());
    SetDlgItemTextA(window, IDC_TOTAL_FREE, FreeTotalText().c_str());

    const drives::BarPositions bars = drives::BarPositionsOf(inventory.facts, inventory.totals);
    freeBar.Send(PBM_SETPOS, bars.freeBar);
    usedBar.Send(PBM_SETPOS, bars.usedBar);
    totalUsedBar.Send(PBM_SETPOS, bars.totalUsedBar);
    totalFreeBar.Send(PBM_SETPOS, bars.totalFreeBar);

    const bool systemDrive = IsSystemDrive(SelectedDriveRoot());
    systemDriveLabel.SetLabelTextColor(ColorOf(drives::SystemDriveLabelColor(systemDrive)));
    SetDlgItemTextA(window, IDC_SYSTEM_DRIVE, drives::SystemDriveText(systemDrive));
}

void CMainDialog::OnRefresh() {
    ShowSelectedDrive();
}
