#include "controls/CMenuXP.h"

#include "Canvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using controls::CMenuXP;
using controls::CMenuXPItem;

namespace {

const COLORREF IconColour = RGB(255, 0, 0);

// A 16x16 icon of one opaque colour.
HICON SolidIcon(COLORREF colour) {
    const std::vector<DWORD> pixels(16 * 16, 0xFF000000u | GetRValue(colour) << 16 |
                                                 GetGValue(colour) << 8 | GetBValue(colour));
    const BYTE maskBits[32] = {}; // all zero: every pixel opaque
    fw::Bitmap colourBitmap(CreateBitmap(16, 16, 1, 32, pixels.data()));
    fw::Bitmap mask(CreateBitmap(16, 16, 1, 1, maskBits));
    ICONINFO iconInfo{TRUE, 0, 0, mask.Get(), colourBitmap.Get()};
    return CreateIconIndirect(&iconInfo);
}

void DrawInto(CMenuXP& menu, const CMenuXPItem& item, Canvas& canvas, UINT state, RECT rect) {
    DRAWITEMSTRUCT request{};
    request.CtlType = ODT_MENU;
    request.itemID = item.commandId;
    request.itemState = state;
    request.hDC = canvas.Dc();
    request.rcItem = rect;
    request.itemData = reinterpret_cast<ULONG_PTR>(&item);
    menu.DrawItem(request);
}

struct CountingItem : CMenuXPItem {
    CountingItem(UINT id, int& live) : CMenuXPItem(id, "Item", SolidIcon(IconColour)), live_(live) {
        ++live_;
    }
    ~CountingItem() override { --live_; }
    int& live_;
};

} // namespace

class MenuXPDrawing : public testing::Test {
  protected:
    CMenuXP menu;
    CMenuXPItem item{1025, "Explore C:", SolidIcon(IconColour)};
    CMenuXPItem separator;
    const RECT row{0, 0, 160, 20};
    const COLORREF menuColour = GetSysColor(COLOR_MENU);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
};

TEST_F(MenuXPDrawing, ButtonStyleNormalAndSelected) {
    Canvas normal(160, 20);
    DrawInto(menu, item, normal, 0, row);
    EXPECT_EQ(normal.At(0, 0), menuColour);
    EXPECT_EQ(normal.At(1, 1), menuColour);
    EXPECT_EQ(normal.At(2, 2), IconColour);
    EXPECT_EQ(normal.At(17, 17), IconColour);
    EXPECT_EQ(normal.At(155, 2), menuColour);

    Canvas selected(160, 20);
    DrawInto(menu, item, selected, ODS_SELECTED, row);
    EXPECT_EQ(selected.At(155, 2), highlight);
    // The icon stands on a raised square of menu colour.
    EXPECT_EQ(selected.At(0, 0), light);
    EXPECT_EQ(selected.At(19, 19), shadow);
    EXPECT_EQ(selected.At(1, 1), menuColour);
    EXPECT_EQ(selected.At(2, 2), IconColour);
    EXPECT_EQ(selected.At(20, 10), highlight);
}

