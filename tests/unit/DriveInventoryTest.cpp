#include "drives/DriveInventory.h"
#include "drives/DriveView.h"
#include "FakeVolumeSystem.h"

#include "Equality.h"

#include <gtest/gtest.h>

#include <cmath>

using base::ColorUse;
using drives::DriveInventory;
using drives::DriveType;
using testing_support::FakeVolumeSystem;
using testing_support::GiB;

namespace {
constexpr ColorUse RedLabel = ColorUse::Warning;
constexpr ColorUse BlueLabel = ColorUse::Fine;
constexpr ColorUse WindowTextLabel = ColorUse::Text;
} // namespace

TEST(DriveSnapshot, ListsFixedDrivesWithReadableSpaceInLetterOrderAskingEachOnce) {
    FakeVolumeSystem system;
    for (const char* root : {"A:\\", "E:\\", "C:\\", "Z:\\"})
        system.Fixed(root, 10 * GiB, 5 * GiB);
    system.Add("D:\\", DriveType::CdRom, 1 * GiB, 0);
    system.Add("F:\\", DriveType::Remote, 100 * GiB, 10 * GiB);
    system.Fixed("G:\\", 20 * GiB, 5 * GiB).spaceFails = true;
    system.Add("H:\\", DriveType::Removable, 2 * GiB, 1 * GiB);
    system.Add("I:\\", DriveType::RamDisk, 2 * GiB, 1 * GiB);
    const drives::DriveSnapshot snapshot = DriveInventory(system).TakeSnapshot();
    EXPECT_EQ(snapshot.Roots(), (std::vector<std::string>{"C:\\", "E:\\", "Z:\\"}));
    EXPECT_EQ(snapshot.totals.capacityGB, 30u);
    // Only letters that exist are asked for their type, from C: on; space once per fixed drive.
    EXPECT_EQ(system.logicalDrivesCalls, 1);
    EXPECT_EQ(system.typeQueries, (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\", "G:\\",
                                                            "H:\\", "I:\\", "Z:\\"}));
    EXPECT_EQ(system.spaceQueries, 4);
    EXPECT_EQ(snapshot.SpaceOf("E:\\")->totalBytes, 10 * GiB);
    EXPECT_EQ(snapshot.SpaceOf("G:\\"), nullptr);
    // A system that cannot tell which letters exist has every root asked.
    FakeVolumeSystem unknown;
    EXPECT_TRUE(DriveInventory(unknown).TakeSnapshot().fixedDrives.empty());
    EXPECT_EQ(unknown.typeQueries.size(), 24u);
}

// The drives' bytes are summed, then cut to whole gigabytes once; the
// percentages come from the sums, and the free figure is what the used one
// leaves of 100.
TEST(DriveSnapshot, TotalsCutTheSummedBytesAndTheirPercentagesAddUpTo100) {
    const struct {
        std::uint64_t total[2], free[2]; // in twentieths of a GB
        std::uint64_t capacityGB, usedGB, freeGB, usedPercent, freePercent, freeFigure;
        ColorUse usedColor, freeColor;
    } cases[] = {
        {{0, 0}, {0, 0}, 0, 0, 0, 0, 0, 0, WindowTextLabel, RedLabel}, // no capacity: 0 %
        {{10, 0}, {5, 0}, 0, 0, 0, 50, 50, 50, WindowTextLabel, BlueLabel},
        // 1.9 GB and 0.5 GB make 2 GB, of which 1.75 GB are free.
        {{38, 10}, {30, 5}, 2, 0, 1, 27, 72, 73, WindowTextLabel, BlueLabel},
        {{1200, 800}, {120, 80}, 100, 90, 10, 90, 10, 10, RedLabel, BlueLabel},
        {{1200, 800}, {130, 60}, 100, 90, 9, 90, 9, 10, RedLabel, RedLabel},
        {{1200, 800}, {120, 100}, 100, 89, 11, 89, 11, 11, WindowTextLabel, BlueLabel},
    };
    for (const auto& c : cases) {
        FakeVolumeSystem system;
        system.Fixed("C:\\", c.total[0] * GiB / 20, c.free[0] * GiB / 20);
        system.Fixed("E:\\", c.total[1] * GiB / 20, c.free[1] * GiB / 20);
        const drives::FixedDriveTotals t = DriveInventory(system).TakeSnapshot().totals;
        SCOPED_TRACE(c.total[0]);
        EXPECT_EQ((std::vector<std::uint64_t>{t.capacityGB, t.usedGB, t.freeGB, t.usedPercent,
                                              t.freeTotalPercent, drives::FreeTotalFigure(t)}),
                  (std::vector<std::uint64_t>{c.capacityGB, c.usedGB, c.freeGB, c.usedPercent,
                                              c.freePercent, c.freeFigure}));
        EXPECT_EQ(drives::UsedTotalLabelColor(t.usedPercent), c.usedColor);
        EXPECT_EQ(drives::FreeTotalLabelColor(t.freeTotalPercent), c.freeColor);
        EXPECT_EQ(drives::BarPositionsOf({}, t).totalFreeBar, static_cast<int>(c.freeFigure));
        EXPECT_EQ(drives::BarPositionsOf({}, t).totalUsedBar, static_cast<int>(c.usedPercent));
    }
    drives::FixedDriveTotals t;
    t.capacityGB = 60;
    t.usedGB = 40;
    t.freeGB = 20;
    t.usedPercent = 1ull << 40; // beyond any bar: held at the largest position
    EXPECT_EQ(drives::CapacityTotalText(t), ". Storage Capacity: 60 GB");
    EXPECT_EQ(drives::UsedTotalText(t), ". Used: 40 GB");
    EXPECT_EQ(drives::FreeTotalText(t), ". Free: 20 GB");
    EXPECT_EQ(drives::BarPositionsOf({}, t).totalUsedBar, 0x7FFFFFFF);
    EXPECT_EQ(drives::WholePercent(1ull << 60, 1ull << 61), 50u) << "no overflow of bytes x 100";
}

