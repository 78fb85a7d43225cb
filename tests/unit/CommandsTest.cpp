// The drive commands' texts and rules: menu, shell tools, recycle bin, rename, shortcut, save.
#include "commands/ContextMenuText.h"
#include "commands/DriveNumber.h"
#include "commands/RecycleBinMessage.h"
#include "commands/RenameTexts.h"
#include "commands/ShellActions.h"
#include "commands/ShortcutNames.h"
#include "export/SaveCommandScope.h"
#include "RecordingLauncher.h"

#include <gtest/gtest.h>

using namespace commands;

// Drive items lose a backslash at the very end, also one left by the cut to 259 characters.
TEST(ContextMenuText, DriveItemsNameTheRootLosingOnlyABackslashAtTheVeryEnd) {
    int naming = 0;
    for (const MenuEntry& entry : OptionsMenuEntries("D:\\")) {
        naming += entry.text.find("D:") != std::string::npos ? 1 : 0;
        EXPECT_TRUE(entry.isSeparator || entry.text.back() != '\\') << entry.text;
    }
    EXPECT_EQ(naming, 8);
    EXPECT_EQ(DriveItemText("Copy to clipboard infos on %s     (F3)", "D:\\"),
              "Copy to clipboard infos on D:\\     (F3)");
    EXPECT_EQ(DriveItemText("Explore %s", "C:\\\\"), "Explore C:\\");
    const std::string x258(258, 'x');
    const std::pair<std::string, std::string> cuts[] = {
        {x258 + "xx", x258 + "x"}, {x258 + "\\x", x258}, {x258 + "é", x258}};
    for (const auto& [text, kept] : cuts)
        EXPECT_EQ(DriveItemText("%s", text), kept) << text.size();
}

// No control characters in a volume label; a shortcut's name without those forbidden in
// file names, and the drive's name for no label or a device's name.
TEST(DriveCommands, DriveNumbersLabelsAndShortcutNames) {
    for (const auto& [root, number] :
         {std::pair{"C:\\", 2}, {"Z:\\", 25}, {"A:\\", -1}, {"c:\\", -1}, {"C:", -1}})
        EXPECT_EQ(ShellDriveNumber(root), number) << root;
    for (const char* label : {"DATA 2", "", "Sauvegard\xE9", "SPACE \x80\x20"})
        EXPECT_TRUE(IsWritableVolumeLabel(label)) << label;
    for (const char* label : {"TWO\r\nLINES", "TAB\tBED", "DEL\x7F"})
        EXPECT_FALSE(IsWritableVolumeLabel(label)) << label;
    EXPECT_FALSE(IsWritableVolumeLabel(std::string("NUL\0X", 5)));
    const std::pair<const char*, const char*> names[] = {
        {"A\\B/C:D*E?F\"G<H>I|J", "A_B_C_D_E_F_G_H_I_J"},
        {"TAB\tEND\x1F", "TAB_END_"},
        {"", "Drive C"},
        {"con", "Drive C"},
        {"Aux", "Drive C"},
        {"com1", "Drive C"},
        {"LPT9.old  ", "Drive C"},
        {"NUL .x", "Drive C"},
        {"COM0", "COM0"},
        {"LPTX", "LPTX"},
        {"CONSOLE", "CONSOLE"},
        {"AUX1", "AUX1"},
        {"Данные/2024: Ω 数据", "Данные_2024_ Ω 数据"}, // any script is kept
    };
    for (const auto& [label, name] : names)
        EXPECT_EQ(ShortcutName(label, "C:\\"), name) << label;
    EXPECT_EQ(ShortcutName("", ""), "Drive");
    std::tm time{};
    time.tm_year = 2026 - 1900, time.tm_mon = 11, time.tm_mday = 6;
    time.tm_hour = 8, time.tm_min = 5, time.tm_sec = 9;
    EXPECT_EQ(ShortcutDescription(&time), "Shortcut created on 12/06/26 08:05:09");
    EXPECT_EQ(ShortcutDescription(nullptr), "Shortcut created on ");
}

TEST(SaveCommandScope, OnlyOneSaveCommandRunsAtATime) {
    {
        const exports::SaveCommandScope outer;
        EXPECT_TRUE(outer.Entered());
        { const exports::SaveCommandScope refused; }
        const exports::SaveCommandScope nested;
        EXPECT_FALSE(nested.Entered()) << "a refused command does not end the running one";
    }
    const exports::SaveCommandScope next;
    EXPECT_TRUE(next.Entered());
}

