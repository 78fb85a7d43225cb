#include "drives/DriveInventory.h"
#include "drives/DriveView.h"
#include "FakeVolumeSystem.h"

#include <gtest/gtest.h>

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
    system.Add("H:\\", DriveType::RamDisk, 2 * GiB, 1 * GiB);
    const drives::DriveSnapshot snapshot = DriveInventory(system).TakeSnapshot();
    EXPECT_EQ(snapshot.Roots(), (std::vector<std::string>{"C:\\", "E:\\", "Z:\\"}));
    EXPECT_EQ(snapshot.totals.capacityGB, 30u);
    // Only letters that exist are asked for their type, from C: on; space once per fixed drive.
    EXPECT_EQ(system.typeQueries,
              (std::vector<std::string>{"C:\\", "D:\\", "E:\\", "F:\\", "G:\\", "H:\\", "Z:\\"}));
    EXPECT_EQ(system.spaceQueries, 4);
    // A system that cannot tell which letters exist has every root asked.
    FakeVolumeSystem unknown;
    EXPECT_TRUE(DriveInventory(unknown).TakeSnapshot().fixedDrives.empty());
    EXPECT_EQ(unknown.typeQueries.size(), 24u);
}

// The bytes are summed, then cut to gigabytes; the free figure is 100 less the used one.
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
    }
    drives::FixedDriveTotals beyond;
    beyond.usedPercent = 1ull << 40; // beyond any bar: held at the largest position
    EXPECT_EQ(drives::BarPositionsOf({}, beyond).totalUsedBar, 0x7FFFFFFF);
    EXPECT_EQ(drives::WholePercent(1ull << 60, 1ull << 61), 50u) << "no overflow of bytes x 100";
}

// The used bar is 100 less the cut free one; under a quota free is never more than the size.
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
    EXPECT_EQ(drives::FreeLabelColor(9.99f), RedLabel);
    EXPECT_EQ(drives::FreeLabelColor(10.0f), BlueLabel);
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
    EXPECT_EQ(f.freeText, before.freeText);
    EXPECT_EQ(f.serialNumberText, before.serialNumberText);
    const drives::DriveLabels shown = drives::DriveLabelsOf("D:\\", f, false);
    EXPECT_EQ(shown.volumeName + shown.capacity, drives::UnreadableDriveText); // nothing borrowed

    gone.spaceFails = false;
    gone.infoFails = false;
    const drives::DriveSnapshot snapshot = inventory.TakeSnapshot();
    const int asked = system.spaceQueries;
    const drives::VolumeFacts fresh = inventory.Query("D:\\", {}, snapshot);
    EXPECT_EQ(system.spaceQueries, asked);
    EXPECT_TRUE(fresh.spaceRead && fresh.volumeRead);
    EXPECT_EQ(drives::DriveLabelsOf("D:\\", fresh, false).free, "Free: 1.00 GB ");
    // Two halves of four hexadecimal digits, leading zeros kept.
    for (const auto& [serial, text] : {std::pair{0x0A1B2C3Du, "0A1B-2C3D"}, {0xABCu, "0000-0ABC"}})
        EXPECT_EQ(drives::SerialNumberText(serial), std::string("Serial Number: ") + text);
}

TEST(DriveInventory, SystemDriveAndVolumeLabel) {
    FakeVolumeSystem system;
    system.Fixed("E:\\", 10 * GiB, GiB, "DATA");
    system.Fixed("F:\\", GiB, 0).infoFails = true;
    DriveInventory inventory(system);
    EXPECT_FALSE(inventory.IsSystemDrive("C:\\")); // unknown system drive: none is it
    system.windowsDirectory = "D:\\WINDOWS";
    inventory.FindSystemDriveRoot();
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
