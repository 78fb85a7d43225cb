#include "controls/BalloonShape.h"
#include "controls/ButtonLayout.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {
const PixelRect ExitButton{0, 0, 72, 31};
const PixelSize SmallIcon{16, 16};
} // namespace

TEST(ButtonLayout, IconLeftOfCaption) {
    const ButtonLayout layout = LayOutImageButton(ExitButton, SmallIcon, true, true, 1, false);
    EXPECT_EQ(layout.iconBox.left, 8);   // half the icon's width from the edge
    EXPECT_EQ(layout.iconBox.top, 7);    // (31 - 16) / 2
    EXPECT_EQ(layout.textBox.left, 32);  // twice the icon's width
    EXPECT_EQ(layout.textBox.right, 64); // 72 - 8
    EXPECT_EQ(layout.textBox.top, 0);
    EXPECT_EQ(layout.textBox.bottom, 31);
    const ButtonLayout placementZero =
        LayOutImageButton(ExitButton, SmallIcon, true, true, 0, false);
    EXPECT_EQ(placementZero.iconBox, layout.iconBox);
    EXPECT_EQ(placementZero.textBox, layout.textBox);
}

TEST(ButtonLayout, IconRightOfCaption) {
    const ButtonLayout layout = LayOutImageButton(ExitButton, SmallIcon, true, true, 2, false);
    EXPECT_EQ(layout.iconBox.left, 48); // 72 - 8 - 16
    EXPECT_EQ(layout.iconBox.top, 7);
    EXPECT_EQ(layout.textBox.left, 8);
    EXPECT_EQ(layout.textBox.right, 48);
}

TEST(ButtonLayout, IconAloneIsCentred) {
    const PixelRect item{0, 0, 37, 23};
    const ButtonLayout layout = LayOutImageButton(item, SmallIcon, true, false, 0, false);
    EXPECT_EQ(layout.iconBox.left, 10); // (37 - 16) / 2
    EXPECT_EQ(layout.iconBox.top, 3);   // (23 - 16) / 2
    // Any placement but 2 draws an icon without caption the same way.
    const ButtonLayout placementOne = LayOutImageButton(item, SmallIcon, true, false, 1, false);
    EXPECT_EQ(placementOne.iconBox, layout.iconBox);
}

TEST(ButtonLayout, ClassicPressedLookShiftsIconAndCaption) {
    const ButtonLayout up = LayOutImageButton(ExitButton, SmallIcon, true, true, 1, false);
    const ButtonLayout down = LayOutImageButton(ExitButton, SmallIcon, true, true, 1, true);
    EXPECT_EQ(down.iconBox.left, up.iconBox.left + 1);
    EXPECT_EQ(down.iconBox.top, up.iconBox.top + 1);
    EXPECT_EQ(down.textBox.left, up.textBox.left + 1);
    EXPECT_EQ(down.textBox.top, up.textBox.top + 1);
}

TEST(ButtonLayout, CaptionWithoutIconKeepsTheWholeButton) {
    const ButtonLayout layout = LayOutImageButton(ExitButton, PixelSize{}, false, true, 1, false);
    EXPECT_EQ(layout.textBox, ExitButton);
}

TEST(ButtonLayout, CaptionIsCentredVertically) {
    const PixelRect box{32, 0, 64, 31};
    const PixelRect measured{32, 0, 50, 13};
    EXPECT_EQ(CentreCaptionVertically(box, measured), (PixelRect{32, 9, 50, 22}));
}

TEST(BalloonShape, OneLineText) {
    const BalloonShape shape = ComputeBalloonShape(PixelSize{150, 13}, false, PixelSize{});
    EXPECT_EQ(shape.body, (PixelRect{0, 0, 174, 33}));
    EXPECT_EQ(shape.window, (PixelSize{174, 58}));
    EXPECT_EQ(shape.StemTip(), (PixelPoint{162, 48}));
    EXPECT_EQ(shape.stem[0], (PixelPoint{162, 23}));
    EXPECT_EQ(shape.stem[2], (PixelPoint{137, 23}));
    const PixelPoint origin = BalloonOrigin(shape, PixelPoint{500, 400});
    EXPECT_EQ(origin, (PixelPoint{500 - 174 + 12, 400 - 58 + 10}));
    EXPECT_EQ(origin.x + shape.StemTip().x, 500);
    EXPECT_EQ(origin.y + shape.StemTip().y, 400);
}

TEST(BalloonShape, TwoLineTextIsTaller) {
    const BalloonShape one = ComputeBalloonShape(PixelSize{150, 13}, false, PixelSize{});
    const BalloonShape two = ComputeBalloonShape(PixelSize{150, 26}, false, PixelSize{});
    EXPECT_EQ(two.window, (PixelSize{174, 26 + 20 + 25}));
    EXPECT_EQ(two.window.height - one.window.height, 13);
    const PixelPoint origin = BalloonOrigin(two, PixelPoint{20, 30});
    EXPECT_EQ(origin.x + two.StemTip().x, 20);
    EXPECT_EQ(origin.y + two.StemTip().y, 30);
}

TEST(BalloonShape, IconWidensTheBodyAndSetsItsMinimumHeight) {
    const BalloonShape shape = ComputeBalloonShape(PixelSize{100, 13}, true, PixelSize{32, 40});
    EXPECT_EQ(shape.body.right, 100 + 24 + 32 + 5);
    EXPECT_EQ(shape.body.bottom, 40);
    EXPECT_EQ(BalloonTextRect(PixelRect{0, 0, 161, 65}, true, PixelSize{32, 40}),
              (PixelRect{49, 10, 161, 65}));
    EXPECT_EQ(BalloonTextRect(PixelRect{0, 0, 161, 65}, false, PixelSize{}),
              (PixelRect{12, 10, 161, 65}));
}

TEST(BalloonShape, IconSizeWrapsInEightBits) {
    EXPECT_EQ(BalloonIconSize(8, 8), (PixelSize{16, 16}));
    EXPECT_EQ(BalloonIconSize(128, 16), (PixelSize{0, 32}));
    EXPECT_EQ(BalloonIconSize(130, 0), (PixelSize{4, 0}));
    // An icon counted 0 wide still takes the gap beside the text.
    const BalloonShape shape = ComputeBalloonShape(PixelSize{10, 10}, true, PixelSize{0, 0});
    EXPECT_EQ(shape.body.right, 10 + 24 + 5);
}