TEST(VolumeFacts, TextsAndTheFreeColor) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 10 * GiB, static_cast<std::uint64_t>(0.99 * GiB), "SYSTEM", 0x1A2B3C4D);
    system.Fixed("E:\\", 100 * GiB, 10 * GiB, "");
    const DriveInventory inventory(system);
    const drives::VolumeFacts f = inventory.Query("C:\\");
    EXPECT_EQ(
        (std::vector<std::string>{f.volumeNameText, f.capacityText, f.usedText, f.freeText,
                                  f.serialNumberText, f.fileSystemText, f.maxNameLengthText}),
        (std::vector<std::string>{"Volume Name: SYSTEM", "Capacity: 10.00 GB", "Used: 9.01 GB",
                                  "Free: 0.99 GB ", "Serial Number: 1A2B-3C4D", "File System: NTFS",
                                  "Max Filename Length Support: 255"}));
    EXPECT_EQ(f.freeBytesAvailable, static_cast<std::uint64_t>(0.99 * GiB));
    EXPECT_EQ(f.fileSystemFlags, 0x2Fu);
    EXPECT_NEAR(f.freePercent, 9.9f, 0.001f);
    EXPECT_EQ(drives::FreeLabelColor(f.freePercent), RedLabel);
    const drives::VolumeFacts e = inventory.Query("E:\\");
    EXPECT_EQ(e.volumeNameText, "Volume Name: ");                // an empty label ends in the blank
    EXPECT_EQ(drives::FreeLabelColor(e.freePercent), BlueLabel); // exactly 10 %
    EXPECT_EQ(drives::FreeLabelColor(std::nanf("")), BlueLabel);
    // Two halves of four hexadecimal digits.
    const std::pair<std::uint32_t, const char*> serials[] = {{0x1A2B3C4D, "1A2B-3C4D"},
                                                             {0x0A1B2C3D, "0A1B-2C3D"},
                                                             {0xABC, "0000-0ABC"},
                                                             {0, "0000-0000"},
                                                             {0xFFFFFFFF, "FFFF-FFFF"}};
    for (const auto& [serial, text] : serials)
        EXPECT_EQ(drives::SerialNumberText(serial), std::string("Serial Number: ") + text);
}

// A drive's free percentage is cut to a whole number and the used one is what
// it leaves of 100. With a disk quota the size is the user's quota and the free
// bytes the whole disk's: the free space shown is what the user may use, never
// more than the size, and nothing wraps around below zero.
TEST(VolumeFacts, PercentagesAddUpTo100AndAQuotaNeverMakesFreeExceedTheSize) {
    const struct {
        std::uint64_t available, total, free; // in hundredths of a GB
        int freeBar, usedBar;
        const char *usedText, *freeText;
    } rows[] = {
        {0, 10000, 0, 0, 100, "Used: 100.00 GB", "Free: 0.00 GB "},
        {5000, 10000, 5000, 50, 50, "Used: 50.00 GB", "Free: 50.00 GB "},
        {10000, 10000, 10000, 100, 0, "Used: 0.00 GB", "Free: 100.00 GB "},
        {9950, 10000, 9950, 99, 1, "Used: 0.50 GB", "Free: 99.50 GB "},
        {40600, 100000, 40600, 40, 60, "Used: 594.00 GB", "Free: 406.00 GB "},
        {0, 0, 0, 0, 0, "Used: 0.00 GB", "Free: 0.00 GB "},
        {300, 1000, 50000, 30, 70, "Used: 7.00 GB", "Free: 3.00 GB "},   // quota
        {2000, 1000, 50000, 100, 0, "Used: 0.00 GB", "Free: 10.00 GB "}, // quota, all of it free
    };
    for (const auto& row : rows) {
        FakeVolumeSystem system;
        system.Fixed("Q:\\", 0, 0).space = {row.available * GiB / 100, row.total * GiB / 100,
                                            row.free * GiB / 100};
        const DriveInventory inventory(system);
        const drives::VolumeFacts facts = inventory.Query("Q:\\");
        const drives::BarPositions bars = drives::BarPositionsOf(facts, {});
        EXPECT_EQ((std::vector<int>{bars.freeBar, bars.usedBar}),
                  (std::vector<int>{row.freeBar, row.usedBar}))
            << row.freeText;
        EXPECT_EQ(facts.usedText, row.usedText);
        EXPECT_EQ(facts.freeText, row.freeText);
        EXPECT_EQ(inventory.TakeSnapshot().totals.usedGB, facts.usedBytes >> 30) << row.freeText;
    }
}

