#include "commands/ContextMenuText.h"

#include "resource.h"

#include <gtest/gtest.h>

using commands::MenuEntry;
using commands::OptionsMenuEntries;

namespace {

std::vector<std::string> Texts(const std::vector<MenuEntry>& entries) {
    std::vector<std::string> texts;
    for (const MenuEntry& entry : entries) {
        texts.push_back(entry.isSeparator ? "-" : entry.text);
    }
    return texts;
}

std::vector<std::string> OptionsTexts(const std::string& drive) {
    return {"Refresh     (F5)",
            "-",
            "Explore " + drive,
            "Properties of " + drive,
            "Search on " + drive,
            "-",
            "Shortcut on Desktop",
            "-",
            "Defrag. " + drive,
            "Clean " + drive,
            "Format " + drive,
            "Rename volume name of " + drive,
            "-",
            "Save Report as...",
            "Take a screen shot",
            "Copy to clipboard infos on " + drive + "\\     (F3)",
            "-",
            "Empty Recycle Bin"};
}

} // namespace

TEST(ContextMenuText, DriveTextsLoseOnlyABackslashAtTheVeryEnd) {
    EXPECT_EQ(Texts(OptionsMenuEntries("C:\\")), OptionsTexts("C:"));
    EXPECT_EQ(Texts(OptionsMenuEntries("D:\\")), OptionsTexts("D:"));
}

TEST(ContextMenuText, EmptyRootLeavesNothingAfterTheLastBlank) {
    std::vector<std::string> expected = OptionsTexts("");
    expected[15] = "Copy to clipboard infos on      (F3)";
    EXPECT_EQ(Texts(OptionsMenuEntries("")), expected);
    EXPECT_EQ(commands::DriveItemText("Explore %s", ""), "Explore ");
}

TEST(ContextMenuText, DriveItemTextRemovesOneBackslashAndCutsLongTexts) {
    EXPECT_EQ(commands::DriveItemText("Explore %s", "C:\\\\"), "Explore C:\\");
    EXPECT_EQ(commands::DriveItemText("%s", std::string(300, 'x')), std::string(259, 'x'));
}

TEST(ContextMenuText, CommandIdsAndIconsOfBothLevels) {
    const std::vector<MenuEntry> options = OptionsMenuEntries("C:\\");
    const std::vector<std::pair<unsigned, unsigned>> expected = {{ID_REFRESH, 1021},
                                                                 {0, 0},
                                                                 {ID_EXPLORE, 1027},
                                                                 {ID_PROPERTIES, 1029},
                                                                 {ID_SEARCH, 1027},
                                                                 {0, 0},
                                                                 {ID_SHORTCUT, 1032},
                                                                 {0, 0},
                                                                 {ID_DEFRAG, 1035},
                                                                 {ID_CLEAN, 1021},
                                                                 {ID_FORMAT, 1031},
                                                                 {ID_RENAME_VOLUME, 1045},
                                                                 {0, 0},
                                                                 {ID_SAVE_REPORT, 1023},
                                                                 {ID_SCREENSHOT, 1020},
                                                                 {ID_COPY_TO_CLIPBOARD, 1045},
                                                                 {0, 0},
                                                                 {ID_EMPTY_RECYCLE_BIN, 1054}};
    ASSERT_EQ(options.size(), expected.size());
    for (std::size_t i = 0; i < options.size(); ++i) {
        EXPECT_EQ(options[i].commandId, expected[i].first) << i;
        EXPECT_EQ(options[i].iconId, expected[i].second) << i;
    }
    EXPECT_EQ(ID_SAVE_REPORT, 1022);
    EXPECT_EQ(ID_COPY_TO_CLIPBOARD, 1057);
    EXPECT_EQ(ID_EMPTY_RECYCLE_BIN, 1053);

    const std::vector<MenuEntry> top = commands::TopMenuEntries();
    EXPECT_EQ(Texts(top), (std::vector<std::string>{"-", "Reduce", "Exit", "-", "About..."}));
    EXPECT_EQ(top[1].commandId, 1042u);
    EXPECT_EQ(top[2].commandId, 1u);
    EXPECT_EQ(top[4].commandId, 1036u);
    EXPECT_EQ(top[4].iconId, 1037u);
}
