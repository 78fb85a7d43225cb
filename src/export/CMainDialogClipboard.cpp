#include "app/CMainDialog.h"

void CMainDialog::OnCopyToClipboard() {}
