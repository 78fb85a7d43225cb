// What leaves the program: the report's bytes, the clipboard text and the
// bitmap file's headers.
#include "export/BitmapFile.h"
#include "export/ClipboardText.h"
#include "export/DriveReport.h"
#include "FakeVolumeSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using testing_support::FakeVolumeSystem;
using testing_support::GiB;

namespace {

// The report on the drives listed now, asked afresh after `change`.
std::string Report(
    FakeVolumeSystem& system, const std::function<void()>& change = [] {}) {
    drives::DriveInventory inventory(system);
    inventory.FindSystemDriveRoot();
    const std::vector<std::string> listed = inventory.TakeSnapshot().Roots();
    change();
    return exports::BuildDriveReport({"WORKSTATION", "alice", "12/05/26 03:41:47"},
                                     exports::QueryReportedDrives(inventory, listed),
                                     inventory.TakeSnapshot().totals);
}

const std::string Head = "Orbelune version 1.0.2\r\n"
                         "Report on computer: WORKSTATION by alice\r\n"
                         "Date: 12/05/26 03:41:47\r\n" +
                         std::string(60, '-') + "\r\n\r\n";

std::uint32_t Read32(const std::uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

exports::BitmapInfoHeader Queried(std::int32_t width, std::int32_t height, std::uint16_t bits) {
    exports::BitmapInfoHeader info;
    info.width = width;
    info.height = height;
    info.bitCount = bits;
    info.compression = 3; // what a query of a 16 or 32 bit bitmap may report
    return info;
}

} // namespace

TEST(DriveReport, WorkedExampleByteForByte) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 60 * GiB, 20 * GiB, "SYSTEM", 0x1A2B3C4D);
    EXPECT_EQ(Report(system), Head + " -> Number Of Logical Drives: 1\r\n\r\n"
                                     "- C:\\\r\nVolume Name: SYSTEM\r\nCapacity: 60.00 GB\r\n"
                                     "Used: 40.00 GB (67%)\r\nFree: 20.00 GB  (33%)\r\n"
                                     "Serial Number: 1A2B-3C4D\r\nFile System: NTFS\r\n"
                                     "Max File Length Support: 255\r\nSystem drive: yes\r\n\r\n"
                                     "-> Summary\r\n\r\n. Storage Capacity: 60 GB\r\n"
                                     ". Used: 40 GB (66%)\r\n. Free: 20 GB (34%)");
    FakeVolumeSystem none;
    EXPECT_EQ(Report(none), Head + " -> Number Of Logical Drives: 0\r\n\r\n-> Summary\r\n\r\n"
                                   ". Storage Capacity: 0 GB\r\n. Used: 0 GB (0%)\r\n"
                                   ". Free: 0 GB (0%)");
}

