#pragma once
// Sizes and geometry of the owner-drawn menu items, as plain arithmetic.
#include "controls/PixelGeometry.h"

namespace controls {

constexpr int MenuIconSize = 16;

using MenuRect = PixelRect;

struct MenuItemSize {
    int width = 0;
    int height = 0;
};

// A separator: half the check-mark height, no width of its own.
MenuItemSize MeasureSeparator(int checkMarkWidth, int checkMarkHeight);
// An item whose bold text measures textWidth x textHeight: at least
// iconSize + 4 high, 2 x iconSize + 12 wider than its text.
MenuItemSize MeasureMenuItem(int textWidth, int textHeight, int checkMarkWidth,
                             int iconSize = MenuIconSize);

struct MenuItemLayout {
    MenuRect iconBox;  // the row-high square at the left end
    MenuRect iconRect; // the icon box shrunk by 2 on every side
    MenuRect textRect;
};
MenuItemLayout LayoutMenuItem(const MenuRect& item, int iconSize = MenuIconSize);

// The separator's etched line runs along the top of the lower half.
MenuRect SeparatorLineRect(const MenuRect& item);
// The icon column square that the flat style paints over a separator.
MenuRect SeparatorIconArea(const MenuRect& item, int iconSize = MenuIconSize);

struct MenuPoint {
    int x = 0;
    int y = 0;
};
// The tick's three points (drawn three times, each one pixel lower).
void CheckMarkPoints(const MenuRect& rect, MenuPoint (&points)[3]);

} // namespace controls
