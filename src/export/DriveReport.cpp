#include "export/DriveReport.h"

#include "Version.h"
#include "base/Format.h"

namespace exports {
namespace {

const char* const LineEnd = "\r\n";

void AppendDriveBlock(std::string& report, const ReportedDrive& drive) {
    const drives::VolumeFacts& facts = drive.facts;
    if (!facts.Readable()) {
        // A drive that went away since start-up shows its own root, never the
        // facts of the drive before it.
        report +=
            base::Format("- %s\r\n%s\r\n\r\n", drive.root.c_str(), drives::UnreadableDriveText);
        return;
    }
    const double usedPercent = drives::BarPosition(facts.usedBarValue);
    const double freePercent = drives::BarPosition(facts.freePercent);
    report += base::Format("- %s\r\n", drive.root.c_str());
    report += facts.volumeNameText + LineEnd;
    report += facts.capacityText + LineEnd;
    report += base::Format("%s (%.f%%)\r\n", facts.usedText.c_str(), usedPercent);
    report += base::Format("%s (%.f%%)\r\n", facts.freeText.c_str(), freePercent);
    report += facts.serialNumberText + LineEnd;
    report += facts.fileSystemText + LineEnd;
    report +=
        base::Format("Max File Length Support: %d\r\n", static_cast<int>(facts.maxComponentLength));
    report += drive.systemDrive ? "System drive: yes" : "System drive: no";
    report += "\r\n\r\n";
}

} // namespace

std::vector<ReportedDrive> QueryReportedDrives(const drives::DriveInventory& inventory,
                                               const std::vector<std::string>& roots) {
    std::vector<ReportedDrive> drives;
    for (const std::string& root : roots) {
        drives.push_back(ReportedDrive{root, inventory.Query(root), inventory.IsSystemDrive(root)});
    }
    return drives;
}

std::string BuildDriveReport(const ReportHeader& header, const std::vector<ReportedDrive>& drives,
                             const drives::FixedDriveTotals& totals) {
    std::string report = "Orbelune version " ORBELUNE_VERSION "\r\n";
    report += base::Format("Report on computer: %s by %s\r\n", header.computerName.c_str(),
                           header.userName.c_str());
    report += "Date: " + header.dateText + LineEnd;
    report += std::string(60, '-') + "\r\n\r\n";
    report +=
        base::Format(" -> Number Of Logical Drives: %i\r\n\r\n", static_cast<int>(drives.size()));
    for (const ReportedDrive& drive : drives) {
        AppendDriveBlock(report, drive);
    }
    report += "-> Summary\r\n\r\n";
    report += drives::CapacityTotalText(totals) + LineEnd;
    report += base::Format("%s (%.f%%)\r\n", drives::UsedTotalText(totals).c_str(),
                           static_cast<double>(totals.usedPercent));
    report += base::Format("%s (%.f%%)", drives::FreeTotalText(totals).c_str(),
                           static_cast<double>(drives::FreeTotalFigure(totals)));
    return report;
}

std::string ReportDateText(const std::tm& localTime) {
    char buffer[128];
    const std::size_t length =
        std::strftime(buffer, sizeof buffer, "%m/%d/%y %H:%M:%S", &localTime);
    return std::string(buffer, length);
}

std::string ReportPathFor(const std::string& chosenName) {
    if (base::EndsWithNoCase(chosenName, ".txt")) {
        return chosenName;
    }
    return chosenName + ".txt";
}

std::string ReportNotWrittenMessage(const std::string& path) {
    return "The report could not be written to\n" + path;
}

} // namespace exports
