#include "app/CMainDialog.h"

#include "commands/CDriveFormatter.h"
#include "commands/DriveNumber.h"
#include "commands/VolumeLabel.h"

void CMainDialog::OnFormat() {
    CDriveFormatter formatter;
    const std::string label = commands::RereadVolumeLabel(inventory, SelectedDriveRoot());
    const int drive = commands::ShellDriveNumber(SelectedDriveRoot());
    if (drive >= 0) {
        formatter.FormatDrive(GetHwnd(), static_cast<UINT>(drive), false, label.c_str());
    }
}
