#include "export/CReportFile.h"

#include "export/CSaveCommand.h"
#include "export/DriveReport.h"
#include "framework/Application.h"
#include "framework/Handles.h"
#include "framework/Text.h"

#include <ctime>
#include <vector>

namespace {

// The bytes into a file beside `path`, moved over it once they are all on disk.
bool ReplaceWholeFile(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE handle = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool written = false;
    {
        const fw::File file(handle);
        DWORD count = 0;
        written = WriteFile(handle, bytes.data(), DWORD(bytes.size()), &count, nullptr) &&
                  count == bytes.size() && FlushFileBuffers(handle);
    }
    if (written && MoveFileExA(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileA(temporary.c_str());
    return false;
}

std::string CurrentDateText() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local != nullptr ? exports::ReportDateText(*local) : std::string();
}

} // namespace

void CReportFile::Save() {
    CSaveCommand command(owner.GetHwnd());
    if (!command.Entered()) {
        return;
    }
    command.HideOwner();
    std::vector<char> fileName(fw::PathBufferSize);
    static const char filter[] = "*.txt\0\0";
    for (;;) {
        OPENFILENAMEA dialog{};
        dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
        dialog.lpstrFilter = filter;
        dialog.lpstrFile = fileName.data();
        dialog.nMaxFile = fw::PathBufferSize;
        if (!CSaveCommand::Ask(dialog)) {
            return;
        }
        // The dialog's own prompt would judge the typed name, not the file
        // that is written, so the question is asked here.
        const std::string path = exports::ReportPathFor(fileName.data());
        if (fw::MayReplaceFile(owner.GetHwnd(), path)) {
            Write(path);
            return;
        }
    }
}

void CReportFile::Write(const std::string& path) {
    reportPath = path;
    const drives::DriveInventory& inventory = view.Inventory();
    const drives::DriveSnapshot snapshot = inventory.TakeSnapshot();
    const bool written = WriteReport(inventory, view.FixedDriveList(), snapshot.totals, path);
    // The summary labels take the colours of the totals just reported.
    view.ColorTotals(snapshot.totals);
    if (!written) {
        fw::AppMessageBox(exports::ReportNotWrittenMessage(path), MB_ICONERROR);
        return;
    }
    if (MessageBoxA(owner.GetHwnd(), exports::ReportWrittenQuestion, exports::ReportWrittenCaption,
                    MB_YESNO) == IDYES) {
        launcher.Execute("open", path, base::ShowDefault);
    }
}

bool CReportFile::WriteReport(const drives::DriveInventory& inventory,
                              const std::vector<std::string>& roots,
                              const drives::FixedDriveTotals& totals, const std::string& path) {
    exports::ReportHeader header;
    header.userName = UserNameText();
    header.computerName = ComputerNameText();
    header.dateText = CurrentDateText();
    const std::string report =
        exports::BuildDriveReport(header, exports::QueryReportedDrives(inventory, roots), totals);
    return ReplaceWholeFile(path, fw::ToUtf8(report));
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