// The tools start from the system folder, quoted; a missing one is reported with its path.
TEST(ShellActions, EachToolGetsTheRootAndTheSystemToolsComeFromTheSystemFolder) {
    testing_support::RecordingLauncher launcher;
    const std::string folder = "C:\\Program Files\\System32\\";
    commands::Explore(launcher, "C:\\");
    commands::Search(launcher, "C:\\");
    commands::ShowProperties(launcher, "C:\\", 0x1234);
    commands::CleanUp(launcher, "D:\\");
    commands::Defragment(launcher);
    launcher.existing = {folder + "cleanmgr.exe", folder + "dfrg.msc", folder + "dfrgui.exe"};
    commands::CleanUp(launcher, "D:\\");
    commands::Defragment(launcher);
    launcher.executeSucceeds = false; // the console does not open
    commands::Defragment(launcher);
    EXPECT_EQ(
        launcher.calls,
        (std::vector<std::string>{
            "Execute open [C:\\] 10", "Execute find [C:\\] 10", "ExecuteEx properties [C:\\] 5",
            "Missing " + folder + "cleanmgr.exe", "Missing " + folder + "dfrgui.exe",
            "Run [\"" + folder + "cleanmgr.exe\" /dD:\\] 10",
            "Execute open [" + folder + "dfrg.msc] 10", "Execute open [" + folder + "dfrg.msc] 10",
            "Execute open [" + folder + "dfrgui.exe] 10"}));
    EXPECT_EQ(launcher.lastRequest.mask, 0x0Cu);
    EXPECT_EQ(launcher.lastRequest.ownerWindow, 0x1234u);
    EXPECT_EQ(SystemToolPath("C:\\WINDOWS\\system32\\", "x.exe"), "C:\\WINDOWS\\system32\\x.exe");
    EXPECT_EQ(commands::MissingToolText("C:\\x.exe"), "C:\\x.exe could not be found.");
}

// The size in the largest unit it exceeds, cut toward zero; one item is singular.
TEST(RecycleBinMessage, SizeTableBoundariesAndTheSingular) {
    const struct {
        long long bytes;
        int count;
        const char* text;
    } cases[] = {
        {500, 1, "Deleted: 1 element.\r\nReleased: 500 Bytes."},
        {1024, 3, "Deleted: 3 elements..\r\nReleased: 1024 Bytes."},
        {1025, 3, "Deleted: 3 elements.\r\nReleased: 1 KB."},
        {1048576, 1, "Deleted: 1 element.\r\nReleased: 1024 KB."},
        {1048577, 3, "Deleted: 3 elements.\r\nReleased about: 1 MB."},
        {1073741824, 1, "Deleted: 1 element.\r\nReleased about: 1024 MB."},
        {1073741825, 3, "Deleted: 3 elements.\r\nReleased about: 1 GB."},
        {5LL << 40, 1, "Deleted: 1 element.\r\nReleased about: 5120 GB."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(commands::RecycleBinReleasedText(c.bytes, c.count), c.text) << c.bytes;
}

namespace {
// What the bins hold, whether each answer is known, and what emptying leaves.
struct Bins {
    commands::RecycleBinContents held;
    bool known, emptyingWorks, knownAfter;
    commands::RecycleBinContents left;
};
struct FakeBin : commands::RecycleBin {
    explicit FakeBin(const Bins& bins) : bins(bins) {}
    Bins bins;
    int emptied = 0;
    bool QueryContents(commands::RecycleBinContents& answer) override {
        answer = emptied == 0 ? bins.held : bins.left;
        return emptied == 0 ? bins.known : bins.knownAfter;
    }
    bool EmptyAll() override {
        ++emptied;
        return bins.emptyingWorks;
    }
};
} // namespace

// Emptied unless empty; told as emptied only when the system says so and the bins are empty.
TEST(RecycleBin, EmptiesUnlessEmptyAndTellsOnlyWhatHappened) {
    const struct {
        Bins bins;
        int emptyings;
        bool emptied;
        const char* text;
    } rows[] = {
        {{{0, 0}, true, true, true, {}}, 0, false, "Your Recycle Bin is empty."},
        {{{0, 2}, true, true, true, {}}, 1, true, "Deleted: 2 elements..\r\nReleased: 0 Bytes."},
        {{{2048, 1}, true, true, true, {}}, 1, true, "Deleted: 1 element.\r\nReleased: 2 KB."},
        {{{}, false, true, true, {}}, 1, true, "The Recycle Bin has been emptied."},
        {{{2048, 2}, true, false, true, {}}, 1, false, "The Recycle Bin could not be emptied."},
        {{{2048, 2}, true, true, true, {0, 1}}, 1, false, "The Recycle Bin could not be emptied."},
        {{{2048, 2}, true, true, false, {}}, 1, false, "The Recycle Bin could not be emptied."},
    };
    for (const auto& row : rows) {
        FakeBin bin(row.bins);
        const commands::EmptyingOutcome outcome = commands::EmptyRecycleBin(bin);
        EXPECT_EQ(outcome.text, row.text);
        EXPECT_EQ(std::pair(bin.emptied, outcome.emptied), std::pair(row.emptyings, row.emptied))
            << row.text;
    }
}
