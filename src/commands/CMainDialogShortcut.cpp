#include "app/CMainDialog.h"

void CMainDialog::OnShortcutOnDesktop() {}
