#include "app/CMainDialog.h"

void CMainDialog::OnRenameVolume() {}
