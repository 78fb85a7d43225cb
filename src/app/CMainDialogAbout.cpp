#include "app/CMainDialog.h"

void CMainDialog::RunAboutBox() {
    fw::Dialog about(IDD_ABOUT);
    about.DoModal();
}
