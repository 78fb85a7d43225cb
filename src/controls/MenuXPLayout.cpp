#include "controls/MenuXPLayout.h"

#include "base/Dpi.h"

namespace controls {

using base::Scale;

int MenuIconSizeAt(int dpi) {
    return Scale(MenuIconSize, dpi);
}

MenuItemSize MeasureSeparator(int checkMarkWidth, int checkMarkHeight) {
    return MenuItemSize{0 - (checkMarkWidth - 1), checkMarkHeight / 2};
}

MenuItemSize MeasureMenuItem(int textWidth, int textHeight, int checkMarkWidth, int dpi) {
    const int iconSize = MenuIconSizeAt(dpi);
    const int minimum = iconSize + Scale(4, dpi);
    MenuItemSize size;
    size.height = textHeight < minimum ? minimum : textHeight;
    size.width = 2 * iconSize + Scale(12, dpi) + textWidth - (checkMarkWidth - 1);
    return size;
}

MenuItemLayout LayoutMenuItem(const MenuRect& item, int dpi) {
    MenuItemLayout layout;
    const int h = item.Height();
    const int inset = Scale(2, dpi);
    layout.iconBox = MenuRect{item.left, item.top, item.left + h, item.top + h};
    layout.iconRect = MenuRect{layout.iconBox.left + inset, layout.iconBox.top + inset,
                               layout.iconBox.right - inset, layout.iconBox.bottom - inset};
    layout.textRect = MenuRect{item.left + layout.iconBox.Width() + inset, item.top,
                               item.right - MenuIconSizeAt(dpi), item.bottom};
    return layout;
}

MenuRect SeparatorLineRect(const MenuRect& item) {
    MenuRect line = item;
    line.top += item.Height() / 2;
    return line;
}

MenuRect SeparatorIconArea(const MenuRect& item, int dpi) {
    const int side = MenuIconSizeAt(dpi) + Scale(4, dpi);
    return MenuRect{item.left, item.top, item.left + side, item.top + side};
}

void CheckMarkPoints(const MenuRect& rect, int dpi, MenuPoint (&points)[3]) {
    const int box = Scale(8, dpi);
    const int x0 = rect.left + (rect.Width() - box) / 2;
    const int y0 = rect.top + (rect.Height() - box) / 2;
    points[0] = MenuPoint{x0, y0 + Scale(3, dpi)};
    points[1] = MenuPoint{x0 + Scale(2, dpi), y0 + Scale(5, dpi)};
    points[2] = MenuPoint{x0 + Scale(7, dpi), y0};
}

} // namespace controls
