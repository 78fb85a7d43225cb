#include "app/CMainDialog.h"

#include "base/Format.h"

std::string CMainDialog::SelectedDriveRoot() {
    HWND combo = GetDlgItem(IDC_DRIVE_COMBO);
    selectedIndex = static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    if (selectedIndex != CB_ERR) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, selectedIndex, 0);
        if (length != CB_ERR) {
            std::string text(static_cast<std::size_t>(length) + 1, '\0');
            SendMessageA(combo, CB_GETLBTEXT, selectedIndex, reinterpret_cast<LPARAM>(&text[0]));
            text.resize(static_cast<std::size_t>(length));
            selectedRootText = base::Format("%s", text.c_str());
        }
    }
    return selectedRootText;
}

void CMainDialog::ShowSelectedDrive() {
    QueryVolumeFacts(SelectedDriveRoot());
    const drives::VolumeFacts& facts = inventory.facts;
    logicalDriveTitle = base::Format("Logical Drive %s", SelectedDriveRoot().c_str());
    driveCountText = base::Format(". Number Of Logical Drives: %i",
                                  static_cast<int>(inventory.FixedDriveList.size()));
    SetDlgItemTextA(GetHwnd(), IDC_VOLUME_NAME, facts.volumeNameText.c_str());
    SetDlgItemTextA(GetHwnd(), IDC_CAPACITY, facts.capacityText.c_str());
    SetDlgItemTextA(GetHwnd(), IDC_USED, facts.usedText.c_str());
    SetDlgItemTextA(GetHwnd(), IDC_FREE, facts.freeText.c_str());
    SetDlgItemTextA(GetHwnd(), IDC_SERIAL, facts.serialNumberText.c_str());
    SetDlgItemTextA(GetHwnd(), IDC_FILE_SYSTEM, facts.fileSystemText.c_str());
    SetDlgItemTextA(GetHwnd(), IDC_MAX_NAME_LENGTH, facts.maxNameLengthText.c_str());
    SetDlgItemTextA(GetHwnd(), IDC_DRIVE_GROUP, logicalDriveTitle.c_str());
    SetDlgItemTextA(GetHwnd(), IDC_DRIVE_COUNT, driveCountText.c_str());
    SetDlgItemTextA(GetHwnd(), IDC_TOTAL_CAPACITY, CapacityTotalText().c_str());
    SetDlgItemTextA(GetHwnd(), IDC_TOTAL_USED, UsedTotalText().c_str());
    SetDlgItemTextA(GetHwnd(), IDC_TOTAL_FREE, FreeTotalText().c_str());
    SetDlgItemTextA(GetHwnd(), IDC_SYSTEM_DRIVE,
                    IsSystemDrive(SelectedDriveRoot()) ? "System drive: yes" : "System drive: no");
}

void CMainDialog::OnRefresh() {
    ShowSelectedDrive();
}
