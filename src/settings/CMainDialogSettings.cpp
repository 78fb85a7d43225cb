#include "app/CMainDialog.h"

void CMainDialog::LoadSettings() {}

void CMainDialog::ApplyTransparency() {}

void CMainDialog::OnToggleTransparency() {}
