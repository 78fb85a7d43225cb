#include "controls/CMenuXPItem.h"

#include <unordered_set>

namespace controls {
namespace {

// The records alive on the user-interface thread: item data is only ever
// read as a record when it is one of them, never through a foreign value.
std::unordered_set<const CMenuXPItem*>& LiveRecords() {
    static std::unordered_set<const CMenuXPItem*> records;
    return records;
}

} // namespace

CMenuXPItem::CMenuXPItem(UINT commandId_, std::string text_, HICON icon_)
    : commandId(commandId_), text(std::move(text_)), icon(icon_) {
    LiveRecords().insert(this);
}

CMenuXPItem::CMenuXPItem() : isSeparator(true) {
    LiveRecords().insert(this);
}

CMenuXPItem::~CMenuXPItem() {
    LiveRecords().erase(this);
}

CMenuXPItem* CMenuXPItem::FromItemData(ULONG_PTR itemData) {
    auto* item = reinterpret_cast<CMenuXPItem*>(itemData);
    return LiveRecords().count(item) != 0 ? item : nullptr;
}

} // namespace controls
