#include "app/CMainDialog.h"

void CMainDialog::OnTakeScreenShot() {}

bool CMainDialog::SaveBitmapFile(HDC, HBITMAP, std::string) {
    return false;
}
