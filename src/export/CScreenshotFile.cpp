#include "export/CScreenshotFile.h"

#include "export/BitmapFile.h"
#include "export/CSaveCommand.h"
#include "export/CWindowCapture.h"
#include "framework/Application.h"
#include "framework/Text.h"

#include <string>
#include <vector>

namespace {

constexpr char SaveTitle[] = "Save screen shot as...";

// Asks for the file; the dialog itself asks before replacing a file.
bool AskScreenShotPath(HWND owner, std::string& path) {
    std::vector<char> fileName(fw::PathBufferSize);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = "*.bmp\0*.bmp\0";
    dialog.lpstrFile = fileName.data();
    dialog.nMaxFile = fw::PathBufferSize;
    dialog.lpstrTitle = SaveTitle;
    dialog.Flags = OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = "bmp";
    if (!CSaveCommand::Ask(dialog)) {
        return false;
    }
    path = exports::ScreenshotPath(fileName.data());
    // The dialog checked the name as typed; ask again when ".bmp" was added to it.
    return path == fileName.data() || fw::MayReplaceFile(owner, path);
}

} // namespace

void CScreenshotFile::Take() {
    HWND window = owner.GetHwnd();
    CSaveCommand command(window);
    if (!command.Entered()) {
        return;
    }
    {
        CWindowCapture capture;
        capture.CaptureWindowBitmap(window, window);
        command.HideOwner();
        std::string path;
        if (capture.CaptureBitmap() != nullptr && AskScreenShotPath(window, path)) {
            CWindowCapture::SaveBitmapFile(capture.CaptureDCHandle(), capture.CaptureBitmap(),
                                           path);
        }
    }
    command.ShowOwner();
    // Emptying the clipboard also frees the picture the capture put there.
    if (const fw::ClipboardSession clipboard{window}) {
        EmptyClipboard();
    }
}
