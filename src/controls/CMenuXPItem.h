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
    virtual ~CMenuXPItem() = default;

    CMenuXPItem(const CMenuXPItem&) = delete;
    CMenuXPItem& operator=(const CMenuXPItem&) = delete;

    std::uint32_t commandId = 0;
    bool isSeparator = false;
    std::string text;
    fw::Icon icon;
};

} // namespace controls
