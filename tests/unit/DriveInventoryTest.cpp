#include "drives/DriveInventory.h"
#include "FakeVolumeSystem.h"

#include <gtest/gtest.h>

#include <cmath>

using drives::DriveInventory;
using drives::DriveType;
using testing_support::FakeVolumeSystem;
using testing_support::GiB;

TEST(DriveInventory, ListsOnlyFixedDrivesWithReadableSpaceInLetterOrderFromC) {
    FakeVolumeSystem system;
    system.Fixed("A:\\", 10 * GiB, 5 * GiB);
    system.Fixed("E:\\", 10 * GiB, 5 * GiB);
    system.Add("D:\\", DriveType::CdRom, 1 * GiB, 0);
    system.Add("F:\\", DriveType::Remote, 100 * GiB, 10 * GiB);
    system.Fixed("C:\\", 20 * GiB, 5 * GiB);
    system.Fixed("G:\\", 20 * GiB, 5 * GiB).spaceFails = true;
    system.Add("H:\\", DriveType::Removable, 2 * GiB, 1 * GiB);
    system.Add("I:\\", DriveType::RamDisk, 2 * GiB, 1 * GiB);
    system.Fixed("Z:\\", 10 * GiB, 5 * GiB);
    DriveInventory inventory(system);
    inventory.BuildFixedDriveList();
    EXPECT_EQ(inventory.FixedDriveList, (std::vector<std::string>{"C:\\", "E:\\", "Z:\\"}));
}

TEST(DriveInventory, VolumeTextsAndPercentages) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 10 * GiB, static_cast<std::uint64_t>(0.99 * GiB), "SYSTEM", 0x1A2B3C4D);
    system.Fixed("E:\\", 10 * GiB, 5 * GiB, "");
    DriveInventory inventory(system);
    inventory.QueryVolumeFacts("C:\\");
    const auto& f = inventory.facts;
    EXPECT_EQ(f.volumeNameText, "Volume Name: SYSTEM");
    EXPECT_EQ(f.capacityText, "Capacity: 10.00 GB");
    EXPECT_EQ(f.usedText, "Used: 9.01 GB");
    EXPECT_EQ(f.freeText, "Free: 0.99 GB ");
    EXPECT_EQ(f.serialNumberText, "Serial Number: 1A2B-3C4D");
    EXPECT_EQ(f.fileSystemText, "File System: NTFS");
    EXPECT_EQ(f.maxNameLengthText, "Max Filename Length Support: 255");
    EXPECT_NEAR(f.freePercent, 9.9f, 0.001f);
    EXPECT_TRUE(drives::FreeSpaceIsLow(f.freePercent));
    EXPECT_EQ(drives::BarPosition(f.usedBarValue), 91); // 90.1 % used + 1

    inventory.QueryVolumeFacts("E:\\");
    EXPECT_EQ(f.volumeNameText, "Volume Name: "); // an empty label ends in the blank
}

TEST(DriveInventory, SerialNumberHalvesOverlapForShortSerials) {
    EXPECT_EQ(drives::SerialNumberText(0x1A2B3C4D), "Serial Number: 1A2B-3C4D");
    EXPECT_EQ(drives::SerialNumberText(0x0A1B2C3D), "Serial Number: A1B2-2C3D");
    EXPECT_EQ(drives::SerialNumberText(0xABC), "Serial Number: ABC-ABC");
    EXPECT_EQ(drives::SerialNumberText(0), "Serial Number: 0-0");
}

TEST(DriveInventory, FailedQueriesLeaveTextsAndRecomputeFromHeldCounters) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 10 * GiB, 4 * GiB, "SYSTEM", 0x11112222);
    auto& gone = system.Fixed("D:\\", 50 * GiB, 1 * GiB, "OTHER", 0x33334444);
    gone.spaceFails = true;
    gone.infoFails = true;
    DriveInventory inventory(system);
    inventory.QueryVolumeFacts("C:\\");
    const auto before = inventory.facts;
    inventory.QueryVolumeFacts("D:\\");
    const auto& f = inventory.facts;
    EXPECT_EQ(f.capacityText, before.capacityText);
    EXPECT_EQ(f.usedText, before.usedText);
    EXPECT_EQ(f.freeText, before.freeText);
    EXPECT_EQ(f.volumeNameText, before.volumeNameText);
    EXPECT_EQ(f.serialNumberText, before.serialNumberText);
    EXPECT_FLOAT_EQ(f.freePercent, 40.0f);
}

TEST(DriveInventory, ZeroByteVolumeGivesEmptyBarsNotNaN) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 0, 0);
    DriveInventory inventory(system);
    inventory.QueryVolumeFacts("C:\\");
    EXPECT_EQ(inventory.facts.freePercent, 0.0f);
    EXPECT_EQ(inventory.facts.usedBarValue, 0.0f);
    EXPECT_EQ(drives::BarPosition(NAN), 0);
    EXPECT_FALSE(drives::FreeSpaceIsLow(NAN));
}

// Each drive counts in whole gigabytes; below 1 GB in all the percentages are 0.
TEST(DriveInventory, TotalsAddWholeGigabytesPerDrive) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", GiB / 2, GiB / 4);
    DriveInventory inventory(system);
    EXPECT_EQ(inventory.UsedTotalText(), ". Used: 0 GB");
    EXPECT_EQ(inventory.FreeTotalText(), ". Free: 0 GB");
    EXPECT_EQ(inventory.totals.usedPercent, 0u);
    EXPECT_EQ(inventory.totals.freeTotalPercent, 0u);

    system.Fixed("D:\\", static_cast<std::uint64_t>(1.9 * GiB),
                 static_cast<std::uint64_t>(1.5 * GiB));
    EXPECT_EQ(inventory.CapacityTotalText(), ". Storage Capacity: 1 GB");
    EXPECT_EQ(inventory.totals.capacityGB, 1u);
    EXPECT_EQ(inventory.UsedTotalText(), ". Used: 0 GB");
    EXPECT_EQ(inventory.FreeTotalText(), ". Free: 1 GB");
    EXPECT_EQ(inventory.totals.freeTotalPercent, 100u);
}

TEST(DriveInventory, SystemDrive) {
    FakeVolumeSystem system;
    DriveInventory inventory(system);
    EXPECT_FALSE(inventory.IsSystemDrive("C:\\")); // unknown system drive: none is it
    system.windowsDirectory = "D:\\WINDOWS";
    EXPECT_EQ(inventory.FindSystemDriveRoot(), "D:\\");
    EXPECT_FALSE(inventory.IsSystemDrive("C:\\"));
    EXPECT_TRUE(inventory.IsSystemDrive("D:\\"));
    system.windowsDirectory = "";
    EXPECT_EQ(inventory.FindSystemDriveRoot(), "Not find");
    EXPECT_EQ(inventory.systemDriveRoot, "D:\\");
}
