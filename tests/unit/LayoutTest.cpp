// Where the controls put their parts, in pixels at 96 DPI and scaled at other DPIs.
#include "base/Dpi.h"
#include "commands/InputBoxLayout.h"
#include "controls/BalloonShape.h"
#include "controls/ButtonLayout.h"
#include "controls/MenuXPLayout.h"

#include "Equality.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using base::Scale;
using namespace controls;

namespace {

const PixelRect ExitButton{0, 0, 72, 31};

std::vector<int> Flat(std::initializer_list<PixelRect> rects) {
    std::vector<int> values;
    for (const PixelRect& r : rects)
        values.insert(values.end(), {r.left, r.top, r.right, r.bottom});
    return values;
}

} // namespace

TEST(Dpi, ScaleRoundsHalvesAwayFromZero) {
    const struct {
        int value, dpi, scaled;
    } cases[] = {
        {22, 120, 28}, {1, 144, 2},   {1, 120, 1},  {7, 144, 11}, {-22, 120, -28},
        {-1, 144, -2}, {13, 192, 26}, {13, 96, 13}, {13, 0, 13},  {13, 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Scale(c.value, c.dpi), c.scaled) << c.value << " at " << c.dpi;
}

TEST(ButtonLayout, IconAndCaptionBoxesForEachPlacementAndThePressedLook) {
    const struct {
        int placement;
        bool caption, sunken;
        PixelPoint icon; // the icon is drawn at the icon box's top-left corner
        PixelRect text;
    } cases[] = {
        // Icon left, half its width from the edge; text from twice its width to 8 from the right.
        {1, true, false, {8, 7}, {32, 0, 64, 31}},
        {1, true, true, {9, 8}, {33, 1, 65, 32}},  // pressed: one pixel right and down
        {2, true, false, {48, 7}, {8, 0, 48, 31}}, // icon right: 72 - 8 - 16
        {0, false, false, {28, 7}, ExitButton},    // no caption: the icon centred
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.placement);
        const ButtonLayout l =
            LayOutImageButton(ExitButton, {16, 16}, true, c.caption, c.placement, c.sunken, 96);
        EXPECT_EQ((PixelPoint{l.iconBox.left, l.iconBox.top}), c.icon);
        EXPECT_EQ(l.textBox, c.text);
    }
    EXPECT_EQ(CentreCaptionVertically({32, 0, 64, 31}, {32, 0, 50, 13}),
              (PixelRect{32, 9, 50, 22}));
    EXPECT_EQ(FocusRect(ExitButton, 96), (PixelRect{3, 3, 69, 28}));
}

// W = text width + 24, H = text height + 20, window H + 25, stem tip on the anchor.
TEST(BalloonShape, BodyStemAndTextAroundTheText) {
    const BalloonShape one = ComputeBalloonShape({150, 13}, false, {}, 96);
    EXPECT_EQ(one.window, (PixelSize{174, 58}));
    EXPECT_EQ(one.stem[2], (PixelPoint{137, 23}));
    EXPECT_EQ(BalloonOrigin(one, {500, 400}), (PixelPoint{500 - 162, 400 - 48}));

    // An icon widens the body by itself and the gap; its height is the least height.
    for (const int iconHeight : {32, 33, 40}) {
        const BalloonShape shape = ComputeBalloonShape({100, 13}, true, {32, iconHeight}, 96);
        EXPECT_EQ(shape.body, (PixelRect{0, 0, 100 + 24 + 32 + 5, std::max(33, iconHeight)}));
    }
    EXPECT_EQ(BalloonTextRect({0, 0, 161, 65}, true, {32, 40}, 96), (PixelRect{49, 10, 161, 65}));
    EXPECT_EQ(BalloonTextRect({0, 0, 161, 65}, false, {}, 96), (PixelRect{12, 10, 161, 65}));
    // The icon's size is twice its hot spot, wrapped in eight bits.
    EXPECT_EQ(BalloonIconSize(130, 16), (PixelSize{4, 32}));
    const BalloonMetrics m = BalloonMetricsAt(96);
    EXPECT_EQ((std::vector<int>{m.marginX, m.marginY, m.cornerWidth, m.cornerHeight, m.stemHeight,
                                m.iconGap, m.frameWidth, m.outlineWidth}),
              (std::vector<int>{12, 10, 12, 10, 25, 5, 3, 1}));
}

