#include "export/ClipboardText.h"
#include "FakeVolumeSystem.h"

#include <gtest/gtest.h>

using testing_support::GiB;

TEST(ClipboardText, RootAndSevenFactLinesWithoutFinalLineEnd) {
    testing_support::FakeVolumeSystem system;
    system.Fixed("C:\\", 60 * GiB, 20 * GiB, "SYSTEM", 0x1A2B3C4D);
    system.Fixed("E:\\", 10 * GiB, 5 * GiB, "", 0xABCD);
    const drives::DriveInventory inventory(system);
    EXPECT_EQ(exports::ClipboardTextFor("C:\\", inventory.Query("C:\\")),
              "C:\\\r\n"
              "Volume Name: SYSTEM\r\n"
              "Capacity: 60.00 GB\r\n"
              "Used: 40.00 GB\r\n"
              "Free: 20.00 GB \r\n"
              "Serial Number: 1A2B-3C4D\r\n"
              "Max Filename Length Support: 255\r\n"
              "File System: NTFS");
    EXPECT_EQ(exports::ClipboardTextFor("E:\\", inventory.Query("E:\\")).substr(0, 30),
              "E:\\\r\nVolume Name: \r\nCapacity: ");
}