TEST(DriveReport, AVanishedDriveShowsItsOwnRootAndNoBorrowedFacts) {
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

TEST(ExportTexts, DatesPathsMessagesAndTheClipboardText) {
    std::tm time{};
    time.tm_year = 2000 - 1900, time.tm_mday = 9, time.tm_hour = 23, time.tm_sec = 5;
    EXPECT_EQ(exports::ReportDateText(time), "01/09/00 23:00:05");
    // The extension is added unless the chosen name ends in it, in any case.
    const struct {
        const char *chosen, *report, *screenshot;
    } paths[] = {{"x", "x.txt", "x.bmp"},
                 {"D:\\N\\X.TXT", "D:\\N\\X.TXT", "D:\\N\\X.TXT.bmp"},
                 {"shot.Bmp", "shot.Bmp.txt", "shot.Bmp"},
                 {"x.txt.log", "x.txt.log.txt", "x.txt.log.bmp"},
                 {"txt", "txt.txt", "txt.bmp"},
                 {".TXT", ".TXT", ".TXT.bmp"},
                 {"atxt", "atxt.txt", "atxt.bmp"}};
    for (const auto& p : paths) {
        EXPECT_EQ(exports::ReportPathFor(p.chosen), p.report);
        EXPECT_EQ(exports::ScreenshotPath(p.chosen), p.screenshot);
    }

    FakeVolumeSystem system;
    system.Fixed("C:\\", 60 * GiB, 20 * GiB,
                 "Gr\xF6\xDF"
                 "e",
                 0x1A2B3C4D);
    EXPECT_EQ(exports::ClipboardTextFor("C:\\", drives::DriveInventory(system).Query("C:\\")),
              "C:\\\r\nVolume Name: Gr\xF6\xDF"
              "e\r\nCapacity: 60.00 GB\r\nUsed: 40.00 GB\r\n"
              "Free: 20.00 GB \r\nSerial Number: 1A2B-3C4D\r\n"
              "Max Filename Length Support: 255\r\nFile System: NTFS");
    system.Fixed("E:\\", 60 * GiB, 20 * GiB).infoFails = true;
    EXPECT_EQ(exports::ClipboardTextFor("E:\\", drives::DriveInventory(system).Query("E:\\")),
              "E:\\\r\nThe facts of this drive could not be read.");
}

// Rows of 5 pixels: 15 bytes padded to 16 at 24 bits, 20 at 32 bits; the file
// size is the true one.
TEST(BitmapFile, HeadersOfTheTrueSizeAndDepthWithoutCompressionOrColorTable) {
    for (const auto& [bits, image] : {std::pair<std::uint16_t, std::uint32_t>{24, 48}, {32, 60}}) {
        exports::BitmapInfoHeader queried = Queried(5, 3, bits);
        queried.sizeImage = 12345; // never trusted: the rows decide the size
        queried.xPelsPerMeter = 2835;
        queried.yPelsPerMeter = 3780;
        queried.clrUsed = 0x01020304;
        queried.clrImportant = 0x05060708;
        const exports::BitmapInfoHeader info = exports::HeaderForFile(queried);
        const auto file = exports::FileHeaderBytes(info);
        EXPECT_EQ((std::vector<std::uint32_t>{file[0], file[1], Read32(&file[2]), Read32(&file[6]),
                                              Read32(&file[10])}),
                  (std::vector<std::uint32_t>{'B', 'M', 54 + image, 0, 54}));
        const auto bytes = exports::InfoHeaderBytes(info);
        std::vector<std::uint32_t> fields;
        for (int offset : {0, 4, 8, 16, 20, 24, 28, 32, 36})
            fields.push_back(Read32(&bytes[offset]));
        EXPECT_EQ(fields, (std::vector<std::uint32_t>{40, 5, 3, 0, image, 2835, 3780, 0x01020304,
                                                      0x05060708}));
        EXPECT_EQ(bytes[12] | bytes[13] << 8, 1);
        EXPECT_EQ(bytes[14] | bytes[15] << 8, bits);
    }
    EXPECT_EQ(exports::HeaderForFile(Queried(300, 200, 16)).bitCount, 16);
    EXPECT_EQ(exports::RowStride(640, 32), 2560u);
    EXPECT_EQ(exports::RowStride(-5, 24), 16u);
    // Palette depths become true colour, since no colour table is written.
    exports::BitmapInfoHeader palette = Queried(10, -2, 8);
    palette.clrUsed = 256;
    palette.clrImportant = 16;
    const exports::BitmapInfoHeader rgb = exports::HeaderForFile(palette);
    EXPECT_EQ(
        (std::vector<std::uint32_t>{rgb.bitCount, rgb.clrUsed, rgb.clrImportant, rgb.sizeImage}),
        (std::vector<std::uint32_t>{24, 0, 0, 64}));
}

TEST(BitmapFile, TheFourthByteOfThirtyTwoBitPixelsIsClearedAndNothingBeyond) {
    std::vector<std::uint8_t> pixels{1, 2, 3, 0xFF, 4, 5, 6, 0x80};
    exports::ClearUnusedPixelBytes(exports::HeaderForFile(Queried(2, 1, 32)), pixels.data(), 8);
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{1, 2, 3, 0, 4, 5, 6, 0}));
    std::vector<std::uint8_t> odd(7, 0xFF); // not a whole number of pixels
    exports::ClearUnusedPixelBytes(exports::HeaderForFile(Queried(2, 1, 32)), odd.data(), 7);
    EXPECT_EQ(odd[3], 0);
    std::vector<std::uint8_t> rgb{1, 2, 3, 0xFF, 4, 5, 6, 0x80};
    exports::ClearUnusedPixelBytes(exports::HeaderForFile(Queried(2, 1, 24)), rgb.data(), 8);
    EXPECT_EQ(rgb[3], 0xFF);
}
