#include "export/CDriveFactsClipboard.h"

#include "export/ClipboardText.h"
#include "framework/Handles.h"
#include "framework/SystemScopes.h"

#include <cstring>

void CDriveFactsClipboard::Copy() {
    const std::string root = view.SelectedDriveRoot();
    CopyText(owner.GetHwnd(), exports::ClipboardTextFor(root, view.QueryVolumeFacts(root)));
}

void CDriveFactsClipboard::CopyText(HWND owner, const std::string& text) {
    const fw::ClipboardSession clipboard(owner);
    if (!clipboard) {
        return;
    }
    EmptyClipboard();
    fw::GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
    void* memory = block ? GlobalLock(block.Get()) : nullptr;
    if (memory != nullptr) {
        std::memcpy(memory, text.c_str(), text.size() + 1);
        GlobalUnlock(block.Get());
        if (SetClipboardData(CF_TEXT, block.Get()) != nullptr) {
            block.Release(); // the clipboard owns it now
        }
    }
}
