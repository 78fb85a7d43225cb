#include "export/CSaveFileDialog.h"

#include "framework/SystemLibrary.h"

bool CSaveFileDialog::Ask(OPENFILENAMEA& dialog) noexcept {
    using AskFunction = BOOL(WINAPI*)(OPENFILENAMEA*);
    const auto ask = fw::SystemFunction<AskFunction>("comdlg32.dll", "GetSaveFileNameA");
    return ask != nullptr && ask(&dialog) != FALSE;
}
