#include "commands/CContextMenu.h"

#include "commands/ContextMenuText.h"
#include "controls/CMenuXP.h"
#include "framework/Application.h"
#include "resource.h"

#include <memory>

namespace {

using controls::CMenuXP;
using controls::CMenuXPItem;

// A private 16x16 copy of the icon, which the item record destroys.
HICON LoadMenuIcon(unsigned id) {
    return static_cast<HICON>(LoadImageA(fw::ResourceInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                         16, 16, LR_DEFAULTCOLOR));
}

void AppendEntries(CMenuXP& menu, const std::vector<commands::MenuEntry>& entries) {
    for (const commands::MenuEntry& entry : entries) {
        if (entry.isSeparator) {
            menu.AppendSeparator();
        } else {
            menu.AppendItem(0, std::make_unique<CMenuXPItem>(entry.commandId, entry.text,
                                                             LoadMenuIcon(entry.iconId)));
        }
    }
}

} // namespace

void CContextMenu::Track(HWND owner, POINT at, const std::string& root) {
    auto top = std::make_unique<CMenuXP>();
    auto options = std::make_unique<CMenuXP>();
    if (!top->CreatePopupMenu() || !options->CreatePopupMenu()) {
        return;
    }
    top->SetStyle(CMenuXP::MenuStyleFlat);
    AppendEntries(*options, commands::OptionsMenuEntries(root));
    top->AppendPopup(
        0, std::move(options),
        std::make_unique<CMenuXPItem>(0, commands::OptionsMenuText, LoadMenuIcon(IDI_OPTIONS)));
    AppendEntries(*top, commands::TopMenuEntries());
    top->TrackPopupMenu(0, at.x, at.y, owner);
}
