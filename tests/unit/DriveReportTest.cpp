#include "export/DriveReport.h"
#include "FakeVolumeSystem.h"

#include <gtest/gtest.h>

using drives::DriveInventory;
using exports::BuildDriveReport;
using exports::ReportHeader;
using testing_support::FakeVolumeSystem;
using testing_support::GiB;

namespace {

const ReportHeader Header{"WORKSTATION", "alice", "12/05/26 03:41:47"};

const char* const ExpectedHeader =
    "Orbelune version 1.0.2\r\n"
    "Report on computer: WORKSTATION by alice\r\n"
    "Date: 12/05/26 03:41:47\r\n"
    "------------------------------------------------------------\r\n"
    "\r\n";

// The report on the drives listed now, asked afresh after `change`.
template <typename Change>
std::string Report(FakeVolumeSystem& system, Change change) {
    DriveInventory inventory(system);
    inventory.FindSystemDriveRoot();
    const std::vector<std::string> listed = inventory.TakeSnapshot().Roots();
    change();
    return BuildDriveReport(Header, exports::QueryReportedDrives(inventory, listed),
                            inventory.TakeSnapshot().totals);
}

std::string Report(FakeVolumeSystem& system) {
    return Report(system, [] {});
}

} // namespace

TEST(DriveReport, WorkedExampleByteForByte) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 60 * GiB, 20 * GiB, "SYSTEM", 0x1A2B3C4D);
    const std::string expected = std::string(ExpectedHeader) + " -> Number Of Logical Drives: 1\r\n"
                                                               "\r\n"
                                                               "- C:\\\r\n"
                                                               "Volume Name: SYSTEM\r\n"
                                                               "Capacity: 60.00 GB\r\n"
                                                               "Used: 40.00 GB (67%)\r\n"
                                                               "Free: 20.00 GB  (33%)\r\n"
                                                               "Serial Number: 1A2B-3C4D\r\n"
                                                               "File System: NTFS\r\n"
                                                               "Max File Length Support: 255\r\n"
                                                               "System drive: yes\r\n"
                                                               "\r\n"
                                                               "-> Summary\r\n"
                                                               "\r\n"
                                                               ". Storage Capacity: 60 GB\r\n"
                                                               ". Used: 40 GB (66%)\r\n"
                                                               ". Free: 20 GB (34%)";
    EXPECT_EQ(Report(system), expected);
}

TEST(DriveReport, TwoDrivesUnlabelledShortSerialAndNotSystem) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 60 * GiB, 20 * GiB, "SYSTEM", 0x1A2B3C4D);
    system.Fixed("E:\\", GiB / 2, GiB / 4, "", 0xABCD);
    system.Add("D:\\", drives::DriveType::CdRom, GiB, 0);
    const std::string report = Report(system);
    const std::string block = "- E:\\\r\n"
                              "Volume Name: \r\n"
                              "Capacity: 0.50 GB\r\n"
                              "Used: 0.25 GB (51%)\r\n"
                              "Free: 0.25 GB  (50%)\r\n"
                              "Serial Number: ABCD-ABCD\r\n"
                              "File System: NTFS\r\n"
                              "Max File Length Support: 255\r\n"
                              "System drive: no\r\n"
                              "\r\n"
                              "-> Summary\r\n";
    EXPECT_NE(report.find(" -> Number Of Logical Drives: 2\r\n\r\n- C:\\\r\n"), std::string::npos);
    EXPECT_NE(report.find("System drive: yes\r\n\r\n" + block), std::string::npos) << report;
    // E: adds nothing to the whole-gigabyte totals.
    EXPECT_NE(report.find(". Storage Capacity: 60 GB\r\n"), std::string::npos);
}

TEST(DriveReport, EmptyDriveListGoesFromCountToSummary) {
    FakeVolumeSystem system;
    const std::string expected = std::string(ExpectedHeader) + " -> Number Of Logical Drives: 0\r\n"
                                                               "\r\n"
                                                               "-> Summary\r\n"
                                                               "\r\n"
                                                               ". Storage Capacity: 0 GB\r\n"
                                                               ". Used: 0 GB (0%)\r\n"
                                                               ". Free: 0 GB (1%)";
    EXPECT_EQ(Report(system), expected);
}

TEST(DriveReport, VanishedDriveShowsItsOwnRootAndNoBorrowedFacts) {
    for (bool spaceFails : {true, false}) {
        FakeVolumeSystem system;
        system.Fixed("C:\\", 60 * GiB, 20 * GiB, "SYSTEM", 0x1A2B3C4D);
        system.Fixed("E:\\", 10 * GiB, 5 * GiB, "DATA", 0x1234);
        const std::string report = Report(system, [&] {
            (spaceFails ? system["E:\\"].spaceFails : system["E:\\"].infoFails) = true;
        });
        EXPECT_NE(report.find("System drive: yes\r\n\r\n- E:\\\r\n"
                              "The facts of this drive could not be read.\r\n\r\n-> Summary"),
                  std::string::npos)
            << report;
        EXPECT_EQ(report.find("SYSTEM"), report.rfind("SYSTEM"));
        EXPECT_EQ(report.find("DATA"), std::string::npos);
    }
}

TEST(ReportDate, TwoDigitFieldsAndTwentyFourHourClock) {
    auto text = [](int year, int month, int day, int hour, int minute, int second) {
        std::tm time{};
        time.tm_year = year - 1900;
        time.tm_mon = month - 1;
        time.tm_mday = day;
        time.tm_hour = hour;
        time.tm_min = minute;
        time.tm_sec = second;
        return exports::ReportDateText(time);
    };
    EXPECT_EQ(text(2026, 12, 5, 3, 41, 47), "12/05/26 03:41:47");
    EXPECT_EQ(text(2000, 1, 9, 23, 0, 5), "01/09/00 23:00:05");
}

TEST(ReportPath, TxtAddedOnlyWhenMissingInAnyCase) {
    EXPECT_EQ(exports::ReportPathFor("report"), "report.txt");
    EXPECT_EQ(exports::ReportPathFor("report.txt"), "report.txt");
    EXPECT_EQ(exports::ReportPathFor("D:\\Notes\\REPORT.TXT"), "D:\\Notes\\REPORT.TXT");
    EXPECT_EQ(exports::ReportPathFor("report.txt.log"), "report.txt.log.txt");
    EXPECT_EQ(exports::ReportPathFor("txt"), "txt.txt");
}
