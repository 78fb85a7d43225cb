#include "export/CDriveFactsClipboard.h"

#include "export/ClipboardText.h"
#include "framework/Handles.h"
#include "framework/SystemScopes.h"
#include "framework/Text.h"

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
    // UTF-16 only: a program that asks for 8-bit text gets the system's
    // conversion into its own code page.
    const std::wstring wide = fw::Widen(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    fw::GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, bytes));
    void* memory = block ? GlobalLock(block.Get()) : nullptr;
    if (memory != nullptr) {
        std::memcpy(memory, wide.c_str(), bytes);
        GlobalUnlock(block.Get());
        if (SetClipboardData(CF_UNICODETEXT, block.Get()) != nullptr) {
            block.Release(); // the clipboard owns it now
        }
    }
}
