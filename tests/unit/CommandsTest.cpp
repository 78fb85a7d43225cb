// The texts and rules of the drive commands: the context menu, the shell
// tools, the recycle bin's message, the rename, the shortcut, the save commands.
#include "commands/ContextMenuText.h"
#include "commands/DriveNumber.h"
#include "commands/RecycleBinMessage.h"
#include "commands/RenameTexts.h"
#include "commands/ShellActions.h"
#include "commands/ShortcutNames.h"
#include "export/SaveCommandScope.h"
#include "resource.h"
#include "RecordingLauncher.h"

#include <gtest/gtest.h>

using namespace commands;

// The items that name the selected drive drop one backslash at the very end
// of their text: "Explore D:", but the copy item keeps "D:\     (F3)".
TEST(ContextMenuText, DriveItemsNameTheRootLosingOnlyABackslashAtTheVeryEnd) {
    int naming = 0;
    for (const MenuEntry& entry : OptionsMenuEntries("D:\\")) {
        naming += entry.text.find("D:") != std::string::npos ? 1 : 0;
        EXPECT_TRUE(entry.isSeparator || entry.text.back() != '\\') << entry.text;
    }
    EXPECT_EQ(naming, 8);
    EXPECT_EQ(DriveItemText("Copy to clipboard infos on %s     (F3)", "D:\\"),
              "Copy to clipboard infos on D:\\     (F3)");
    EXPECT_EQ(DriveItemText("Explore %s", ""), "Explore ");
    // Texts are cut to the item's capacity of 259 characters, and a backslash
    // that the cut leaves at the very end goes as well.
    EXPECT_EQ(commands::DriveItemText("Explore %s", "C:\\\\"), "Explore C:\\");
    for (const std::size_t length : {258u, 259u, 260u, 300u}) {
        EXPECT_EQ(commands::DriveItemText("%s", std::string(length, 'x')).size(),
                  std::min<std::size_t>(length, 259u));
    }
    EXPECT_EQ(commands::DriveItemText("%s", std::string(258, 'x') + "\\x"), std::string(258, 'x'));
    EXPECT_EQ(commands::DriveItemText("%s", std::string(258, 'x') + "é"), std::string(258, 'x'))
        << "never half a character";
}

