#include "export/CSaveCommand.h"

#include "framework/SystemLibrary.h"

void CSaveCommand::HideOwner() noexcept {
    ShowWindow(owner, SW_HIDE);
    ownerHidden = true;
}

void CSaveCommand::ShowOwner() noexcept {
    if (ownerHidden) {
        ShowWindow(owner, SW_SHOW);
        ownerHidden = false;
    }
}

bool CSaveCommand::Ask(OPENFILENAMEA& dialog) noexcept {
    using AskFunction = BOOL(WINAPI*)(OPENFILENAMEA*);
    const auto ask = fw::SystemFunction<AskFunction>("comdlg32.dll", "GetSaveFileNameA");
    return ask != nullptr && ask(&dialog) != FALSE;
}
