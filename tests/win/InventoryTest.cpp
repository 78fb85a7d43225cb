// The inventory against Wine's real drives. The test prefix has C: (fixed),
// D: (CD drive), E: (fixed, label DATA, serial 1A2B3C4D) and F: (network).
#include "drives/CWin32VolumeSystem.h"
#include "drives/DriveInventory.h"

#include <gtest/gtest.h>

TEST(RealInventory, ListsExactlyTheFixedDrivesWithTheirLabelsAndSerials) {
    CWin32VolumeSystem system;
    drives::DriveInventory inventory(system);
    inventory.BuildFixedDriveList();
    EXPECT_EQ(inventory.FixedDriveList, (std::vector<std::string>{"C:\\", "E:\\"}));

    inventory.QueryVolumeFacts("E:\\");
    EXPECT_EQ(inventory.facts.volumeNameText, "Volume Name: DATA");
    EXPECT_EQ(inventory.facts.serialNumberText, "Serial Number: 1A2B-3C4D");
    EXPECT_GT(inventory.facts.totalBytes, 0u);
    EXPECT_EQ(inventory.facts.capacityText.rfind("Capacity: ", 0), 0u);

    EXPECT_EQ(inventory.FindSystemDriveRoot(), "C:\\");
    EXPECT_TRUE(inventory.IsSystemDrive("C:\\"));
    EXPECT_FALSE(inventory.IsSystemDrive("E:\\"));
}
