#include "app/CMainDialog.h"

LRESULT CMainDialog::OnContextMenu(WPARAM, LPARAM) {
    return 0;
}
