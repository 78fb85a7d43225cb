#pragma once
#include "framework/Handles.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace controls {

// The owner-draw data of one CMenuXP item: its command id, text and icon.
class CMenuXPItem {
  public:
    // A command item; the record owns `icon` (which may be null).
    CMenuXPItem(UINT commandId, std::string text, HICON icon);
    // A separator.
    CMenuXPItem();
    virtual ~CMenuXPItem();

    CMenuXPItem(const CMenuXPItem&) = delete;
    CMenuXPItem& operator=(const CMenuXPItem&) = delete;

    // The record behind an owner-drawn item's data, or null when the data is
    // not a live record of this class (any other value is never dereferenced).
    static CMenuXPItem* FromItemData(ULONG_PTR itemData);

    std::uint32_t commandId = 0;
    bool isSeparator = false;
    std::string text;
    fw::Icon icon;
};

} // namespace controls
