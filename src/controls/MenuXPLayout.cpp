#include "controls/MenuXPLayout.h"

namespace controls {

MenuItemSize MeasureSeparator(int checkMarkWidth, int checkMarkHeight) {
    return MenuItemSize{0 - (checkMarkWidth - 1), checkMarkHeight / 2};
}

MenuItemSize MeasureMenuItem(int textWidth, int textHeight, int checkMarkWidth, int iconSize) {
    MenuItemSize size;
    size.height = textHeight < iconSize + 4 ? iconSize + 4 : textHeight;
    size.width = 2 * iconSize + 12 + textWidth - (checkMarkWidth - 1);
    return size;
}

MenuItemLayout LayoutMenuItem(const MenuRect& item, int iconSize) {
    MenuItemLayout layout;
    const int h = item.Height();
    layout.iconBox = MenuRect{item.left, item.top, item.left + h, item.top + h};
    layout.iconRect = MenuRect{layout.iconBox.left + 2, layout.iconBox.top + 2,
                               layout.iconBox.right - 2, layout.iconBox.bottom - 2};
    layout.textRect = MenuRect{item.left + layout.iconBox.Width() + 2, item.top,
                               item.right - iconSize, item.bottom};
    return layout;
}

MenuRect SeparatorLineRect(const MenuRect& item) {
    MenuRect line = item;
    line.top += item.Height() / 2;
    return line;
}

MenuRect SeparatorIconArea(const MenuRect& item, int iconSize) {
    return MenuRect{item.left, item.top, item.left + iconSize + 4, item.top + iconSize + 4};
}

void CheckMarkPoints(const MenuRect& rect, MenuPoint (&points)[3]) {
    const int x0 = rect.left + (rect.Width() - 8) / 2;
    const int y0 = rect.top + (rect.Height() - 8) / 2;
    points[0] = MenuPoint{x0, y0 + 3};
    points[1] = MenuPoint{x0 + 2, y0 + 5};
    points[2] = MenuPoint{x0 + 7, y0};
}

} // namespace controls
