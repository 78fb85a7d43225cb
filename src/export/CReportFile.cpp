#include "export/CReportFile.h"

#include "export/CSaveCommand.h"
#include "export/DriveReport.h"
#include "framework/Application.h"
#include "framework/Text.h"

#include <cstdio>
#include <ctime>
#include <vector>

namespace {

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
    exports::ReportHeader header;
    header.userName = UserNameText();
    header.computerName = ComputerNameText();
    header.dateText = CurrentDateText();
    const drives::DriveInventory& inventory = view.Inventory();
    const drives::DriveSnapshot snapshot = inventory.TakeSnapshot();
    const std::string report = exports::BuildDriveReport(
        header, exports::QueryReportedDrives(inventory, view.FixedDriveList()), snapshot.totals);
    // The summary labels take the colours of the totals just reported.
    view.ColorTotals(snapshot.totals);
    if (!WriteWholeFile(path, fw::ToUtf8(report))) {
        fw::AppMessageBox(exports::ReportNotWrittenMessage(path), MB_ICONERROR);
        return;
    }
    if (MessageBoxA(owner.GetHwnd(), exports::ReportWrittenQuestion, exports::ReportWrittenCaption,
                    MB_YESNO) == IDYES) {
        launcher.Execute("open", path, base::ShowDefault);
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
