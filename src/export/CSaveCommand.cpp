#include "export/CSaveCommand.h"

#include "export/DriveReport.h"
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

bool CSaveCommand::MayReplace(const std::string& path) const {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return true;
    }
    return MessageBoxA(owner, exports::ReplaceFileQuestion(path).c_str(),
                       exports::ReplaceFileCaption,
                       MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}
