#include "settings/IniPath.h"

#include <gtest/gtest.h>

using namespace settings;

namespace {
const std::string Module = "C:\\Program Files\\Orbelune\\Orbelune.exe";
}

TEST(IniPath, DefaultFileIsNamedAfterTheProgramFile) {
    EXPECT_EQ(DefaultFilePath(Module, "D:\\work", true),
              "C:\\Program Files\\Orbelune\\Orbelune.ini");
    EXPECT_EQ(DefaultFilePath("D:/v1.2/a.b.exe", "", true), "D:/v1.2/a.b.ini");
    // In the current directory, trailing separators are not doubled.
    EXPECT_EQ(DefaultFilePath(Module, "D:\\work//", false), "D:\\work\\Orbelune.ini");
    EXPECT_EQ(DefaultFilePath(Module, "D:\\", false), "D:\\Orbelune.ini");
}

TEST(IniPath, QualifyCompletesRelativePathsOnly) {
    EXPECT_EQ(QualifyPath("Orbelune.ini", Module, "D:\\work", true),
              "C:\\Program Files\\Orbelune\\Orbelune.ini");
    EXPECT_EQ(QualifyPath("sub\\a.ini", Module, "D:\\work\\", false), "D:\\work\\sub\\a.ini");
    EXPECT_EQ(QualifyPath("E:a.ini", Module, "D:\\work", true), "E:a.ini");
    EXPECT_EQ(QualifyPath("\\root.ini", Module, "D:\\work", false), "D:\\root.ini");
    // A one-letter folder is a relative path; a bare drive or server prefix is complete.
    EXPECT_EQ(QualifyPath("d\\x.ini", Module, "D:\\work", true),
              "C:\\Program Files\\Orbelune\\d\\x.ini");
    EXPECT_EQ(QualifyPath("E:", Module, "D:\\work", true), "E:");
    EXPECT_EQ(QualifyPath("\\\\", Module, "D:\\work", true), "\\\\");
    EXPECT_EQ(SplitPath("C:\\x\\a.b.exe").extension, ".exe");
}

// A flag is set by any leading number but 0; the alpha is held at opaque.
TEST(IniPath, StoredFlagAndAlphaFollowTheirNumbers) {
    for (const char* set : {"1", "5", "-1", "  2 and more"})
        EXPECT_TRUE(FlagFromText(set)) << set;
    for (const char* clear : {"0", "yes", "", "\x01\xff\x80garbage"})
        EXPECT_FALSE(FlagFromText(clear)) << clear;
    EXPECT_EQ(FlagText(true), "1");
    EXPECT_EQ(FlagText(false), "0");
    EXPECT_EQ(AlphaFromPercent(TransparentPercent), 191u);
    EXPECT_EQ(AlphaFromPercent(150), 255u);
}

// Where the program's folder cannot be written the profile's file keeps the setting.
TEST(IniPath, TheProfileKeepsTheSettingWhereTheProgramsFolderCannotBeWritten) {
    const std::string program = "C:\\Program Files\\Orbelune\\Orbelune.ini";
    const std::string profile = ProfileFilePath("C:\\Users\\Ann\\AppData\\Local\\");
    EXPECT_EQ(profile, "C:\\Users\\Ann\\AppData\\Local\\Orbelune\\Orbelune.ini");
    EXPECT_EQ(ProfileFilePath(""), "");
    const auto choose = [&](bool writable, const std::string& inProfile, bool exists) {
        const SettingsFiles files = ChooseSettingsFiles(program, writable, inProfile, exists);
        return std::vector<std::string>{files.readFrom, files.writeTo};
    };
    using Files = std::vector<std::string>;
    EXPECT_EQ(choose(true, profile, true), (Files{program, program}));
    EXPECT_EQ(choose(false, profile, false), (Files{program, profile})) << "the default";
    EXPECT_EQ(choose(false, profile, true), (Files{profile, profile}));
    EXPECT_EQ(choose(false, "", false), (Files{program, program})) << "no profile folder";
}
