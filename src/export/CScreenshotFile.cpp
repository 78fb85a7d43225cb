#include "export/CScreenshotFile.h"

#include "export/BitmapFile.h"
#include "export/CSaveFileDialog.h"
#include "export/CWindowCapture.h"
#include "export/DriveReport.h"
#include "export/SaveCommandScope.h"

#include <string>

namespace {

constexpr char SaveTitle[] = "Save screen shot as...";

// Asks for the file; the dialog itself asks before replacing a file.
bool AskScreenShotPath(std::string& path) {
    char fileName[MAX_PATH] = {};
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = "*.bmp\0*.bmp\0";
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrTitle = SaveTitle;
    dialog.Flags = OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = "bmp";
    if (!CSaveFileDialog::Ask(dialog)) {
        return false;
    }
    path = exports::ScreenshotPath(fileName);
    // The dialog checked the name as typed; ask again when ".bmp" was added to it.
    if (path != fileName && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return MessageBoxA(nullptr, exports::ReplaceFileQuestion(path).c_str(),
                           exports::ReplaceFileCaption,
                           MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
    }
    return true;
}

} // namespace

void CScreenshotFile::Take() {
    const exports::SaveCommandScope scope;
    if (!scope.Entered()) {
        return;
    }
    HWND window = owner_.GetHwnd();
    {
        CWindowCapture capture;
        capture.CaptureWindowBitmap(window, window);
        ShowWindow(window, SW_HIDE);
        std::string path;
        if (capture.captureBitmap() != nullptr && AskScreenShotPath(path)) {
            CWindowCapture::SaveBitmapFile(capture.captureDCHandle(), capture.captureBitmap(),
                                           path);
        }
    }
    ShowWindow(window, SW_SHOW);
    // Emptying the clipboard also frees the picture the capture put there.
    if (OpenClipboard(window)) {
        EmptyClipboard();
        CloseClipboard();
    }
}
