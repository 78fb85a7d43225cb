#include "app/CMainDialog.h"

#include "drives/DriveView.h"

namespace {

COLORREF ColorOf(const drives::LabelColor& color) {
    return color.windowText ? GetSysColor(COLOR_WINDOWTEXT) : color.rgb;
}

} // namespace

void CMainDialog::BuildFixedDriveList() {
    inventory.BuildFixedDriveList();
}

void CMainDialog::QueryVolumeFacts(std::string root) {
    inventory.QueryVolumeFacts(std::move(root));
    freeLabel.SetLabelTextColor(ColorOf(drives::FreeLabelColor(inventory.facts.freePercent)));
}

std::string CMainDialog::CapacityTotalText() {
    return inventory.CapacityTotalText();
}

std::string CMainDialog::UsedTotalText() {
    std::string text = inventory.UsedTotalText();
    totalUsedLabel.SetLabelTextColor(
        ColorOf(drives::UsedTotalLabelColor(inventory.totals.usedPercent)));
    return text;
}

std::string CMainDialog::FreeTotalText() {
    std::string text = inventory.FreeTotalText();
    totalFreeLabel.SetLabelTextColor(
        ColorOf(drives::FreeTotalLabelColor(inventory.totals.freeTotalPercent)));
    return text;
}

std::string CMainDialog::FindSystemDriveRoot() {
    return inventory.FindSystemDriveRoot();
}

bool CMainDialog::IsSystemDrive(const std::string& root) const {
    return inventory.IsSystemDrive(root);
}