TEST(DriveCommands, DriveNumbersLabelsAndShortcutNames) {
    EXPECT_EQ(ShellDriveNumber("C:\\"), 2);
    EXPECT_EQ(ShellDriveNumber("Z:\\"), 25);
    for (const char* other : {"", "c:\\", "C:", "A:\\", "C:\\ "})
        EXPECT_EQ(ShellDriveNumber(other), -1) << other;
    // A label with control characters is never written to a volume.
    for (const char* label : {"DATA 2", "", "Sauvegard\xE9", "SPACE \x80\x20"})
        EXPECT_TRUE(IsWritableVolumeLabel(label)) << label;
    for (const char* label : {"TWO\r\nLINES", "LINE\n", "TAB\tBED", "DEL\x7F"})
        EXPECT_FALSE(IsWritableVolumeLabel(label)) << label;
    EXPECT_FALSE(IsWritableVolumeLabel(std::string("NUL\0X", 5)));
    // A label names the shortcut with the characters Windows forbids in file
    // names replaced; a device's name, like no label, gives the drive's name.
    const std::pair<const char*, const char*> names[] = {
        {"DATA", "DATA"},
        {"A\\B/C:D*E?F\"G<H>I|J", "A_B_C_D_E_F_G_H_I_J"},
        {"TAB\tEND\x1F", "TAB_END_"},
        {"", "Drive C"},
        {"con", "Drive C"},
        {"LPT9.old  ", "Drive C"},
        {"NUL .x", "Drive C"},
        {"COM0", "COM0"},
        {"CONSOLE", "CONSOLE"},
        {"AUX1", "AUX1"},
        {"Диск Ω 数据", "Диск Ω 数据"}, // any script is kept
        {"Данные/2024:", "Данные_2024_"},
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

// The tools are started from the system folder, quoted, never by bare name; a
// missing one is reported with its path.
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
    EXPECT_EQ(commands::SystemToolPath("C:\\WINDOWS\\system32\\", "x.exe"),
              "C:\\WINDOWS\\system32\\x.exe");
    const std::string longFolder(300, 'f'); // no limit of the line cuts the path
    EXPECT_EQ(commands::CleanUpCommandLine(longFolder, "C:\\").size(), 300u + 2 + 3 + 3);
    EXPECT_EQ(commands::MissingToolText("C:\\x.exe"), "C:\\x.exe could not be found.");
}

TEST(RecycleBinMessage, SizeTableBoundariesAndTheSingular) {
    const struct {
        long long bytes;
        int count;
        const char* text;
    } cases[] = {
        {1024, 3, "Deleted: 3 elements..\r\nReleased: 1024 Bytes."},
        {1025, 3, "Deleted: 3 elements.\r\nReleased: 1 KB."},
        {1048576, 3, "Deleted: 3 elements.\r\nReleased: 1024 KB."},
        {1048577, 3, "Deleted: 3 elements.\r\nReleased about: 1 MB."},
        {1073741824, 3, "Deleted: 3 elements.\r\nReleased about: 1024 MB."},
        {1073741825, 3, "Deleted: 3 elements.\r\nReleased about: 1 GB."},
        {5LL << 40, 3, "Deleted: 3 elements.\r\nReleased about: 5120 GB."},
        {500, 1, "Deleted: 1 element.\r\nReleased: 500 Bytes."},
        {4096, 1, "Deleted: 1 element.\r\nReleased: 4 KB."},
        {3LL << 20, 1, "Deleted: 1 element.\r\nReleased about: 3 MB."},
        {3LL << 30 | 1, 1, "Deleted: 1 element.\r\nReleased about: 3 GB."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(commands::RecycleBinReleasedText(c.bytes, c.count), c.text) << c.bytes;
}

namespace {
// Bins that hold `contents`, which emptying replaces with `left`.
struct FakeBin : commands::RecycleBin {
    bool known = true, emptyingWorks = true, knownAfter = true;
    commands::RecycleBinContents contents, left;
    int emptied = 0;
    bool QueryContents(commands::RecycleBinContents& answer) override {
        answer = contents;
        return emptied == 0 ? known : knownAfter;
    }
    bool EmptyAll() override {
        ++emptied;
        contents = left;
        return emptyingWorks;
    }
};
} // namespace

// Emptied only when the bins hold bytes or items; told as emptied only when the
// system says so and the bins are found empty afterwards.
TEST(RecycleBin, EmptiesUnlessEmptyAndTellsOnlyWhatHappened) {
    using commands::RecycleBinContents;
    const struct {
        RecycleBinContents held;
        bool known, works, knownAfter;
        RecycleBinContents left;
        int emptyings;
        bool emptied;
        const char* text;
    } rows[] = {
        {{0, 0}, true, true, true, {}, 0, false, "Your Recycle Bin is empty."},
        {{0, 2}, true, true, true, {}, 1, true, "Deleted: 2 elements..\r\nReleased: 0 Bytes."},
        {{2048, 1}, true, true, true, {}, 1, true, "Deleted: 1 element.\r\nReleased: 2 KB."},
        {{}, false, true, true, {}, 1, true, "The Recycle Bin has been emptied."},
        {{2048, 2}, true, false, true, {}, 1, false, "The Recycle Bin could not be emptied."},
        {{2048, 2}, true, true, true, {0, 1}, 1, false, "The Recycle Bin could not be emptied."},
        {{2048, 2}, true, true, false, {}, 1, false, "The Recycle Bin could not be emptied."},
    };
    for (const auto& row : rows) {
        FakeBin bin;
        bin.contents = row.held;
        bin.known = row.known;
        bin.emptyingWorks = row.works;
        bin.knownAfter = row.knownAfter;
        bin.left = row.left;
        const commands::EmptyingOutcome outcome = commands::EmptyRecycleBin(bin);
        EXPECT_EQ(outcome.text, row.text);
        EXPECT_EQ(bin.emptied, row.emptyings) << row.text;
        EXPECT_EQ(outcome.emptied, row.emptied) << row.text;
    }
}
