#include "controls/BalloonShape.h"
#include "controls/ButtonLayout.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {
const PixelRect ExitButton{0, 0, 72, 31};
const PixelSize SmallIcon{16, 16};
} // namespace

TEST(ButtonLayout, IconAndCaptionBoxesForEachPlacement) {
    const struct {
        int placement;
        bool caption;
        PixelPoint icon; // the icon box's top left corner
        PixelRect text;
    } cases[] = {
        // Icon left, half its width from the edge; text from twice its width to 8 from the right.
        {0, true, {8, 7}, {32, 0, 64, 31}},
        {1, true, {8, 7}, {32, 0, 64, 31}},
        // Icon right: 72 - 8 - 16.
        {2, true, {48, 7}, {8, 0, 48, 31}},
        // Without caption any placement but 2 centres the icon.
        {0, false, {28, 7}, ExitButton},
        {1, false, {28, 7}, ExitButton},
    };
    for (const auto& c : cases) {
        const ButtonLayout layout =
            LayOutImageButton(ExitButton, SmallIcon, true, c.caption, c.placement, false, 96);
        EXPECT_EQ((PixelPoint{layout.iconBox.left, layout.iconBox.top}), c.icon)
            << c.placement << c.caption;
        if (c.caption) {
            EXPECT_EQ(layout.textBox, c.text) << c.placement;
        }
    }
    // A caption without icon keeps the whole button.
    EXPECT_EQ(LayOutImageButton(ExitButton, PixelSize{}, false, true, 1, false, 96).textBox,
              ExitButton);
    EXPECT_EQ(CentreCaptionVertically({32, 0, 64, 31}, {32, 0, 50, 13}),
              (PixelRect{32, 9, 50, 22}));
}

TEST(ButtonLayout, ClassicPressedLookShiftsIconAndCaption) {
    const ButtonLayout up = LayOutImageButton(ExitButton, SmallIcon, true, true, 1, false, 96);
    const ButtonLayout down = LayOutImageButton(ExitButton, SmallIcon, true, true, 1, true, 96);
    EXPECT_EQ(down.iconBox.left, up.iconBox.left + 1);
    EXPECT_EQ(down.iconBox.top, up.iconBox.top + 1);
    EXPECT_EQ(down.textBox.left, up.textBox.left + 1);
    EXPECT_EQ(down.textBox.top, up.textBox.top + 1);
}

// W = text width + 24, H = text height + 20, window H + 25, stem tip on the anchor.
TEST(BalloonShape, OneAndTwoLineTexts) {
    const BalloonShape one = ComputeBalloonShape(PixelSize{150, 13}, false, PixelSize{}, 96);
    EXPECT_EQ(one.body, (PixelRect{0, 0, 174, 33}));
    EXPECT_EQ(one.window, (PixelSize{174, 58}));
    EXPECT_EQ(one.StemTip(), (PixelPoint{162, 48}));
    EXPECT_EQ(one.stem[0], (PixelPoint{162, 23}));
    EXPECT_EQ(one.stem[2], (PixelPoint{137, 23}));
    EXPECT_EQ(BalloonOrigin(one, PixelPoint{500, 400}), (PixelPoint{500 - 162, 400 - 48}));

    const BalloonShape two = ComputeBalloonShape(PixelSize{150, 26}, false, PixelSize{}, 96);
    EXPECT_EQ(two.window, (PixelSize{174, 26 + 20 + 25}));
    const PixelPoint origin = BalloonOrigin(two, PixelPoint{20, 30});
    EXPECT_EQ(origin.x + two.StemTip().x, 20);
    EXPECT_EQ(origin.y + two.StemTip().y, 30);
}

TEST(BalloonShape, IconWidensTheBodyAndSetsItsMinimumHeight) {
    const BalloonShape shape = ComputeBalloonShape(PixelSize{100, 13}, true, PixelSize{32, 40}, 96);
    EXPECT_EQ(shape.body.right, 100 + 24 + 32 + 5);
    EXPECT_EQ(shape.body.bottom, 40);
    EXPECT_EQ(BalloonTextRect(PixelRect{0, 0, 161, 65}, true, PixelSize{32, 40}, 96),
              (PixelRect{49, 10, 161, 65}));
    EXPECT_EQ(BalloonTextRect(PixelRect{0, 0, 161, 65}, false, PixelSize{}, 96),
              (PixelRect{12, 10, 161, 65}));
    // The icon's size wraps in eight bits; one counted 0 wide still takes the gap.
    EXPECT_EQ(BalloonIconSize(8, 8), (PixelSize{16, 16}));
    EXPECT_EQ(BalloonIconSize(128, 16), (PixelSize{0, 32}));
    EXPECT_EQ(BalloonIconSize(130, 0), (PixelSize{4, 0}));
    EXPECT_EQ(ComputeBalloonShape(PixelSize{10, 10}, true, PixelSize{0, 0}, 96).body.right,
              10 + 24 + 5);
}
