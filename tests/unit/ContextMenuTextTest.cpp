#include "commands/ContextMenuText.h"

#include "resource.h"

#include <gtest/gtest.h>

namespace {

// Each entry as "text #command @icon", a separator as "-".
std::vector<std::string> Describe(const std::vector<commands::MenuEntry>& entries) {
    std::vector<std::string> lines;
    for (const commands::MenuEntry& e : entries) {
        lines.push_back(e.isSeparator ? "-"
                                      : e.text + " #" + std::to_string(e.commandId) + " @" +
                                            std::to_string(e.iconId));
    }
    return lines;
}

std::string Item(const std::string& text, unsigned command, unsigned icon) {
    return text + " #" + std::to_string(command) + " @" + std::to_string(icon);
}

} // namespace

TEST(ContextMenuText, BothLevelsWithTheRootLosingOnlyABackslashAtTheVeryEnd) {
    for (const std::string root : {"C:\\", "D:\\", ""}) {
        const std::string drive = root.substr(0, 2);
        EXPECT_EQ(Describe(commands::OptionsMenuEntries(root)),
                  (std::vector<std::string>{
                      Item("Refresh     (F5)", ID_REFRESH, IDI_REFRESH), "-",
                      Item("Explore " + drive, ID_EXPLORE, IDI_EXPLORE),
                      Item("Properties of " + drive, ID_PROPERTIES, IDI_PROPERTIES),
                      Item("Search on " + drive, ID_SEARCH, IDI_EXPLORE), "-",
                      Item("Shortcut on Desktop", ID_SHORTCUT, IDI_OPTIONS), "-",
                      Item("Defrag. " + drive, ID_DEFRAG, IDI_DEFRAG),
                      Item("Clean " + drive, ID_CLEAN, IDI_REFRESH),
                      Item("Format " + drive, ID_FORMAT, IDI_FORMAT),
                      Item("Rename volume name of " + drive, ID_RENAME_VOLUME, IDI_RENAME), "-",
                      Item("Save Report as...", ID_SAVE_REPORT, IDI_REPORT),
                      Item("Take a screen shot", ID_SCREENSHOT, IDI_SCREENSHOT),
                      Item("Copy to clipboard infos on " + root + "     (F3)", ID_COPY_TO_CLIPBOARD,
                           IDI_RENAME),
                      "-", Item("Empty Recycle Bin", ID_EMPTY_RECYCLE_BIN, IDI_RECYCLE)}));
    }
    EXPECT_EQ(Describe(commands::TopMenuEntries()),
              (std::vector<std::string>{"-", Item("Reduce", ID_REDUCE, IDI_REDUCE),
                                        Item("Exit", 1, IDI_EXIT), "-",
                                        Item("About...", ID_ABOUT, IDI_ABOUT)}));
    // Texts are cut to the item's capacity of 259 characters, and a backslash
    // that the cut leaves at the very end goes as well.
    EXPECT_EQ(commands::DriveItemText("Explore %s", "C:\\\\"), "Explore C:\\");
    for (const std::size_t length : {258u, 259u, 260u, 300u}) {
        EXPECT_EQ(commands::DriveItemText("%s", std::string(length, 'x')).size(),
                  std::min<std::size_t>(length, 259u));
    }
    EXPECT_EQ(commands::DriveItemText("%s", std::string(258, 'x') + "\\x"), std::string(258, 'x'));
}
