#include "controls/CMenuXPItem.h"

namespace controls {

CMenuXPItem::CMenuXPItem(UINT id, std::string itemText, HICON itemIcon)
    : commandId(id), text(std::move(itemText)), icon(itemIcon) {}

CMenuXPItem::CMenuXPItem() : isSeparator(true) {}

} // namespace controls