TEST_F(MenuXPDrawing, FlatStyleNormalAndSelected) {
    menu.SetStyle(CMenuXP::MenuStyleFlat);
    Canvas normal(160, 20);
    DrawInto(menu, item, normal, 0, row);
    EXPECT_EQ(normal.At(0, 0), menuColour);
    EXPECT_EQ(normal.At(1, 1), menuColour);
    EXPECT_EQ(normal.At(2, 2), IconColour);
    EXPECT_EQ(normal.At(17, 17), IconColour);

    Canvas selected(160, 20);
    DrawInto(menu, item, selected, ODS_SELECTED, row);
    // A black frame around the highlighted row.
    EXPECT_EQ(selected.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(selected.At(159, 19), RGB(0, 0, 0));
    EXPECT_EQ(selected.At(80, 0), RGB(0, 0, 0));
    EXPECT_EQ(selected.At(155, 2), highlight);
    // The icon lifted one pixel up and left over its grey shadow.
    EXPECT_EQ(selected.At(1, 1), IconColour);
    EXPECT_EQ(selected.At(16, 16), IconColour);
    EXPECT_EQ(selected.At(17, 17), shadow);
    EXPECT_EQ(selected.At(18, 18), shadow);
    EXPECT_EQ(selected.At(19, 17), highlight);
}

TEST_F(MenuXPDrawing, SeparatorLineFullWidthInButtonStyleAfterIconColumnInFlat) {
    const RECT line{0, 0, 160, 6};
    Canvas button(160, 6);
    DrawInto(menu, separator, button, 0, line);
    EXPECT_EQ(button.At(2, 3), shadow);
    EXPECT_EQ(button.At(150, 3), shadow);
    EXPECT_EQ(button.At(150, 1), menuColour);

    menu.SetStyle(CMenuXP::MenuStyleFlat);
    Canvas flat(160, 6);
    DrawInto(menu, separator, flat, 0, line);
    EXPECT_EQ(flat.At(2, 3), menuColour);
    EXPECT_EQ(flat.At(19, 3), menuColour);
    EXPECT_EQ(flat.At(20, 3), shadow);
}

TEST_F(MenuXPDrawing, TickedItemWithoutIconGetsACheckMark) {
    CMenuXPItem plain(7, "Plain", nullptr);
    Canvas canvas(160, 20);
    DrawInto(menu, plain, canvas, ODS_CHECKED, row);
    // The tick's corner point of an 8-pixel mark centred in the 16-pixel box.
    EXPECT_EQ(canvas.At(6, 9), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(6, 11), RGB(0, 0, 0));
    EXPECT_EQ(canvas.At(6, 12), light);
}

// The arithmetic is checked on the host; here the system's check-mark size
// reaches it, and data that is not a record of this class is left alone.
TEST(MenuXP, MeasuresSeparatorsByTheCheckMarkAndIgnoresForeignData) {
    CMenuXP menu;
    CMenuXPItem separator;
    MEASUREITEMSTRUCT request{};
    request.CtlType = ODT_MENU;
    request.itemData = reinterpret_cast<ULONG_PTR>(&separator);
    menu.MeasureItem(request);
    EXPECT_EQ(static_cast<int>(request.itemHeight), GetSystemMetrics(SM_CYMENUCHECK) / 2);

    MEASUREITEMSTRUCT foreign{};
    foreign.CtlType = ODT_MENU;
    DWORD notARecord[8] = {};
    foreign.itemData = reinterpret_cast<ULONG_PTR>(notARecord);
    EXPECT_FALSE(menu.MeasureItem(foreign));
    EXPECT_EQ(foreign.itemHeight, 0u);
}

TEST(MenuXP, DeletingTheTopMenuFreesRecordsIconsAndSubmenusOfBothLevels) {
    int live = 0;
    HMENU topHandle = nullptr;
    HMENU subHandle = nullptr;
    HICON subIcon = nullptr;
    {
        auto top = std::make_unique<CMenuXP>();
        auto sub = std::make_unique<CMenuXP>();
        ASSERT_TRUE(top->CreatePopupMenu());
        ASSERT_TRUE(sub->CreatePopupMenu());
        topHandle = top->GetHandle();
        subHandle = sub->GetHandle();
        auto first = std::make_unique<CountingItem>(1020, live);
        subIcon = first->icon.Get();
        EXPECT_TRUE(sub->AppendItem(0, std::move(first)));
        EXPECT_TRUE(sub->AppendSeparator());
        EXPECT_TRUE(sub->AppendItem(0, std::make_unique<CountingItem>(1025, live)));
        EXPECT_TRUE(top->AppendPopup(0, std::move(sub), std::make_unique<CountingItem>(0, live)));
        EXPECT_TRUE(top->AppendSeparator());
        EXPECT_TRUE(top->AppendItem(0, std::make_unique<CountingItem>(1042, live)));
        EXPECT_EQ(live, 4);
        EXPECT_EQ(GetMenuItemCount(topHandle), 3);
        EXPECT_EQ(GetSubMenu(topHandle, 0), subHandle);
    }
    EXPECT_EQ(live, 0);
    EXPECT_FALSE(IsMenu(topHandle));
    EXPECT_FALSE(IsMenu(subHandle));
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(subIcon, &info));

    CMenuXP withoutHandle; // a failed append frees the record as well
    EXPECT_FALSE(withoutHandle.AppendItem(0, std::make_unique<CountingItem>(1, live)));
    EXPECT_EQ(live, 0);
}
