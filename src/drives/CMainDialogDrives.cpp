#include "app/CMainDialog.h"

void CMainDialog::BuildFixedDriveList() {
    inventory.BuildFixedDriveList();
}

void CMainDialog::QueryVolumeFacts(std::string root) {
    inventory.QueryVolumeFacts(std::move(root));
}

std::string CMainDialog::CapacityTotalText() {
    return inventory.CapacityTotalText();
}

std::string CMainDialog::UsedTotalText() {
    return inventory.UsedTotalText();
}

std::string CMainDialog::FreeTotalText() {
    return inventory.FreeTotalText();
}

std::string CMainDialog::FindSystemDriveRoot() {
    return inventory.FindSystemDriveRoot();
}

bool CMainDialog::IsSystemDrive(const std::string& root) const {
    return inventory.IsSystemDrive(root);
}
