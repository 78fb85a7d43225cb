#include "export/CReportFile.h"

#include "export/CSaveFileDialog.h"
#include "export/DriveReport.h"
#include "export/SaveCommandScope.h"
#include "framework/Application.h"

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

void CReportFile::Save() {
    const exports::SaveCommandScope scope;
    if (!scope.Entered()) {
        return;
    }
    HWND owner = owner_.GetHwnd();
    ShowWindow(owner, SW_HIDE);
    char fileName[MAX_PATH] = {};
    static const char filter[] = "*.txt\0\0";
    for (;;) {
        OPENFILENAMEA dialog{};
        dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
        dialog.lpstrFilter = filter;
        dialog.lpstrFile = fileName;
        dialog.nMaxFile = sizeof fileName;
        if (!CSaveFileDialog::Ask(dialog)) {
            break;
        }
        const std::string path = exports::ReportPathFor(fileName);
        // The dialog's own prompt would judge the typed name, not the file
        // that is written, so the question is asked here.
        if (FileExists(path) && MessageBoxA(owner, exports::ReplaceFileQuestion(path).c_str(),
                                            exports::ReplaceFileCaption,
                                            MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
            continue;
        }
        Write(path);
        break;
    }
    ShowWindow(owner, SW_SHOW);
}

void CReportFile::Write(const std::string& path) {
    reportPath_ = path;
    exports::ReportHeader header;
    header.userName = UserNameText();
    header.computerName = ComputerNameText();
    header.dateText = CurrentDateText();
    const drives::DriveInventory& inventory = view_.Inventory();
    const drives::DriveSnapshot snapshot = inventory.TakeSnapshot();
    const std::string report = exports::BuildDriveReport(
        header, exports::QueryReportedDrives(inventory, view_.FixedDriveList()), snapshot.totals);
    // The summary labels take the colours of the totals just reported.
    view_.ColorTotals(snapshot.totals);
    if (!WriteWholeFile(path, report)) {
        fw::AppMessageBox(exports::ReportNotWrittenMessage(path), MB_ICONERROR);
        return;
    }
    if (MessageBoxA(owner_.GetHwnd(), exports::ReportWrittenQuestion, exports::ReportWrittenCaption,
                    MB_YESNO) == IDYES) {
        launcher_.Execute("open", path, base::ShowDefault);
    }
}

std::string CReportFile::ComputerNameText() {
    char name[256];
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size)) {
        return "??";
    }
    return name;
}

std::string CReportFile::UserNameText() {
    char name[256];
    DWORD size = sizeof name;
    if (!GetUserNameA(name, &size)) {
        return "Not find";
    }
    return name;
}
