#include "app/CMainDialog.h"

void CMainDialog::RelayToTips(MSG&) {}