TEST(MenuXPLayout, ItemsSeparatorsIconBoxAndCheckMark) {
    // Rows are at least the icon and 4 high, and 44 wider than their text less the check mark.
    EXPECT_EQ(MeasureMenuItem(60, 20, 13, 96).height, 20);
    EXPECT_EQ(MeasureMenuItem(60, 21, 13, 96).height, 21);
    EXPECT_EQ(MeasureMenuItem(60, 13, 13, 96).width, 44 + 60 - 12);
    EXPECT_EQ(MeasureSeparator(13, 13).height, 6);
    EXPECT_EQ(MeasureSeparator(13, 13).width, -12);
    const MenuRect separator{0, 40, 150, 46};
    EXPECT_EQ(SeparatorLineRect(separator), (MenuRect{0, 43, 150, 46}));
    EXPECT_EQ(SeparatorIconArea(separator, 96), (MenuRect{0, 40, 20, 60}));

    const MenuItemLayout layout = LayoutMenuItem({3, 20, 200, 40}, 96);
    EXPECT_EQ(layout.iconRect, (MenuRect{5, 22, 21, 38}));
    EXPECT_EQ(layout.textRect, (MenuRect{25, 20, 184, 40}));

    MenuPoint tick[3];
    CheckMarkPoints({2, 2, 18, 18}, 96, tick);
    EXPECT_EQ((std::vector<int>{tick[0].x, tick[0].y, tick[1].x, tick[1].y, tick[2].x, tick[2].y,
                                CheckMarkStrokes}),
              (std::vector<int>{6, 9, 8, 11, 13, 6, 3}));
    EXPECT_EQ(MeasureMenuItem(18, 18, 21, 144).height, 30) << "icons of 24 pixels at 144 DPI";
}

// The edit down to 7/8 of the box, the buttons under it and shifted when the box is narrow.
TEST(InputBoxLayout, EditUnderThePromptAndButtonsUnderTheEdit) {
    const commands::InputBoxMetrics metrics{2, 2, 19};
    const commands::InputBoxMetrics flat{2, 2, 0};
    const struct {
        PixelRect text, box;
        commands::InputBoxMetrics metrics;
        PixelRect edit;
        int boxX, boxY, buttonShift, buttonTop;
    } cases[] = {
        {{59, 23, 232, 36}, {100, 200, 400, 320}, metrics, {59, 38, 232, 81}, 98, 166, 0, 86},
        // 100 - 28 = 72; 72 - 9 = 63 lies above the prompt's bottom of 80.
        {{10, 10, 190, 80}, {0, 0, 200, 100}, metrics, {10, 82, 190, 80}, -2, -34, 0, 85},
        // 62 = 63 - 63 / 8 + 1 equals the prompt's bottom: the edit ends there.
        {{10, 10, 190, 62}, {0, 0, 200, 100}, metrics, {10, 64, 190, 63}, -2, -34, 0, 68},
        {{10, 10, 50, 20}, {0, 0, 60, 200}, metrics, {10, 22, 50, 151}, -2, -34, 53, 156},
        // Needs 16 + 4 + 34 = 54: one pixel short moves nothing, two move by one.
        {{10, 10, 40, 20}, {0, 0, 53, 52}, flat, {10, 22, 40, 38}, -2, -15, 0, 43},
        {{10, 10, 40, 20}, {0, 0, 52, 52}, flat, {10, 22, 40, 38}, -2, -15, 1, 43},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box.Width());
        const commands::InputBoxLayout l = commands::LayOutInputBox(c.text, c.box, c.metrics, 96);
        EXPECT_EQ(l.edit, c.edit);
        EXPECT_EQ(
            (std::vector<int>{l.boxX, l.boxY, l.boxWidth, l.boxHeight, l.buttonShift, l.buttonTop}),
            (std::vector<int>{c.boxX, c.boxY, c.box.Width(), c.box.Height() + 20, c.buttonShift,
                              c.buttonTop}));
    }
}

// Given its inputs at the DPI, each layout is its 96-DPI layout scaled, within a
// pixel per scaled term (at 192 DPI, where scaling is exact, per halving).
TEST(Dpi, EveryLayoutIsItsLayoutAt96DpiScaled) {
    const auto layouts = [](int dpi) {
        const auto s = [dpi](int value) { return Scale(value, dpi); };
        const MenuItemSize size = MeasureMenuItem(s(60), s(13), s(13), dpi);
        const MenuItemLayout menu = LayoutMenuItem({s(3), s(20), s(200), s(40)}, dpi);
        MenuPoint tick[3];
        CheckMarkPoints({s(2), s(2), s(18), s(18)}, dpi, tick);
        const PixelRect button{0, 0, s(72), s(31)};
        const ButtonLayout left =
            LayOutImageButton(button, {s(16), s(16)}, true, true, 1, true, dpi);
        const BalloonShape balloon =
            ComputeBalloonShape({s(100), s(13)}, true, {s(32), s(32)}, dpi);
        const commands::InputBoxLayout box =
            commands::LayOutInputBox({s(10), s(10), s(50), s(36)}, {s(100), s(200), s(400), s(320)},
                                     {s(2), s(2), s(19)}, dpi);
        std::vector<int> all = Flat({menu.iconRect, menu.textRect, left.iconBox, left.textBox,
                                     FocusRect(button, dpi), balloon.body, box.edit});
        all.insert(all.end(), {size.width, size.height, tick[0].x, tick[1].y, tick[2].x,
                               balloon.stem[1].x, balloon.stem[1].y, balloon.window.height,
                               box.boxY, box.boxHeight, box.buttonTop});
        return all;
    };
    const std::vector<int> at96 = layouts(96);
    for (int dpi : {120, 144, 192}) {
        const std::vector<int> scaled = layouts(dpi);
        for (std::size_t i = 0; i < at96.size(); ++i) {
            EXPECT_LE(std::abs(Scale(at96[i], dpi) - scaled[i]), dpi == 192 ? 1 : 6)
                << "value " << i << " at " << dpi << " DPI";
        }
    }
}
