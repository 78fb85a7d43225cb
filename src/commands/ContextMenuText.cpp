#include "commands/ContextMenuText.h"

#include "base/Format.h"
#include "resource.h"

namespace commands {
namespace {

constexpr std::size_t MenuTextCapacity = 260;

MenuEntry Item(std::string text, unsigned commandId, unsigned iconId) {
    return MenuEntry{false, std::move(text), commandId, iconId};
}

MenuEntry Separator() {
    return MenuEntry{true, std::string(), 0, 0};
}

} // namespace

std::string DriveItemText(const char* format, const std::string& root) {
    std::string text = base::Utf8Prefix(base::Format(format, root.c_str()), MenuTextCapacity - 1);
    if (!text.empty() && text.back() == '\\') {
        text.pop_back();
    }
    return text;
}

std::vector<MenuEntry> OptionsMenuEntries(const std::string& root) {
    return {
        Item("Refresh     (F5)", ID_REFRESH, IDI_REFRESH),
        Separator(),
        Item(DriveItemText("Explore %s", root), ID_EXPLORE, IDI_EXPLORE),
        Item(DriveItemText("Properties of %s", root), ID_PROPERTIES, IDI_PROPERTIES),
        Item(DriveItemText("Search on %s", root), ID_SEARCH, IDI_EXPLORE),
        Separator(),
        Item("Shortcut on Desktop", ID_SHORTCUT, IDI_OPTIONS),
        Separator(),
        Item(DriveItemText("Defrag. %s", root), ID_DEFRAG, IDI_DEFRAG),
        Item(DriveItemText("Clean %s", root), ID_CLEAN, IDI_REFRESH),
        Item(DriveItemText("Format %s", root), ID_FORMAT, IDI_FORMAT),
        Item(DriveItemText("Rename volume name of %s", root), ID_RENAME_VOLUME, IDI_RENAME),
        Separator(),
        Item("Save Report as...", ID_SAVE_REPORT, IDI_REPORT),
        Item("Take a screen shot", ID_SCREENSHOT, IDI_SCREENSHOT),
        Item(DriveItemText("Copy to clipboard infos on %s     (F3)", root), ID_COPY_TO_CLIPBOARD,
             IDI_RENAME),
        Separator(),
        Item("Empty Recycle Bin", ID_EMPTY_RECYCLE_BIN, IDI_RECYCLE),
    };
}

std::vector<MenuEntry> TopMenuEntries() {
    return {
        Separator(), Item("Reduce", ID_REDUCE, IDI_REDUCE), Item("Exit", 1, IDI_EXIT),
        Separator(), Item("About...", ID_ABOUT, IDI_ABOUT),
    };
}

} // namespace commands
