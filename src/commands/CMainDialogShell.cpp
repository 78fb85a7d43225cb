#include "app/CMainDialog.h"

#include "framework/Application.h"

void CMainDialog::OnExplore() {
    commands::Explore(*shellLauncher, SelectedDriveRoot());
}

void CMainDialog::OnProperties() {
    commands::ShowProperties(*shellLauncher, SelectedDriveRoot(),
                             reinterpret_cast<std::uintptr_t>(fw::MainWindowHandle()));
}

void CMainDialog::OnSearch() {
    commands::Search(*shellLauncher, SelectedDriveRoot());
}

void CMainDialog::OnDefrag() {
    commands::Defragment(*shellLauncher);
}

void CMainDialog::OnClean() {
    commands::CleanUp(*shellLauncher, SelectedDriveRoot());
}
