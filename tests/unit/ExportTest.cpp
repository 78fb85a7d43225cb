// What leaves the program: the report, the clipboard text and the bitmap file's headers.
#include "export/BitmapFile.h"
#include "export/ClipboardText.h"
#include "export/DriveReport.h"
#include "FakeVolumeSystem.h"

#include <gtest/gtest.h>

#include <vector>

using testing_support::FakeVolumeSystem;
using testing_support::GiB;

namespace {

std::uint32_t Read32(const std::uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// A header as the system answers for a bitmap: fields the file copies, some it must not trust.
exports::BitmapInfoHeader Queried(std::int32_t width, std::int32_t height, std::uint16_t bits) {
    exports::BitmapInfoHeader info;
    info.width = width;
    info.height = height;
    info.bitCount = bits;
    info.compression = 3; // what a query of a 16 or 32 bit bitmap may report
    info.sizeImage = 12345;
    info.xPelsPerMeter = 2835;
    info.yPelsPerMeter = 3780;
    info.clrUsed = 0x01020304;
    info.clrImportant = 0x05060708;
    return info;
}

} // namespace

// A drive that went away since it was listed shows its own root and no borrowed facts.
TEST(DriveReport, WorkedExampleByteForByte) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 60 * GiB, 20 * GiB, "SYSTEM", 0x1A2B3C4D);
    system.Fixed("E:\\", 10 * GiB, 5 * GiB, "DATA", 0x1234);
    drives::DriveInventory inventory(system);
    inventory.FindSystemDriveRoot();
    const std::vector<std::string> listed = inventory.TakeSnapshot().Roots();
    system["E:\\"].spaceFails = true;
    EXPECT_EQ(exports::BuildDriveReport({"WORKSTATION", "alice", "12/05/26 03:41:47"},
                                        exports::QueryReportedDrives(inventory, listed),
                                        inventory.TakeSnapshot().totals),
              "Orbelune version 1.0.2\r\nReport on computer: WORKSTATION by alice\r\n"
              "Date: 12/05/26 03:41:47\r\n"
              "------------------------------------------------------------\r\n\r\n"
              " -> Number Of Logical Drives: 2\r\n\r\n"
              "- C:\\\r\nVolume Name: SYSTEM\r\nCapacity: 60.00 GB\r\n"
              "Used: 40.00 GB (67%)\r\nFree: 20.00 GB  (33%)\r\n"
              "Serial Number: 1A2B-3C4D\r\nFile System: NTFS\r\n"
              "Max File Length Support: 255\r\nSystem drive: yes\r\n\r\n"
              "- E:\\\r\nThe facts of this drive could not be read.\r\n\r\n"
              "-> Summary\r\n\r\n. Storage Capacity: 60 GB\r\n"
              ". Used: 40 GB (66%)\r\n. Free: 20 GB (34%)");
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
                 {".TXT", ".TXT", ".TXT.bmp"},
                 {"atxt", "atxt.txt", "atxt.bmp"}};
    for (const auto& p : paths) {
        EXPECT_EQ(exports::ReportPathFor(p.chosen), p.report);
        EXPECT_EQ(exports::ScreenshotPath(p.chosen), p.screenshot);
    }

    FakeVolumeSystem system;
    system.Fixed("C:\\", 10 * GiB, static_cast<std::uint64_t>(0.99 * GiB), "Größe", 0x0A1B0C2D);
    EXPECT_EQ(exports::ClipboardTextFor("C:\\", drives::DriveInventory(system).Query("C:\\")),
              "C:\\\r\nVolume Name: Größe\r\nCapacity: 10.00 GB\r\nUsed: 9.01 GB\r\n"
              "Free: 0.99 GB \r\nSerial Number: 0A1B-0C2D\r\n"
              "Max Filename Length Support: 255\r\nFile System: NTFS");
    system.Fixed("E:\\", 60 * GiB, 20 * GiB).infoFails = true;
    EXPECT_EQ(exports::ClipboardTextFor("E:\\", drives::DriveInventory(system).Query("E:\\")),
              "E:\\\r\nThe facts of this drive could not be read.");
}

// Rows of 5 pixels: 15 bytes padded to 16 at 24 bits, 20 at 32 bits; the true file size.
TEST(BitmapFile, HeadersOfTheTrueSizeAndDepthWithoutCompressionOrColorTable) {
    for (const auto& [bits, image] : {std::pair<std::uint16_t, std::uint32_t>{24, 48}, {32, 60}}) {
        const exports::BitmapInfoHeader info = exports::HeaderForFile(Queried(5, 3, bits));
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
    // Palette depths become true colour, since no colour table is written.
    const exports::BitmapInfoHeader rgb = exports::HeaderForFile(Queried(10, -2, 8));
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
