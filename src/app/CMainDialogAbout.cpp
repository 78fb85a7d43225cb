#include "app/CMainDialog.h"

#include "controls/CAboutDialog.h"

void CMainDialog::RunAboutBox() {
    CAboutDialog about;
    about.DoModal();
}
