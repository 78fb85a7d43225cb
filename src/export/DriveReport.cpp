#include "export/DriveReport.h"

#include "base/Format.h"

namespace exports {
namespace {

const char* const LineEnd = "\r\n";

// Writes one drive's block; false when the drive could not be queried, in
// which case nothing is appended.
bool AppendDriveBlock(std::string& report, drives::DriveInventory& inventory,
                      const std::string& root) {
    drives::VolumeSystem& system = inventory.System();
    drives::DiskSpace space;
    drives::VolumeInformation info;
    if (!system.QueryDiskFreeSpace(root, space) || !system.QueryVolumeInformation(root, info)) {
        return false;
    }
    drives::VolumeFacts& facts = inventory.facts;
    drives::ApplyDiskSpace(facts, space);
    facts.freePercent = drives::FreePercentOf(facts.totalFreeBytes, facts.totalBytes);
    facts.usedBarValue = drives::UsedBarValueOf(facts.usedBytes, facts.totalBytes);
    drives::ApplyVolumeInformation(facts, info, "Max File Length Support: %d");

    const double usedPercent = drives::BarPosition(facts.usedBarValue);
    const double freePercent = drives::BarPosition(facts.freePercent);
    report += base::Format("- %s\r\n", root.c_str());
    report += facts.volumeNameText + LineEnd;
    report += facts.capacityText + LineEnd;
    report += base::Format("%s (%.f%%)\r\n", facts.usedText.c_str(), usedPercent);
    report += base::Format("%s (%.f%%)\r\n", facts.freeText.c_str(), freePercent);
    report += facts.serialNumberText + LineEnd;
    report += facts.fileSystemText + LineEnd;
    report += facts.maxNameLengthText + LineEnd;
    report += inventory.IsSystemDrive(root) ? "System drive: yes" : "System drive: no";
    report += "\r\n\r\n";
    return true;
}

} // namespace

std::string BuildDriveReport(drives::DriveInventory& inventory, const ReportHeader& header) {
    std::string report = "Orbelune version 1.0.2\r\n";
    report += base::Format("Report on computer: %s by %s\r\n", header.computerName.c_str(),
                           header.userName.c_str());
    report += "Date: " + header.dateText + LineEnd;
    report += std::string(60, '-') + "\r\n\r\n";
    report += base::Format(" -> Number Of Logical Drives: %i\r\n\r\n",
                           static_cast<int>(inventory.FixedDriveList.size()));

    for (const std::string& root : inventory.FixedDriveList) {
        if (!AppendDriveBlock(report, inventory, root)) {
            // A drive that went away since start-up shows its own root, never
            // the facts of the drive before it.
            report += base::Format("- %s\r\nThe facts of this drive could not be read.\r\n\r\n",
                                   root.c_str());
        }
    }

    report += "-> Summary\r\n\r\n";
    report += inventory.CapacityTotalText() + LineEnd;
    const std::string usedTotal = inventory.UsedTotalText();
    report += base::Format("%s (%.f%%)\r\n", usedTotal.c_str(),
                           static_cast<double>(inventory.totals.usedPercent));
    const std::string freeTotal = inventory.FreeTotalText();
    report += base::Format("%s (%.f%%)", freeTotal.c_str(),
                           static_cast<double>(inventory.totals.freeTotalPercent + 1));
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

std::string ReplaceFileQuestion(const std::string& path) {
    return path + " already exists.\nDo you want to replace it?";
}

} // namespace exports
