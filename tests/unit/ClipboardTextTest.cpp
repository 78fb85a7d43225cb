#include "export/ClipboardText.h"
#include "FakeVolumeSystem.h"

#include <gtest/gtest.h>

using testing_support::GiB;

TEST(ClipboardText, RootAndSevenFactLinesOfAFreshQueryWithoutFinalLineEnd) {
    testing_support::FakeVolumeSystem system;
    system.Fixed("C:\\", 60 * GiB, 20 * GiB, "SYSTEM", 0x1A2B3C4D);
    system.Fixed("E:\\", 10 * GiB, 5 * GiB, "", 0xABCD);
    drives::DriveInventory inventory(system);
    EXPECT_EQ(exports::ClipboardTextFor(inventory, "C:\\"), "C:\\\r\n"
                                                            "Volume Name: SYSTEM\r\n"
                                                            "Capacity: 60.00 GB\r\n"
                                                            "Used: 40.00 GB\r\n"
                                                            "Free: 20.00 GB \r\n"
                                                            "Serial Number: 1A2B-3C4D\r\n"
                                                            "Max Filename Length Support: 255\r\n"
                                                            "File System: NTFS");
    // Another drive, changed since the last look: its own facts, queried again.
    system["E:\\"].space.totalFreeBytes = 1 * GiB;
    const std::string text = exports::ClipboardTextFor(inventory, "E:\\");
    EXPECT_EQ(text.substr(0, 30), "E:\\\r\nVolume Name: \r\nCapacity: ");
    EXPECT_NE(text.find("Free: 1.00 GB \r\n"), std::string::npos);
    EXPECT_NE(text.find("Serial Number: ABCD-ABCD\r\n"), std::string::npos);
    EXPECT_EQ(text.find("SYSTEM"), std::string::npos);
}
