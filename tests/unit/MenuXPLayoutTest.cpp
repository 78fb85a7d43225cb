#include "controls/MenuXPLayout.h"

#include <gtest/gtest.h>

using namespace controls;

TEST(MenuXPLayout, ItemMeasuresAtLeastTwentyHighAnd44PlusTextWide) {
    // A one-line 8-point text is 13 pixels high; the check mark 13 x 13.
    const MenuItemSize size = MeasureMenuItem(60, 13, 13, 96);
    EXPECT_EQ(size.height, 20);
    EXPECT_EQ(size.width, 44 + 60 - 12);
    EXPECT_EQ(MeasureMenuItem(60, 25, 13, 96).height, 25);
    EXPECT_EQ(MeasureMenuItem(0, 0, 1, 96).width, 44);
}

TEST(MenuXPLayout, SeparatorIsHalfTheCheckMarkHigh) {
    const MenuItemSize size = MeasureSeparator(13, 13);
    EXPECT_EQ(size.height, 6);
    EXPECT_EQ(size.width, -12);
    const MenuRect item{0, 40, 150, 46};
    EXPECT_EQ(SeparatorLineRect(item), (MenuRect{0, 43, 150, 46}));
    EXPECT_EQ(SeparatorIconArea(item, 96), (MenuRect{0, 40, 20, 60}));
}

TEST(MenuXPLayout, IconBoxIsTheRowHighSquareAndTextFollowsIt) {
    const MenuItemLayout layout = LayoutMenuItem(MenuRect{3, 20, 200, 40}, 96);
    EXPECT_EQ(layout.iconBox, (MenuRect{3, 20, 23, 40}));
    EXPECT_EQ(layout.iconRect, (MenuRect{5, 22, 21, 38}));
    EXPECT_EQ(layout.textRect, (MenuRect{25, 20, 184, 40}));
}

TEST(MenuXPLayout, CheckMarkIsCentredInItsBox) {
    MenuPoint points[3];
    CheckMarkPoints(MenuRect{2, 2, 18, 18}, 96, points);
    EXPECT_EQ(points[0].x, 6);
    EXPECT_EQ(points[0].y, 9);
    EXPECT_EQ(points[1].x, 8);
    EXPECT_EQ(points[1].y, 11);
    EXPECT_EQ(points[2].x, 13);
    EXPECT_EQ(points[2].y, 6);
}
