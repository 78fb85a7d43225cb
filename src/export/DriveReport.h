#pragma once
// The text report on all listed drives: its exact bytes, the date line and the
// name of the file it is written to.
#include "drives/DriveInventory.h"

#include <ctime>
#include <string>
#include <vector>

namespace exports { // the folder's name, "export", is a keyword of C++

struct ReportHeader {
    std::string computerName;
    std::string userName;
    std::string dateText;
};

// One listed drive as the report shows it; its block is written when both
// volume questions were answered.
struct ReportedDrive {
    std::string root;
    drives::VolumeFacts facts;
    bool systemDrive = false;
};

// Asks every root afresh.
std::vector<ReportedDrive> QueryReportedDrives(const drives::DriveInventory& inventory,
                                               const std::vector<std::string>& roots);

// The whole report, CR LF line ends written explicitly and none after the last line.
std::string BuildDriveReport(const ReportHeader& header, const std::vector<ReportedDrive>& drives,
                             const drives::FixedDriveTotals& totals);

// "12/05/26 03:41:47"; empty when the time cannot be formatted.
std::string ReportDateText(const std::tm& localTime);

// The file the report is written to: ".txt" is added unless the chosen name
// already ends in it, in any case.
std::string ReportPathFor(const std::string& chosenName);

constexpr const char* ReportWrittenQuestion = "File correctly written.\nDo you want to open it ?";
constexpr const char* ReportWrittenCaption = "Open file";

// The message shown when the report file could not be created or written.
std::string ReportNotWrittenMessage(const std::string& path);

} // namespace exports
