#include "commands/CContextMenu.h"

#include "commands/ContextMenuText.h"
#include "controls/CMenuXP.h"
#include "controls/MenuXPLayout.h"
#include "framework/Dpi.h"
#include "resource.h"

#include <memory>

namespace {

using controls::CMenuXP;
using controls::CMenuXPItem;

// A private copy of the icon at the menu's icon size, which the item record destroys.
HICON LoadMenuIcon(unsigned id, int dpi) {
    return fw::LoadScaledIcon(id, controls::MenuIconSize, dpi);
}

void AppendEntries(CMenuXP& menu, const std::vector<commands::MenuEntry>& entries) {
    const int dpi = menu.GetDpi();
    for (const commands::MenuEntry& entry : entries) {
        if (entry.isSeparator) {
            menu.AppendSeparator();
        } else {
            menu.AppendItem(0, std::make_unique<CMenuXPItem>(entry.commandId, entry.text,
                                                             LoadMenuIcon(entry.iconId, dpi)));
        }
    }
}

} // namespace

void CContextMenu::Track(HWND owner, POINT at, const std::string& root, int dpi) {
    auto top = std::make_unique<CMenuXP>();
    auto options = std::make_unique<CMenuXP>();
    if (!top->CreatePopupMenu() || !options->CreatePopupMenu()) {
        return;
    }
    top->SetStyle(CMenuXP::MenuStyleFlat);
    top->SetDpi(dpi);
    options->SetDpi(dpi);
    AppendEntries(*options, commands::OptionsMenuEntries(root));
    top->AppendPopup(0, std::move(options),
                     std::make_unique<CMenuXPItem>(0, commands::OptionsMenuText,
                                                   LoadMenuIcon(IDI_OPTIONS, dpi)));
    AppendEntries(*top, commands::TopMenuEntries());
    top->TrackPopupMenu(0, at.x, at.y, owner);
}
