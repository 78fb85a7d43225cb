#include "app/CMainDialog.h"

void CMainDialog::OnFormat() {}
