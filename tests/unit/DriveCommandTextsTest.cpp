#include "commands/DriveNumber.h"
#include "commands/RenameTexts.h"
#include "commands/ShortcutNames.h"
#include "export/SaveCommandScope.h"

#include <gtest/gtest.h>

using namespace commands;

TEST(ShellDriveNumber, RootsFromCToZOnly) {
    EXPECT_EQ(ShellDriveNumber("C:\\"), 2);
    EXPECT_EQ(ShellDriveNumber("E:\\"), 4);
    EXPECT_EQ(ShellDriveNumber("Z:\\"), 25);
    for (const char* other : {"", "c:\\", "C:", "A:\\", "C:\\ "}) {
        EXPECT_EQ(ShellDriveNumber(other), -1) << other;
    }
}

TEST(RenameTexts, LabelsWithControlCharactersAreNotWritten) {
    EXPECT_TRUE(IsWritableVolumeLabel("DATA 2"));
    EXPECT_TRUE(IsWritableVolumeLabel(""));
    EXPECT_TRUE(IsWritableVolumeLabel("Sauvegard\xE9"));
    EXPECT_FALSE(IsWritableVolumeLabel("TWO\r\nLINES"));
    EXPECT_FALSE(IsWritableVolumeLabel("LINE\n"));
    EXPECT_FALSE(IsWritableVolumeLabel("TAB\tBED"));
    EXPECT_FALSE(IsWritableVolumeLabel("DEL\x7F"));
    EXPECT_TRUE(IsWritableVolumeLabel("SPACE \x80\x20"));
    EXPECT_FALSE(IsWritableVolumeLabel(std::string("NUL\0X", 5)));
}

TEST(ShortcutNames, NameIsTheLabelOrTheDrive) {
    EXPECT_EQ(ShortcutName("DATA", "E:\\"), "DATA");
    EXPECT_EQ(ShortcutName("", "C:\\"), "Drive C");
    EXPECT_EQ(ShortcutName("", ""), "Drive");
}

TEST(ShortcutNames, DescriptionCarriesTheDateInTwoDigitFields) {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 6;
    time.tm_hour = 8;
    time.tm_min = 5;
    time.tm_sec = 9;
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
