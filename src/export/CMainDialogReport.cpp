#include "app/CMainDialog.h"

void CMainDialog::OnSaveReport() {}
