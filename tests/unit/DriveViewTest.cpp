#include "drives/DriveView.h"
#include "FakeVolumeSystem.h"

#include <gtest/gtest.h>

#include <cmath>

using base::colors::MediumBlue;
using base::colors::Red;
using drives::DriveInventory;
using drives::LabelColor;
using testing_support::FakeVolumeSystem;
using testing_support::GiB;

namespace {
const LabelColor RedLabel{false, Red};
const LabelColor BlueLabel{false, MediumBlue};
const LabelColor WindowTextLabel{true, 0};
} // namespace

TEST(DriveView, FreeTextTurnsRedBelowTenPercent) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 10000 * GiB / 100, 999 * GiB / 100); // 9.99 %
    system.Fixed("D:\\", 100 * GiB, 10 * GiB);                // 10.0 %
    DriveInventory inventory(system);
    inventory.QueryVolumeFacts("C:\\");
    EXPECT_EQ(drives::FreeLabelColor(inventory.facts.freePercent), RedLabel);
    inventory.QueryVolumeFacts("D:\\");
    EXPECT_EQ(drives::FreeLabelColor(inventory.facts.freePercent), BlueLabel);
    EXPECT_EQ(drives::FreeLabelColor(std::nanf("")), BlueLabel);
    EXPECT_EQ(drives::SystemDriveLabelColor(true), BlueLabel);
    EXPECT_EQ(drives::SystemDriveLabelColor(false), WindowTextLabel);
}

TEST(DriveView, TotalsColoursAndBarsAtTheirThresholds) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 60 * GiB, 6 * GiB);
    system.Fixed("E:\\", 40 * GiB, 4 * GiB);
    DriveInventory inventory(system);
    inventory.UsedTotalText();
    inventory.FreeTotalText();
    EXPECT_EQ(inventory.totals.usedPercent, 90u);
    EXPECT_EQ(drives::UsedTotalLabelColor(inventory.totals.usedPercent), RedLabel);

    system.Fixed("E:\\", 40 * GiB, 3 * GiB); // 9 GB free of 100
    system.Fixed("C:\\", 60 * GiB, 6 * GiB + GiB / 2);
    inventory.UsedTotalText();
    inventory.FreeTotalText();
    EXPECT_EQ(inventory.totals.freeTotalPercent, 9u);
    EXPECT_EQ(drives::FreeTotalLabelColor(inventory.totals.freeTotalPercent), RedLabel);
    EXPECT_EQ(drives::BarPositionsOf(inventory.facts, inventory.totals).totalFreeBar, 10);

    system.Fixed("C:\\", 60 * GiB, 6 * GiB);
    system.Fixed("E:\\", 40 * GiB, 5 * GiB);
    inventory.UsedTotalText();
    inventory.FreeTotalText();
    EXPECT_EQ(inventory.totals.usedPercent, 89u);
    EXPECT_EQ(drives::UsedTotalLabelColor(inventory.totals.usedPercent), WindowTextLabel);
    EXPECT_EQ(inventory.totals.freeTotalPercent, 11u);
    EXPECT_EQ(drives::FreeTotalLabelColor(inventory.totals.freeTotalPercent), BlueLabel);
}

TEST(DriveView, SelectedDriveBarsPutTheExtraOneOnTheUsedSide) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 1000 * GiB, 406 * GiB); // 40.6 % free
    DriveInventory inventory(system);
    inventory.QueryVolumeFacts("C:\\");
    const drives::BarPositions bars = drives::BarPositionsOf(inventory.facts, inventory.totals);
    EXPECT_EQ(bars.freeBar, 40);
    EXPECT_EQ(bars.usedBar, 60);
}
