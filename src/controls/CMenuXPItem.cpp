#include "controls/CMenuXPItem.h"

namespace controls {

CMenuXPItem::CMenuXPItem(UINT commandId_, std::string text_, HICON icon_)
    : commandId(commandId_), text(std::move(text_)), icon(icon_) {}

CMenuXPItem::CMenuXPItem() : isSeparator(true) {}

CMenuXPItem::~CMenuXPItem() {
    signature = 0;
}

CMenuXPItem* CMenuXPItem::FromItemData(ULONG_PTR itemData) {
    auto* item = reinterpret_cast<CMenuXPItem*>(itemData);
    if (item == nullptr || item->signature != Signature) {
        return nullptr;
    }
    return item;
}

} // namespace controls
