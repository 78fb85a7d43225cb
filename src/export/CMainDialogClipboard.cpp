#include "app/CMainDialog.h"

#include "export/ClipboardText.h"

#include <cstring>

void CMainDialog::OnCopyToClipboard() {
    CopyTextToClipboard(exports::ClipboardTextFor(inventory, SelectedDriveRoot()));
}

void CMainDialog::CopyTextToClipboard(std::string text) {
    if (!OpenClipboard(GetHwnd())) {
        return;
    }
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    void* memory = block != nullptr ? GlobalLock(block) : nullptr;
    if (memory != nullptr) {
        std::memcpy(memory, text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        if (SetClipboardData(CF_TEXT, block) == nullptr) {
            GlobalFree(block);
        }
    } else if (block != nullptr) {
        GlobalFree(block);
    }
    CloseClipboard();
}
