#include "app/CMainDialog.h"

#include "export/DriveReport.h"
#include "framework/Application.h"

#include <commdlg.h>

#include <cstdio>
#include <ctime>

namespace {

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    if (stream == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
    const bool closed = std::fclose(stream) == 0;
    return written && closed;
}

std::string CurrentDateText() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local != nullptr ? exports::ReportDateText(*local) : std::string();
}

} // namespace

void CMainDialog::OnSaveReport() {
    if (fileDialogOpen) {
        return;
    }
    fileDialogOpen = true;
    ShowWindow(GetHwnd(), SW_HIDE);
    reportFileName[0] = '\0';
    static const char filter[] = "*.txt\0\0";
    for (;;) {
        OPENFILENAMEA dialog{};
        dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
        dialog.lpstrFilter = filter;
        dialog.lpstrFile = reportFileName;
        dialog.nMaxFile = sizeof reportFileName;
        if (!GetSaveFileNameA(&dialog)) {
            break;
        }
        const std::string path = exports::ReportPathFor(reportFileName);
        // The dialog's own prompt would judge the typed name, not the file
        // that is written, so the question is asked here.
        if (FileExists(path) && MessageBoxA(GetHwnd(), exports::ReplaceFileQuestion(path).c_str(),
                                            exports::ReplaceFileCaption,
                                            MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
            continue;
        }
        reportPath = path;
        WriteDriveReport();
        break;
    }
    fileDialogOpen = false;
    ShowWindow(GetHwnd(), SW_SHOW);
}

void CMainDialog::WriteDriveReport() {
    exports::ReportHeader header;
    header.userName = UserNameText();
    header.computerName = ComputerNameText();
    header.dateText = CurrentDateText();
    const std::string report = exports::BuildDriveReport(inventory, header);
    // The summary labels take the colours of the totals just recomputed.
    CapacityTotalText();
    UsedTotalText();
    FreeTotalText();
    if (!WriteWholeFile(reportPath, report)) {
        fw::AppMessageBox(exports::ReportNotWrittenMessage(reportPath), MB_ICONERROR);
        return;
    }
    if (MessageBoxA(GetHwnd(), exports::ReportWrittenQuestion, exports::ReportWrittenCaption,
                    MB_YESNO) == IDYES) {
        shellLauncher->Execute("open", reportPath, commands::ShowDefault);
    }
}

std::string CMainDialog::ComputerNameText() {
    char name[256];
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size)) {
        return "??";
    }
    return name;
}

std::string CMainDialog::UserNameText() {
    char name[256];
    DWORD size = sizeof name;
    if (!GetUserNameA(name, &size)) {
        return "Not find";
    }
    return name;
}
