#include "app/CMainDialog.h"

void CMainDialog::DoDataExchange() {}

void CMainDialog::SetUpControls() {
    BuildFixedDriveList();
    HWND combo = GetDlgItem(IDC_DRIVE_COMBO);
    for (std::size_t i = 0; i < inventory.FixedDriveList.size(); ++i) {
        SendMessageA(combo, CB_INSERTSTRING, i,
                     reinterpret_cast<LPARAM>(inventory.FixedDriveList[i].c_str()));
    }
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    SetDlgItemTextA(GetHwnd(), IDC_SUMMARY_GROUP, "Summary");
    SetDlgItemTextA(GetHwnd(), IDOK, "Exit");
}

BOOL CMainDialog::PaintBackground(HDC) {
    return FALSE;
}

LRESULT CMainDialog::OnCtlColor(WPARAM, LPARAM) {
    return Default();
}
