#include "app/CMainDialog.h"

void CMainDialog::OnEmptyRecycleBin() {}
