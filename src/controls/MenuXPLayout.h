#pragma once
// Sizes and geometry of the owner-drawn menu items, as plain arithmetic. The
// pixel quantities are those of 96 DPI, scaled to the menu's `dpi`.
#include "controls/PixelGeometry.h"

namespace controls {

constexpr int MenuIconSize = 16;
// The tick is drawn this many times, each one pixel lower (at 96 DPI).
constexpr int CheckMarkStrokes = 3;

// The menu's icons are this size at `dpi`.
int MenuIconSizeAt(int dpi);

using MenuRect = PixelRect;

struct MenuItemSize {
    int width = 0;
    int height = 0;
};

// A separator: half the check-mark height (both check-mark sizes at the
// menu's DPI), no width of its own.
MenuItemSize MeasureSeparator(int checkMarkWidth, int checkMarkHeight);
// An item whose bold text measures textWidth x textHeight: at least
// icon + 4 high, 2 x icon + 12 wider than its text.
MenuItemSize MeasureMenuItem(int textWidth, int textHeight, int checkMarkWidth, int dpi);

struct MenuItemLayout {
    MenuRect iconBox;  // the row-high square at the left end
    MenuRect iconRect; // the icon box shrunk by 2 on every side
    MenuRect textRect;
};
MenuItemLayout LayoutMenuItem(const MenuRect& item, int dpi);

// The separator's etched line runs along the top of the lower half.
MenuRect SeparatorLineRect(const MenuRect& item);
// The icon column square that the flat style paints over a separator.
MenuRect SeparatorIconArea(const MenuRect& item, int dpi);

struct MenuPoint {
    int x = 0;
    int y = 0;
};
// The tick's three points in its 8 x 8 box centred in `rect` (drawn
// CheckMarkStrokes times, each one pixel lower).
void CheckMarkPoints(const MenuRect& rect, int dpi, MenuPoint (&points)[3]);

} // namespace controls
