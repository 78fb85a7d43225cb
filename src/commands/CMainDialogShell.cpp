#include "app/CMainDialog.h"

void CMainDialog::OnExplore() {}
void CMainDialog::OnProperties() {}
void CMainDialog::OnSearch() {}
void CMainDialog::OnDefrag() {}
void CMainDialog::OnClean() {}