TEST(VolumeFacts, FailedQuestionsKeepWhatWasHeldAndTheSnapshotSavesTheSpaceQuestion) {
    FakeVolumeSystem system;
    system.Fixed("C:\\", 10 * GiB, 4 * GiB, "SYSTEM", 0x11112222);
    auto& gone = system.Fixed("D:\\", 50 * GiB, 1 * GiB, "OTHER", 0x33334444);
    const DriveInventory inventory(system);
    const drives::VolumeFacts before = inventory.Query("C:\\");
    gone.spaceFails = true;
    gone.infoFails = true;
    const drives::VolumeFacts f = inventory.Query("D:\\", before);
    EXPECT_FALSE(f.spaceRead || f.volumeRead);
    EXPECT_EQ(f.freeText, before.freeText);
    EXPECT_EQ(f.serialNumberText, before.serialNumberText);
    EXPECT_FLOAT_EQ(f.freePercent, 40.0f);
    EXPECT_EQ(inventory.Query("D:\\").capacityText, ""); // nothing held: nothing to show

    gone.spaceFails = false;
    gone.infoFails = false;
    const drives::DriveSnapshot snapshot = inventory.TakeSnapshot();
    const int asked = system.spaceQueries;
    const drives::VolumeFacts fresh = inventory.Query("D:\\", {}, snapshot);
    EXPECT_EQ(system.spaceQueries, asked);
    EXPECT_TRUE(fresh.spaceRead && fresh.volumeRead);
    EXPECT_EQ(fresh.freeText, "Free: 1.00 GB ");
    inventory.Query("Q:\\", {}, snapshot); // not in the snapshot: asked
    EXPECT_EQ(system.spaceQueries, asked + 1);
}

TEST(DriveInventory, SystemDriveAndVolumeLabel) {
    FakeVolumeSystem system;
    system.Fixed("E:\\", 10 * GiB, GiB, "DATA");
    system.Fixed("F:\\", GiB, 0).infoFails = true;
    DriveInventory inventory(system);
    EXPECT_FALSE(inventory.IsSystemDrive("C:\\")); // unknown system drive: none is it
    system.windowsDirectory = "D:\\WINDOWS";
    EXPECT_EQ(inventory.FindSystemDriveRoot(), "D:\\");
    EXPECT_FALSE(inventory.IsSystemDrive("C:\\"));
    EXPECT_TRUE(inventory.IsSystemDrive("D:\\"));
    EXPECT_EQ(drives::SystemDriveLabelColor(true), BlueLabel);
    EXPECT_EQ(drives::SystemDriveLabelColor(false), WindowTextLabel);
    // A directory that cannot be the Windows directory leaves the root as it was.
    for (const char* odd : {"", "WINDOWS", "C:\\WINDOWS\\"}) {
        system.windowsDirectory = odd;
        inventory.FindSystemDriveRoot();
        EXPECT_EQ(inventory.SystemDriveRoot(), "D:\\") << odd;
    }
    EXPECT_EQ((system.windowsDirectory = "", inventory.FindSystemDriveRoot()), "Not find");
    EXPECT_EQ(inventory.VolumeLabel("E:\\"), "DATA");
    EXPECT_EQ(inventory.VolumeLabel("F:\\"), "");
}

// Each warning stands out in high contrast too: the highlight colour instead
// of red, the window text instead of blue.
TEST(DriveView, WarningsTakeTheHighlightInHighContrastAndTheRestTheWindowText) {
    const base::ColorScheme highContrast{true, {1, 2, 3, 4, 5}};
    const auto shown = [&](ColorUse use) { return base::ColorFor(use, highContrast); };
    EXPECT_EQ(shown(drives::FreeLabelColor(9.99f)), 3u);
    EXPECT_EQ(shown(drives::FreeLabelColor(10.0f)), 1u);
    EXPECT_EQ(shown(drives::UsedTotalLabelColor(90)), 3u);
    EXPECT_EQ(shown(drives::UsedTotalLabelColor(89)), 1u);
    EXPECT_EQ(shown(drives::FreeTotalLabelColor(9)), 3u);
    EXPECT_EQ(shown(drives::FreeTotalLabelColor(10)), 1u);
    EXPECT_EQ(shown(drives::SystemDriveLabelColor(true)), 1u);
}
